#pragma once

#include <QByteArray>
#include <QImage>

// Baseline JPEG with 4:2:0 chroma subsampling through libjpeg.
namespace artgen {

QByteArray encodeJpeg(const QImage& image, int quality);
QImage decodeJpeg(const QByteArray& jpeg);

} // namespace artgen
