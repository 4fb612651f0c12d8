#pragma once

#include "toolkit/TCanvas.h"

#include <QImage>
#include <functional>

// A picture's pixels: RGB32, read and written through its canvas. An empty bitmap is 0 x 0.
class TBitmap {
public:
    TBitmap();
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    int Width() const { return m_image.width(); }
    int Height() const { return m_image.height(); }
    bool Empty() const { return m_image.isNull(); }
    // A new size keeps what fits and fills the rest with black.
    void SetSize(int width, int height);
    // Copies another bitmap's pixels; nullptr empties this one.
    void Assign(const TBitmap* other);
    void SetImage(const QImage& image);

    TCanvas* Canvas() { return &m_canvas; }
    const QImage& image() const { return m_image; }

    // Told after every change of the pixels or the size.
    std::function<void()> OnChange;

private:
    void changed();

    QImage m_image;
    TCanvas m_canvas;
};
