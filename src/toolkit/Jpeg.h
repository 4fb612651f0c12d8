#pragma once

#include <QByteArray>
#include <QImage>

// Decodes JPEG data with libjpeg into an RGB32 image. Data that is not a JPEG, or is cut short,
// gives a null image; nothing is printed and nothing aborts.
QImage DecodeJpeg(const QByteArray& data);
