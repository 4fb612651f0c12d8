#pragma once

#include "art/Embedded.h"

#include <QByteArray>
#include <QImage>
#include <string>
#include <vector>

// Everything the program carries, by the name it is looked up with.
namespace artgen {

struct Item {
    std::string name;
    art::embedded::Kind kind;
    QByteArray bytes;           // Kind::Bytes
    std::vector<QImage> images; // one for a picture or icon rendering, all cells for a list
};

std::vector<Item> catalogue();

} // namespace artgen
