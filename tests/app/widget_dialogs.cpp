// The three dialogs on their own side: how the set-time dialog ends and what its boxes hold from
// one opening to the next, the actions dialog's first state, enabling rules, browse buttons,
// product page and hover table, the message window's close button and plain text, and placement
// kept after the first centring. Input goes through the window, so modal blocking applies.
#include "app/General.h"
#include "app/Maker.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/Unit3.h"
#include "app/Unit4.h"
#include "platform/Shell.h"
#include "support/Wait.h"
#include "toolkit/Application.h"

#include <QCursor>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

void pointTo(QPoint global) {
    QCursor::setPos(global);
    TMouseNotify::UpdateTracker();
}
void pointTo(QWidget* w) {
    pointTo(w->mapToGlobal(w->rect().center()));
}

void click(QWidget* w, QPoint local) {
    QTest::mouseClick(w->window()->windowHandle(), Qt::LeftButton, {},
                      w->mapTo(w->window(), local));
}
void click(QWidget* w) {
    click(w, w->rect().center());
}
void key(QWidget* focus, Qt::Key k) {
    QTest::keyClick(focus->window()->windowHandle(), k);
}

// Nothing but black and pure red, and some red: the picture as the red recolouring leaves it.
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

bool shows(THoverImage* b, TImageList* list, int index) {
    return b->Picture()->Bitmap()->image() == list->image(index);
}

struct RecordingShell : platform::Shell {
    explicit RecordingShell(QStringList* log)
        : log(log) {}
    bool Open(const QString& what) override {
        *log << what;
        return true;
    }
    QStringList* log;
};

class DialogTest : public testing::Test {
protected:
    void SetUp() override {
        Application->CreateForm(Form1);
        Application->CreateForm(frmActions);
        Application->CreateForm(frmSetTime);
        Application->CreateForm(frmMsg);
        Form1->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1));
    }
    void TearDown() override {
        pointTo({3000, 3000});
        delete frmMsg;
        delete frmSetTime;
        delete frmActions;
        delete Form1;
    }

    // Runs `inside` once the dialog's own loop runs; ShowModal is called after this.
    static void whenOpen(TForm* dialog, std::function<void()> inside) {
        auto* poll = new QTimer;
        poll->setInterval(5);
        QObject::connect(poll, &QTimer::timeout, [poll, dialog, inside] {
            if (!dialog->Modal() || !dialog->isVisible())
                return;
            poll->stop();
            poll->deleteLater();
            inside();
        });
        poll->start();
    }
    // Opens the set-time dialog, does `inside`, ends it by clicking `end`; gives the result.
    static int setTime(std::function<void()> inside, QWidget* end) {
        whenOpen(frmSetTime, [inside, end] {
            inside();
            click(end);
        });
        return frmSetTime->ShowModal();
    }
    static void type(TEdit* box, const QString& text) {
        click(box);
        box->selectAll();
        QTest::keyClicks(box, text);
    }
};

} // namespace

// ---- set-time dialog -------------------------------------------------------------------------

TEST_F(DialogTest, SetTimeEndsWithOneOnlyForOk) {
    struct Case {
        const char* name;
        QWidget* button;
        int result;
    };
    const Case cases[] = {
        {"OK", frmSetTime->HoverImage1, 1},
        {"Cancel", frmSetTime->HoverImage2, 2},
        {"close", frmSetTime->SpeedButton3, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // A result left from before the opening has no effect.
        frmSetTime->SetModalResult(1);
        EXPECT_EQ(setTime([] {}, c.button), c.result);
        EXPECT_FALSE(frmSetTime->isVisible());
    }
}

TEST_F(DialogTest, SetTimeFirstOpeningShowsZerosAndOkGivesThem) {
    QStringList texts;
    EXPECT_EQ(setTime(
                  [&] {
                      texts << frmSetTime->Edit3->Text() << frmSetTime->Edit1->Text()
                            << frmSetTime->Edit2->Text();
                  },
                  frmSetTime->HoverImage1),
              1);
    EXPECT_EQ(texts, (QStringList{"0", "0", "0"}));
    EXPECT_EQ(frmSetTime->UpDown3->Position(), 0);
    EXPECT_EQ(frmSetTime->UpDown1->Position(), 0);
    EXPECT_EQ(frmSetTime->UpDown2->Position(), 0);
}

TEST_F(DialogTest, TypedValuesStayBetweenOpeningsAndOnlyValidOnesCount) {
    QWidget* ok = frmSetTime->HoverImage1;
    QWidget* cancel = frmSetTime->HoverImage2;

    // Minutes set to 5, then Cancel: the next opening shows 5, and OK gives 5.
    EXPECT_EQ(setTime([] { type(frmSetTime->Edit1, "5"); }, cancel), 2);
    QString shown;
    EXPECT_EQ(setTime([&] { shown = frmSetTime->Edit1->Text(); }, ok), 1);
    EXPECT_EQ(shown, "5");
    EXPECT_EQ(frmSetTime->UpDown1->Position(), 5);

    // A typed 75 minutes is out of range: the 5 stays in force, the box keeps the 75.
    EXPECT_EQ(setTime(
                  [] {
                      type(frmSetTime->Edit1, "75");
                      type(frmSetTime->Edit3, "12");
                      type(frmSetTime->Edit2, "59");
                  },
                  ok),
              1);
    EXPECT_EQ(frmSetTime->UpDown3->Position(), 12);
    EXPECT_EQ(frmSetTime->UpDown1->Position(), 5);
    EXPECT_EQ(frmSetTime->UpDown2->Position(), 59);
    EXPECT_EQ(setTime([&] { shown = frmSetTime->Edit1->Text(); }, cancel), 2);
    EXPECT_EQ(shown, "75");
}

TEST_F(DialogTest, SetTimeArrowsStopAtTheEndsOfEachRange) {
    struct Case {
        TUpDown* TfrmSetTime::*upDown;
        TEdit* TfrmSetTime::*edit;
        int max;
    };
    const Case cases[] = {{&TfrmSetTime::UpDown3, &TfrmSetTime::Edit3, 99},
                          {&TfrmSetTime::UpDown1, &TfrmSetTime::Edit1, 59},
                          {&TfrmSetTime::UpDown2, &TfrmSetTime::Edit2, 59}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.max);
        TUpDown* upDown = frmSetTime->*c.upDown;
        TEdit* edit = frmSetTime->*c.edit;
        setTime(
            [&] {
                type(edit, QString::number(c.max - 1));
                click(upDown->UpButton());
                click(upDown->UpButton());
                EXPECT_EQ(edit->Text(), QString::number(c.max));
                click(edit);
                key(edit, Qt::Key_Up);
                EXPECT_EQ(edit->Text(), QString::number(c.max));
                type(edit, "1");
                key(edit, Qt::Key_Down);
                click(upDown->DownButton());
                EXPECT_EQ(edit->Text(), "0");
            },
            frmSetTime->HoverImage1);
        EXPECT_EQ(upDown->Position(), 0);
    }
}

TEST_F(DialogTest, TabGoesHoursMinutesSecondsAndSkipsTheArrows) {
    QStringList order;
    setTime(
        [&] {
            for (int i = 0; i < 4; ++i) {
                order << QApplication::focusWidget()->objectName();
                key(QApplication::focusWidget(), Qt::Key_Tab);
            }
        },
        frmSetTime->HoverImage2);
    EXPECT_EQ(order, (QStringList{"Edit3", "Edit1", "Edit2", "Edit3"}));
}

TEST_F(DialogTest, EnterAndEscapeEndNeitherDialog) {
    for (TForm* dialog : {static_cast<TForm*>(frmSetTime), static_cast<TForm*>(frmActions)}) {
        SCOPED_TRACE(dialog->objectName().toStdString());
        bool stillOpen = false;
        whenOpen(dialog, [&] {
            QWidget* focus = QApplication::focusWidget();
            ASSERT_NE(focus, nullptr);
            for (Qt::Key k : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
                key(focus, k);
            testsupport::runEventsFor(100);
            stillOpen = dialog->isVisible() && dialog->Modal();
            dialog->Close();
        });
        EXPECT_EQ(dialog->ShowModal(), 2);
        EXPECT_TRUE(stillOpen);
    }
}

TEST_F(DialogTest, SetTimeButtonsLightUnderThePointerAndComeBackFromTheList) {
    frmSetTime->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frmSetTime));
    struct Case {
        THoverImage* b;
        int index;
    };
    for (const Case& c : {Case{frmSetTime->HoverImage1, 0}, Case{frmSetTime->HoverImage2, 1}}) {
        SCOPED_TRACE(c.b->objectName().toStdString());
        EXPECT_EQ(c.b->Picture()->Width(), 48) << "the layout picture until the first leave";
        pointTo(c.b);
        EXPECT_TRUE(lit(c.b));
        pointTo(frmSetTime->Image1->mapToGlobal(QPoint(20, 200)));
        EXPECT_TRUE(shows(c.b, frmSetTime->ImageList1, c.index));
        EXPECT_EQ(c.b->Picture()->Width(), 32);
        EXPECT_EQ(c.b->Picture()->Height(), 32);
    }
    frmSetTime->Close();
}

// ---- actions dialog --------------------------------------------------------------------------

TEST_F(DialogTest, ActionsDialogStartsFromTheLayoutValues) {
    TfrmActions* a = frmActions;
    struct Box {
        TCheckBox* box;
        bool ticked;
    };
    for (const Box& b :
         {Box{a->CheckBox1, true}, Box{a->CheckBox2, false}, Box{a->CheckBox3, false},
          Box{a->CheckBox4, false}, Box{a->CheckBox6, false}, Box{a->CheckBox7, false}})
        EXPECT_EQ(b.box->Checked(), b.ticked) << b.box->Caption().toStdString();
    EXPECT_TRUE(a->RadioButton1->Checked());
    EXPECT_FALSE(a->RadioButton2->Checked());
    EXPECT_EQ(a->Memo1->Text(), "Message:");
    EXPECT_FALSE(a->Memo1->Enabled());
    EXPECT_FALSE(a->RadioGroup1->Enabled());
    EXPECT_EQ(a->RadioGroup1->ItemIndex(), 0);
    EXPECT_EQ(a->RadioGroup1->Items(), (QStringList{"Shutdown", "Restart", "Log off"}));
    EXPECT_EQ(a->Edit1->Text(), "");
    EXPECT_EQ(a->Edit2->Text(), kMakerAddress);
    EXPECT_EQ(a->Edit3->Text(), "");
    for (TEdit* e : {a->Edit1, a->Edit2, a->Edit3})
        EXPECT_TRUE(e->Enabled());
    EXPECT_FALSE(a->HoverImage6->isVisibleTo(a));
    EXPECT_FALSE(a->HoverImage7->isVisibleTo(a));
    EXPECT_EQ(a->size(), QSize(350, 474));
    EXPECT_EQ(a->windowTitle(), "Actions");
}

TEST_F(DialogTest, UntickingShowMessageDisablesTheMemoAndKeepsItsText) {
    TfrmActions* a = frmActions;
    whenOpen(a, [a] {
        click(a->CheckBox2, {5, 8});
        EXPECT_TRUE(a->Memo1->Enabled());
        a->Memo1->SetText("Tea is ready\r\nsecond line");
        a->CheckBox2->setFocus();
        key(a->CheckBox2, Qt::Key_Space);
        EXPECT_FALSE(a->CheckBox2->Checked());
        EXPECT_FALSE(a->Memo1->Enabled());
        EXPECT_EQ(a->Memo1->Text(), "Tea is ready\r\nsecond line");

        click(a->CheckBox4, {5, 8});
        EXPECT_TRUE(a->RadioGroup1->Enabled());
        click(a->RadioGroup1->Button(2), {5, 8});
        click(a->CheckBox4, {5, 8});
        EXPECT_FALSE(a->RadioGroup1->Enabled());
        EXPECT_EQ(a->RadioGroup1->ItemIndex(), 2);

        // The sound source does not tick "Sound alarm", and neither depends on the other.
        click(a->CheckBox1, {5, 8});
        click(a->RadioButton2, {5, 8});
        EXPECT_TRUE(a->RadioButton2->Checked());
        EXPECT_FALSE(a->RadioButton1->Checked());
        EXPECT_EQ(a->RadioGroup1->ItemIndex(), 2) << "the sound source and the group are apart";
        EXPECT_FALSE(a->CheckBox1->Checked());
        click(a->HoverImage2); // the cross keeps it all, like the tick
    });
    EXPECT_EQ(a->ShowModal(), 2);
    EXPECT_EQ(a->Memo1->Text(), "Tea is ready\r\nsecond line");
    EXPECT_EQ(a->RadioGroup1->ItemIndex(), 2);
    EXPECT_TRUE(a->RadioButton2->Checked());
    EXPECT_FALSE(a->CheckBox1->Checked());
}

TEST_F(DialogTest, TickAndCrossBothCloseAndKeepEveryChange) {
    TfrmActions* a = frmActions;
    for (THoverImage* end : {a->HoverImage1, a->HoverImage2}) {
        SCOPED_TRACE(end->objectName().toStdString());
        const QString url = "https://example.org/" + end->objectName();
        whenOpen(a, [&] {
            a->Edit2->SetText(url);
            click(a->CheckBox7, {5, 8});
            click(end);
        });
        EXPECT_EQ(a->ShowModal(), 2);
        EXPECT_EQ(a->Edit2->Text(), url);
    }
    EXPECT_FALSE(a->CheckBox7->Checked()) << "ticked by the first opening, unticked by the second";
}

TEST_F(DialogTest, BrowseButtonsFillTheirBoxOnlyWhenAFileIsChosen) {
    TfrmActions* a = frmActions;
    struct Case {
        THoverImage* button;
        TOpenDialog* dialog;
        TEdit* box;
        const char* filter;
    };
    const Case cases[] = {{a->HoverImage4, a->OpenDialog1, a->Edit3, "WAV Sound File|*.WAV"},
                          {a->HoverImage5, a->OpenDialog2, a->Edit1, "Executable Files|*.exe"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.filter);
        EXPECT_EQ(c.dialog->Filter(), c.filter);
        std::optional<QString> answer;
        int asked = 0;
        c.dialog->SetChooser([&](QWidget*, const QStringList&, const QString&) {
            ++asked;
            return answer;
        });
        whenOpen(a, [&] {
            c.box->SetText("typed by hand");
            click(c.button);
            EXPECT_EQ(c.box->Text(), "typed by hand") << "a cancelled choice changes nothing";
            answer = "/home/user/Sounds/bell ring.WAV";
            click(c.button);
            EXPECT_EQ(c.box->Text(), "/home/user/Sounds/bell ring.WAV");
            click(a->HoverImage1);
        });
        a->ShowModal();
        EXPECT_EQ(asked, 2);
    }
    EXPECT_FALSE(a->CheckBox1->isChecked() && a->CheckBox3->Checked())
        << "choosing a file ticks nothing";
    EXPECT_FALSE(a->CheckBox3->Checked());
}

TEST_F(DialogTest, QuestionMarkAndHiddenFolderOpenTheProductPage) {
    QStringList opened;
    frmActions->SetShell(std::make_unique<RecordingShell>(&opened));
    whenOpen(frmActions, [&] {
        click(frmActions->HoverImage3);
        // Hidden, so no pointer reaches it; its click is bound to the same handler.
        frmActions->HoverImage7->OnClick(frmActions->HoverImage7);
        EXPECT_TRUE(frmActions->isVisible()) << "the dialog stays open";
        frmActions->Close();
    });
    frmActions->ShowModal();
    EXPECT_EQ(opened, (QStringList{kProductPage, kProductPage}));
}

TEST_F(DialogTest, ActionsButtonsLightAndEachLeaveRestoresOnlyItsOwnPicture) {
    TfrmActions* a = frmActions;
    a->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(a));
    struct Case {
        THoverImage* b;
        TImageList* list;
        int index;
    };
    const Case cases[] = {{a->HoverImage1, a->ImageList1, 0},
                          {a->HoverImage2, a->ImageList1, 1},
                          {a->HoverImage3, a->ImageList1, 2},
                          {a->HoverImage4, a->ImageList2, 0},
                          {a->HoverImage5, a->ImageList2, 0}};
    const QPoint away = a->Image1->mapToGlobal(QPoint(330, 20));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.b->objectName().toStdString());
        PaintImageRed(a->HoverImage5 == c.b ? a->HoverImage4 : a->HoverImage5);
        pointTo(c.b);
        EXPECT_TRUE(lit(c.b));
        pointTo(away);
        EXPECT_TRUE(shows(c.b, c.list, c.index));
        THoverImage* other = a->HoverImage5 == c.b ? a->HoverImage4 : a->HoverImage5;
        EXPECT_TRUE(lit(other)) << "a leave restores only the image the pointer left";
        a->HoverImage4MouseLeave(other);
    }
    // The hidden folder has its own restore row; the headphones have no events at all.
    a->HoverImage7MouseEnter(a->HoverImage7);
    EXPECT_TRUE(lit(a->HoverImage7));
    a->HoverImage7MouseLeave(a->HoverImage7);
    EXPECT_TRUE(shows(a->HoverImage7, a->ImageList1, 3));
    EXPECT_FALSE(a->HoverImage6->OnMouseEnter || a->HoverImage6->OnMouseLeave ||
                 a->HoverImage6->OnClick);
    a->Close();
}

// ---- message window --------------------------------------------------------------------------

TEST_F(DialogTest, MessageWindowShowsWithoutWaitingAndItsButtonHidesIt) {
    TfrmMsg* m = frmMsg;
    EXPECT_EQ(m->RichEdit1->Text(), "Message:");
    EXPECT_EQ(m->size(), QSize(599, 101));
    m->RichEdit1->SetText("<b>Tea</b> &amp; toast\r\nline two");
    m->Show(); // returns at once: modeless
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m));
    EXPECT_FALSE(m->Modal());
    EXPECT_EQ(m->RichEdit1->toPlainText(), "<b>Tea</b> &amp; toast\nline two");
    EXPECT_TRUE(Form1->isEnabled());
    click(m->SpeedButton1);
    EXPECT_FALSE(m->isVisible());
    EXPECT_EQ(m->RichEdit1->Text(), "<b>Tea</b> &amp; toast\r\nline two") << "text stays";
}

// ---- placement -------------------------------------------------------------------------------

TEST_F(DialogTest, EachDialogIsCentredOverTheMainWindowFirstAndThenStaysWhereItWasLeft) {
    Form1->move(200, 150);
    for (TForm* d : {static_cast<TForm*>(frmActions), static_cast<TForm*>(frmSetTime),
                     static_cast<TForm*>(frmMsg)}) {
        SCOPED_TRACE(d->objectName().toStdString());
        const QRect main = Form1->geometry();
        const QPoint centred(main.x() + (main.width() - d->width()) / 2,
                             main.y() + (main.height() - d->height()) / 2);
        d->Show();
        EXPECT_EQ(d->pos(), centred);
        d->move(centred + QPoint(123, 45));
        d->Close();
        Form1->move(260, 170); // the main window moving later changes nothing for it
        d->Show();
        EXPECT_EQ(d->pos(), centred + QPoint(123, 45));
        d->Close();
        Form1->move(200, 150);
    }
}

// ---- with the main window --------------------------------------------------------------------

TEST_F(DialogTest, TheCountdownGoesOnWhileTheSetTimeDialogIsOpen) {
    Form1->Engine().SetTime(0, 0, 30);
    Form1->Engine().StartTimer();
    int during = 30;
    whenOpen(frmSetTime, [&] {
        testsupport::waitUntil([&] { return Form1->Engine().state().TotalSeconds < 30; }, 5000);
        during = Form1->Engine().state().TotalSeconds;
        click(frmSetTime->HoverImage2);
    });
    Form1->HoverImage2Click(Form1->HoverImage2);
    EXPECT_LT(during, 30);
    EXPECT_TRUE(Form1->Engine().running()) << "Cancel leaves the countdown alone";
    Form1->Engine().StopAndReset();
}

TEST_F(DialogTest, SetTimerWithTypedValuesSetsTheCountdown) {
    whenOpen(frmSetTime, [] {
        type(frmSetTime->Edit3, "1");
        type(frmSetTime->Edit1, "2");
        type(frmSetTime->Edit2, "3");
        click(frmSetTime->HoverImage1);
    });
    Form1->HoverImage2Click(Form1->HoverImage2);
    const engine::TimerState& s = Form1->Engine().state();
    EXPECT_EQ(s.Hours, 1);
    EXPECT_EQ(s.Minutes, 2);
    EXPECT_EQ(s.Seconds, 3);
    EXPECT_EQ(s.TotalSeconds, 3723);
}
