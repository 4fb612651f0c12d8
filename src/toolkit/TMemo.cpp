#include "toolkit/TMemo.h"

#include "toolkit/TEdit.h"

#include <QMimeData>
#include <QRegularExpression>
#include <QScrollBar>

QString JoinCrLf(const QStringList& lines) {
    return lines.join(QStringLiteral("\r\n"));
}

QStringList SplitLines(const QString& text) {
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    return text.split(lineEnd);
}

QTextOption::WrapMode WrapModeFor(const QString& text) {
    constexpr qsizetype LongestWord = 256;
    qsizetype run = 0;
    for (QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > LongestWord)
            return QTextOption::WrapAnywhere;
    }
    return QTextOption::WrapAtWordBoundaryOrAnywhere;
}

TMemo::TMemo(QWidget* parent, const QString& name)
    : QPlainTextEdit(parent) {
    setObjectName(name);
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SetColors(clBlack, clWhite);
}

QString TMemo::Text() const {
    return JoinCrLf(Lines());
}

QStringList TMemo::Lines() const {
    // The document keeps its own paragraph separators; plain text gives them as LF.
    return toPlainText().split(QLatin1Char('\n'));
}

void TMemo::SetText(const QString& text) {
    // Emptied first: a change of wrapping lays out again whatever text is there.
    clear();
    setWordWrapMode(WrapModeFor(text));
    setPlainText(SplitLines(text).join(QLatin1Char('\n')));
}

void TMemo::SetColors(TColor fontColor, TColor color) {
    SetFieldColors(this, fontColor, color);
    // The scroll bar keeps the window's grey, not the field's colour.
    QPalette bar = verticalScrollBar()->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        bar.setColor(group, QPalette::Window, ToQColor(clBtnFace));
        bar.setColor(group, QPalette::Button, ToQColor(clBtnFace));
        bar.setColor(group, QPalette::Base, ToQColor(0xE0E0E0));
        bar.setColor(group, QPalette::ButtonText, ToQColor(clBlack));
        bar.setColor(group, QPalette::WindowText, ToQColor(clBlack));
    }
    verticalScrollBar()->setPalette(bar);
}

void TMemo::insertFromMimeData(const QMimeData* source) {
    if (source && source->hasText() && WrapModeFor(source->text()) == QTextOption::WrapAnywhere)
        setWordWrapMode(QTextOption::WrapAnywhere);
    QPlainTextEdit::insertFromMimeData(source);
}
