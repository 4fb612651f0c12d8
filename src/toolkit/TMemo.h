#pragma once

#include "toolkit/Colors.h"

#include <QPlainTextEdit>
#include <QStringList>

// Lines joined as the program hands text on: CR LF between lines, none after the last.
QString JoinCrLf(const QStringList& lines);
// Text with CR LF, lone CR or LF line ends, as lines.
QStringList SplitLines(const QString& text);

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
};
