#include "toolkit/TCanvas.h"

#include <QPainter>

TCanvas::TCanvas(QImage* image, std::function<void()> changed)
    : m_image(image)
    , m_changed(std::move(changed)) {
}

TColor TCanvas::pixel(int x, int y) const {
    if (!m_image->valid(x, y))
        return InvalidColor;
    return ColorFromRgb32(reinterpret_cast<const QRgb*>(m_image->constScanLine(y))[x]);
}

void TCanvas::setPixel(int x, int y, TColor c) {
    if (!m_image->valid(x, y))
        return;
    reinterpret_cast<QRgb*>(m_image->scanLine(y))[x] = Rgb32FromColor(c & 0xFFFFFF);
    if (m_changed)
        m_changed();
}

void TCanvas::Draw(int x, int y, const QImage& picture) {
    if (picture.isNull() || m_image->isNull())
        return;
    const QImage src = picture.convertToFormat(QImage::Format_RGB32);
    const QRect target = QRect(x, y, src.width(), src.height()).intersected(m_image->rect());
    if (target.isEmpty())
        return;
    bool same = true;
    for (int row = target.top(); row <= target.bottom() && same; ++row) {
        const QRgb* dst = reinterpret_cast<const QRgb*>(m_image->constScanLine(row));
        const QRgb* s = reinterpret_cast<const QRgb*>(src.constScanLine(row - y));
        for (int col = target.left(); col <= target.right(); ++col) {
            if ((dst[col] ^ s[col - x]) & 0xFFFFFF) {
                same = false;
                break;
            }
        }
    }
    if (same)
        return;
    for (int row = target.top(); row <= target.bottom(); ++row) {
        QRgb* dst = reinterpret_cast<QRgb*>(m_image->scanLine(row));
        const QRgb* s = reinterpret_cast<const QRgb*>(src.constScanLine(row - y));
        for (int col = target.left(); col <= target.right(); ++col)
            dst[col] = s[col - x] | 0xFF000000u;
    }
    if (m_changed)
        m_changed();
}

void TCanvas::FillRect(const QRect& r, TColor c) {
    if (m_image->isNull())
        return;
    QPainter p(m_image);
    p.fillRect(r, ToQColor(c));
    p.end();
    if (m_changed)
        m_changed();
}
