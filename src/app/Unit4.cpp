#include "app/Unit4.h"

#include "art/Art.h"
#include "toolkit/Colors.h"
#include "toolkit/Fonts.h"

TfrmMsg* frmMsg = nullptr;

TfrmMsg::TfrmMsg()
    : TForm(QStringLiteral("frmMsg"), QStringLiteral("Message"), 599, 101, poMainFormCenter) {
    createComponents();
    OnCreate = Bind(this, &TfrmMsg::FormCreate);
}

TfrmMsg::~TfrmMsg() {
    if (frmMsg == this)
        frmMsg = nullptr;
}

void TfrmMsg::createComponents() {
    // clang-format off
    Image1 = new TImage(this, "Image1");
    Image1->SetBounds(0, 0, 599, 101);
    Image1->Picture()->LoadJpeg(art::data(u"frmMsg.Image1.jpg"));
    Image1->OnMouseDown = Bind(this, &TfrmMsg::Image1MouseDown);

    SpeedButton1 = new TSpeedButton(this, "SpeedButton1");
    SpeedButton1->SetBounds(556, 7, 17, 17);
    SpeedButton1->SetFlat(true);
    SpeedButton1->SetGlyph(art::picture(u"frmMsg.SpeedButton1"));
    SpeedButton1->OnClick = Bind(this, &TfrmMsg::SpeedButton1Click);

    RichEdit1 = new TRichEdit(this, "RichEdit1");
    RichEdit1->SetBounds(17, 25, 561, 54);
    RichEdit1->setFont(MakeFont("Consolas", 13));
    RichEdit1->SetColors(clAqua, clBlack);
    RichEdit1->SetText("Message:");
    // clang-format on
}

void TfrmMsg::FormCreate(QObject*) {
    SetRoundRegion(Image1->geometry(), 60, 60);
}

void TfrmMsg::Image1MouseDown(QObject*, TMouseButton, TShiftState, int, int) {
    StartMove();
}

void TfrmMsg::SpeedButton1Click(QObject*) {
    Close();
}
