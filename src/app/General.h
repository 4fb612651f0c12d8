#pragma once

class THoverImage;

// Routines shared by the program's windows.

// Turns every pixel of the button's picture that is not pure black into pure red. Black stays,
// so the background and the black details inside a glyph stay transparent.
void PaintImageRed(THoverImage* image);
