#include "Slab.h"

#include <algorithm>
#include <cmath>

namespace artgen {

namespace {

constexpr double kFace = 173;
constexpr double kLightEdge = 250;
constexpr double kDarkEdge = 66;
constexpr int kOutline = 44;

struct Edge {
    double depth; // distance inside the outline, negative outside
    double light; // 1 on the top and left edges, -1 on the bottom and right, 0 in between
};

Edge nearestEdge(double x, double y, double width, double height, double radius) {
    const double cx = width / 2, cy = height / 2;
    const double qx = std::abs(x - cx) - (cx - radius);
    const double qy = std::abs(y - cy) - (cy - radius);
    const double sx = x < cx ? -1 : 1;
    const double sy = y < cy ? -1 : 1;
    double dist, nx, ny;
    if (qx > 0 && qy > 0) {
        const double len = std::hypot(qx, qy);
        dist = len - radius;
        nx = sx * qx / len;
        ny = sy * qy / len;
    } else if (qx > qy) {
        dist = qx - radius;
        nx = sx;
        ny = 0;
    } else {
        dist = qy - radius;
        nx = 0;
        ny = sy;
    }
    // The light falls from the upper left.
    return {-dist, (-nx - ny) / (std::abs(nx) + std::abs(ny))};
}

} // namespace

QImage slab(QSize pictureSize, QSize slabSize, int bevel, int radius) {
    QImage out(pictureSize, QImage::Format_RGB32);
    out.fill(qRgb(255, 255, 255));
    for (int py = 0; py < slabSize.height(); ++py) {
        for (int px = 0; px < slabSize.width(); ++px) {
            const Edge e =
                nearestEdge(px + 0.5, py + 0.5, slabSize.width(), slabSize.height(), radius);
            int grey;
            if (e.depth < 0) {
                continue;
            } else if (e.depth < 1) {
                grey = kOutline;
            } else if (e.depth < 1 + bevel) {
                const double edge = e.light >= 0 ? kFace + e.light * (kLightEdge - kFace)
                                                 : kFace - e.light * (kDarkEdge - kFace);
                const double t = (e.depth - 1) / bevel;
                grey = int(std::lround(edge + (kFace - edge) * t));
            } else {
                grey = int(kFace);
            }
            out.setPixel(px, py, qRgb(grey, grey, grey));
        }
    }
    return out;
}

} // namespace artgen
