#pragma once

#include <QImage>
#include <QPainter>

// Glyphs are drawn as white shapes on black (black details cut back in), then shaded: every
// white pixel becomes a pure grey taken from a top-to-bottom gradient over the glyph's own rows.
// Nothing is blended, so a glyph never has near-black edge pixels.
namespace artgen {

constexpr QRgb kMaskOn = 0xFFFFFFFF;
constexpr QRgb kMaskOff = 0xFF000000;

// A black RGB32 image for drawing a glyph mask into.
QImage blankMask(int width, int height);

// A painter over a mask with antialiasing off, white fill and no outline.
void beginMask(QPainter& painter, QImage& mask);

// Greys from topGrey at the glyph's first row to bottomGrey at its last; black stays black.
QImage shade(const QImage& mask, int topGrey, int bottomGrey);

} // namespace artgen
