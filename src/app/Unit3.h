#pragma once

#include "app/HoverImage.h"
#include "toolkit/Events.h"
#include "toolkit/TEdit.h"
#include "toolkit/TForm.h"
#include "toolkit/TImage.h"
#include "toolkit/TImageList.h"
#include "toolkit/TLabel.h"
#include "toolkit/TPanel.h"
#include "toolkit/TSpeedButton.h"
#include "toolkit/TUpDown.h"

// The set-time dialog: hours, minutes and seconds of a countdown, each an edit box with its
// up-down. It ends with 1 for OK and 2 otherwise; its values stay from one opening to the next.
class TfrmSetTime : public TForm {
    Q_OBJECT
public:
    TfrmSetTime();
    ~TfrmSetTime() override;

    // Components, in layout order.
    TImage* Image1 = nullptr;
    TLabel* Label5 = nullptr;
    TSpeedButton* SpeedButton3 = nullptr;
    THoverImage* HoverImage2 = nullptr;
    THoverImage* HoverImage1 = nullptr;
    TPanel* Panel1 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label6 = nullptr;
    TEdit* Edit3 = nullptr;
    TEdit* Edit1 = nullptr;
    TUpDown* UpDown1 = nullptr;
    TUpDown* UpDown3 = nullptr;
    TEdit* Edit2 = nullptr;
    TUpDown* UpDown2 = nullptr;
    TImageList* ImageList1 = nullptr;

    void FormCreate(QObject* Sender);
    void Image1MouseDown(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Label5MouseDown(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void HoverImage1Click(QObject* Sender);
    void HoverImage2Click(QObject* Sender);
    void SpeedButton3Click(QObject* Sender);
    void HoverImage1MouseEnter(QObject* Sender);
    void HoverImage1MouseLeave(QObject* Sender);
    void HoverImage2MouseEnter(QObject* Sender);
    void HoverImage2MouseLeave(QObject* Sender);

    void MakeRedIm(THoverImage* image);

private:
    void createComponents();
    void restore(QObject* sender, int index);
};

extern TfrmSetTime* frmSetTime;
