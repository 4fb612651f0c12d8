#include "ContactSheet.h"

#include "JpegCodec.h"

#include <QPainter>
#include <algorithm>

namespace artgen {

namespace {

const QRgb kFace = qRgb(173, 173, 173);

QImage enlarged(const QImage& image, int factor) {
    return image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// The picture as a transparent button shows it on the window face.
QImage onFace(const QImage& image) {
    QImage out = image.convertToFormat(QImage::Format_RGB32);
    const QRgb key = out.pixel(0, out.height() - 1);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            if (out.pixel(x, y) == key)
                out.setPixel(x, y, kFace);
    return out;
}

// The picture lit as the pointer enters: every non-black pixel pure red.
QImage lit(const QImage& image) {
    QImage out = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            if ((out.pixel(x, y) & 0xFFFFFF) != 0)
                out.setPixel(x, y, qRgb(255, 0, 0));
    return out;
}

class Sheet {
public:
    explicit Sheet(QImage& canvas)
        : m_painter(&canvas) {}
    void put(const QImage& image) {
        if (m_x + image.width() > 1700)
            newRow();
        m_painter.drawImage(m_x, m_y, image);
        m_x += image.width() + 8;
        m_rowHeight = std::max(m_rowHeight, image.height());
    }
    void newRow() {
        if (m_x == 8)
            return;
        m_x = 8;
        m_y += m_rowHeight + 12;
        m_rowHeight = 0;
    }
    int bottom() const { return m_y + m_rowHeight + 8; }
    QPainter& painter() { return m_painter; }

private:
    QPainter m_painter;
    int m_x = 8;
    int m_y = 8;
    int m_rowHeight = 0;
};

QImage waveform(const QByteArray& wav) {
    const QByteArray samples = wav.mid(44);
    const int width = int(samples.size() / 4);
    QImage plot(width, 130, QImage::Format_RGB32);
    plot.fill(qRgb(20, 20, 40));
    QPainter p(&plot);
    p.setPen(qRgb(80, 80, 120));
    p.drawLine(0, 65, width, 65);
    p.setPen(qRgb(120, 255, 120));
    for (int x = 0; x < width; ++x) {
        int lo = 255, hi = 0;
        for (int k = 0; k < 4; ++k) {
            const int v = static_cast<unsigned char>(samples[x * 4 + k]);
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
        p.drawLine(x, 129 - hi / 2, x, 129 - lo / 2);
    }
    return plot;
}

} // namespace

QImage contactSheet(const std::vector<Item>& items) {
    QImage canvas(1716, 4000, QImage::Format_RGB32);
    canvas.fill(qRgb(60, 70, 90));
    int used = 0;
    {
        Sheet sheet(canvas);
        auto each = [&](art::embedded::Kind kind, auto&& f) {
            for (const Item& item : items)
                if (item.kind == kind)
                    f(item);
        };
        // Backgrounds.
        each(art::embedded::Kind::Bytes, [&](const Item& item) {
            if (item.name.ends_with(".jpg"))
                sheet.put(decodeJpeg(item.bytes));
        });
        sheet.newRow();
        // Button pictures: stored, on the face, lit.
        for (auto view : {0, 1, 2}) {
            each(art::embedded::Kind::Picture, [&](const Item& item) {
                const QImage& img = item.images.front();
                const int factor = img.width() <= 12 ? 8 : 4;
                const QImage shown = view == 0 ? img : view == 1 ? onFace(img) : onFace(lit(img));
                sheet.put(enlarged(shown, factor));
            });
            sheet.newRow();
        }
        // Image lists.
        each(art::embedded::Kind::List, [&](const Item& item) {
            const int factor = item.images.front().width() <= 13   ? 5
                               : item.images.front().width() >= 40 ? 2
                                                                   : 3;
            for (const QImage& img : item.images)
                sheet.put(enlarged(img, factor));
            sheet.newRow();
        });
        // Icon renderings, on light and dark ground, actual size and enlarged.
        each(art::embedded::Kind::Icon, [&](const Item& item) {
            for (QRgb ground : {qRgb(235, 235, 235), qRgb(40, 40, 40)}) {
                const QImage& icon = item.images.front();
                QImage tile(icon.size(), QImage::Format_RGB32);
                tile.fill(ground);
                QPainter p(&tile);
                p.drawImage(0, 0, icon);
                p.end();
                sheet.put(tile);
                sheet.put(enlarged(tile, 192 / icon.width()));
            }
        });
        sheet.newRow();
        each(art::embedded::Kind::Bytes, [&](const Item& item) {
            if (item.name.ends_with(".wav"))
                sheet.put(waveform(item.bytes));
        });
        used = sheet.bottom();
    }
    return canvas.copy(0, 0, canvas.width(), used);
}

} // namespace artgen
