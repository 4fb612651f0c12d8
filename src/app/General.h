#pragma once

#include <cstdint>

class THoverImage;

// Routines shared by the program's windows.

// Turns every pixel of the button's picture that is not pure black into pure red. Black stays,
// so the background and the black details inside a glyph stay transparent.
void PaintImageRed(THoverImage* image);

// Asks the system for a forced power-off (12), restart (6) or log-off (4); true when the system
// accepted the request. Any other combination asks for nothing and gives false.
bool ShutdownWindows(std::uint32_t flags);
