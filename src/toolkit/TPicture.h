#pragma once

#include "toolkit/TBitmap.h"

#include <QByteArray>
#include <QImage>
#include <functional>

// What a picture control shows: always held as a bitmap, so its pixels can be recoloured in
// place. JPEG data is decoded into that bitmap.
class TPicture {
public:
    TPicture();

    TBitmap* Bitmap() { return &m_bitmap; }
    const TBitmap* Bitmap() const { return &m_bitmap; }
    int Width() const { return m_bitmap.Width(); }
    int Height() const { return m_bitmap.Height(); }

    // Another picture's contents; nullptr empties this one.
    void Assign(const TPicture* other);
    void SetImage(const QImage& image) { m_bitmap.SetImage(image); }
    // Decodes baseline JPEG data; data that does not decode leaves the picture empty.
    void LoadJpeg(const QByteArray& data);

    std::function<void()> OnChange;

private:
    TBitmap m_bitmap;
};
