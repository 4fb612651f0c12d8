#include "app/Unit2.h"

#include "app/General.h"
#include "app/Maker.h"
#include "art/Art.h"
#include "platform/Shell.h"
#include "toolkit/Colors.h"
#include "toolkit/Fonts.h"

TfrmActions* frmActions = nullptr;

namespace {

constexpr TColor FaceGrey = 11382189; // (173, 173, 173)
constexpr TColor TitleGrey = 6447714; // (98, 98, 98)

const QString Courier = QStringLiteral("Courier New");

QString artName(const char* component) {
    return QStringLiteral("frmActions.") + QString::fromLatin1(component);
}

// The layout's building blocks: one call per component, reading like the component table.
THoverImage* button(QWidget* parent, const char* name, QRect bounds, bool center, bool autoSize) {
    auto* c = new THoverImage(parent, QString::fromLatin1(name));
    c->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    c->Picture()->SetImage(art::picture(artName(name)));
    c->SetCenter(center);
    c->SetTransparent(true);
    c->SetAutoSize(autoSize);
    return c;
}

TCheckBox* checkBox(QWidget* parent, const char* name, QRect bounds, const QString& caption,
                    bool checked) {
    auto* c = new TCheckBox(parent, QString::fromLatin1(name));
    c->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    c->setFont(MakeFont(Courier, 12));
    c->SetColors(clBlack, FaceGrey);
    c->SetCaption(caption);
    c->SetChecked(checked);
    return c;
}

TRadioButton* radioButton(QWidget* parent, const char* name, QRect bounds, const QString& caption,
                          bool checked) {
    auto* c = new TRadioButton(parent, QString::fromLatin1(name));
    c->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    c->setFont(MakeFont(QStringLiteral("Verdana"), 11));
    c->SetColors(clBlack, FaceGrey);
    c->SetCaption(caption);
    c->SetChecked(checked);
    return c;
}

TEdit* edit(QWidget* parent, const char* name, QRect bounds, const QString& text) {
    auto* c = new TEdit(parent, QString::fromLatin1(name));
    c->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    c->setFont(MakeFont(Courier, 11));
    c->SetColors(clAqua, clBlack);
    c->SetText(text);
    return c;
}

TImageList* imageList(QObject* owner, const char* name, int size) {
    auto* c = new TImageList(owner, QString::fromLatin1(name), size, size);
    c->AddAll(art::imageList(artName(name)));
    return c;
}

TOpenDialog* openDialog(QObject* owner, const char* name, const QString& filter) {
    auto* c = new TOpenDialog(owner, QString::fromLatin1(name));
    c->SetFilter(filter);
    return c;
}

} // namespace

TfrmActions::TfrmActions()
    : TForm(QStringLiteral("frmActions"), QStringLiteral("Actions"), 350, 474, poMainFormCenter)
    , m_shell(std::make_unique<platform::Shell>()) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(FaceGrey));
    setPalette(pal);
    createComponents();
    OnCreate = Bind(this, &TfrmActions::FormCreate);
}

TfrmActions::~TfrmActions() {
    if (frmActions == this)
        frmActions = nullptr;
}

void TfrmActions::createComponents() {
    // clang-format off
    Image1 = new TImage(this, "Image1");
    Image1->SetBounds(0, 0, 350, 474);
    Image1->Picture()->LoadJpeg(art::data(u"frmActions.Image1.jpg"));
    Image1->OnMouseDown = Bind(this, &TfrmActions::Image1MouseDown);

    Label3 = new TLabel(this, "Label3");
    Label3->SetBounds(91, 10, 150, 18);
    Label3->SetLabelFont(MakeFont(Courier, 16, true));
    Label3->SetFontColor(TitleGrey);
    Label3->SetTransparent(true);
    Label3->SetCaption("Actions manager");
    Label3->OnMouseDown = Bind(this, &TfrmActions::Label3MouseDown);

    HoverImage1 = button(this, "HoverImage1", {110, 410, 36, 36}, true, false);
    HoverImage1->OnClick = Bind(this, &TfrmActions::HoverImage1Click);
    HoverImage1->OnMouseEnter = Bind(this, &TfrmActions::HoverImage1MouseEnter);
    HoverImage1->OnMouseLeave = Bind(this, &TfrmActions::HoverImage1MouseLeave);

    HoverImage2 = button(this, "HoverImage2", {155, 410, 36, 36}, true, false);
    HoverImage2->OnClick = Bind(this, &TfrmActions::HoverImage2Click);
    HoverImage2->OnMouseEnter = Bind(this, &TfrmActions::HoverImage2MouseEnter);
    HoverImage2->OnMouseLeave = Bind(this, &TfrmActions::HoverImage2MouseLeave);

    HoverImage3 = button(this, "HoverImage3", {200, 410, 36, 36}, true, false);
    HoverImage3->OnClick = Bind(this, &TfrmActions::HoverImage3Click);
    HoverImage3->OnMouseEnter = Bind(this, &TfrmActions::HoverImage3MouseEnter);
    HoverImage3->OnMouseLeave = Bind(this, &TfrmActions::HoverImage3MouseLeave);

    HoverImage4 = button(this, "HoverImage4", {299, 80, 24, 24}, true, true);
    HoverImage4->OnClick = Bind(this, &TfrmActions::HoverImage4Click);
    HoverImage4->OnMouseEnter = Bind(this, &TfrmActions::HoverImage4MouseEnter);
    HoverImage4->OnMouseLeave = Bind(this, &TfrmActions::HoverImage4MouseLeave);

    HoverImage5 = button(this, "HoverImage5", {299, 250, 24, 24}, true, true);
    HoverImage5->OnClick = Bind(this, &TfrmActions::HoverImage5Click);
    HoverImage5->OnMouseEnter = Bind(this, &TfrmActions::HoverImage4MouseEnter);
    HoverImage5->OnMouseLeave = Bind(this, &TfrmActions::HoverImage4MouseLeave);

    HoverImage6 = button(this, "HoverImage6", {190, 40, 32, 32}, false, true);
    HoverImage6->hide();

    HoverImage7 = button(this, "HoverImage7", {35, 410, 36, 36}, true, false);
    HoverImage7->OnClick = Bind(this, &TfrmActions::HoverImage3Click);
    HoverImage7->OnMouseEnter = Bind(this, &TfrmActions::HoverImage7MouseEnter);
    HoverImage7->OnMouseLeave = Bind(this, &TfrmActions::HoverImage7MouseLeave);
    HoverImage7->hide();

    CheckBox1 = checkBox(this, "CheckBox1", {20, 35, 97, 17}, "Sound alarm", true);

    CheckBox2 = checkBox(this, "CheckBox2", {20, 110, 116, 17}, "Show Message", false);
    CheckBox2->OnClick = Bind(this, &TfrmActions::CheckBox2Click);

    Memo1 = new TMemo(this, "Memo1");
    Memo1->SetBounds(20, 130, 301, 89);
    Memo1->setFont(MakeFont("Consolas", 11));
    Memo1->SetColors(clAqua, clBlack);
    Memo1->SetText("Message:");
    Memo1->SetEnabled(false);

    CheckBox3 = checkBox(this, "CheckBox3", {20, 230, 156, 17}, "Execute Program", false);
    Edit1 = edit(this, "Edit1", {20, 250, 274, 22}, {});

    CheckBox4 = checkBox(this, "CheckBox4", {20, 280, 156, 17}, "Shutdown Windows", false);
    CheckBox4->OnClick = Bind(this, &TfrmActions::CheckBox4Click);

    RadioGroup1 = new TRadioGroup(this, "RadioGroup1");
    RadioGroup1->setFont(MakeFont(Courier, 11));
    RadioGroup1->SetColors(clBlack, FaceGrey);
    RadioGroup1->SetBounds(35, 297, 291, 36);
    RadioGroup1->SetCaption("Options");
    RadioGroup1->SetColumns(3);
    RadioGroup1->SetItems({"Shutdown", "Restart", "Log off"});
    RadioGroup1->SetItemIndex(0);
    RadioGroup1->SetEnabled(false);

    CheckBox6 = checkBox(this, "CheckBox6", {20, 391, 91, 17}, "Loop timer", false);
    CheckBox7 = checkBox(this, "CheckBox7", {20, 347, 97, 17}, "Launch URL", false);
    Edit2 = edit(this, "Edit2", {20, 365, 306, 22}, QString::fromLatin1(kMakerAddress));

    RadioButton1 = radioButton(this, "RadioButton1", {45, 50, 126, 17}, "Use built in sound", true);
    RadioButton2 = radioButton(this, "RadioButton2", {45, 65, 113, 17}, "Play sound file", false);
    Edit3 = edit(this, "Edit3", {65, 80, 229, 22}, {});

    ImageList1 = imageList(this, "ImageList1", 32);
    ImageList2 = imageList(this, "ImageList2", 24);
    OpenDialog1 = openDialog(this, "OpenDialog1", "WAV Sound File|*.WAV");
    OpenDialog2 = openDialog(this, "OpenDialog2", "Executable Files|*.exe");
    // clang-format on

    // The tab order is not the reading order.
    QWidget* tabOrder[] = {CheckBox1,
                           CheckBox2,
                           Memo1,
                           CheckBox3,
                           Edit1,
                           CheckBox4,
                           RadioGroup1->Button(0),
                           RadioGroup1->Button(1),
                           RadioGroup1->Button(2),
                           CheckBox6,
                           CheckBox7,
                           Edit2,
                           RadioButton1,
                           RadioButton2,
                           Edit3};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

// ---- window events ---------------------------------------------------------------------------

void TfrmActions::FormCreate(QObject*) {
    SetRoundRegion(Image1->geometry(), 60, 60);
}

void TfrmActions::Image1MouseDown(QObject*, TMouseButton, TShiftState, int, int) {
    StartMove();
}

void TfrmActions::Label3MouseDown(QObject*, TMouseButton, TShiftState, int, int) {
    StartMove();
}

// ---- settings --------------------------------------------------------------------------------

void TfrmActions::CheckBox2Click(QObject*) {
    Memo1->SetEnabled(CheckBox2->Checked());
}

void TfrmActions::CheckBox4Click(QObject*) {
    RadioGroup1->SetEnabled(CheckBox4->Checked());
}

void TfrmActions::HoverImage4Click(QObject*) {
    if (OpenDialog1->Execute())
        Edit3->SetText(OpenDialog1->FileName());
}

void TfrmActions::HoverImage5Click(QObject*) {
    if (OpenDialog2->Execute())
        Edit1->SetText(OpenDialog2->FileName());
}

// ---- buttons ---------------------------------------------------------------------------------
// Tick and cross are the same: whatever was changed stays in the controls.

void TfrmActions::HoverImage1Click(QObject*) {
    Close();
}

void TfrmActions::HoverImage2Click(QObject*) {
    Close();
}

void TfrmActions::HoverImage3Click(QObject*) {
    m_shell->Open(QString::fromLatin1(kProductPage));
}

// ---- hover feedback --------------------------------------------------------------------------

void TfrmActions::MakeRedIm(THoverImage* image) {
    PaintImageRed(image);
}

void TfrmActions::restore(QObject* sender, TImageList* list, int index) {
    auto* image = qobject_cast<THoverImage*>(sender);
    if (!image)
        return;
    image->Picture()->Assign(nullptr);
    list->GetBitmap(index, image->Picture()->Bitmap());
}

void TfrmActions::HoverImage1MouseEnter(QObject* Sender) {
    MakeRedIm(qobject_cast<THoverImage*>(Sender));
}

void TfrmActions::HoverImage1MouseLeave(QObject* Sender) {
    restore(Sender, ImageList1, 0);
}

void TfrmActions::HoverImage2MouseEnter(QObject* Sender) {
    MakeRedIm(qobject_cast<THoverImage*>(Sender));
}

void TfrmActions::HoverImage2MouseLeave(QObject* Sender) {
    restore(Sender, ImageList1, 1);
}

void TfrmActions::HoverImage3MouseEnter(QObject* Sender) {
    MakeRedIm(qobject_cast<THoverImage*>(Sender));
}

void TfrmActions::HoverImage3MouseLeave(QObject* Sender) {
    restore(Sender, ImageList1, 2);
}

void TfrmActions::HoverImage4MouseEnter(QObject* Sender) {
    MakeRedIm(qobject_cast<THoverImage*>(Sender));
}

void TfrmActions::HoverImage4MouseLeave(QObject* Sender) {
    restore(Sender, ImageList2, 0);
}

void TfrmActions::HoverImage7MouseEnter(QObject* Sender) {
    MakeRedIm(qobject_cast<THoverImage*>(Sender));
}

void TfrmActions::HoverImage7MouseLeave(QObject* Sender) {
    restore(Sender, ImageList1, 3);
}

// ---- seams -----------------------------------------------------------------------------------

void TfrmActions::SetShell(std::unique_ptr<platform::Shell> shell) {
    if (shell)
        m_shell = std::move(shell);
}
