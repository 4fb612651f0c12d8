// Skinned windows: the rounded shape row by row, placement on the first show, the modal loop
// and its results, the move loop with screen snap.
#include "support/Wait.h"
#include "toolkit/Application.h"
#include "toolkit/TForm.h"
#include "toolkit/TImage.h"
#include "toolkit/TTimer.h"

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct MainWindow : TForm {
    MainWindow()
        : TForm("Main", "Main", 351, 347, poScreenCenter) {}
};

// The left inset of each top row of a 60 x 60 corner; the rows below have none.
const int kInsets[] = {25, 21, 18, 16, 14, 13, 12, 10, 9, 8, 7, 7, 6,
                       5,  4,  4,  3,  3,  2,  2,  2,  1, 1, 1, 1};

int expectedInset(int row, int height) {
    const int fromEdge = std::min(row, height - 1 - row);
    return fromEdge < int(std::size(kInsets)) ? kInsets[fromEdge] : 0;
}

// Input as the window system delivers it, so that modal blocking applies.
QWindow* windowOf(QWidget* w) {
    return w->window()->windowHandle();
}
QPoint inWindow(QWidget* w, QPoint local) {
    return w->mapTo(w->window(), local);
}
void click(QWidget* w, QPoint local) {
    QTest::mouseClick(windowOf(w), Qt::LeftButton, {}, inWindow(w, local));
}

// The form made by CreateForm is the main form for the test, and goes with it.
class FormTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(Application->MainForm(), nullptr);
        Application->CreateForm(main);
    }
    void TearDown() override {
        delete main;
        EXPECT_EQ(Application->MainForm(), nullptr);
    }
    MainWindow* main = nullptr;
};

} // namespace

TEST(RoundRegion, RowsMatchTheCornerInsets) {
    struct Case {
        int width, height;
    };
    for (const Case c : {Case{351, 347}, Case{350, 474}, Case{351, 227}, Case{599, 101}}) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        const QRegion r = TForm::RoundRectRegion(QRect(0, 0, c.width, c.height), 60, 60);
        // Right and bottom edges are outside.
        EXPECT_EQ(r.boundingRect(), QRect(0, 0, c.width - 1, c.height - 1));
        const int w = c.width - 1;
        const int h = c.height - 1;
        for (int y = 0; y < h; ++y) {
            const int in = expectedInset(y, h);
            ASSERT_TRUE(r.contains(QPoint(in, y))) << "row " << y;
            ASSERT_TRUE(r.contains(QPoint(w - 1 - in, y))) << "row " << y;
            if (in > 0) {
                ASSERT_FALSE(r.contains(QPoint(in - 1, y))) << "row " << y;
                ASSERT_FALSE(r.contains(QPoint(w - in, y))) << "row " << y;
            }
        }
    }
}

TEST(RoundRegion, DegenerateSizesGiveSafeShapes) {
    EXPECT_TRUE(TForm::RoundRectRegion(QRect(0, 0, 1, 1), 60, 60).isEmpty());
    EXPECT_TRUE(TForm::RoundRectRegion(QRect(0, 0, 0, 50), 60, 60).isEmpty());
    // A corner larger than the window is cut down to it; a tiny one gives a plain rectangle.
    EXPECT_EQ(TForm::RoundRectRegion(QRect(0, 0, 20, 20), 1, 1), QRegion(0, 0, 19, 19));
    const QRegion big = TForm::RoundRectRegion(QRect(0, 0, 20, 20), 600, 600);
    EXPECT_EQ(big.boundingRect(), QRect(0, 0, 19, 19));
    EXPECT_FALSE(big.contains(QPoint(0, 0)));
}

TEST_F(FormTest, MainFormIsCentredOnTheScreenOnItsFirstShowOnly) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    main->Show();
    EXPECT_EQ(main->pos(), QPoint(screen.x() + (screen.width() - 351) / 2,
                                  screen.y() + (screen.height() - 347) / 2));
    main->move(13, 17);
    main->hide();
    main->Show();
    EXPECT_EQ(main->pos(), QPoint(13, 17));
}

TEST_F(FormTest, DialogIsCentredOverTheMainWindowAsItStands) {
    main->Show();
    main->move(101, 57);
    TForm dialog("Dialog", "Dialog", 350, 474, poMainFormCenter);
    dialog.Show();
    // Integer division truncating toward zero: (347 - 474) / 2 is -63.
    EXPECT_EQ(dialog.pos(), QPoint(101 + (351 - 350) / 2, 57 + (347 - 474) / 2));
}

TEST_F(FormTest, ModalResultRules) {
    main->Show();
    TForm dialog("Dialog", "Dialog", 200, 100, poMainFormCenter);
    struct Case {
        const char* what;
        std::function<void()> handler;
        int expected;
    };
    const Case cases[] = {
        {"close", [&] { dialog.Close(); }, 2},
        {"result", [&] { dialog.SetModalResult(1); }, 1},
        // OK's handler closes first and then sets its result: the result standing when the
        // handler returns is the one that counts.
        {"close then result",
         [&] {
             dialog.Close();
             dialog.SetModalResult(1);
         },
         1},
        {"result then close",
         [&] {
             dialog.SetModalResult(1);
             dialog.Close();
         },
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dialog.SetModalResult(7); // left over from before: every show starts at 0
        int seenAtStart = -1;
        QTimer::singleShot(0, [&] {
            seenAtStart = dialog.ModalResult();
            c.handler();
        });
        EXPECT_EQ(dialog.ShowModal(), c.expected);
        EXPECT_EQ(seenAtStart, 0);
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST_F(FormTest, ModalDialogEndsOnlyAfterTheHandlerReturns) {
    main->Show();
    TForm dialog("Dialog", "Dialog", 200, 100, poMainFormCenter);
    bool stillModalAfterEvents = false;
    QTimer::singleShot(0, [&] {
        dialog.Close();
        // Events handled inside the handler do not end the dialog under its feet.
        testsupport::runEventsFor(30);
        stillModalAfterEvents = dialog.Modal() && dialog.isVisible();
    });
    EXPECT_EQ(dialog.ShowModal(), 2);
    EXPECT_TRUE(stillModalAfterEvents);
}

TEST_F(FormTest, EnterAndEscapeEndNoDialog) {
    main->Show();
    TForm dialog("Dialog", "Dialog", 200, 100, poMainFormCenter);
    auto* edit = new QLineEdit(&dialog);
    edit->setGeometry(10, 10, 100, 20);
    bool openAfterKeys = false;
    QTimer::singleShot(0, [&] {
        QTest::keyClick(&dialog, Qt::Key_Return);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QTest::keyClick(edit, Qt::Key_Enter);
        testsupport::runEventsFor(20);
        openAfterKeys = dialog.Modal();
        dialog.SetModalResult(1);
    });
    EXPECT_EQ(dialog.ShowModal(), 1);
    EXPECT_TRUE(openAfterKeys);
}

TEST_F(FormTest, FirstControlInTabOrderTakesTheFocusWithItsTextSelected) {
    main->Show();
    TForm dialog("Dialog", "Dialog", 200, 100, poMainFormCenter);
    auto* first = new QLineEdit("00", &dialog);
    auto* second = new QLineEdit("59", &dialog);
    second->setGeometry(10, 40, 100, 20);
    first->setGeometry(10, 10, 100, 20);
    QWidget::setTabOrder(first, second);
    QWidget* focused = nullptr;
    QString selected;
    QTimer::singleShot(0, [&] {
        testsupport::waitUntil([&] { return QApplication::focusWidget() != nullptr; }, 2000);
        focused = QApplication::focusWidget();
        selected = first->selectedText();
        dialog.SetModalResult(2);
    });
    dialog.ShowModal();
    EXPECT_EQ(focused, first);
    EXPECT_EQ(selected, "00");
}

TEST_F(FormTest, MainWindowTakesNoClicksDuringAModalDialogButItsTimersAndAMessageWindowWork) {
    main->Show();
    auto* button = new TImage(main, "Button");
    button->SetBounds(10, 10, 40, 40);
    button->show();
    int mainClicks = 0;
    button->OnClick = [&](QObject*) {
        ++mainClicks;
    };
    TTimer ticker(main);
    ticker.SetInterval(20);
    int ticks = 0;
    ticker.OnTimer = [&](QObject*) {
        ++ticks;
    };

    TForm dialog("Dialog", "Dialog", 200, 100, poMainFormCenter);
    TForm message("Message", "Message", 200, 60, poMainFormCenter);
    auto* messageButton = new TImage(&message, "MessageButton");
    messageButton->SetBounds(0, 0, 200, 60);
    int messageClicks = 0;
    messageButton->OnClick = [&](QObject*) {
        ++messageClicks;
    };

    QTimer::singleShot(0, [&] {
        click(button, QPoint(20, 20));
        message.Show();
        click(messageButton, QPoint(20, 20));
        const int before = ticks;
        testsupport::waitUntil([&] { return ticks >= before + 3; }, 3000);
        dialog.SetModalResult(1);
    });
    dialog.ShowModal();
    EXPECT_EQ(mainClicks, 0);
    EXPECT_EQ(messageClicks, 1);
    EXPECT_GE(ticks, 3);
    // Afterwards the main window is usable again.
    click(button, QPoint(20, 20));
    EXPECT_EQ(mainClicks, 1);
}

TEST_F(FormTest, MoveFollowsThePointerAndSnapsToTheScreenEdge) {
    main->SetScreenSnap(true);
    auto* handle = new TImage(main, "Handle");
    handle->SetBounds(0, 0, 351, 347);
    handle->OnMouseDown = [&](QObject*, TMouseButton, TShiftState, int, int) {
        main->StartMove();
    };
    main->Show();
    main->move(200, 150);
    const QRect avail = main->screen()->availableGeometry();

    std::vector<QPoint> seen;
    // Grab at (50, 50) of the window; move by (+30, +20); then to 6 px from the left edge.
    QTimer::singleShot(0, [&] {
        QTest::mouseMove(windowOf(main), QPoint(80, 70));
        testsupport::waitUntil([&] { return main->pos() == QPoint(230, 170); }, 1000);
        seen.push_back(main->pos());
        QTest::mouseMove(windowOf(main), main->mapFromGlobal(QPoint(avail.x() + 6 + 50, 300)));
        testsupport::waitUntil([&] { return main->pos().x() == avail.x(); }, 1000);
        seen.push_back(main->pos());
        QTest::mouseRelease(windowOf(main), Qt::LeftButton, {}, QPoint(50, 50));
    });
    // The move keeps the pointer's grip on the window, taken from where the pointer is.
    QCursor::setPos(main->mapToGlobal(QPoint(50, 50)));
    QTest::mousePress(windowOf(handle), Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_FALSE(main->Moving());
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], QPoint(230, 170));
    EXPECT_EQ(seen[1].x(), avail.x());
}

TEST_F(FormTest, MoveNeedsAButtonHeld) {
    main->Show();
    const QPoint before = main->pos();
    main->StartMove(); // no button is down: returns at once
    EXPECT_FALSE(main->Moving());
    EXPECT_EQ(main->pos(), before);
}
