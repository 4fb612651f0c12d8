#include "app/Unit1.h"

#include "app/General.h"
#include "app/Maker.h"
#include "app/Unit2.h"
#include "app/Unit3.h"
#include "app/Unit4.h"
#include "art/Art.h"
#include "platform/LocaleFormats.h"
#include "platform/SessionControl.h"
#include "platform/Shell.h"
#include "platform/SoundPlayer.h"
#include "platform/TickCounter.h"
#include "toolkit/Application.h"
#include "toolkit/Colors.h"
#include "toolkit/Fonts.h"
#include "toolkit/FormatDateTime.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

TForm1* Form1 = nullptr;

namespace {

constexpr TColor LinkGrey = 6447714; // (98, 98, 98)
constexpr TColor LinkRed = 131579;   // (251, 1, 2)
constexpr TColor ClockCyan = 16777049;
constexpr TColor SummaryCyan = 16777079;

const QString Courier = QStringLiteral("Courier New");

THoverImage* asHoverImage(QObject* sender) {
    return qobject_cast<THoverImage*>(sender);
}

// The layout's building blocks: one call per component, reading like the component table.
TImage* image(QWidget* parent, const char* name, QRect bounds) {
    auto* c = new TImage(parent, QString::fromLatin1(name));
    c->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    return c;
}

THoverImage* hoverImage(QWidget* parent, const char* name, QRect bounds, const QString& hint) {
    auto* c = new THoverImage(parent, QString::fromLatin1(name));
    c->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    c->SetHint(hint);
    c->Picture()->SetImage(art::picture(QStringLiteral("Form1.") + QString::fromLatin1(name)));
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
    c->SetCaption(caption);
    return c;
}

TPaintBox* paintBox(QWidget* parent, const char* name, QRect bounds, TColor color) {
    auto* c = new TPaintBox(parent, QString::fromLatin1(name));
    c->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    c->SetColor(color);
    return c;
}

TImageList* imageList(QObject* owner, const char* name, int width, int height) {
    auto* c = new TImageList(owner, QString::fromLatin1(name), width, height);
    c->AddAll(art::imageList(QStringLiteral("Form1.") + QString::fromLatin1(name)));
    return c;
}

TTimer* timer(QObject* owner, const char* name, int interval) {
    auto* c = new TTimer(owner, QString::fromLatin1(name));
    c->SetInterval(interval);
    return c;
}

int digitAt(const QString& text, int i) {
    return i < text.size() ? text.at(i).digitValue() : -1;
}

} // namespace

TForm1::TForm1()
    : TForm(QStringLiteral("Form1"), QStringLiteral("Tavorine"), 351, 347, poScreenCenter)
    , m_localeFormats(std::make_unique<platform::LocaleFormats>())
    , m_shell(std::make_unique<platform::Shell>())
    , m_now([] { return QDateTime::currentDateTime(); })
    , m_shutdown(ShutdownWindows) {
    SetScreenSnap(true);
    createComponents();
    m_engine = std::make_unique<engine::TimerEngine>(
        *Timer1, [this] { DrawTime(); }, [this] { PerformActions(); });
    OnCreate = Bind(this, &TForm1::FormCreate);
    OnPaint = Bind(this, &TForm1::FormPaint);
}

TForm1::~TForm1() {
    if (Form1 == this)
        Form1 = nullptr;
}

void TForm1::createComponents() {
    // clang-format off
    Image1 = image(this, "Image1", {0, 0, 351, 347});
    Image1->Picture()->LoadJpeg(art::data(u"Form1.Image1.jpg"));
    Image1->OnMouseDown = Bind(this, &TForm1::Image1MouseDown);

    Label2 = label(this, "Label2", {75, 320, 194, 16}, QString::fromLatin1(kMakerAddress),
                   MakeFont("Verdana", 13, true), LinkGrey);
    Label2->SetTransparent(true);
    Label2->SetCursor(Qt::PointingHandCursor);
    Label2->OnClick = Bind(this, &TForm1::Label2Click);
    Label2->OnMouseEnter = Bind(this, &TForm1::Label2MouseEnter);
    Label2->OnMouseLeave = Bind(this, &TForm1::Label2MouseLeave);

    Label3 = label(this, "Label3", {36, 14, 180, 18}, "Tavorine v1.10",
                   MakeFont(Courier, 16, true), LinkGrey);
    Label3->SetTransparent(true);
    Label3->OnMouseDown = Bind(this, &TForm1::Label3MouseDown);

    HoverImage1 = hoverImage(this, "HoverImage1", {100, 272, 36, 36}, "Set Actions");
    HoverImage1->OnClick = Bind(this, &TForm1::HoverImage1Click);
    HoverImage1->OnMouseEnter = Bind(this, &TForm1::HoverImage1MouseEnter);
    HoverImage1->OnMouseLeave = Bind(this, &TForm1::HoverImage1MouseLeave);

    HoverImage2 = hoverImage(this, "HoverImage2", {139, 272, 36, 36}, "Set timer");
    HoverImage2->OnClick = Bind(this, &TForm1::HoverImage2Click);
    HoverImage2->OnMouseEnter = Bind(this, &TForm1::HoverImage2MouseEnter);
    HoverImage2->OnMouseLeave = Bind(this, &TForm1::HoverImage2MouseLeave);

    HoverImage3 = hoverImage(this, "HoverImage3", {291, 272, 36, 36}, "Stopwatch");
    HoverImage3->OnClick = Bind(this, &TForm1::HoverImage3Click);
    HoverImage3->OnMouseEnter = Bind(this, &TForm1::HoverImage3MouseEnter);
    HoverImage3->OnMouseLeave = Bind(this, &TForm1::HoverImage3MouseLeave);

    HoverImage4 = hoverImage(this, "HoverImage4", {22, 272, 36, 36}, "Increase time");
    HoverImage4->OnMouseDown = Bind(this, &TForm1::HoverImage4MouseDown);
    HoverImage4->OnMouseEnter = Bind(this, &TForm1::HoverImage4MouseEnter);
    HoverImage4->OnMouseLeave = Bind(this, &TForm1::HoverImage4MouseLeave);

    HoverImage5 = hoverImage(this, "HoverImage5", {61, 272, 36, 36}, "Decrease time");
    HoverImage5->OnMouseDown = Bind(this, &TForm1::HoverImage5MouseDown);
    HoverImage5->OnMouseEnter = Bind(this, &TForm1::HoverImage5MouseEnter);
    HoverImage5->OnMouseLeave = Bind(this, &TForm1::HoverImage5MouseLeave);

    HoverImage6 = hoverImage(this, "HoverImage6", {177, 272, 36, 36}, "Start timer");
    HoverImage6->OnClick = Bind(this, &TForm1::HoverImage6Click);
    HoverImage6->OnMouseEnter = Bind(this, &TForm1::HoverImage6MouseEnter);
    HoverImage6->OnMouseLeave = Bind(this, &TForm1::HoverImage6MouseLeave);

    HoverImage7 = hoverImage(this, "HoverImage7", {215, 272, 36, 36}, "Pause timer");
    HoverImage7->OnClick = Bind(this, &TForm1::HoverImage7Click);
    HoverImage7->OnMouseEnter = Bind(this, &TForm1::HoverImage7MouseEnter);
    HoverImage7->OnMouseLeave = Bind(this, &TForm1::HoverImage7MouseLeave);

    HoverImage8 = hoverImage(this, "HoverImage8", {253, 272, 36, 36}, "Stop and reset timer");
    HoverImage8->OnClick = Bind(this, &TForm1::HoverImage8Click);
    HoverImage8->OnMouseEnter = Bind(this, &TForm1::HoverImage8MouseEnter);
    HoverImage8->OnMouseLeave = Bind(this, &TForm1::HoverImage8MouseLeave);

    HoverImage9 = hoverImage(this, "HoverImage9", {298, 10, 16, 16}, {});
    HoverImage9->OnClick = Bind(this, &TForm1::HoverImage9Click);
    HoverImage9->OnMouseEnter = Bind(this, &TForm1::HoverImage9MouseEnter);
    HoverImage9->OnMouseLeave = Bind(this, &TForm1::HoverImage9MouseLeave);

    HoverImage10 = hoverImage(this, "HoverImage10", {281, 10, 17, 17}, {});
    HoverImage10->OnClick = Bind(this, &TForm1::HoverImage10Click);
    HoverImage10->OnMouseEnter = Bind(this, &TForm1::HoverImage10MouseEnter);
    HoverImage10->OnMouseLeave = Bind(this, &TForm1::HoverImage10MouseLeave);

    Panel1 = new TPanel(this, "Panel1");
    Panel1->SetBounds(29, 32, 294, 233);
    Panel1->SetColor(clBlack);

    Label1 = label(Panel1, "Label1", {16, 175, 55, 21}, "12:00", MakeFont(Courier, 19), ClockCyan);
    Label1->SetColor(clBlack);
    Label1->SetAutoSize(true);

    Label4 = label(Panel1, "Label4", {16, 48, 274, 33}, "Action: alarm",
                   MakeFont("Consolas", 13), SummaryCyan);
    Label4->SetColor(clBlack);
    Label4->SetWordWrap(true);

    PaintBox1 = paintBox(Panel1, "PaintBox1", {13, 85, 264, 91}, clBlack);
    ptBoxTotTracks = paintBox(Panel1, "ptBoxTotTracks", {15, 15, 96, 23}, clBlack);

    Label6 = label(Panel1, "Label6", {16, 205, 255, 21}, {}, MakeFont(Courier, 19), clRed);
    Label6->SetColor(clBlack);
    Label6->SetAlignment(TLabel::taCenter);

    Label7 = label(Panel1, "Label7", {116, 21, 77, 21}, "Seconds", MakeFont(Courier, 19), clAqua);
    Label7->SetColor(clBlack);
    Label7->SetAutoSize(true);

    Timer1 = timer(this, "Timer1", 1000);
    Timer1->OnTimer = Bind(this, &TForm1::Timer1Timer);
    ImageList1 = imageList(this, "ImageList1", 13, 22);
    Timer2 = timer(this, "Timer2", 1000);
    Timer2->OnTimer = Bind(this, &TForm1::Timer2Timer);
    ImageList3 = imageList(this, "ImageList3", 40, 74);
    ImageList2 = imageList(this, "ImageList2", 48, 32);
    // clang-format on
}

// ---- window events ---------------------------------------------------------------------------

void TForm1::FormCreate(QObject*) {
    SetRoundRegion(Image1->geometry(), 60, 60);
    m_engine->Reset();
    Label6->SetCaption({});
}

void TForm1::FormPaint(QObject*) {
    DrawTime();
}

void TForm1::Image1MouseDown(QObject*, TMouseButton, TShiftState, int, int) {
    StartMove();
}

void TForm1::Label3MouseDown(QObject*, TMouseButton, TShiftState, int, int) {
    StartMove();
}

void TForm1::Timer1Timer(QObject*) {
    m_engine->Tick();
}

void TForm1::Timer2Timer(QObject*) {
    const platform::LocaleData locale = m_localeFormats->Read();
    QString dateFormat = locale.shortDateFormat;
    QString timeFormat = locale.timeFormat;
    if (!locale.formatsRead) {
        dateFormat = QStringLiteral("dd mmm yy");
        timeFormat = QStringLiteral("hh:mm:ss");
    }
    const QString picture = ClockLinePicture(dateFormat, timeFormat);
    Label1->SetCaption(FormatDateTime(picture, m_now(), FormatSettingsFromLocale(locale)));
    if (!Timer1->Enabled())
        DrawTime();
}

// ---- the display -----------------------------------------------------------------------------

void TForm1::DrawTime() {
    const engine::TimerState& s = m_engine->state();
    const QString minutes = FormatDecimal(s.Minutes, 2);
    const QString seconds = FormatDecimal(s.Seconds, 2);
    const QString hours = FormatDecimal(s.Hours, 2);
    const QString total = FormatDecimal(s.TotalSeconds, 6);

    // Only the leading characters are drawn: 100 hours show as 10.
    for (int i = 0; i < 6; ++i)
        ImageList1->Draw(ptBoxTotTracks->Canvas(), i * 16, 0, digitAt(total, i));

    // The colons go first; the digit after each covers the rest of the colon's cell.
    TCanvas* c = PaintBox1->Canvas();
    ImageList3->Draw(c, 0, 0, digitAt(hours, 0));
    ImageList3->Draw(c, 40, 0, digitAt(hours, 1));
    ImageList3->Draw(c, 80, 0, 10);
    ImageList3->Draw(c, 91, 0, digitAt(minutes, 0));
    ImageList3->Draw(c, 131, 0, digitAt(minutes, 1));
    ImageList3->Draw(c, 171, 0, 10);
    ImageList3->Draw(c, 182, 0, digitAt(seconds, 0));
    ImageList3->Draw(c, 222, 0, digitAt(seconds, 1));
}

// ---- commands --------------------------------------------------------------------------------

void TForm1::HoverImage1Click(QObject*) {
    resetAll();
    frmActions->ShowModal();
    QString summary = QStringLiteral("Action: ");
    if (frmActions->CheckBox1->Checked())
        summary += QStringLiteral("alarm; ");
    if (frmActions->CheckBox2->Checked())
        summary += QStringLiteral("message; ");
    if (frmActions->CheckBox3->Checked())
        summary += QStringLiteral("execute; ");
    if (frmActions->CheckBox4->Checked())
        summary += QStringLiteral("shutdown; ");
    if (frmActions->CheckBox7->Checked())
        summary += QStringLiteral("URL; ");
    Label4->SetCaption(summary);
}

void TForm1::HoverImage2Click(QObject*) {
    resetAll();
    if (frmSetTime->ShowModal() == 1)
        m_engine->SetTime(std::uint16_t(frmSetTime->UpDown3->Position()),
                          std::uint16_t(frmSetTime->UpDown1->Position()),
                          std::uint16_t(frmSetTime->UpDown2->Position()));
}

void TForm1::HoverImage3Click(QObject*) {
    m_engine->StartStopwatch();
}

void TForm1::HoverImage4MouseDown(QObject*, TMouseButton Button, TShiftState, int, int) {
    if (Button == TMouseButton::mbLeft)
        m_engine->IncreaseTime(60);
    else if (Button == TMouseButton::mbRight)
        m_engine->IncreaseTime(3600);
}

void TForm1::HoverImage5MouseDown(QObject*, TMouseButton Button, TShiftState, int, int) {
    if (Button == TMouseButton::mbLeft)
        m_engine->DecreaseTime(60);
    else if (Button == TMouseButton::mbRight)
        m_engine->DecreaseTime(3600);
}

void TForm1::HoverImage6Click(QObject*) {
    resetAll();
    m_engine->StartTimer();
}

void TForm1::HoverImage7Click(QObject*) {
    resetAll();
    m_engine->PauseTimer();
}

void TForm1::HoverImage8Click(QObject*) {
    m_engine->StopAndReset();
}

void TForm1::HoverImage9Click(QObject*) {
    Close();
}

void TForm1::HoverImage10Click(QObject*) {
    Application->Minimize();
}

void TForm1::Label2Click(QObject*) {
    m_shell->Open(QString::fromLatin1(kMakerAddress));
}

// ---- hover feedback --------------------------------------------------------------------------
// The handlers differ on purpose: "Set timer" and "Stopwatch" light up without first restoring
// the others, and three buttons restore the whole bar when the pointer leaves them.

void TForm1::showHint(QObject* sender) {
    if (THoverImage* button = asHoverImage(sender))
        Label6->SetCaption(button->Hint());
}

void TForm1::HoverImage1MouseEnter(QObject* Sender) {
    resetAll();
    PaintImageRed(HoverImage1);
    showHint(Sender);
}

void TForm1::HoverImage1MouseLeave(QObject*) {
    Label6->SetCaption({});
    resetAll();
}

void TForm1::HoverImage2MouseEnter(QObject* Sender) {
    PaintImageRed(HoverImage2);
    showHint(Sender);
}

void TForm1::HoverImage2MouseLeave(QObject*) {
    Label6->SetCaption({});
    restoreButton(HoverImage2, 4);
}

void TForm1::HoverImage3MouseEnter(QObject* Sender) {
    PaintImageRed(HoverImage3);
    showHint(Sender);
}

void TForm1::HoverImage3MouseLeave(QObject*) {
    Label6->SetCaption({});
    restoreButton(HoverImage3, 3);
}

void TForm1::HoverImage4MouseEnter(QObject* Sender) {
    resetAll();
    PaintImageRed(asHoverImage(Sender));
    showHint(Sender);
}

void TForm1::HoverImage4MouseLeave(QObject*) {
    resetAll();
    Label6->SetCaption({});
}

void TForm1::HoverImage5MouseEnter(QObject* Sender) {
    resetAll();
    PaintImageRed(asHoverImage(Sender));
    showHint(Sender);
}

void TForm1::HoverImage5MouseLeave(QObject*) {
    Label6->SetCaption({});
    resetAll();
}

void TForm1::HoverImage6MouseEnter(QObject* Sender) {
    resetAll();
    PaintImageRed(HoverImage6);
    showHint(Sender);
}

void TForm1::HoverImage6MouseLeave(QObject*) {
    Label6->SetCaption({});
    restoreButton(HoverImage6, 5);
}

void TForm1::HoverImage7MouseEnter(QObject* Sender) {
    resetAll();
    PaintImageRed(HoverImage7);
    showHint(Sender);
}

void TForm1::HoverImage7MouseLeave(QObject*) {
    Label6->SetCaption({});
    restoreButton(HoverImage7, 6);
}

void TForm1::HoverImage8MouseEnter(QObject* Sender) {
    resetAll();
    PaintImageRed(HoverImage8);
    showHint(Sender);
}

void TForm1::HoverImage8MouseLeave(QObject*) {
    Label6->SetCaption({});
    restoreButton(HoverImage8, 7);
}

void TForm1::HoverImage9MouseEnter(QObject*) {
    MakeBlackRed(HoverImage9);
}

void TForm1::HoverImage9MouseLeave(QObject*) {
    MakeRedBlack(HoverImage9);
}

void TForm1::HoverImage10MouseEnter(QObject* Sender) {
    MakeBlackRed(asHoverImage(Sender));
}

void TForm1::HoverImage10MouseLeave(QObject* Sender) {
    MakeRedBlack(asHoverImage(Sender));
}

void TForm1::Label2MouseEnter(QObject*) {
    Label2->SetFontColor(LinkRed);
    resetAll();
}

void TForm1::Label2MouseLeave(QObject*) {
    Label2->SetFontColor(LinkGrey);
    resetAll();
}

// ---- routines --------------------------------------------------------------------------------

void TForm1::restoreButton(THoverImage* button, int index) {
    button->Picture()->Assign(nullptr);
    ImageList2->GetBitmap(index, button->Picture()->Bitmap());
}

void TForm1::resetAll() {
    restoreButton(HoverImage4, 0);
    restoreButton(HoverImage5, 1);
    restoreButton(HoverImage1, 2);
    restoreButton(HoverImage2, 4);
    restoreButton(HoverImage6, 5);
    restoreButton(HoverImage7, 6);
    restoreButton(HoverImage8, 7);
    restoreButton(HoverImage3, 3);
}

void TForm1::MakeBlackRed(THoverImage* image) {
    if (!image)
        return;
    TBitmap* bitmap = image->Picture()->Bitmap();
    for (int y = 0; y < bitmap->Height(); ++y) {
        for (int x = 0; x < bitmap->Width(); ++x) {
            if ((TColor(bitmap->Canvas()->Pixels(x, y)) & 0xFFFFFF) == clBlack)
                bitmap->Canvas()->Pixels(x, y) = clRed;
        }
    }
}

void TForm1::MakeRedBlack(THoverImage* image) {
    if (!image)
        return;
    TBitmap* bitmap = image->Picture()->Bitmap();
    for (int y = 0; y < bitmap->Height(); ++y) {
        for (int x = 0; x < bitmap->Width(); ++x) {
            if ((TColor(bitmap->Canvas()->Pixels(x, y)) & 0xFFFFFF) == clRed)
                bitmap->Canvas()->Pixels(x, y) = clBlack;
        }
    }
}

// ---- the action runner -------------------------------------------------------------------

namespace {

// The request of each "Options" item. Every one is forced: other programs are closed without
// being asked.
std::uint32_t shutdownFlags(int item) {
    switch (item) {
    case 0:
        return platform::ExitPowerOff;
    case 1:
        return platform::ExitReboot;
    case 2:
        return platform::ExitLogOff;
    default:
        return 0;
    }
}

platform::TickCounter* g_delayCounter = nullptr;

platform::TickCounter& delayCounter() {
    static platform::TickCounter real;
    return g_delayCounter ? *g_delayCounter : real;
}

} // namespace

// Each control is read when its step is reached, so a change made during the alarm counts for
// the steps after it. The alarm and the message window let events through: a countdown started
// meanwhile ticks, and may expire and run all this again, nested in this run.
void TForm1::PerformActions() {
    Timer1->SetEnabled(false);
    Application->Restore();
    if (frmActions->CheckBox2->Checked())
        ShowMsg();
    if (frmActions->CheckBox3->Checked())
        ExecuteProg();
    if (frmActions->CheckBox1->Checked()) {
        if (frmActions->RadioButton1->Checked())
            Alarm();
        if (frmActions->RadioButton2->Checked())
            PlaySoundFile();
    }
    if (frmActions->CheckBox7->Checked())
        launchURL();
    if (frmActions->CheckBox4->Checked()) {
        // Once the user has closed the program the run still finishes, but a forced power-off,
        // restart or log-off would now close the user's other programs without asking.
        const std::uint32_t flags = shutdownFlags(frmActions->RadioGroup1->ItemIndex());
        if (flags != 0 && !Application->Terminated())
            m_shutdown(flags);
    }
    if (frmActions->CheckBox6->Checked())
        m_engine->RestartLoop();
}

void TForm1::ShowMsg() {
    frmMsg->RichEdit1->SetText(frmActions->Memo1->Text());
    frmMsg->Show();
    Application->ProcessMessages();
}

void TForm1::ExecuteProg() {
    m_shell->Open(frmActions->Edit1->Text());
}

void TForm1::Alarm() {
    for (int play = 0; play < 5; ++play) {
        sound().PlayBuiltIn();
        Application->ProcessMessages();
        Delay(1000);
    }
}

platform::SoundPlayer& TForm1::sound() {
    return m_sound ? *m_sound : platform::SoundPlayer::Shared();
}

void TForm1::PlaySoundFile() {
    sound().PlayNamed(frmActions->Edit3->Text());
}

void TForm1::launchURL() {
    m_shell->Open(frmActions->Edit2->Text());
}

void Delay(int ms) {
    platform::TickCounter& counter = delayCounter();
    const std::uint32_t start = counter.Now();
    // Compared as signed first: a negative wait would be a huge one as unsigned.
    if (ms <= 0)
        return;
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    for (;;) {
        // Unsigned difference: a wrap of the counter during the wait does not disturb it.
        const std::uint32_t elapsed = platform::TickCounter::Elapsed(start, counter.Now());
        if (elapsed >= std::uint32_t(ms))
            return;
        // Sleep until the next event or the end of the wait, whichever comes first.
        wake.start(int(std::uint32_t(ms) - elapsed));
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
}

void SetDelayCounter(platform::TickCounter* counter) {
    g_delayCounter = counter;
}

// ---- seams -----------------------------------------------------------------------------------

void TForm1::SetLocaleFormats(std::unique_ptr<platform::LocaleFormats> formats) {
    if (formats)
        m_localeFormats = std::move(formats);
}

void TForm1::SetClock(std::function<QDateTime()> now) {
    if (now)
        m_now = std::move(now);
}

void TForm1::SetShell(std::unique_ptr<platform::Shell> shell) {
    if (shell)
        m_shell = std::move(shell);
}

void TForm1::SetSoundPlayer(platform::SoundPlayer* player) {
    m_sound = player;
}

void TForm1::SetShutdown(std::function<bool(std::uint32_t)> request) {
    m_shutdown = request ? std::move(request) : ShutdownWindows;
}
