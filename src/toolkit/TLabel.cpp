#include "toolkit/TLabel.h"

#include <QFontMetrics>
#include <QPainter>

TLabel::TLabel(QWidget* parent, const QString& name)
    : TGraphicControl(parent, name) {
}

void TLabel::SetCaption(const QString& text) {
    if (text == m_caption)
        return;
    m_caption = text;
    adjust();
    update();
}

void TLabel::SetLabelFont(const QFont& font) {
    setFont(font);
    adjust();
    update();
}

void TLabel::SetFontColor(TColor c) {
    if ((c & 0xFFFFFF) == m_fontColor)
        return;
    m_fontColor = c & 0xFFFFFF;
    update();
}

void TLabel::SetColor(TColor c) {
    m_color = c & 0xFFFFFF;
    m_transparent = false;
    update();
}

void TLabel::SetTransparent(bool on) {
    m_transparent = on;
    update();
}

void TLabel::SetAutoSize(bool on) {
    m_autoSize = on;
    adjust();
}

void TLabel::SetWordWrap(bool on) {
    m_wordWrap = on;
    adjust();
    update();
}

void TLabel::SetAlignment(TAlignment a) {
    m_alignment = a;
    update();
}

int TLabel::textFlags() const {
    int flags = Qt::AlignTop | Qt::TextExpandTabs;
    switch (m_alignment) {
    case taLeftJustify:
        flags |= Qt::AlignLeft;
        break;
    case taRightJustify:
        flags |= Qt::AlignRight;
        break;
    case taCenter:
        flags |= Qt::AlignHCenter;
        break;
    }
    if (m_wordWrap)
        flags |= Qt::TextWordWrap;
    else
        flags |= Qt::TextSingleLine;
    return flags;
}

void TLabel::adjust() {
    if (!m_autoSize)
        return;
    const QFontMetrics fm(font());
    if (m_wordWrap) {
        const QRect r = fm.boundingRect(QRect(0, 0, width(), 100000), textFlags(), m_caption);
        resize(width(), std::max(r.height(), fm.height()));
    } else {
        resize(std::max(1, fm.horizontalAdvance(m_caption)), fm.height());
    }
}

void TLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!m_transparent)
        p.fillRect(rect(), ToQColor(m_color));
    if (m_caption.isEmpty())
        return;
    p.setFont(font());
    p.setPen(ToQColor(m_fontColor));
    p.drawText(rect(), textFlags(), m_caption);
}

void TLabel::CMMouseEnter() {
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TLabel::CMMouseLeave() {
    if (OnMouseLeave)
        OnMouseLeave(this);
}
