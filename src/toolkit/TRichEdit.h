#pragma once

#include "toolkit/Colors.h"

#include <QTextEdit>

// A box of text that is always taken as plain text: markup shows as typed, never as formatting.
// Lines wrap at the box's width; there are no scroll bars, so text beyond the bottom is reached
// with the caret only. Tab moves on to the next control.
class TRichEdit : public QTextEdit {
    Q_OBJECT
public:
    TRichEdit(QWidget* parent, const QString& name);

    void SetBounds(int left, int top, int width, int height) {
        setGeometry(left, top, width, height);
    }
    // The whole text, its lines joined by CR LF.
    QString Text() const;
    void SetText(const QString& text);
    void SetColors(TColor fontColor, TColor color);

protected:
    void insertFromMimeData(const QMimeData* source) override;
};
