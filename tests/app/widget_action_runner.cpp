// The action runner: the order of its steps, the flags of each request, settings read as each
// step is reached, a countdown that expires again inside the alarm, and the waits.
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/Unit4.h"
#include "platform/Shell.h"
#include "platform/SoundPlayer.h"
#include "platform/TickCounter.h"
#include "support/RunnerFakes.h"
#include "support/Wait.h"
#include "toolkit/Application.h"

#include <QElapsedTimer>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using testsupport::LeapingCounter;
using testsupport::Log;
using testsupport::RecordingShell;

class RecordingSound : public platform::SoundPlayer {
public:
    explicit RecordingSound(Log& log)
        : m_log(log) {}
    void PlayBuiltIn() override {
        m_log.push_back("built-in");
        if (onBuiltIn)
            onBuiltIn(++plays);
    }
    void PlayNamed(const QString& name) override { m_log.push_back("play " + name.toStdString()); }
    std::function<void(int)> onBuiltIn;
    int plays = 0;

private:
    Log& m_log;
};

class ActionRunner : public testing::Test {
protected:
    void SetUp() override {
        Application->CreateForm(Form1);
        Application->CreateForm(frmActions);
        Application->CreateForm(frmMsg);
        f = Form1;
        a = frmActions;
        f->SetShell(std::make_unique<RecordingShell>(log));
        f->SetSoundPlayer(&sound);
        f->SetShutdown([this](std::uint32_t flags) {
            log.push_back("shutdown " + std::to_string(flags));
            return true;
        });
        SetDelayCounter(&leaping);
        f->Show();
        a->CheckBox1->SetChecked(false);
    }
    void TearDown() override {
        SetDelayCounter(nullptr);
        delete frmMsg;
        delete frmActions;
        delete Form1;
    }

    // A countdown of `seconds` started and ticked to its expiry.
    void expireCountdown(int seconds) {
        f->Engine().SetTime(0, 0, std::uint16_t(seconds));
        f->Engine().StartTimer();
        for (int i = 0; i <= seconds; ++i)
            f->Engine().Tick();
    }

    Log log;
    RecordingSound sound{log};
    LeapingCounter leaping;
    TForm1* f = nullptr;
    TfrmActions* a = nullptr;
};

TEST_F(ActionRunner, EveryActionInItsFixedOrder) {
    a->CheckBox1->SetChecked(true);
    a->CheckBox2->SetChecked(true);
    a->CheckBox3->SetChecked(true);
    a->CheckBox4->SetChecked(true);
    a->CheckBox6->SetChecked(true);
    a->CheckBox7->SetChecked(true);
    a->Memo1->SetText("Tea is ready");
    a->Edit1->SetText("/opt/tool");
    a->Edit2->SetText("https://example.org/a b");
    bool messageShownBeforeProgram = false;
    f->SetShell(std::make_unique<RecordingShell>(log));
    sound.onBuiltIn = [&](int play) {
        if (play == 1)
            messageShownBeforeProgram = frmMsg->isVisible();
    };
    expireCountdown(3);
    const Log expected = {"open /opt/tool",
                          "built-in",
                          "built-in",
                          "built-in",
                          "built-in",
                          "built-in",
                          "open https://example.org/a b",
                          "shutdown 12"};
    EXPECT_EQ(log, expected);
    EXPECT_TRUE(messageShownBeforeProgram);
    EXPECT_EQ(frmMsg->RichEdit1->Text(), QString("Tea is ready"));
    // The loop restarts from the value at the start, ticking again.
    EXPECT_TRUE(f->Timer1->Enabled());
    EXPECT_EQ(f->Engine().state().TotalSeconds, 3);
}

TEST_F(ActionRunner, TheSoundFileInsteadOfTheBuiltInSound) {
    a->CheckBox1->SetChecked(true);
    a->RadioButton2->SetChecked(true);
    a->Edit3->SetText("/music/bell.wav");
    EXPECT_FALSE(a->RadioButton1->Checked());
    EXPECT_EQ(a->RadioGroup1->ItemIndex(), 0) << "the sound source is not the options' business";
    expireCountdown(1);
    EXPECT_EQ(log, Log{"play /music/bell.wav"});
    EXPECT_FALSE(f->Timer1->Enabled()) << "without the loop the tick source stays off";
    EXPECT_EQ(f->Engine().state().TotalSeconds, 0);
}

TEST_F(ActionRunner, FlagsOfEachOption) {
    a->CheckBox4->SetChecked(true);
    a->RadioGroup1->SetEnabled(true);
    const std::vector<std::pair<int, Log>> rows = {
        {0, {"shutdown 12"}}, {1, {"shutdown 6"}}, {2, {"shutdown 4"}}, {-1, {}}};
    for (const auto& [item, expected] : rows) {
        log.clear();
        a->RadioGroup1->SetItemIndex(item);
        expireCountdown(1);
        EXPECT_EQ(log, expected) << "item " << item;
    }
}

TEST_F(ActionRunner, ASettingChangedDuringTheAlarmCountsForTheLaterSteps) {
    a->CheckBox1->SetChecked(true);
    sound.onBuiltIn = [&](int play) {
        if (play == 3) {
            a->CheckBox7->SetChecked(true);
            a->Edit2->SetText("https://late.example");
            a->RadioButton2->SetChecked(true); // tested afresh after the alarm
            a->Edit3->SetText("after.wav");
        }
    };
    expireCountdown(1);
    const Log expected = {"built-in",
                          "built-in",
                          "built-in",
                          "built-in",
                          "built-in",
                          "play after.wav",
                          "open https://late.example"};
    EXPECT_EQ(log, expected);
}

TEST_F(ActionRunner, NothingTickedStillSwitchesTheTicksOffAndRestores) {
    Application->Minimize();
    expireCountdown(2);
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(f->Timer1->Enabled());
    EXPECT_FALSE(Application->Minimized());
}

TEST_F(ActionRunner, ACountdownStartedDuringTheAlarmExpiresInsideIt) {
    // Real waits here: the nested countdown ticks inside the alarm's one-second waits.
    SetDelayCounter(nullptr);
    f->Timer1->SetInterval(50);
    a->CheckBox1->SetChecked(true);
    a->CheckBox7->SetChecked(true);
    a->Edit2->SetText("u");
    sound.onBuiltIn = [&](int play) {
        if (play == 2) {
            a->CheckBox1->SetChecked(false); // the inner run sounds no alarm
            f->Engine().SetTime(0, 0, 1);
            f->Engine().StartTimer();
        }
    };
    f->Engine().SetTime(0, 0, 1);
    f->Engine().StartTimer();
    f->Engine().Tick();
    QElapsedTimer clock;
    clock.start();
    f->Engine().Tick(); // the outer expiry: five plays a second apart
    const Log expected = {"built-in", "built-in", "open u", "built-in",
                          "built-in", "built-in", "open u"};
    EXPECT_EQ(log, expected);
    EXPECT_GE(clock.elapsed(), 4900);
    EXPECT_LT(clock.elapsed(), 15000);
    f->Timer1->SetInterval(1000);
}

// A counter that stands just below its wrap when a wait starts.
class NearWrapCounter : public platform::TickCounter {
public:
    NearWrapCounter()
        : TickCounter(0xFFFFFFFFu - TickCounter().Now() - 300) {}
};

TEST(Delay, LastsItsTimeAcrossACounterWrapAndNotAtAllForZeroOrLess) {
    NearWrapCounter nearWrap;
    SetDelayCounter(&nearWrap);
    QElapsedTimer clock;
    clock.start();
    Delay(1000);
    EXPECT_GE(clock.elapsed(), 990);
    EXPECT_LT(clock.elapsed(), 3000);
    for (int ms : {0, -1, -2147483647 - 1}) {
        clock.restart();
        Delay(ms);
        EXPECT_LT(clock.elapsed(), 100) << ms;
    }
    SetDelayCounter(nullptr);
}

TEST(Delay, HandlesEventsWhileItWaitsWithoutSpinning) {
    int fired = 0;
    QTimer::singleShot(100, [&] { ++fired; });
    const std::clock_t cpu = std::clock();
    Delay(600);
    EXPECT_EQ(fired, 1);
    const double cpuMs = 1000.0 * double(std::clock() - cpu) / CLOCKS_PER_SEC;
    EXPECT_LT(cpuMs, 300.0) << "the wait spins";
}

} // namespace
