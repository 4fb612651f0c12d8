#include "Digits.h"

#include <algorithm>
#include <cmath>

namespace artgen {

const unsigned char kSegments[10] = {
    0b0111111, // 0
    0b0000110, // 1
    0b1011011, // 2
    0b1001111, // 3
    0b1100110, // 4
    0b1101101, // 5
    0b1111101, // 6
    0b0000111, // 7
    0b1111111, // 8
    0b1101111, // 9
};

namespace {

// Large digits are laid out upright in a box from (2, 4) to (34, 69), pixel edges, and then
// leaned forward: a point at height y moves right by kLean * (69 - y) / 65, so the top sits three
// pixels further right than the bottom and the digit spans columns 2 to 36, rows 4 to 68.
constexpr double kLean = 3.0;
constexpr double kHalf = 3.0; // segments are six pixels thick
constexpr double kGap = 1.2;  // the black gap where two segments meet
constexpr double kLeft = 5, kRight = 31, kTop = 7, kMiddle = 36.5, kBottom = 66;

const QRgb kLit = qRgb(255, 0, 0);
const QRgb kLitEdge = qRgb(214, 0, 0);
const QRgb kGhost = qRgb(64, 43, 42);

// How far inside a segment with pointed ends a point lies (negative: outside). `along` runs
// along the segment from `from` to `to`, `across` is the distance from its centre line.
double depth(double along, double across, double from, double to) {
    const double beyondEnds = std::max({0.0, from + kHalf - along, along - (to - kHalf)});
    return kHalf - std::abs(across) - beyondEnds;
}

double segmentDepth(int segment, double u, double y) {
    switch (segment) {
    case 0:
        return depth(u, y - kTop, kLeft + kGap, kRight - kGap);
    case 1:
        return depth(y, u - kRight, kTop + kGap, kMiddle - kGap);
    case 2:
        return depth(y, u - kRight, kMiddle + kGap, kBottom - kGap);
    case 3:
        return depth(u, y - kBottom, kLeft + kGap, kRight - kGap);
    case 4:
        return depth(y, u - kLeft, kMiddle + kGap, kBottom - kGap);
    case 5:
        return depth(y, u - kLeft, kTop + kGap, kMiddle - kGap);
    default:
        return depth(u, y - kMiddle, kLeft + kGap, kRight - kGap);
    }
}

QImage largeDigit(int digit) {
    QImage cell(40, 74, QImage::Format_RGB32);
    cell.fill(qRgb(0, 0, 0));
    for (int py = 0; py < cell.height(); ++py) {
        for (int px = 0; px < cell.width(); ++px) {
            const double y = py + 0.5;
            const double u = px + 0.5 - kLean * (69.0 - y) / 65.0;
            for (int s = 0; s < 7; ++s) {
                const double d = segmentDepth(s, u, y);
                if (d < 0)
                    continue;
                if (kSegments[digit] & (1 << s))
                    cell.setPixel(px, py, d < 1.0 ? kLitEdge : kLit);
                else
                    cell.setPixel(px, py, kGhost);
            }
        }
    }
    return cell;
}

QImage colon() {
    QImage cell(40, 74, QImage::Format_RGB32);
    cell.fill(qRgb(0, 0, 0));
    const double radius = 3.5;
    for (double cy : {26.5, 47.5}) {
        for (int py = 0; py < cell.height(); ++py) {
            for (int px = 0; px < 10; ++px) {
                const double d = radius - std::hypot(px + 0.5 - 5.5, py + 0.5 - cy);
                if (d >= 0)
                    cell.setPixel(px, py, d < 1.0 ? kLitEdge : kLit);
            }
        }
    }
    return cell;
}

QImage smallDigit(int digit) {
    QImage cell(13, 22, QImage::Format_RGB32);
    cell.fill(qRgb(0, 0, 0));
    // Segment rectangles (x, y, width, height), two pixels thick, reaching the cell's edges.
    static const QRect segments[7] = {
        {1, 0, 11, 2},   // a
        {11, 1, 2, 10},  // b
        {11, 11, 2, 10}, // c
        {1, 20, 11, 2},  // d
        {0, 11, 2, 10},  // e
        {0, 1, 2, 10},   // f
        {1, 10, 11, 2},  // g
    };
    for (int s = 0; s < 7; ++s) {
        if (!(kSegments[digit] & (1 << s)))
            continue;
        const QRect& r = segments[s];
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                cell.setPixel(x, y, qRgb(0, 255, 255));
    }
    return cell;
}

} // namespace

std::vector<QImage> largeDigits() {
    std::vector<QImage> list;
    for (int d = 0; d < 10; ++d)
        list.push_back(largeDigit(d));
    list.push_back(colon());
    return list;
}

std::vector<QImage> smallDigits() {
    std::vector<QImage> list;
    for (int d = 0; d < 10; ++d)
        list.push_back(smallDigit(d));
    return list;
}

} // namespace artgen
