#pragma once

#include "toolkit/Events.h"
#include "toolkit/MouseNotify.h"

#include <QString>
#include <QWidget>

// What the picture, label and paint-box components share: bounds, a hint for the status line,
// clicks and presses, and a place in the enter/leave tracking.
//
// A click is a press and a release of the left button on the same component. The second press
// of a double click is a press for OnMouseDown but gives no second click. Every press is taken
// here, so nothing passes through to the window beneath (which would start a move).
class TGraphicControl : public QWidget, public TMouseNotify {
    Q_OBJECT
public:
    TGraphicControl(QWidget* parent, const QString& name);

    void SetBounds(int left, int top, int width, int height) {
        setGeometry(left, top, width, height);
    }

    // Read by the status line; never shown as a tooltip.
    QString Hint() const { return m_hint; }
    void SetHint(const QString& hint) { m_hint = hint; }

    TNotifyEvent OnClick;
    TMouseEvent OnMouseDown;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void press(QMouseEvent* event, bool doubleClick);

    QString m_hint;
    bool m_clickArmed = false;
};
