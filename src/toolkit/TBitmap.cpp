#include "toolkit/TBitmap.h"

#include <QPainter>

TBitmap::TBitmap()
    : m_canvas(&m_image, [this] { changed(); }) {
}

void TBitmap::changed() {
    if (OnChange)
        OnChange();
}

void TBitmap::SetSize(int width, int height) {
    width = std::max(0, width);
    height = std::max(0, height);
    if (width == Width() && height == Height())
        return;
    if (width == 0 || height == 0) {
        m_image = QImage();
    } else {
        QImage next(width, height, QImage::Format_RGB32);
        next.fill(0xFF000000u);
        if (!m_image.isNull()) {
            QPainter p(&next);
            p.drawImage(0, 0, m_image);
        }
        m_image = next;
    }
    changed();
}

void TBitmap::Assign(const TBitmap* other) {
    SetImage(other ? other->m_image : QImage());
}

void TBitmap::SetImage(const QImage& image) {
    if (image.isNull() || image.width() == 0 || image.height() == 0)
        m_image = QImage();
    else
        m_image = image.convertToFormat(QImage::Format_RGB32);
    changed();
}
