#include "toolkit/TCheckBox.h"

#include <QPalette>

namespace {
constexpr TColor DisabledText = 0x808080;
}

void SetButtonColors(QWidget* button, TColor fontColor, TColor color) {
    QPalette pal = button->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        pal.setColor(group, QPalette::Window, ToQColor(color));
        pal.setColor(group, QPalette::Button, ToQColor(color));
        pal.setColor(group, QPalette::WindowText, ToQColor(disabled ? DisabledText : fontColor));
        pal.setColor(group, QPalette::ButtonText, ToQColor(disabled ? DisabledText : fontColor));
        pal.setColor(group, QPalette::Base, ToQColor(disabled ? color : clWhite));
        pal.setColor(group, QPalette::Text, ToQColor(disabled ? DisabledText : clBlack));
        pal.setColor(group, QPalette::Highlight, ToQColor(0x800000));
    }
    button->setPalette(pal);
    button->setAutoFillBackground(true);
}

TCheckBox::TCheckBox(QWidget* parent, const QString& name)
    : QCheckBox(parent) {
    setObjectName(name);
    SetColors(clBlack, clBtnFace);
    connect(this, &QCheckBox::toggled, this, [this] {
        if (OnClick)
            OnClick(this);
    });
}

void TCheckBox::SetColors(TColor fontColor, TColor color) {
    SetButtonColors(this, fontColor, color);
}
