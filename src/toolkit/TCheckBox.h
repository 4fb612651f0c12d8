#pragma once

#include "toolkit/Colors.h"
#include "toolkit/Events.h"

#include <QCheckBox>

// A check box with its caption, on a background of its own colour. OnClick follows every change
// of the tick, by mouse, by the space key or by code, as the program's handlers expect.
class TCheckBox : public QCheckBox {
    Q_OBJECT
public:
    TCheckBox(QWidget* parent, const QString& name);

    void SetBounds(int left, int top, int width, int height) {
        setGeometry(left, top, width, height);
    }
    QString Caption() const { return text(); }
    void SetCaption(const QString& caption) { setText(caption); }
    bool Checked() const { return isChecked(); }
    void SetChecked(bool on) { setChecked(on); }
    void SetColors(TColor fontColor, TColor color);

    TNotifyEvent OnClick;
};

// The palette of a check box or radio button: caption colour, background colour, a white box.
void SetButtonColors(QWidget* button, TColor fontColor, TColor color);
