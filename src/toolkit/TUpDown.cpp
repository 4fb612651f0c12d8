#include "toolkit/TUpDown.h"

#include "toolkit/Colors.h"
#include "toolkit/TEdit.h"

#include <QKeyEvent>
#include <QToolButton>

std::optional<int> ParseUpDownText(const QString& text, int min, int max) {
    if (text.isEmpty())
        return std::nullopt;
    long long value = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        // Past max nothing can bring it back into range; stop before it can overflow. The
        // remaining characters must still be digits, so go on checking them.
        if (value <= max)
            value = value * 10 + (c.unicode() - '0');
    }
    if (value < min || value > max)
        return std::nullopt;
    return int(value);
}

namespace {

QToolButton* arrow(QWidget* parent, const char* name, Qt::ArrowType type) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setArrowType(type);
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoRepeat(true);
    QPalette pal = b->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Button, ToQColor(clBtnFace));
        pal.setColor(group, QPalette::Window, ToQColor(clBtnFace));
        pal.setColor(group, QPalette::ButtonText,
                     ToQColor(group == QPalette::Disabled ? 0x808080 : clBlack));
        pal.setColor(group, QPalette::WindowText,
                     ToQColor(group == QPalette::Disabled ? 0x808080 : clBlack));
    }
    b->setPalette(pal);
    return b;
}

} // namespace

TUpDown::TUpDown(QWidget* parent, const QString& name)
    : QWidget(parent) {
    setObjectName(name);
    setFocusPolicy(Qt::NoFocus);
    m_up = arrow(this, "up", Qt::UpArrow);
    m_down = arrow(this, "down", Qt::DownArrow);
    connect(m_up, &QToolButton::clicked, this, [this] { StepBy(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { StepBy(-1); });
}

void TUpDown::resizeEvent(QResizeEvent*) {
    const int upHeight = height() / 2;
    m_up->setGeometry(0, 0, width(), upHeight);
    m_down->setGeometry(0, upHeight, width(), height() - upHeight);
}

void TUpDown::SetAssociate(TEdit* edit) {
    if (m_edit)
        m_edit->removeEventFilter(this);
    m_edit = edit;
    if (!m_edit)
        return;
    m_edit->installEventFilter(this);
    writeText();
}

void TUpDown::SetMin(int min) {
    m_min = min;
    if (m_max < m_min)
        m_max = m_min;
    SetPosition(m_position);
}

void TUpDown::SetMax(int max) {
    m_max = max;
    if (m_min > m_max)
        m_min = m_max;
    SetPosition(m_position);
}

int TUpDown::Position() const {
    if (m_edit) {
        if (const auto typed = ParseUpDownText(m_edit->text(), m_min, m_max))
            m_position = *typed;
    }
    return m_position;
}

void TUpDown::SetPosition(int position) {
    m_position = std::clamp(position, m_min, m_max);
    writeText();
}

void TUpDown::StepBy(int delta) {
    // From what the box holds now, if it holds a number in range.
    const long long next = (long long)Position() + delta;
    SetPosition(int(std::clamp<long long>(next, m_min, m_max)));
}

void TUpDown::writeText() {
    if (m_edit)
        m_edit->setText(QString::number(m_position));
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event) {
    // The event type first: while the edit is being destroyed it still sends events here, and
    // comparing with the guarded pointer would then cast an object that is no edit any more.
    if (event->type() == QEvent::KeyPress && watched == m_edit) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            StepBy(key->key() == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
