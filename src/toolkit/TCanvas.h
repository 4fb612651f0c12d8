#pragma once

#include "toolkit/Colors.h"

#include <QImage>
#include <functional>

// Drawing on an RGB32 image that belongs to a bitmap or a paint box. Every change tells the
// owner, which repaints the control that shows it.
class TCanvas {
public:
    // A pixel read and written as a colour word:
    //   TColor c = canvas->Pixels(x, y);   canvas->Pixels(x, y) = clRed;
    class PixelRef {
    public:
        PixelRef(TCanvas& canvas, int x, int y)
            : m_canvas(canvas)
            , m_x(x)
            , m_y(y) {}
        operator TColor() const { return m_canvas.pixel(m_x, m_y); }
        PixelRef& operator=(TColor c) {
            m_canvas.setPixel(m_x, m_y, c);
            return *this;
        }
        PixelRef& operator=(const PixelRef& other) { return *this = TColor(other); }

    private:
        TCanvas& m_canvas;
        int m_x;
        int m_y;
    };

    // Outside the image a read gives this, as the platform's own canvas does.
    static constexpr TColor InvalidColor = 0xFFFFFFFF;

    TCanvas(QImage* image, std::function<void()> changed);

    PixelRef Pixels(int x, int y) { return PixelRef(*this, x, y); }
    TColor pixel(int x, int y) const;
    void setPixel(int x, int y, TColor c);

    // Draws the picture at (x, y), every pixel of it. Nothing is reported when no pixel changed,
    // so redrawing the same digits does not repaint anything.
    void Draw(int x, int y, const QImage& picture);
    void FillRect(const QRect& r, TColor c);

    QImage& image() { return *m_image; }

private:
    QImage* m_image;
    std::function<void()> m_changed;
};
