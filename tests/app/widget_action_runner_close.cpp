// Closing the program during the alarm: the run finishes its steps, but makes no power-off,
// restart or log-off request once the user has asked the program to end. (Its own test program,
// since the end of the program cannot be taken back.)
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/Unit4.h"
#include "platform/Shell.h"
#include "platform/SoundPlayer.h"
#include "platform/TickCounter.h"
#include "support/RunnerFakes.h"
#include "toolkit/Application.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using testsupport::LeapingCounter;
using testsupport::Log;
using testsupport::RecordingShell;

class ClosingSound : public platform::SoundPlayer {
public:
    explicit ClosingSound(Log& log)
        : m_log(log) {}
    void PlayBuiltIn() override {
        m_log.push_back("built-in");
        if (++m_plays == 2)
            Form1->HoverImage9Click(Form1->HoverImage9); // the close glyph
    }

private:
    Log& m_log;
    int m_plays = 0;
};

TEST(ActionRunnerClose, FinishesTheRunButAsksForNoShutdownAfterTheUserQuit) {
    Log log;
    ClosingSound sound(log);
    LeapingCounter leaping;
    Application->CreateForm(Form1);
    Application->CreateForm(frmActions);
    Application->CreateForm(frmMsg);
    Form1->SetShell(std::make_unique<RecordingShell>(log));
    Form1->SetSoundPlayer(&sound);
    Form1->SetShutdown([&](std::uint32_t flags) {
        log.push_back("shutdown " + std::to_string(flags));
        return true;
    });
    SetDelayCounter(&leaping);
    frmActions->CheckBox4->SetChecked(true);
    frmActions->CheckBox6->SetChecked(true);
    frmActions->CheckBox7->SetChecked(true);
    frmActions->Edit2->SetText("u");
    Form1->Show();

    Form1->Engine().SetTime(0, 0, 2);
    Form1->Engine().StartTimer();
    for (int i = 0; i < 3; ++i)
        Form1->Engine().Tick();

    const Log expected = {"built-in", "built-in", "built-in", "built-in", "built-in", "open u"};
    EXPECT_EQ(log, expected);
    EXPECT_TRUE(Application->Terminated());
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_EQ(Form1->Engine().state().TotalSeconds, 2) << "the loop restart still happens";
    SetDelayCounter(nullptr);
}

} // namespace
