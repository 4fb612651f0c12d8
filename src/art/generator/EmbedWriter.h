#pragma once

#include "Catalogue.h"

#include <QString>

// Writes the catalogue as a C++ source file of byte arrays and the entry table the art library
// reads. Returns false when the file cannot be written.
namespace artgen {

bool writeEmbedded(const std::vector<Item>& items, const QString& path);

} // namespace artgen
