#pragma once

#include <QImage>
#include <vector>

// The button pictures: grey glyphs on black, and the small black-on-silver window controls.
namespace artgen {

// The eight 48x32 command buttons in the main window's list order:
// up, down, lightning bolt, stopwatch, clock, play, pause, stop.
std::vector<QImage> commandButtons();

// The 32x32 dialog buttons: disc with tick, disc with cross, disc with question mark,
// closed folder.
std::vector<QImage> dialogButtons();

// A 32x32 button picture set in the middle of a 48x32 one, 8 black columns either side.
QImage widened(const QImage& square);

QImage openFolder(); // 24x24
QImage headphones(); // 32x32

QImage closeGlyph();    // 12x10, black X on silver
QImage minimiseGlyph(); // 12x10, black bar on silver

} // namespace artgen
