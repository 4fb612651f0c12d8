#include "toolkit/TGraphicControl.h"

#include <QMouseEvent>
#include <QPointer>

namespace {

bool toButton(Qt::MouseButton b, TMouseButton& out) {
    switch (b) {
    case Qt::LeftButton:
        out = TMouseButton::mbLeft;
        return true;
    case Qt::RightButton:
        out = TMouseButton::mbRight;
        return true;
    case Qt::MiddleButton:
        out = TMouseButton::mbMiddle;
        return true;
    default:
        return false;
    }
}

TShiftState shiftOf(const QMouseEvent* event, bool doubleClick) {
    TShiftState s;
    const auto mods = event->modifiers();
    s.shift = mods & Qt::ShiftModifier;
    s.ctrl = mods & Qt::ControlModifier;
    s.alt = mods & Qt::AltModifier;
    const auto buttons = event->buttons();
    s.left = buttons & Qt::LeftButton;
    s.right = buttons & Qt::RightButton;
    s.middle = buttons & Qt::MiddleButton;
    s.doubleClick = doubleClick;
    return s;
}

} // namespace

TGraphicControl::TGraphicControl(QWidget* parent, const QString& name)
    : QWidget(parent) {
    setObjectName(name);
    InstallTracker();
}

void TGraphicControl::press(QMouseEvent* event, bool doubleClick) {
    event->accept();
    m_clickArmed = !doubleClick && event->button() == Qt::LeftButton;
    TMouseButton button;
    if (OnMouseDown && toButton(event->button(), button)) {
        const QPoint p = event->position().toPoint();
        OnMouseDown(this, button, shiftOf(event, doubleClick), p.x(), p.y());
    }
}

void TGraphicControl::mousePressEvent(QMouseEvent* event) {
    press(event, false);
}

void TGraphicControl::mouseDoubleClickEvent(QMouseEvent* event) {
    press(event, true);
}

void TGraphicControl::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const bool click = m_clickArmed && rect().contains(event->position().toPoint());
    m_clickArmed = false;
    if (click && OnClick)
        OnClick(this);
}

void TGraphicControl::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

bool TGraphicControl::event(QEvent* event) {
    // Hints belong to the status line; no tooltip, no "What's this".
    if (event->type() == QEvent::ToolTip || event->type() == QEvent::WhatsThis) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}
