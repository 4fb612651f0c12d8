#pragma once

#include "toolkit/Colors.h"
#include "toolkit/Events.h"

#include <QRadioButton>

// A radio button. The radio buttons with the same parent form one group: selecting one clears
// the others. OnClick follows the button becoming selected.
class TRadioButton : public QRadioButton {
    Q_OBJECT
public:
    TRadioButton(QWidget* parent, const QString& name);

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
