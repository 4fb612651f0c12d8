#include "Glyphs.h"

#include "Shading.h"

#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace artgen {

namespace {

constexpr int kTopGrey = 169;
constexpr int kBottomGrey = 94;

QPolygonF polygon(std::initializer_list<QPointF> points) {
    return QPolygonF(QList<QPointF>(points));
}

// A black stroke for the details cut into a glyph.
QPen cutPen(double width, Qt::PenCapStyle cap = Qt::SquareCap) {
    return QPen(Qt::black, width, Qt::SolidLine, cap, Qt::MiterJoin);
}

QImage upArrow() {
    QImage mask = blankMask(48, 32);
    QPainter p;
    beginMask(p, mask);
    p.drawPolygon(polygon({{24, 3}, {38, 17}, {30, 17}, {30, 29}, {18, 29}, {18, 17}, {10, 17}}));
    p.end();
    return shade(mask, kTopGrey, kBottomGrey);
}

QImage downArrow() {
    QImage mask = blankMask(48, 32);
    QPainter p;
    beginMask(p, mask);
    p.drawPolygon(polygon({{24, 29}, {38, 15}, {30, 15}, {30, 3}, {18, 3}, {18, 15}, {10, 15}}));
    p.end();
    return shade(mask, kTopGrey, kBottomGrey);
}

QImage lightningBolt() {
    QImage mask = blankMask(48, 32);
    QPainter p;
    beginMask(p, mask);
    // Top edge at the upper right, a step out to the right, the long stroke down to the tip at
    // the lower left, and back up with a step out to the left.
    p.drawPolygon(polygon({{24, 2}, {37, 2}, {30, 11}, {37, 11}, {12, 30}, {20, 17}, {13, 17}}));
    p.end();
    return shade(mask, kTopGrey, kBottomGrey);
}

QImage stopwatch() {
    QImage mask = blankMask(48, 32);
    QPainter p;
    beginMask(p, mask);
    // Crown: a cap over a short stem.
    p.drawRect(QRectF(20, 2, 8, 3));
    p.drawRect(QRectF(22, 5, 4, 3));
    // Stubs at the upper left and upper right of the case.
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::SquareCap));
    p.drawLine(QPointF(15.5, 11.5), QPointF(13, 9));
    p.drawLine(QPointF(32.5, 11.5), QPointF(35, 9));
    p.setPen(Qt::NoPen);
    // The ring, the black gap inside it, the inner disc and its centre dot.
    p.drawEllipse(QRectF(12.5, 7, 23, 23));
    p.setBrush(Qt::black);
    p.drawEllipse(QRectF(15.5, 10, 17, 17));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(17.5, 12, 13, 13));
    p.setBrush(Qt::black);
    p.drawRect(QRectF(23, 17.5, 2, 2));
    p.end();
    return shade(mask, kTopGrey, kBottomGrey);
}

QImage clock() {
    QImage mask = blankMask(48, 32);
    QPainter p;
    beginMask(p, mask);
    const QPointF centre(24, 16);
    const double radius = 14;
    QPolygonF octagon;
    for (int k = 0; k < 8; ++k) {
        const double a = (22.5 + 45.0 * k) * M_PI / 180.0;
        octagon << centre + QPointF(radius * std::cos(a), radius * std::sin(a));
    }
    p.drawPolygon(octagon);
    // Hands: the short one to the upper left, the long one to the right, on a black hub.
    p.setPen(cutPen(3));
    p.drawLine(QPointF(23.5, 15.5), QPointF(18.5, 10.5));
    p.drawLine(QPointF(23.5, 15.5), QPointF(32, 15.5));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRect(QRectF(21.5, 13.5, 4, 4));
    // Two dots low on the face.
    p.drawRect(QRectF(18, 22, 2, 2));
    p.drawRect(QRectF(28, 22, 2, 2));
    p.end();
    return shade(mask, kTopGrey, kBottomGrey);
}

QImage play() {
    QImage mask = blankMask(48, 32);
    QPainter p;
    beginMask(p, mask);
    p.drawPolygon(polygon({{15, 4}, {35, 16}, {15, 28}}));
    p.end();
    return shade(mask, kTopGrey, kBottomGrey);
}

QImage pause() {
    QImage mask = blankMask(48, 32);
    QPainter p;
    beginMask(p, mask);
    p.drawRect(QRectF(15, 5, 7, 22));
    p.drawRect(QRectF(26, 5, 7, 22));
    p.end();
    return shade(mask, kTopGrey, kBottomGrey);
}

QImage stop() {
    QImage mask = blankMask(48, 32);
    QPainter p;
    beginMask(p, mask);
    p.drawRect(QRectF(13, 5, 22, 22));
    p.end();
    return shade(mask, kTopGrey, kBottomGrey);
}

// The dialogs' disc, 30 pixels across, centred in a 32x32 picture.
void drawDisc(QPainter& p) {
    p.drawEllipse(QRectF(1, 1, 30, 30));
}

QImage tickDisc() {
    QImage mask = blankMask(32, 32);
    QPainter p;
    beginMask(p, mask);
    drawDisc(p);
    p.setPen(cutPen(4));
    p.drawPolyline(polygon({{9, 16}, {14, 21}, {23, 10}}));
    p.end();
    return shade(mask, kTopGrey, kBottomGrey);
}

QImage crossDisc() {
    QImage mask = blankMask(32, 32);
    QPainter p;
    beginMask(p, mask);
    drawDisc(p);
    p.setPen(cutPen(4));
    p.drawLine(QPointF(11, 11), QPointF(21, 21));
    p.drawLine(QPointF(21, 11), QPointF(11, 21));
    p.end();
    return shade(mask, kTopGrey, kBottomGrey);
}

QImage questionDisc() {
    QImage mask = blankMask(32, 32);
    QPainter p;
    beginMask(p, mask);
    drawDisc(p);
    // The hook: an arc over the top and round to the right, then down to the stem.
    QPainterPath hook;
    hook.arcMoveTo(QRectF(11, 6, 10, 10), 180);
    hook.arcTo(QRectF(11, 6, 10, 10), 180, -250);
    hook.lineTo(16, 19);
    p.setPen(cutPen(3.5, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRect(QRectF(14, 22, 4, 4));
    p.end();
    return shade(mask, kTopGrey, kBottomGrey);
}

QImage closedFolder() {
    QImage mask = blankMask(32, 32);
    QPainter p;
    beginMask(p, mask);
    // 32 x 26: a tab at the upper left over the body, the front flap's edge cut in black.
    p.drawPolygon(polygon({{0, 4}, {2, 2}, {11, 2}, {13, 4}, {13, 6}, {0, 6}}));
    p.drawRect(QRectF(0, 6, 32, 22));
    p.setBrush(Qt::black);
    p.drawRect(QRectF(0, 9, 32, 1));
    p.drawRect(QRectF(13, 5, 19, 1));
    p.end();
    return shade(mask, kTopGrey, kBottomGrey);
}

} // namespace

std::vector<QImage> commandButtons() {
    return {upArrow(), downArrow(), lightningBolt(), stopwatch(), clock(), play(), pause(), stop()};
}

std::vector<QImage> dialogButtons() {
    return {tickDisc(), crossDisc(), questionDisc(), closedFolder()};
}

QImage widened(const QImage& square) {
    QImage out = blankMask(48, 32);
    QPainter p(&out);
    p.drawImage(8, 0, square);
    p.end();
    return out;
}

QImage openFolder() {
    QImage mask = blankMask(24, 24);
    QPainter p;
    beginMask(p, mask);
    // About 17 x 12: the back with its tab, and the front flap tipped open towards the viewer.
    p.drawPolygon(polygon({{3, 7}, {4, 6}, {8, 6}, {9, 7}, {17, 7}, {17, 18}, {3, 18}}));
    p.setBrush(Qt::black);
    p.drawPolygon(polygon({{6, 10}, {21, 10}, {18, 18}, {3, 18}}));
    p.setBrush(Qt::white);
    p.drawPolygon(polygon({{7, 11}, {20, 11}, {17, 18}, {4, 18}}));
    p.end();
    return shade(mask, 200, 98);
}

QImage headphones() {
    QImage mask = blankMask(32, 32);
    QPainter p;
    beginMask(p, mask);
    // 20 x 20: a headband arc over two ear cups.
    QPainterPath band;
    band.addEllipse(QRectF(6, 6, 20, 20));
    band.addEllipse(QRectF(9, 9, 14, 14));
    QPainterPath upper;
    upper.addRect(QRectF(0, 0, 32, 17));
    p.drawPath(band.intersected(upper));
    p.drawRect(QRectF(6, 16, 5, 10));
    p.drawRect(QRectF(21, 16, 5, 10));
    p.end();
    return shade(mask, 165, 98);
}

namespace {

QImage silver12x10() {
    QImage glyph(12, 10, QImage::Format_RGB32);
    glyph.fill(qRgb(192, 192, 192));
    return glyph;
}

} // namespace

QImage closeGlyph() {
    QImage glyph = silver12x10();
    for (int row = 0; row < 7; ++row) {
        for (int dx = 0; dx < 2; ++dx) {
            glyph.setPixel(2 + row + dx, 1 + row, qRgb(0, 0, 0));
            glyph.setPixel(9 - row - dx, 1 + row, qRgb(0, 0, 0));
        }
    }
    return glyph;
}

QImage minimiseGlyph() {
    QImage glyph = silver12x10();
    for (int y = 7; y <= 8; ++y)
        for (int x = 2; x <= 7; ++x)
            glyph.setPixel(x, y, qRgb(0, 0, 0));
    return glyph;
}

} // namespace artgen
