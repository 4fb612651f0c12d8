#pragma once

#include "toolkit/Events.h"
#include "toolkit/TForm.h"
#include "toolkit/TImage.h"
#include "toolkit/TRichEdit.h"
#include "toolkit/TSpeedButton.h"

// The message window: a wide strip that shows the message when a countdown expires. It is shown
// without waiting for it and only ever hides itself.
class TfrmMsg : public TForm {
    Q_OBJECT
public:
    TfrmMsg();
    ~TfrmMsg() override;

    TImage* Image1 = nullptr;
    TRichEdit* RichEdit1 = nullptr;
    TSpeedButton* SpeedButton1 = nullptr;

    void FormCreate(QObject* Sender);
    void Image1MouseDown(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void SpeedButton1Click(QObject* Sender);

private:
    void createComponents();
};

extern TfrmMsg* frmMsg;
