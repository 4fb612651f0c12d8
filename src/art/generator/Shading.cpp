#include "Shading.h"

#include <cmath>

namespace artgen {

QImage blankMask(int width, int height) {
    QImage mask(width, height, QImage::Format_RGB32);
    mask.fill(kMaskOff);
    return mask;
}

void beginMask(QPainter& painter, QImage& mask) {
    painter.begin(&mask);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
}

QImage shade(const QImage& mask, int topGrey, int bottomGrey) {
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            if (mask.pixel(x, y) == kMaskOn) {
                if (top < 0)
                    top = y;
                bottom = y;
                break;
            }
        }
    }
    QImage out = blankMask(mask.width(), mask.height());
    if (top < 0)
        return out;
    const int span = std::max(1, bottom - top);
    for (int y = top; y <= bottom; ++y) {
        const double t = double(y - top) / span;
        const int grey = int(std::lround(topGrey + (bottomGrey - topGrey) * t));
        for (int x = 0; x < mask.width(); ++x) {
            if (mask.pixel(x, y) == kMaskOn)
                out.setPixel(x, y, qRgb(grey, grey, grey));
        }
    }
    return out;
}

} // namespace artgen
