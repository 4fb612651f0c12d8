#pragma once

#include "toolkit/Colors.h"
#include "toolkit/TCanvas.h"
#include "toolkit/TGraphicControl.h"

#include <QImage>

// A drawing surface that keeps what was drawn on it: drawing goes into the box's own image and
// repaints only the box. It paints opaquely, so its repaint never repaints what lies beneath
// (the window's paint handler draws here; a box that repainted the window would loop).
class TPaintBox : public TGraphicControl {
    Q_OBJECT
public:
    TPaintBox(QWidget* parent, const QString& name);

    TCanvas* Canvas() { return &m_canvas; }
    void SetColor(TColor c);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage m_image;
    TCanvas m_canvas;
    TColor m_color = clBlack;
};
