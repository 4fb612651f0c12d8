#include "toolkit/TRadioButton.h"

#include "toolkit/TCheckBox.h"

TRadioButton::TRadioButton(QWidget* parent, const QString& name)
    : QRadioButton(parent) {
    setObjectName(name);
    SetColors(clBlack, clBtnFace);
    connect(this, &QRadioButton::toggled, this, [this](bool on) {
        if (on && OnClick)
            OnClick(this);
    });
}

void TRadioButton::SetColors(TColor fontColor, TColor color) {
    SetButtonColors(this, fontColor, color);
}
