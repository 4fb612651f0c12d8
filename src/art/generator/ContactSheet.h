#pragma once

#include "Catalogue.h"

#include <QImage>

// One picture of everything in the catalogue, enlarged, for looking at: backgrounds as the JPEG
// decodes, each button as stored, as shown on the window face and lit red, the digit lists, the
// window-control glyphs, the icon renderings and the alarm's waveform.
namespace artgen {

QImage contactSheet(const std::vector<Item>& items);

} // namespace artgen
