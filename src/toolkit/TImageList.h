#pragma once

#include "toolkit/TBitmap.h"
#include "toolkit/TCanvas.h"

#include <QImage>
#include <QObject>
#include <vector>

// Pictures of one cell size, drawn or copied by index. Every cell is drawn in full: the lists
// have no transparent parts.
class TImageList : public QObject {
    Q_OBJECT
public:
    TImageList(QObject* owner, const QString& name, int width, int height);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int Count() const { return int(m_images.size()); }

    // Adds pictures; each is cut or padded with black to the cell size.
    void Add(const QImage& image);
    void AddAll(const std::vector<QImage>& images);

    // The bitmap takes the cell size and image `index`; an index outside the list leaves the
    // bitmap as it was.
    void GetBitmap(int index, TBitmap* bitmap) const;
    // Draws image `index` with its top-left corner at (x, y); outside the list, nothing.
    void Draw(TCanvas* canvas, int x, int y, int index) const;

    const QImage& image(int index) const { return m_images.at(std::size_t(index)); }

private:
    bool valid(int index) const { return index >= 0 && index < Count(); }

    int m_width;
    int m_height;
    std::vector<QImage> m_images;
};
