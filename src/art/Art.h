#pragma once

#include <QByteArray>
#include <QImage>
#include <QStringView>
#include <vector>

// The artwork and the alarm sound the program carries, drawn by a generator at build time and
// embedded in this library. Names follow the window and component that use them:
//
//   data("Form1.Image1.jpg"), data("frmActions.Image1.jpg"), data("frmSetTime.Image1.jpg"),
//   data("frmMsg.Image1.jpg")      window backgrounds, baseline 4:2:0 JPEG
//                                  (353x353, 353x482, 353x226, 598x100)
//   data("WAVE.1.wav")             the built-in alarm: RIFF WAVE, 5,244 bytes, 8-bit mono 11025 Hz
//   data("MAINICON.ico")           the program icon, seven images (48/32/24/16 in 256 colours with
//                                  mask, then 32/24/16 in 32-bit colour with alpha)
//
//   picture("Form1.HoverImage1") .. ("Form1.HoverImage8")    48x32 command buttons
//   picture("Form1.HoverImage9")   12x10 close glyph, picture("Form1.HoverImage10") minimise glyph
//   picture("frmActions.HoverImage1") .. ("frmActions.HoverImage3"), ("frmActions.HoverImage7")
//                                  48x32; ("frmActions.HoverImage4"), ("frmActions.HoverImage5")
//                                  24x24; ("frmActions.HoverImage6") 32x32
//   picture("frmSetTime.HoverImage1"), ("frmSetTime.HoverImage2")            48x32
//   picture("CloseGlyph")          12x10 speed-button glyph, also reachable as
//                                  picture("frmSetTime.SpeedButton3") and ("frmMsg.SpeedButton1")
//
//   imageList("Form1.ImageList1")       10 x 13x22 small cyan digits 0-9
//   imageList("Form1.ImageList2")        8 x 48x32 command buttons (up, down, bolt, stopwatch,
//                                        clock, play, pause, stop)
//   imageList("Form1.ImageList3")       11 x 40x74 large red digits 0-9, then the colon
//   imageList("frmActions.ImageList1")   4 x 32x32 (tick, cross, question mark, closed folder)
//   imageList("frmActions.ImageList2")   1 x 24x24 (open folder)
//   imageList("frmSetTime.ImageList1")   2 x 32x32 (tick, cross)
//
// Pictures are QImage::Format_RGB32 and share the embedded bytes (writing to one detaches a copy),
// so a lookup costs no more than a name search. An unknown name gives an empty result.
namespace art {

QByteArray data(QStringView name);
QImage picture(QStringView name);
std::vector<QImage> imageList(QStringView name);

// The program icon drawn at 16, 24, 32 or 48 pixels, QImage::Format_ARGB32 with alpha; other
// sizes give the smallest rendering at least that large (the 48 one above 48).
QImage iconImage(int size);

} // namespace art
