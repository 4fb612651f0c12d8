#include "toolkit/TImageList.h"

#include <QPainter>

TImageList::TImageList(QObject* owner, const QString& name, int width, int height)
    : QObject(owner)
    , m_width(std::max(1, width))
    , m_height(std::max(1, height)) {
    setObjectName(name);
}

void TImageList::Add(const QImage& image) {
    QImage cell(m_width, m_height, QImage::Format_RGB32);
    cell.fill(0xFF000000u);
    if (!image.isNull()) {
        QPainter p(&cell);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, image.convertToFormat(QImage::Format_RGB32));
    }
    m_images.push_back(cell);
}

void TImageList::AddAll(const std::vector<QImage>& images) {
    for (const QImage& image : images)
        Add(image);
}

void TImageList::GetBitmap(int index, TBitmap* bitmap) const {
    if (!bitmap || !valid(index))
        return;
    bitmap->SetImage(m_images[std::size_t(index)]);
}

void TImageList::Draw(TCanvas* canvas, int x, int y, int index) const {
    if (!canvas || !valid(index))
        return;
    canvas->Draw(x, y, m_images[std::size_t(index)]);
}
