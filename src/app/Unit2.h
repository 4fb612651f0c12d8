#pragma once

#include "app/HoverImage.h"
#include "toolkit/Events.h"
#include "toolkit/TCheckBox.h"
#include "toolkit/TEdit.h"
#include "toolkit/TForm.h"
#include "toolkit/TImage.h"
#include "toolkit/TImageList.h"
#include "toolkit/TLabel.h"
#include "toolkit/TMemo.h"
#include "toolkit/TOpenDialog.h"
#include "toolkit/TRadioButton.h"
#include "toolkit/TRadioGroup.h"

#include <memory>

namespace platform {
class Shell;
}

// The actions dialog: what happens when a countdown reaches zero. Its controls are the only
// place the settings live; whoever needs one reads the control itself, when it needs it.
class TfrmActions : public TForm {
    Q_OBJECT
public:
    TfrmActions();
    ~TfrmActions() override;

    // Components, in layout order.
    TImage* Image1 = nullptr;
    TLabel* Label3 = nullptr;
    THoverImage* HoverImage1 = nullptr;
    THoverImage* HoverImage2 = nullptr;
    THoverImage* HoverImage3 = nullptr;
    THoverImage* HoverImage4 = nullptr;
    THoverImage* HoverImage5 = nullptr;
    THoverImage* HoverImage6 = nullptr;
    THoverImage* HoverImage7 = nullptr;
    TCheckBox* CheckBox1 = nullptr;
    TCheckBox* CheckBox2 = nullptr;
    TMemo* Memo1 = nullptr;
    TCheckBox* CheckBox3 = nullptr;
    TEdit* Edit1 = nullptr;
    TCheckBox* CheckBox4 = nullptr;
    TRadioGroup* RadioGroup1 = nullptr;
    TCheckBox* CheckBox6 = nullptr;
    TCheckBox* CheckBox7 = nullptr;
    TEdit* Edit2 = nullptr;
    TRadioButton* RadioButton1 = nullptr;
    TRadioButton* RadioButton2 = nullptr;
    TEdit* Edit3 = nullptr;
    TImageList* ImageList1 = nullptr;
    TImageList* ImageList2 = nullptr;
    TOpenDialog* OpenDialog1 = nullptr;
    TOpenDialog* OpenDialog2 = nullptr;

    void FormCreate(QObject* Sender);
    void Image1MouseDown(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Label3MouseDown(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void CheckBox2Click(QObject* Sender);
    void CheckBox4Click(QObject* Sender);
    void HoverImage1Click(QObject* Sender);
    void HoverImage2Click(QObject* Sender);
    void HoverImage3Click(QObject* Sender);
    void HoverImage4Click(QObject* Sender);
    void HoverImage5Click(QObject* Sender);
    void HoverImage1MouseEnter(QObject* Sender);
    void HoverImage1MouseLeave(QObject* Sender);
    void HoverImage2MouseEnter(QObject* Sender);
    void HoverImage2MouseLeave(QObject* Sender);
    void HoverImage3MouseEnter(QObject* Sender);
    void HoverImage3MouseLeave(QObject* Sender);
    void HoverImage4MouseEnter(QObject* Sender);
    void HoverImage4MouseLeave(QObject* Sender);
    void HoverImage7MouseEnter(QObject* Sender);
    void HoverImage7MouseLeave(QObject* Sender);

    void MakeRedIm(THoverImage* image);

    // What opens the product page; tests put their own in.
    void SetShell(std::unique_ptr<platform::Shell> shell);

private:
    void createComponents();
    void restore(QObject* sender, TImageList* list, int index);

    std::unique_ptr<platform::Shell> m_shell;
};

extern TfrmActions* frmActions;
