#pragma once

#include "toolkit/Colors.h"

#include <QPlainTextEdit>
#include <QStringList>
#include <QTextOption>

// Lines joined as the program hands text on: CR LF between lines, none after the last.
QString JoinCrLf(const QStringList& lines);
// Text with CR LF, lone CR or LF line ends, as lines.
QStringList SplitLines(const QString& text);
// How a text box should wrap this text. Qt's search for a word boundary in a run that has none
// takes time that grows with the square of the run: a megabyte without a blank would freeze the
// window for a minute. Such a run cannot fit on a line anyway, so a text holding one wraps
// anywhere, which is linear; ordinary text wraps at word boundaries.
QTextOption::WrapMode WrapModeFor(const QString& text);

// A plain-text box of several lines with a vertical scroll bar. Long lines wrap at the width.
// Tab moves on to the next control; Enter starts a new line.
class TMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    TMemo(QWidget* parent, const QString& name);

    void SetBounds(int left, int top, int width, int height) {
        setGeometry(left, top, width, height);
    }
    // The whole text, its lines joined by CR LF.
    QString Text() const;
    void SetText(const QString& text);
    QStringList Lines() const;
    void SetColors(TColor fontColor, TColor color);
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool on) { setEnabled(on); }

protected:
    void insertFromMimeData(const QMimeData* source) override;
};
