#pragma once

#include <QImage>
#include <vector>

// The seven-segment digit pictures of the main window's display.
namespace artgen {

// Segments lit for each digit 0-9, bit 0 = a (top), then b (upper right), c (lower right),
// d (bottom), e (lower left), f (upper left), g (middle).
extern const unsigned char kSegments[10];

// 11 pictures of 40x74: the slanted red digits 0-9 over dim ghost segments, then the colon.
std::vector<QImage> largeDigits();

// 10 pictures of 13x22: upright cyan digits 0-9 that fill the cell.
std::vector<QImage> smallDigits();

} // namespace artgen
