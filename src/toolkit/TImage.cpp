#include "toolkit/TImage.h"

#include <QPainter>

TImage::TImage(QWidget* parent, const QString& name)
    : TGraphicControl(parent, name) {
    m_picture.OnChange = [this] {
        pictureChanged();
    };
}

void TImage::SetTransparent(bool on) {
    if (on == m_transparent)
        return;
    m_transparent = on;
    m_shownValid = false;
    update();
}

void TImage::SetCenter(bool on) {
    if (on == m_center)
        return;
    m_center = on;
    update();
}

void TImage::SetAutoSize(bool on) {
    m_autoSize = on;
    pictureChanged();
}

void TImage::pictureChanged() {
    m_shownValid = false;
    if (m_autoSize && m_picture.Width() > 0 && m_picture.Height() > 0)
        resize(m_picture.Width(), m_picture.Height());
    update();
}

const QImage& TImage::shown() {
    if (m_shownValid)
        return m_shown;
    m_shownValid = true;
    const QImage& src = m_picture.Bitmap()->image();
    if (!m_transparent || src.isNull()) {
        m_shown = src;
        return m_shown;
    }
    m_shown = src.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = src.pixel(0, src.height() - 1) & 0xFFFFFF;
    for (int y = 0; y < m_shown.height(); ++y) {
        auto* px = reinterpret_cast<QRgb*>(m_shown.scanLine(y));
        for (int x = 0; x < m_shown.width(); ++x) {
            if ((px[x] & 0xFFFFFF) == key)
                px[x] = 0;
        }
    }
    return m_shown;
}

void TImage::paintEvent(QPaintEvent*) {
    const QImage& img = shown();
    if (img.isNull())
        return;
    int x = 0;
    int y = 0;
    if (m_center) {
        // Integer division truncating toward zero, so a larger picture shows its middle.
        x = (width() - img.width()) / 2;
        y = (height() - img.height()) / 2;
    }
    QPainter p(this);
    p.drawImage(x, y, img);
}
