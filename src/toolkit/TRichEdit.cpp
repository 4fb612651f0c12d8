#include "toolkit/TRichEdit.h"

#include "toolkit/TEdit.h"
#include "toolkit/TMemo.h"

#include <QMimeData>

TRichEdit::TRichEdit(QWidget* parent, const QString& name)
    : QTextEdit(parent) {
    setObjectName(name);
    setAcceptRichText(false);
    setTabChangesFocus(true);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SetColors(clBlack, clWhite);
}

QString TRichEdit::Text() const {
    return JoinCrLf(toPlainText().split(QLatin1Char('\n')));
}

void TRichEdit::SetText(const QString& text) {
    // Emptied first: a change of wrapping lays out again whatever text is there.
    clear();
    setWordWrapMode(WrapModeFor(text));
    setPlainText(SplitLines(text).join(QLatin1Char('\n')));
}

void TRichEdit::SetColors(TColor fontColor, TColor color) {
    SetFieldColors(this, fontColor, color);
}

void TRichEdit::insertFromMimeData(const QMimeData* source) {
    // Pasted or dropped text comes in as text, whatever else the source offers.
    if (!source || !source->hasText())
        return;
    if (WrapModeFor(source->text()) == QTextOption::WrapAnywhere)
        setWordWrapMode(QTextOption::WrapAnywhere);
    insertPlainText(source->text());
}
