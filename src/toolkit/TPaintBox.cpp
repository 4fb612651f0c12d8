#include "toolkit/TPaintBox.h"

#include <QPaintEvent>
#include <QPainter>

TPaintBox::TPaintBox(QWidget* parent, const QString& name)
    : TGraphicControl(parent, name)
    , m_canvas(&m_image, [this] { update(); }) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPaintBox::SetColor(TColor c) {
    m_color = c & 0xFFFFFF;
    m_image.fill(Rgb32FromColor(m_color));
    update();
}

void TPaintBox::resizeEvent(QResizeEvent*) {
    if (m_image.size() == size())
        return;
    QImage next(size(), QImage::Format_RGB32);
    next.fill(Rgb32FromColor(m_color));
    if (!m_image.isNull()) {
        QPainter p(&next);
        p.drawImage(0, 0, m_image);
    }
    m_image = next;
}

void TPaintBox::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.drawImage(event->rect(), m_image, event->rect());
}
