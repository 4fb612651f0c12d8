#pragma once

#include <QImage>
#include <QSize>

// The windows' backgrounds: a raised grey slab with a bevel, a dark outline and round corners.
namespace artgen {

// A picture of pictureSize, white, with the slab drawn from its top-left corner at slabSize.
QImage slab(QSize pictureSize, QSize slabSize, int bevel, int radius);

} // namespace artgen
