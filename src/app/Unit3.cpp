#include "app/Unit3.h"

#include "app/General.h"
#include "art/Art.h"
#include "toolkit/Colors.h"
#include "toolkit/Fonts.h"

TfrmSetTime* frmSetTime = nullptr;

namespace {

constexpr TColor TitleGrey = 6447714; // (98, 98, 98)

const QString Courier = QStringLiteral("Courier New");

QString artName(const char* component) {
    return QStringLiteral("frmSetTime.") + QString::fromLatin1(component);
}

// The layout's building blocks: one call per component, reading like the component table.
THoverImage* button(QWidget* parent, const char* name, QRect bounds) {
    auto* c = new THoverImage(parent, QString::fromLatin1(name));
    c->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    c->Picture()->SetImage(art::picture(artName(name)));
    c->SetCenter(true);
    c->SetTransparent(true);
    return c;
}

TLabel* label(QWidget* parent, const char* name, QRect bounds, const QString& caption,
              const QFont& font, TColor fontColor) {
    auto* c = new TLabel(parent, QString::fromLatin1(name));
    c->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    c->SetLabelFont(font);
    c->SetFontColor(fontColor);
    c->SetTransparent(true);
    c->SetCaption(caption);
    return c;
}

TEdit* edit(QWidget* parent, const char* name, QRect bounds) {
    auto* c = new TEdit(parent, QString::fromLatin1(name));
    c->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    c->setFont(MakeFont(QStringLiteral("MS Sans Serif"), 11));
    c->SetColors(clAqua, clBlack);
    return c;
}

TUpDown* upDown(QWidget* parent, const char* name, QRect bounds, TEdit* associate, int max) {
    auto* c = new TUpDown(parent, QString::fromLatin1(name));
    c->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    c->SetMin(0);
    c->SetMax(max);
    c->SetAssociate(associate);
    c->SetPosition(0);
    return c;
}

} // namespace

TfrmSetTime::TfrmSetTime()
    : TForm(QStringLiteral("frmSetTime"), QStringLiteral("Set Time"), 351, 227, poMainFormCenter) {
    createComponents();
    OnCreate = Bind(this, &TfrmSetTime::FormCreate);
}

TfrmSetTime::~TfrmSetTime() {
    if (frmSetTime == this)
        frmSetTime = nullptr;
}

void TfrmSetTime::createComponents() {
    // clang-format off
    Image1 = new TImage(this, "Image1");
    Image1->SetBounds(0, 0, 351, 227);
    Image1->Picture()->LoadJpeg(art::data(u"frmSetTime.Image1.jpg"));
    Image1->OnMouseDown = Bind(this, &TfrmSetTime::Image1MouseDown);

    Label5 = label(this, "Label5", {31, 13, 132, 22}, "Tavorine", MakeFont(Courier, 19, true),
                   TitleGrey);
    Label5->OnMouseDown = Bind(this, &TfrmSetTime::Label5MouseDown);

    SpeedButton3 = new TSpeedButton(this, "SpeedButton3");
    SpeedButton3->SetBounds(296, 8, 17, 17);
    SpeedButton3->SetFlat(true);
    SpeedButton3->SetGlyph(art::picture(artName("SpeedButton3")));
    SpeedButton3->OnClick = Bind(this, &TfrmSetTime::SpeedButton3Click);

    HoverImage2 = button(this, "HoverImage2", {170, 168, 36, 36});
    HoverImage2->OnClick = Bind(this, &TfrmSetTime::HoverImage2Click);
    HoverImage2->OnMouseEnter = Bind(this, &TfrmSetTime::HoverImage2MouseEnter);
    HoverImage2->OnMouseLeave = Bind(this, &TfrmSetTime::HoverImage2MouseLeave);

    HoverImage1 = button(this, "HoverImage1", {125, 168, 36, 36});
    HoverImage1->OnClick = Bind(this, &TfrmSetTime::HoverImage1Click);
    HoverImage1->OnMouseEnter = Bind(this, &TfrmSetTime::HoverImage1MouseEnter);
    HoverImage1->OnMouseLeave = Bind(this, &TfrmSetTime::HoverImage1MouseLeave);

    Panel1 = new TPanel(this, "Panel1");
    Panel1->SetBounds(30, 65, 291, 86);
    Panel1->SetColor(clBlack);

    const QFont caption = MakeFont(Courier, 11, true);
    Label4 = label(Panel1, "Label4", {31, 25, 28, 14}, "Hour", caption, clAqua);
    Label2 = label(Panel1, "Label2", {111, 25, 49, 14}, "Minutes", caption, clAqua);
    Label3 = label(Panel1, "Label3", {191, 25, 49, 14}, "Seconds", caption, clAqua);
    Label6 = label(Panel1, "Label6", {5, 5, 63, 16}, "Set Timer", MakeFont(Courier, 12, true),
                   clAqua);
    Label6->SetColor(clBlack);

    Edit3 = edit(Panel1, "Edit3", {31, 40, 41, 21});
    Edit1 = edit(Panel1, "Edit1", {111, 40, 41, 21});
    UpDown1 = upDown(Panel1, "UpDown1", {152, 40, 16, 21}, Edit1, 59);
    UpDown3 = upDown(Panel1, "UpDown3", {72, 40, 16, 21}, Edit3, 99);
    Edit2 = edit(Panel1, "Edit2", {191, 40, 41, 21});
    UpDown2 = upDown(Panel1, "UpDown2", {232, 40, 16, 21}, Edit2, 59);

    ImageList1 = new TImageList(this, "ImageList1", 32, 32);
    ImageList1->AddAll(art::imageList(artName("ImageList1")));
    // clang-format on

    // Tab goes hours, minutes, seconds; the up-downs are no tab stops.
    setTabOrder(Edit3, Edit1);
    setTabOrder(Edit1, Edit2);
}

// ---- window events ---------------------------------------------------------------------------

void TfrmSetTime::FormCreate(QObject*) {
    SetRoundRegion(Image1->geometry(), 60, 60);
}

void TfrmSetTime::Image1MouseDown(QObject*, TMouseButton, TShiftState, int, int) {
    StartMove();
}

void TfrmSetTime::Label5MouseDown(QObject*, TMouseButton, TShiftState, int, int) {
    StartMove();
}

// ---- ending the dialog -----------------------------------------------------------------------
// A close request stands at 2 until the handler returns; OK overrides it after asking.

void TfrmSetTime::HoverImage1Click(QObject*) {
    Close();
    SetModalResult(1);
}

void TfrmSetTime::HoverImage2Click(QObject*) {
    SetModalResult(2);
    Close();
}

void TfrmSetTime::SpeedButton3Click(QObject*) {
    Close();
}

// ---- hover feedback --------------------------------------------------------------------------

void TfrmSetTime::MakeRedIm(THoverImage* image) {
    PaintImageRed(image);
}

void TfrmSetTime::restore(QObject* sender, int index) {
    auto* image = qobject_cast<THoverImage*>(sender);
    if (!image)
        return;
    image->Picture()->Assign(nullptr);
    ImageList1->GetBitmap(index, image->Picture()->Bitmap());
}

void TfrmSetTime::HoverImage1MouseEnter(QObject* Sender) {
    MakeRedIm(qobject_cast<THoverImage*>(Sender));
}

void TfrmSetTime::HoverImage1MouseLeave(QObject* Sender) {
    restore(Sender, 0);
}

void TfrmSetTime::HoverImage2MouseEnter(QObject* Sender) {
    MakeRedIm(qobject_cast<THoverImage*>(Sender));
}

void TfrmSetTime::HoverImage2MouseLeave(QObject* Sender) {
    restore(Sender, 1);
}
