#pragma once

#include "toolkit/Colors.h"

#include <QWidget>

// A plain opaque panel with a one-pixel lowered bevel. Presses on it are taken and go no
// further, so they never start a move of the window.
class TPanel : public QWidget {
    Q_OBJECT
public:
    TPanel(QWidget* parent, const QString& name);

    void SetBounds(int left, int top, int width, int height) {
        setGeometry(left, top, width, height);
    }
    void SetColor(TColor c);
    TColor Color() const { return m_color; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    TColor m_color = clBtnFace;
};
