#pragma once

#include <QByteArray>
#include <QImage>
#include <QStringView>
#include <vector>

// The artwork and the alarm sound the program carries, generated at build time and embedded.
// Names follow the window and component that use them:
//   data("Form1.Image1.jpg"), data("frmActions.Image1.jpg"), data("frmSetTime.Image1.jpg"),
//   data("frmMsg.Image1.jpg")          window backgrounds, baseline 4:2:0 JPEG
//   data("WAVE.1.wav")                 the built-in alarm
//   data("MAINICON.ico")               the program icon
//   picture("Form1.HoverImage4") ...   button pictures, QImage::Format_RGB32
//   imageList("Form1.ImageList3") ...  image lists, one RGB32 image per index
namespace art {

QByteArray data(QStringView name);
QImage picture(QStringView name);
std::vector<QImage> imageList(QStringView name);

} // namespace art
