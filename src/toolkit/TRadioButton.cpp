#include "toolkit/TRadioButton.h"

#include "toolkit/TCheckBox.h"

#include <QButtonGroup>

TRadioButton::TRadioButton(QWidget* parent, const QString& name)
    : QRadioButton(parent) {
    setObjectName(name);
    SetColors(clBlack, clBtnFace);
    // Qt's automatic exclusivity would take in every radio button below the parent, the items of
    // a radio group on the same form included: selecting one of ours would clear the group's
    // choice. An explicit group per parent keeps the pair to itself.
    if (parent) {
        static const QString groupName = QStringLiteral("TRadioButton.group");
        auto* group = parent->findChild<QButtonGroup*>(groupName, Qt::FindDirectChildrenOnly);
        if (!group) {
            group = new QButtonGroup(parent);
            group->setObjectName(groupName);
            group->setExclusive(true);
        }
        group->addButton(this);
    }
    connect(this, &QRadioButton::toggled, this, [this](bool on) {
        if (on && OnClick)
            OnClick(this);
    });
}

void TRadioButton::SetColors(TColor fontColor, TColor color) {
    SetButtonColors(this, fontColor, color);
}
