// Hostile input and a bare machine: the program keeps working and every other action happens.
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/Unit4.h"
#include "platform/TickCounter.h"
#include "support/RunnerFakes.h"
#include "toolkit/Application.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using testsupport::LeapingCounter;

class BadInput : public testing::Test {
protected:
    void SetUp() override {
        Application->CreateForm(Form1);
        Application->CreateForm(frmActions);
        Application->CreateForm(frmMsg);
        Form1->Show();
        SetDelayCounter(&leaping);
    }
    void TearDown() override {
        SetDelayCounter(nullptr);
        delete frmMsg;
        delete frmActions;
        delete Form1;
    }
    void expire(int seconds) {
        Form1->Engine().SetTime(0, 0, std::uint16_t(seconds));
        Form1->Engine().StartTimer();
        for (int i = 0; i <= seconds; ++i)
            Form1->Engine().Tick();
    }
    LeapingCounter leaping;
};

TEST_F(BadInput, MessageTextsShowAsPlainTextAndTheWindowKeepsPainting) {
    QString everyPlane;
    for (char32_t plane = 0; plane <= 0x10; ++plane) {
        const char32_t c = plane * 0x10000 + 0x41;
        everyPlane += QString::fromUcs4(&c, 1);
    }
    everyPlane += QString::fromUtf8("\x01\x07\x1b[31m\t\xe2\x80\xae tab\r\nnext");
    const QString huge(1 << 20, QLatin1Char('x'));
    const QString cases[] = {QStringLiteral("<b>x</b>"), everyPlane, huge, QString()};
    frmActions->CheckBox2->SetChecked(true);
    frmActions->CheckBox1->SetChecked(false);
    for (const QString& text : cases) {
        frmActions->Memo1->SetText(text);
        QElapsedTimer clock;
        clock.start();
        expire(1);
        EXPECT_TRUE(frmMsg->isVisible());
        EXPECT_EQ(frmMsg->RichEdit1->Text(), frmActions->Memo1->Text())
            << text.left(40).toStdString();
        EXPECT_FALSE(frmMsg->grab().isNull());
        EXPECT_FALSE(Form1->grab().isNull());
        EXPECT_LT(clock.elapsed(), 10000) << "showing " << text.size() << " characters";
    }
    frmActions->Memo1->SetText(QStringLiteral("<b>x</b>"));
    expire(1);
    EXPECT_EQ(frmMsg->RichEdit1->toPlainText(), QStringLiteral("<b>x</b>")) << "never read as HTML";
}

TEST_F(BadInput, ABareMachineStillRunsEveryOtherAction) {
    // No audio device, no system bus, no xdg-open, no sound theme.
    QTemporaryDir empty;
    qputenv("SDL_AUDIODRIVER", "nonexistent");
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", empty.path().toLocal8Bit());
    qputenv("XDG_DATA_DIRS", empty.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", empty.path().toLocal8Bit());
    ASSERT_TRUE(qgetenv("DBUS_SYSTEM_BUS_ADDRESS").contains("no-system-bus"))
        << "this test may only meet a system bus that leads nowhere";

    for (auto* box : {frmActions->CheckBox1, frmActions->CheckBox2, frmActions->CheckBox3,
                      frmActions->CheckBox4, frmActions->CheckBox6, frmActions->CheckBox7})
        box->SetChecked(true);
    frmActions->Memo1->SetText(QStringLiteral("still here"));
    frmActions->Edit1->SetText(QStringLiteral("/nonexistent/program"));
    for (bool file : {false, true}) {
        (file ? frmActions->RadioButton2 : frmActions->RadioButton1)->SetChecked(true);
        frmActions->Edit3->SetText(QStringLiteral("/nonexistent.wav"));
        frmMsg->hide();
        QElapsedTimer clock;
        clock.start();
        expire(2);
        EXPECT_LT(clock.elapsed(), 8000) << "a missing service held the run up";
        EXPECT_TRUE(frmMsg->isVisible());
        EXPECT_EQ(frmMsg->RichEdit1->Text(), QStringLiteral("still here"));
        EXPECT_TRUE(Form1->Timer1->Enabled()) << "the loop restarts after everything failed";
        EXPECT_EQ(Form1->Engine().state().TotalSeconds, 2);
        Form1->Engine().StopAndReset();
    }
    qputenv("PATH", path);
    qunsetenv("SDL_AUDIODRIVER");
}

} // namespace
