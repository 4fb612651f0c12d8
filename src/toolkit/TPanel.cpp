#include "toolkit/TPanel.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr TColor BevelShadow = 0x808080;
constexpr TColor BevelHighlight = 0xFFFFFF;
} // namespace

TPanel::TPanel(QWidget* parent, const QString& name)
    : QWidget(parent) {
    setObjectName(name);
    // Painted in full every time, so what lies beneath never needs to repaint with it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPanel::SetColor(TColor c) {
    m_color = c & 0xFFFFFF;
    update();
}

void TPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), ToQColor(m_color));
    const int r = width() - 1;
    const int b = height() - 1;
    p.setPen(ToQColor(BevelShadow));
    p.drawLine(0, 0, r, 0);
    p.drawLine(0, 0, 0, b);
    p.setPen(ToQColor(BevelHighlight));
    p.drawLine(0, b, r, b);
    p.drawLine(r, 0, r, b);
}

void TPanel::mousePressEvent(QMouseEvent* event) {
    event->accept();
}
void TPanel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}
void TPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}
void TPanel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}
