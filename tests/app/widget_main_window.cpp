// The main window: hover feedback of the command bar row by row, the status line, clicks and
// presses on the buttons, the digits drawn by DrawTime, the clock line and the window's shape.
#include "app/General.h"
#include "app/Maker.h"
#include "app/Unit1.h"
#include "platform/LocaleFormats.h"
#include "platform/Shell.h"
#include "support/Wait.h"
#include "toolkit/Application.h"

#include <QCursor>
#include <QFontMetrics>
#include <QStyleHints>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

QPoint centre(QWidget* w) {
    return w->mapToGlobal(w->rect().center());
}

void pointTo(QPoint global) {
    QCursor::setPos(global);
    TMouseNotify::UpdateTracker();
}
void pointTo(QWidget* w) {
    pointTo(centre(w));
}

QWindow* window(QWidget* w) {
    return w->window()->windowHandle();
}
QPoint inWindow(QWidget* w) {
    return w->mapTo(w->window(), w->rect().center());
}

void settleDoubleClickInterval() {
    QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
}

// A picture lit by the red recolouring: nothing but black and pure red, some red.
bool lit(THoverImage* b) {
    const QImage& img = b->Picture()->Bitmap()->image();
    bool anyRed = false;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y) & 0xFFFFFF;
            if (p == 0xFF0000)
                anyRed = true;
            else if (p != 0)
                return false;
        }
    return anyRed;
}

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        Application->CreateForm(Form1);
        f = Form1;
        f->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(f));
        // Somewhere on the window that is no component with hover feedback.
        pointTo(f->mapToGlobal(QPoint(8, 200)));
    }
    void TearDown() override {
        pointTo({3000, 3000});
        delete f;
    }

    // The picture a command button has when it is not lit.
    bool normal(THoverImage* b, int index) {
        return b->Picture()->Bitmap()->image() == f->ImageList2->image(index);
    }

    TForm1* f = nullptr;
};

struct Row {
    const char* name;
    THoverImage* TForm1::*button;
    const char* hint;
    int index;
    bool enterRestoresAll; // entering first gives every button its normal picture
    bool leaveRestoresAll; // leaving gives all eight their normal picture, not just itself
};

const Row kRows[] = {
    {"HoverImage4", &TForm1::HoverImage4, "Increase time", 0, true, true},
    {"HoverImage5", &TForm1::HoverImage5, "Decrease time", 1, true, true},
    {"HoverImage1", &TForm1::HoverImage1, "Set Actions", 2, true, true},
    {"HoverImage2", &TForm1::HoverImage2, "Set timer", 4, false, false},
    {"HoverImage6", &TForm1::HoverImage6, "Start timer", 5, true, false},
    {"HoverImage7", &TForm1::HoverImage7, "Pause timer", 6, true, false},
    {"HoverImage8", &TForm1::HoverImage8, "Stop and reset timer", 7, true, false},
    {"HoverImage3", &TForm1::HoverImage3, "Stopwatch", 3, false, false},
};

} // namespace

TEST_F(MainWindowTest, StartsWithNormalButtonsEmptyStatusAndTheLayoutTexts) {
    for (const Row& r : kRows)
        EXPECT_TRUE(normal(f->*r.button, r.index)) << r.name;
    EXPECT_EQ(f->Label6->Caption(), "");
    EXPECT_EQ(f->Label4->Caption(), "Action: alarm");
    EXPECT_EQ(f->Label1->Caption(), "12:00");
    EXPECT_FALSE(f->Timer1->Enabled());
    EXPECT_TRUE(f->Timer2->Enabled());
    EXPECT_EQ(f->Label2->Caption(), kMakerAddress);
    EXPECT_TRUE(QString(kMakerAddress).startsWith("https://"));
    EXPECT_EQ(QString(kProductPage), QString(kMakerAddress) + "/software/tavorine.htm");
    // The stand-in fonts give the layout's own text widths.
    EXPECT_EQ(f->Label1->width(), 55);
    EXPECT_EQ(f->Label7->width(), 77);
    // The address fits its label at the layout's font.
    EXPECT_LE(QFontMetrics(f->Label2->font()).horizontalAdvance(f->Label2->Caption()), 194);
}

TEST_F(MainWindowTest, HoverTableRowByRow) {
    for (const Row& r : kRows) {
        SCOPED_TRACE(r.name);
        THoverImage* b = f->*r.button;
        // Another button left red, as "Set timer" and "Stopwatch" can leave one.
        THoverImage* other = (b == f->HoverImage8) ? f->HoverImage7 : f->HoverImage8;
        const int otherIndex = (b == f->HoverImage8) ? 6 : 7;
        PaintImageRed(other);

        pointTo(b);
        EXPECT_TRUE(lit(b));
        EXPECT_EQ(f->Label6->Caption(), r.hint);
        EXPECT_EQ(normal(other, otherIndex), r.enterRestoresAll);
        EXPECT_EQ(lit(other), !r.enterRestoresAll);

        pointTo(f->mapToGlobal(QPoint(8, 200)));
        EXPECT_EQ(f->Label6->Caption(), "");
        EXPECT_TRUE(normal(b, r.index));
        EXPECT_EQ(normal(other, otherIndex), r.enterRestoresAll || r.leaveRestoresAll);

        f->resetAll();
    }
}

TEST_F(MainWindowTest, EnteringALitButtonKeepsItLit) {
    PaintImageRed(f->HoverImage2);
    pointTo(f->HoverImage2);
    EXPECT_TRUE(lit(f->HoverImage2));
}

TEST_F(MainWindowTest, StatusLineNamesTheButtonUnderThePointerNeverTheOneLeft) {
    // Straight along the bar, button to button, both ways.
    std::vector<const Row*> order;
    for (const Row& r : kRows)
        order.push_back(&r);
    std::sort(order.begin(), order.end(), [&](const Row* a, const Row* b) {
        return (f->*a->button)->x() < (f->*b->button)->x();
    });
    for (int pass = 0; pass < 2; ++pass) {
        for (const Row* r : order) {
            pointTo(f->*r->button);
            EXPECT_EQ(f->Label6->Caption(), r->hint);
            EXPECT_TRUE(lit(f->*r->button)) << r->name;
        }
        std::reverse(order.begin(), order.end());
    }
}

TEST_F(MainWindowTest, WindowGlyphsAndTheLinkLeaveTheStatusLineAlone) {
    pointTo(f->HoverImage3); // lights "Stopwatch" and names it
    const QImage close = f->HoverImage9->Picture()->Bitmap()->image();
    const QImage minimise = f->HoverImage10->Picture()->Bitmap()->image();
    struct Glyph {
        THoverImage* b;
        QImage original;
    };
    for (const Glyph& g : {Glyph{f->HoverImage9, close}, Glyph{f->HoverImage10, minimise}}) {
        SCOPED_TRACE(g.b->objectName().toStdString());
        pointTo(g.b);
        const QImage& now = g.b->Picture()->Bitmap()->image();
        EXPECT_NE(now, g.original);
        for (int y = 0; y < now.height(); ++y)
            for (int x = 0; x < now.width(); ++x) {
                const QRgb was = g.original.pixel(x, y) & 0xFFFFFF;
                ASSERT_EQ(now.pixel(x, y) & 0xFFFFFF, was == 0 ? 0xFF0000u : was);
            }
        EXPECT_EQ(f->Label6->Caption(), ""); // the leave of "Stopwatch" cleared it; nothing set it
        pointTo(f->mapToGlobal(QPoint(8, 200)));
        EXPECT_EQ(g.b->Picture()->Bitmap()->image(), g.original);
    }

    PaintImageRed(f->HoverImage8);
    pointTo(f->Label2);
    EXPECT_EQ(f->Label2->FontColor(), 131579u);
    EXPECT_TRUE(normal(f->HoverImage8, 7)); // the link restores the bar too
    PaintImageRed(f->HoverImage8);
    pointTo(f->mapToGlobal(QPoint(8, 200)));
    EXPECT_EQ(f->Label2->FontColor(), 6447714u);
    EXPECT_TRUE(normal(f->HoverImage8, 7));
}

TEST_F(MainWindowTest, ClicksOnStartAndPauseRestoreTheButtonButTheHintStays) {
    f->Engine().SetTime(0, 0, 30);
    struct Case {
        THoverImage* TForm1::*button;
        int index;
        bool restored;
        bool runningAfter;
    };
    const Case cases[] = {{&TForm1::HoverImage6, 5, true, true},
                          {&TForm1::HoverImage7, 6, true, false},
                          {&TForm1::HoverImage3, 3, false, true},
                          {&TForm1::HoverImage8, 7, false, false}};
    for (const Case& c : cases) {
        THoverImage* b = f->*c.button;
        SCOPED_TRACE(b->Hint().toStdString());
        f->Engine().SetTime(0, 0, 30);
        pointTo(b);
        ASSERT_TRUE(lit(b));
        QTest::mouseClick(window(b), Qt::LeftButton, {}, inWindow(b));
        TMouseNotify::UpdateTracker();
        EXPECT_EQ(normal(b, c.index), c.restored);
        EXPECT_EQ(lit(b), !c.restored);
        EXPECT_EQ(f->Label6->Caption(), b->Hint());
        EXPECT_EQ(f->Timer1->Enabled(), c.runningAfter);
        settleDoubleClickInterval();
    }
}

TEST_F(MainWindowTest, IncreaseAndDecreaseActOnEveryPressOfEitherButton) {
    struct Step {
        THoverImage* TForm1::*button;
        Qt::MouseButton mouse;
        bool doubleClick;
        int expected;
    };
    const Step steps[] = {
        {&TForm1::HoverImage4, Qt::LeftButton, false, 60},
        {&TForm1::HoverImage4, Qt::LeftButton, true, 180}, // both presses count
        {&TForm1::HoverImage4, Qt::RightButton, false, 3780},
        {&TForm1::HoverImage4, Qt::MiddleButton, false, 3780},
        {&TForm1::HoverImage5, Qt::MiddleButton, false, 3780},
        {&TForm1::HoverImage5, Qt::RightButton, false, 180},
        {&TForm1::HoverImage5, Qt::LeftButton, true, 60},
    };
    for (const Step& s : steps) {
        THoverImage* b = f->*s.button;
        SCOPED_TRACE(testing::Message() << b->Hint().toStdString() << " " << s.mouse);
        if (s.doubleClick)
            QTest::mouseDClick(window(b), s.mouse, {}, inWindow(b));
        else
            QTest::mouseClick(window(b), s.mouse, {}, inWindow(b));
        EXPECT_EQ(f->Engine().state().TotalSeconds, s.expected);
        settleDoubleClickInterval();
    }
}

TEST_F(MainWindowTest, DoubleClickRunsAClickCommandOnce) {
    // A second start would store the value left as the loop's start value.
    f->Engine().SetTime(0, 1, 0);
    QTest::mouseDClick(window(f->HoverImage6), Qt::LeftButton, {}, inWindow(f->HoverImage6));
    EXPECT_TRUE(f->Timer1->Enabled());
    EXPECT_EQ(f->Engine().state().LoopSeconds, 60);
}

TEST_F(MainWindowTest, DrawTimeShowsTheListImagesAtTheirPlaces) {
    struct Case {
        int hours, minutes, seconds;
        const char* large; // six digits: hours, minutes, seconds as drawn
        const char* count;
    };
    const Case cases[] = {
        {0, 0, 0, "000000", "000000"},
        {1, 2, 3, "010203", "003723"},
        {99, 59, 59, "995959", "359999"},
        {100, 0, 0, "100000", "360000"}, // the stopwatch at 100 hours: leading digits
    };
    const int largeX[] = {0, 40, 91, 131, 182, 222};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        f->Engine().SetTime(std::uint16_t(c.hours), std::uint16_t(c.minutes),
                            std::uint16_t(c.seconds));
        f->DrawTime();
        const QImage big = f->PaintBox1->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage small =
            f->ptBoxTotTracks->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (int i = 0; i < 6; ++i) {
            const int d = c.large[i] - '0';
            EXPECT_EQ(big.copy(largeX[i], 0, 40, 74), f->ImageList3->image(d)) << "large " << i;
            const int s = c.count[i] - '0';
            EXPECT_EQ(small.copy(i * 16, 0, 13, 22), f->ImageList1->image(s)) << "small " << i;
        }
        // The colons show their first eleven columns, where the dots are.
        for (int x : {80, 171})
            EXPECT_EQ(big.copy(x, 0, 11, 74), f->ImageList3->image(10).copy(0, 0, 11, 74));
    }
}

TEST_F(MainWindowTest, ShapeIsTheRoundedRegionOfTheBackground) {
    const QRegion mask = f->mask();
    EXPECT_EQ(mask, TForm::RoundRectRegion(QRect(0, 0, 351, 347), 60, 60));
    EXPECT_EQ(mask.boundingRect(), QRect(0, 0, 350, 346));
    EXPECT_TRUE(mask.contains(QPoint(25, 0)));
    EXPECT_FALSE(mask.contains(QPoint(24, 0)));
    EXPECT_TRUE(mask.contains(QPoint(324, 0)));
    EXPECT_FALSE(mask.contains(QPoint(325, 0)));
    EXPECT_TRUE(mask.contains(QPoint(0, 25)));
    EXPECT_FALSE(mask.contains(QPoint(0, 24)));
    EXPECT_TRUE(mask.contains(QPoint(349, 173)));
    EXPECT_FALSE(mask.contains(QPoint(350, 173)));
    EXPECT_FALSE(mask.contains(QPoint(175, 346)));
}

namespace {

struct FakeLocale : platform::LocaleFormats {
    platform::LocaleData data;
    platform::LocaleData Read() const override { return data; }
};

struct RecordingShell : platform::Shell {
    std::vector<QString>* opened;
    bool Open(const QString& what) override {
        opened->push_back(what);
        return false; // a failure changes nothing
    }
};

} // namespace

TEST_F(MainWindowTest, ClockLineFromTheLocaleFormatsAlwaysOnTheTwelveHourClock) {
    struct Case {
        bool read;
        const char* date;
        const char* time;
        const char* expected;
    };
    const Case cases[] = {
        {false, "", "", "09 Dec 25 02:52:07 pm"}, // formats not read: the fallback pair
        {true, "MM/dd/yyyy", "hh:mm:ss tt", "12/09/2025 02:52:07 pm"},
        {true, "dd.MM.yyyy", "HH:mm:ss", "09.12.2025 02:52:07 pm"},
        {true, "dd/MM/yy", "tt h:mm:ss", "09/12/25 2:52:07 pm"},
        {true, "yyyy-MM-dd", " \th:mm:ss ", "2025-12-09 2:52:07 pm"},
    };
    f->SetClock([] { return QDateTime(QDate(2025, 12, 9), QTime(14, 52, 7)); });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        auto locale = std::make_unique<FakeLocale>();
        locale->data.formatsRead = c.read;
        locale->data.shortDateFormat = c.date;
        locale->data.timeFormat = c.time;
        f->SetLocaleFormats(std::move(locale));
        f->Timer2Timer(f->Timer2);
        EXPECT_EQ(f->Label1->Caption(), c.expected);
    }
}

TEST_F(MainWindowTest, ClockLineReplacesItsLayoutTextWithinASecond) {
    EXPECT_EQ(f->Label1->Caption(), "12:00");
    EXPECT_TRUE(testsupport::waitUntil([&] { return f->Label1->Caption() != "12:00"; }, 3000));
    EXPECT_TRUE(f->Label1->Caption().endsWith("am") || f->Label1->Caption().endsWith("pm"));
    // The label grows with its text.
    EXPECT_GT(f->Label1->width(), 55);
}

TEST_F(MainWindowTest, LinkOpensTheMakersAddress) {
    std::vector<QString> opened;
    auto shell = std::make_unique<RecordingShell>();
    shell->opened = &opened;
    f->SetShell(std::move(shell));
    QTest::mouseClick(window(f->Label2), Qt::LeftButton, {}, inWindow(f->Label2));
    EXPECT_EQ(opened, std::vector<QString>{kMakerAddress});
    // A press on the link or the panel does not move the window.
    const QPoint before = f->pos();
    QTest::mousePress(window(f->Label2), Qt::LeftButton, {}, inWindow(f->Label2));
    EXPECT_FALSE(f->Moving());
    QTest::mouseRelease(window(f->Label2), Qt::LeftButton, {}, inWindow(f->Label2));
    EXPECT_EQ(f->pos(), before);
}

TEST(PaintImageRed, EveryNonBlackPixelTurnsPureRedAndBlackStays) {
    QWidget parent;
    THoverImage b(&parent, "B");
    QImage img(4, 1, QImage::Format_RGB32);
    img.setPixel(0, 0, qRgb(0, 0, 0));
    img.setPixel(1, 0, qRgb(1, 1, 1));
    img.setPixel(2, 0, qRgb(169, 169, 169));
    img.setPixel(3, 0, qRgb(255, 0, 0));
    b.Picture()->SetImage(img);
    PaintImageRed(&b);
    const QImage once = b.Picture()->Bitmap()->image();
    EXPECT_EQ(once.pixel(0, 0) & 0xFFFFFF, 0u);
    for (int x = 1; x < 4; ++x)
        EXPECT_EQ(once.pixel(x, 0) & 0xFFFFFF, 0xFF0000u);
    PaintImageRed(&b);
    EXPECT_EQ(b.Picture()->Bitmap()->image(), once);
    // An empty picture stays empty; no picture at all is no fault.
    THoverImage empty(&parent, "Empty");
    PaintImageRed(&empty);
    EXPECT_TRUE(empty.Picture()->Bitmap()->Empty());
    PaintImageRed(nullptr);
}

TEST_F(MainWindowTest, MakeRedBlackTurnsOnlyPureRedBack) {
    QImage img(3, 1, QImage::Format_RGB32);
    img.setPixel(0, 0, qRgb(255, 0, 0));
    img.setPixel(1, 0, qRgb(254, 0, 0));
    img.setPixel(2, 0, qRgb(0, 0, 0));
    f->HoverImage9->Picture()->SetImage(img);
    f->MakeRedBlack(f->HoverImage9);
    const QImage& now = f->HoverImage9->Picture()->Bitmap()->image();
    EXPECT_EQ(now.pixel(0, 0) & 0xFFFFFF, 0u);
    EXPECT_EQ(now.pixel(1, 0) & 0xFFFFFF, 0xFE0000u);
    f->MakeBlackRed(f->HoverImage9);
    EXPECT_EQ(now.pixel(0, 0) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(now.pixel(2, 0) & 0xFFFFFF, 0xFF0000u);
}

TEST_F(MainWindowTest, StatusLineClearsWhenThePointerGoesFromAButtonIntoADialogItOpened) {
    // As "Set timer" does: the click restores the bar and a modal dialog opens over the window;
    // the pointer then leaves the button for the dialog, and the main window is blocked.
    TForm dialog("Dialog", "Dialog", 200, 100, poMainFormCenter);
    auto* inside = new THoverImage(&dialog, "Inside");
    inside->SetBounds(0, 0, 200, 100);
    pointTo(f->HoverImage2);
    ASSERT_EQ(f->Label6->Caption(), "Set timer");
    QString whileOpen;
    bool buttonNormal = false;
    QTimer::singleShot(0, [&] {
        pointTo(inside);
        whileOpen = f->Label6->Caption();
        buttonNormal = normal(f->HoverImage2, 4);
        dialog.SetModalResult(2);
    });
    f->resetAll();
    dialog.ShowModal();
    EXPECT_EQ(whileOpen, "");
    EXPECT_TRUE(buttonNormal);
}
