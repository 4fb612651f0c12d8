#pragma once

#include <QByteArray>
#include <QImage>

// Decodes JPEG data with libjpeg into an RGB32 image. Data that is not a JPEG gives a null image;
// data cut short gives what could be read, the rest grey. Nothing is printed, nothing aborts.
QImage DecodeJpeg(const QByteArray& data);
