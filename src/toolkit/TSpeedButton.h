#pragma once

#include "toolkit/Events.h"
#include "toolkit/MouseNotify.h"

#include <QImage>
#include <QWidget>

// A small button that shows a glyph and takes no focus. A flat one draws no edge of its own but
// a raised one while the pointer is over it, and a lowered one while it is held down; what lies
// beneath shows around the glyph. The glyph's bottom-left colour is not drawn.
class TSpeedButton : public QWidget, public TMouseNotify {
    Q_OBJECT
public:
    TSpeedButton(QWidget* parent, const QString& name);

    void SetBounds(int left, int top, int width, int height) {
        setGeometry(left, top, width, height);
    }
    bool Flat() const { return m_flat; }
    void SetFlat(bool on);
    const QImage& Glyph() const { return m_glyph; }
    void SetGlyph(const QImage& glyph);
    // Whether the pointer is over it, as the enter/leave tracker has told it.
    bool Hot() const { return m_hot; }
    bool Down() const { return m_down; }

    TNotifyEvent OnClick;

    void CMMouseEnter() override;
    void CMMouseLeave() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_glyph;
    QImage m_shown; // the glyph with its key colour cleared
    bool m_flat = false;
    bool m_hot = false;
    bool m_down = false;
};
