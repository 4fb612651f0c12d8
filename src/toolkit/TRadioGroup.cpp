#include "toolkit/TRadioGroup.h"

#include "toolkit/TCheckBox.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QRadioButton>

namespace {
constexpr TColor EdgeShadow = 0x808080;
constexpr TColor EdgeLight = 0xFFFFFF;
} // namespace

TRadioGroup::TRadioGroup(QWidget* parent, const QString& name)
    : QWidget(parent) {
    setObjectName(name);
    SetColors(clBlack, clBtnFace);
}

void TRadioGroup::SetBounds(int left, int top, int width, int height) {
    setGeometry(left, top, width, height);
    arrange();
}

void TRadioGroup::SetCaption(const QString& caption) {
    m_caption = caption;
    update();
}

void TRadioGroup::SetColors(TColor fontColor, TColor color) {
    m_fontColor = fontColor & 0xFFFFFF;
    m_color = color & 0xFFFFFF;
    // The items take the same palette through their parent.
    SetButtonColors(this, m_fontColor, m_color);
    update();
}

void TRadioGroup::SetItems(const QStringList& items) {
    const int keep = ItemIndex();
    for (QRadioButton* b : m_buttons)
        delete b;
    m_buttons.clear();
    m_items = items;
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items.at(i), this);
        b->setObjectName(objectName() + QStringLiteral(".") + QString::number(i));
        b->setFont(font());
        connect(b, &QRadioButton::toggled, this, [this](bool on) {
            if (on && OnClick)
                OnClick(this);
        });
        b->show();
        m_buttons.push_back(b);
    }
    SetItemIndex(keep);
    arrange();
}

void TRadioGroup::SetColumns(int columns) {
    m_columns = std::max(1, columns);
    arrange();
}

int TRadioGroup::ItemIndex() const {
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons[i]->isChecked())
            return int(i);
    }
    return -1;
}

void TRadioGroup::SetItemIndex(int index) {
    if (index >= 0 && index < int(m_buttons.size())) {
        m_buttons[std::size_t(index)]->setChecked(true);
        return;
    }
    // No selection: the buttons must stop excluding each other for a moment to all be clear.
    for (QRadioButton* b : m_buttons) {
        b->setAutoExclusive(false);
        b->setChecked(false);
        b->setAutoExclusive(true);
    }
}

QRadioButton* TRadioGroup::Button(int index) const {
    if (index < 0 || index >= int(m_buttons.size()))
        return nullptr;
    return m_buttons[std::size_t(index)];
}

void TRadioGroup::arrange() {
    if (m_buttons.empty())
        return;
    // Columns of equal width; the rows share the height below the caption, the remainder split
    // above and below them.
    const int count = int(m_buttons.size());
    const int perColumn = (count + m_columns - 1) / m_columns;
    const int textHeight = QFontMetrics(font()).height();
    const int buttonWidth = (width() - 10) / m_columns;
    const int free = height() - textHeight - 5;
    const int buttonHeight = std::max(1, free / perColumn);
    const int topMargin = textHeight + 1 + (free % perColumn) / 2;
    for (int i = 0; i < count; ++i) {
        m_buttons[std::size_t(i)]->setGeometry((i / perColumn) * buttonWidth + 8,
                                               (i % perColumn) * buttonHeight + topMargin,
                                               buttonWidth, buttonHeight);
    }
}

void TRadioGroup::resizeEvent(QResizeEvent*) {
    arrange();
}

void TRadioGroup::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        for (QRadioButton* b : m_buttons)
            b->setFont(font());
        arrange();
    }
}

void TRadioGroup::paintEvent(QPaintEvent*) {
    // An etched frame from the middle of the caption's height down, the caption cut into it.
    QPainter p(this);
    const QFontMetrics fm(font());
    const int top = fm.height() / 2;
    const QRect frame(0, top, width() - 1, height() - top - 1);
    p.setPen(ToQColor(EdgeShadow));
    p.drawRect(frame.adjusted(0, 0, -1, -1));
    p.setPen(ToQColor(EdgeLight));
    p.drawRect(frame.adjusted(1, 1, 0, 0));
    if (m_caption.isEmpty())
        return;
    const QRect textRect(8, 0, fm.horizontalAdvance(m_caption), fm.height());
    p.fillRect(textRect, ToQColor(m_color));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, m_caption);
}
