#pragma once

#include "toolkit/Colors.h"

#include <QLineEdit>

class QWidget;

// Text on a field of its own colour, as the edit boxes, the memo and the rich edit show it; the
// desktop theme has no say. A disabled field keeps its colour and greys its text.
void SetFieldColors(QWidget* field, TColor fontColor, TColor color);

// A one-line edit box. Enter and Escape do nothing here, so they never end a dialog.
class TEdit : public QLineEdit {
    Q_OBJECT
public:
    TEdit(QWidget* parent, const QString& name);

    void SetBounds(int left, int top, int width, int height) {
        setGeometry(left, top, width, height);
    }
    QString Text() const { return text(); }
    void SetText(const QString& value) { setText(value); }
    void SetColors(TColor fontColor, TColor color) { SetFieldColors(this, fontColor, color); }
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool on) { setEnabled(on); }
};
