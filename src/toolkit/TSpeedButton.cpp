#include "toolkit/TSpeedButton.h"

#include "toolkit/Colors.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr TColor EdgeLight = 0xFFFFFF;
constexpr TColor EdgeShadow = 0x808080;
} // namespace

TSpeedButton::TSpeedButton(QWidget* parent, const QString& name)
    : QWidget(parent) {
    setObjectName(name);
    setFocusPolicy(Qt::NoFocus);
    InstallTracker();
}

void TSpeedButton::SetFlat(bool on) {
    m_flat = on;
    update();
}

void TSpeedButton::SetGlyph(const QImage& glyph) {
    m_glyph = glyph.convertToFormat(QImage::Format_RGB32);
    m_shown = m_glyph.convertToFormat(QImage::Format_ARGB32);
    if (!m_shown.isNull()) {
        const QRgb key = m_glyph.pixel(0, m_glyph.height() - 1) & 0xFFFFFF;
        for (int y = 0; y < m_shown.height(); ++y) {
            auto* px = reinterpret_cast<QRgb*>(m_shown.scanLine(y));
            for (int x = 0; x < m_shown.width(); ++x) {
                if ((px[x] & 0xFFFFFF) == key)
                    px[x] = 0;
            }
        }
    }
    update();
}

void TSpeedButton::CMMouseEnter() {
    m_hot = true;
    update();
}

void TSpeedButton::CMMouseLeave() {
    m_hot = false;
    update();
}

void TSpeedButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!m_flat)
        p.fillRect(rect(), ToQColor(clBtnFace));
    const int r = width() - 1;
    const int b = height() - 1;
    if (m_down || m_hot || !m_flat) {
        const TColor topLeft = m_down ? EdgeShadow : EdgeLight;
        const TColor bottomRight = m_down ? EdgeLight : EdgeShadow;
        p.setPen(ToQColor(topLeft));
        p.drawLine(0, 0, r, 0);
        p.drawLine(0, 0, 0, b);
        p.setPen(ToQColor(bottomRight));
        p.drawLine(0, b, r, b);
        p.drawLine(r, 0, r, b);
    }
    if (m_shown.isNull())
        return;
    const int shift = m_down ? 1 : 0;
    p.drawImage((width() - m_shown.width()) / 2 + shift, (height() - m_shown.height()) / 2 + shift,
                m_shown);
}

void TSpeedButton::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    m_down = true;
    update();
}

void TSpeedButton::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void TSpeedButton::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (!(event->buttons() & Qt::LeftButton))
        return;
    // Held down, it shows lowered only while the pointer is on it.
    const bool inside = rect().contains(event->position().toPoint());
    if (inside != m_down) {
        m_down = inside;
        update();
    }
}

void TSpeedButton::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const bool click = m_down && rect().contains(event->position().toPoint());
    m_down = false;
    update();
    if (click && OnClick)
        OnClick(this);
}
