#include "toolkit/TEdit.h"

#include <QPalette>
#include <QWidget>

namespace {
constexpr TColor DisabledText = 0x808080;
constexpr TColor Selection = 0x800000; // navy
} // namespace

void SetFieldColors(QWidget* field, TColor fontColor, TColor color) {
    QPalette pal = field->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const TColor text = group == QPalette::Disabled ? DisabledText : fontColor;
        pal.setColor(group, QPalette::Base, ToQColor(color));
        pal.setColor(group, QPalette::Window, ToQColor(color));
        pal.setColor(group, QPalette::Text, ToQColor(text));
        pal.setColor(group, QPalette::WindowText, ToQColor(text));
        pal.setColor(group, QPalette::Highlight, ToQColor(Selection));
        pal.setColor(group, QPalette::HighlightedText, ToQColor(clWhite));
    }
    field->setPalette(pal);
}

TEdit::TEdit(QWidget* parent, const QString& name)
    : QLineEdit(parent) {
    setObjectName(name);
    SetFieldColors(this, clBlack, clWhite);
}
