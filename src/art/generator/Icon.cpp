#include "Icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cstdint>
#include <map>
#include <vector>

namespace artgen {

namespace {

// Drawn large without antialiasing on a 48-unit grid, then averaged down, so every size gets
// the same soft edges from the same shapes.
constexpr int kOversample = 8;

void drawSegmentDigitZero(QPainter& p, double x, double y, double w, double h, double t) {
    const QColor red(255, 24, 16);
    p.setBrush(red);
    p.drawRect(QRectF(x + t * 0.5, y, w - t, t));                           // a
    p.drawRect(QRectF(x + t * 0.5, y + h - t, w - t, t));                   // d
    p.drawRect(QRectF(x, y + t * 0.5, t, h / 2 - t * 0.7));                 // f
    p.drawRect(QRectF(x, y + h / 2 + t * 0.2, t, h / 2 - t * 0.7));         // e
    p.drawRect(QRectF(x + w - t, y + t * 0.5, t, h / 2 - t * 0.7));         // b
    p.drawRect(QRectF(x + w - t, y + h / 2 + t * 0.2, t, h / 2 - t * 0.7)); // c
}

void drawIcon(QPainter& p, bool pixelGrid) {
    p.setPen(Qt::NoPen);
    QLinearGradient blue(0, 3, 0, 46);
    blue.setColorAt(0.0, QColor(130, 190, 255));
    blue.setColorAt(0.5, QColor(30, 100, 220));
    blue.setColorAt(1.0, QColor(10, 40, 130));
    const QColor rim(8, 28, 90);

    // Base: a neck and a foot under the frame.
    p.setBrush(rim);
    p.drawRoundedRect(QRectF(9, 38, 30, 8), 3, 3);
    p.drawRect(QRectF(18, 34, 12, 6));
    p.setBrush(blue);
    p.drawRoundedRect(QRectF(10, 39, 28, 6), 2.5, 2.5);
    p.drawRect(QRectF(19, 35, 10, 5));

    // Frame with a gloss over its upper half.
    p.setBrush(rim);
    p.drawRoundedRect(QRectF(1, 3, 46, 34), 6, 6);
    p.setBrush(blue);
    p.drawRoundedRect(QRectF(2, 4, 44, 32), 5, 5);
    p.setBrush(QColor(255, 255, 255, 80));
    p.drawRoundedRect(QRectF(3, 4.5, 42, 13), 4.5, 4.5);

    // Screen.
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(5, 7, 38, 26), 1.5, 1.5);

    if (pixelGrid) {
        // At 24 pixels every line is laid on whole pixels (two units a pixel), so the digits stay
        // legible: 3 x 5 pixel rings, one-pixel dashes.
        p.setBrush(QColor(0, 255, 255));
        for (double y : {10.0, 26.0})
            for (double x = 8; x <= 38; x += 4)
                p.drawRect(QRectF(x, y, 2, 2));
        p.setBrush(QColor(255, 24, 16));
        for (double x : {8.0, 16.0, 28.0, 36.0}) {
            p.drawRect(QRectF(x, 14, 6, 2));
            p.drawRect(QRectF(x, 22, 6, 2));
            p.drawRect(QRectF(x, 14, 2, 10));
            p.drawRect(QRectF(x + 4, 14, 2, 10));
        }
        p.drawRect(QRectF(24, 16, 2, 2));
        p.drawRect(QRectF(24, 20, 2, 2));
        return;
    }

    // Dashed cyan lines above and below the digits.
    p.setBrush(QColor(0, 255, 255));
    for (double y : {9.5, 29.0}) {
        for (double x = 7; x + 2.5 <= 41.5; x += 4.5)
            p.drawRect(QRectF(x, y, 2.5, 1.5));
    }

    // 00:00
    const double w = 6, h = 12, t = 1.8, top = 14;
    for (double x : {7.5, 15.0, 26.5, 34.0})
        drawSegmentDigitZero(p, x, top, w, h, t);
    p.setBrush(QColor(255, 24, 16));
    p.drawRect(QRectF(23.0, 16.5, 2, 2));
    p.drawRect(QRectF(23.0, 21.5, 2, 2));
}

QImage render(int size) {
    const int big = size * kOversample;
    QImage canvas(big, big, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.scale(double(big) / 48.0, double(big) / 48.0);
    drawIcon(p, size == 24);
    p.end();

    QImage out(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            int a = 0, r = 0, g = 0, b = 0;
            for (int sy = 0; sy < kOversample; ++sy) {
                for (int sx = 0; sx < kOversample; ++sx) {
                    const QRgb px = canvas.pixel(x * kOversample + sx, y * kOversample + sy);
                    a += qAlpha(px);
                    r += qRed(px);
                    g += qGreen(px);
                    b += qBlue(px);
                }
            }
            constexpr int n = kOversample * kOversample;
            if (a == 0) {
                out.setPixel(x, y, 0);
                continue;
            }
            // Averaged premultiplied values, back to straight colour.
            auto straight = [a](int c) {
                return std::min(255, (c * 255 + a / 2) / a);
            };
            out.setPixel(x, y, qRgba(straight(r), straight(g), straight(b), (a + n / 2) / n));
        }
    }
    return out;
}

void put8(QByteArray& out, int v) {
    out.append(char(v & 0xFF));
}
void put16(QByteArray& out, std::uint32_t v) {
    put8(out, int(v));
    put8(out, int(v >> 8));
}
void put32(QByteArray& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

void putInfoHeader(QByteArray& out, int size, int bits, int imageBytes, int colours) {
    put32(out, 40);
    put32(out, std::uint32_t(size));
    put32(out, std::uint32_t(size * 2)); // colour rows and mask rows
    put16(out, 1);
    put16(out, std::uint32_t(bits));
    put32(out, 0); // uncompressed
    put32(out, std::uint32_t(imageBytes));
    put32(out, 0);
    put32(out, 0);
    put32(out, std::uint32_t(colours));
    put32(out, 0);
}

// The AND mask: one bit a pixel, set where the icon is transparent, rows bottom up, each row
// padded to 32 bits.
void putMask(QByteArray& out, const std::vector<bool>& transparent, int size) {
    const int rowBytes = (size + 31) / 32 * 4;
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(rowBytes, 0);
        for (int x = 0; x < size; ++x)
            if (transparent[y * size + x])
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        out.append(row);
    }
}

int maskBytes(int size) {
    return (size + 31) / 32 * 4 * size;
}

QByteArray paletteImage(int size) {
    const QImage img = render(size);
    std::vector<bool> transparent(size * size);
    std::vector<QRgb> colours(size * size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb px = img.pixel(x, y);
            transparent[y * size + x] = qAlpha(px) < 128;
            colours[y * size + x] = transparent[y * size + x] ? 0 : (px & 0xFFFFFF);
        }
    }
    // Coarsen the colours until they fit in 256 palette entries.
    std::map<QRgb, int> palette;
    for (int step = 1;; step *= 2) {
        palette.clear();
        auto q = [step](int c) {
            return std::min(255, (c / step) * step + step / 2);
        };
        for (QRgb& c : colours) {
            if (step > 1)
                c = qRgb(q(qRed(c)), q(qGreen(c)), q(qBlue(c))) & 0xFFFFFF;
            palette.emplace(c, 0);
        }
        if (palette.size() <= 256)
            break;
    }
    int index = 0;
    for (auto& entry : palette)
        entry.second = index++;

    QByteArray out;
    putInfoHeader(out, size, 8, size * size + maskBytes(size), 256);
    for (const auto& entry : palette) {
        put8(out, qBlue(entry.first));
        put8(out, qGreen(entry.first));
        put8(out, qRed(entry.first));
        put8(out, 0);
    }
    for (int i = int(palette.size()); i < 256; ++i)
        put32(out, 0);
    for (int y = size - 1; y >= 0; --y)
        for (int x = 0; x < size; ++x)
            put8(out, palette[colours[y * size + x]]);
    putMask(out, transparent, size);
    return out;
}

QByteArray trueColourImage(int size) {
    const QImage img = render(size);
    std::vector<bool> transparent(size * size);
    QByteArray out;
    putInfoHeader(out, size, 32, size * size * 4 + maskBytes(size), 0);
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const QRgb px = img.pixel(x, y);
            transparent[y * size + x] = qAlpha(px) == 0;
            put8(out, qBlue(px));
            put8(out, qGreen(px));
            put8(out, qRed(px));
            put8(out, qAlpha(px));
        }
    }
    putMask(out, transparent, size);
    return out;
}

} // namespace

QImage iconRendering(int size) {
    return render(size);
}

QByteArray iconFile() {
    struct Image {
        int size;
        int bits;
        QByteArray bytes;
    };
    std::vector<Image> images;
    for (int size : {48, 32, 24, 16})
        images.push_back({size, 8, paletteImage(size)});
    for (int size : {32, 24, 16})
        images.push_back({size, 32, trueColourImage(size)});

    QByteArray out;
    put16(out, 0);
    put16(out, 1); // icon
    put16(out, std::uint32_t(images.size()));
    std::uint32_t offset = 6 + 16 * std::uint32_t(images.size());
    for (const Image& i : images) {
        put8(out, i.size);
        put8(out, i.size);
        put8(out, 0); // 256 colours or more
        put8(out, 0);
        put16(out, 1);
        put16(out, std::uint32_t(i.bits));
        put32(out, std::uint32_t(i.bytes.size()));
        put32(out, offset);
        offset += std::uint32_t(i.bytes.size());
    }
    for (const Image& i : images)
        out.append(i.bytes);
    return out;
}

} // namespace artgen
