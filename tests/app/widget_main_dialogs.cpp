// The main window with its dialogs: "Set timer" takes the three values only on OK, "Set Actions"
// rewrites the summary line from the ticked boxes, and both restore the bar before opening; the
// status line keeps the hint only while the pointer is still on the button.
#include "app/General.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/Unit3.h"
#include "toolkit/Application.h"

#include <QCursor>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

class DialogsTest : public testing::Test {
protected:
    void SetUp() override {
        Application->CreateForm(Form1);
        Application->CreateForm(frmActions);
        Application->CreateForm(frmSetTime);
        Form1->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1));
    }
    void TearDown() override {
        QCursor::setPos(3000, 3000);
        TMouseNotify::UpdateTracker();
        delete frmSetTime;
        frmSetTime = nullptr;
        delete frmActions;
        frmActions = nullptr;
        delete Form1;
    }
    // Runs `inside` once the dialog's own loop is running.
    static void whenOpen(TForm* dialog, std::function<void()> inside) {
        auto* poll = new QTimer;
        poll->setInterval(5);
        QObject::connect(poll, &QTimer::timeout, [poll, dialog, inside] {
            if (!dialog->Modal())
                return;
            poll->stop();
            poll->deleteLater();
            inside();
        });
        poll->start();
    }
};

} // namespace

TEST_F(DialogsTest, SetTimerTakesTheValuesOnlyOnOk) {
    Form1->Engine().SetTime(0, 0, 42);
    whenOpen(frmSetTime, [] {
        frmSetTime->UpDown3->SetPosition(5);
        frmSetTime->UpDown1->SetPosition(6);
        frmSetTime->UpDown2->SetPosition(7);
        frmSetTime->Close();
    });
    Form1->HoverImage2Click(Form1->HoverImage2);
    EXPECT_EQ(Form1->Engine().state().TotalSeconds, 42);

    whenOpen(frmSetTime, [] {
        frmSetTime->UpDown3->SetPosition(1);
        frmSetTime->UpDown1->SetPosition(2);
        frmSetTime->UpDown2->SetPosition(3);
        frmSetTime->SetModalResult(1);
    });
    Form1->HoverImage2Click(Form1->HoverImage2);
    const engine::TimerState& s = Form1->Engine().state();
    EXPECT_EQ(s.TotalSeconds, 3723);
    EXPECT_EQ(s.Hours, 1);
    EXPECT_EQ(s.Minutes, 2);
    EXPECT_EQ(s.Seconds, 3);
}

TEST_F(DialogsTest, SummaryLineFollowsTheTickedBoxesInItsOwnOrder) {
    struct Case {
        bool alarm, message, execute, shutdown, url, loop;
        const char* expected;
    };
    const Case cases[] = {
        {false, false, false, false, false, false, "Action: "},
        {false, false, false, false, false, true, "Action: "},
        {true, false, false, false, false, false, "Action: alarm; "},
        {false, true, false, true, false, false, "Action: message; shutdown; "},
        {true, true, true, true, true, true, "Action: alarm; message; execute; shutdown; URL; "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        whenOpen(frmActions, [&] {
            frmActions->CheckBox1->SetChecked(c.alarm);
            frmActions->CheckBox2->SetChecked(c.message);
            frmActions->CheckBox3->SetChecked(c.execute);
            frmActions->CheckBox4->SetChecked(c.shutdown);
            frmActions->CheckBox7->SetChecked(c.url);
            frmActions->CheckBox6->SetChecked(c.loop);
            frmActions->Close();
        });
        Form1->HoverImage1Click(Form1->HoverImage1);
        EXPECT_EQ(Form1->Label4->Caption(), c.expected);
    }
}

TEST_F(DialogsTest, AClickOnADialogButtonRestoresTheBarBeforeTheDialogOpens) {
    struct Case {
        THoverImage* TForm1::*button;
        int index;
        TForm* dialog;
    };
    const Case cases[] = {{&TForm1::HoverImage2, 4, frmSetTime},
                          {&TForm1::HoverImage1, 2, frmActions}};
    for (const Case& c : cases) {
        THoverImage* b = Form1->*c.button;
        SCOPED_TRACE(b->Hint().toStdString());
        QCursor::setPos(b->mapToGlobal(b->rect().center()));
        TMouseNotify::UpdateTracker();
        PaintImageRed(Form1->HoverImage3);
        bool normalWhileOpen = false;
        QString statusWhileOpen;
        bool pointerOnDialog = false;
        whenOpen(c.dialog, [&] {
            normalWhileOpen =
                b->Picture()->Bitmap()->image() == Form1->ImageList2->image(c.index) &&
                Form1->HoverImage3->Picture()->Bitmap()->image() == Form1->ImageList2->image(3);
            statusWhileOpen = Form1->Label6->Caption();
            pointerOnDialog = c.dialog->geometry().contains(QCursor::pos());
            c.dialog->Close();
        });
        QTest::mouseClick(b->window()->windowHandle(), Qt::LeftButton, {},
                          b->mapTo(b->window(), b->rect().center()));
        EXPECT_TRUE(normalWhileOpen);
        // The hint stays while the pointer is on the button; a dialog opened over the pointer
        // means the pointer has left it.
        EXPECT_EQ(statusWhileOpen, pointerOnDialog ? QString() : b->Hint());
        QTest::qWait(600);
    }
}
