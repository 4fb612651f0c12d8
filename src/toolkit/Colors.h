#pragma once

#include <QColor>
#include <cstdint>

// A colour word: red in the lowest byte, green in the next, blue in the third; the top byte is 0.
using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clBtnFace = 0xADADAD; // the face grey of our artwork stands in for the system's

constexpr TColor RGBToColor(int r, int g, int b) {
    return TColor(r & 0xFF) | TColor(g & 0xFF) << 8 | TColor(b & 0xFF) << 16;
}

// Conversions at the toolkit edge. QImage::Format_RGB32 pixels are 0xFFRRGGBB.
constexpr TColor ColorFromRgb32(std::uint32_t argb) {
    return ((argb >> 16) & 0xFF) | (argb & 0xFF00) | ((argb & 0xFF) << 16);
}
constexpr std::uint32_t Rgb32FromColor(TColor c) {
    return 0xFF000000u | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
inline QColor ToQColor(TColor c) {
    return QColor::fromRgb(Rgb32FromColor(c));
}
