#pragma once

#include <QByteArray>
#include <QImage>

// The program icon: a small display device, a glossy blue frame and base around a black screen
// that reads 00:00 in red seven-segment digits between two dashed cyan lines.
namespace artgen {

// The icon at size x size, QImage::Format_ARGB32 (not premultiplied).
QImage iconRendering(int size);

// The icon file: 48, 32, 24 and 16 in 256 colours with a mask, then 32, 24 and 16 in 32-bit
// colour with alpha.
QByteArray iconFile();

} // namespace artgen
