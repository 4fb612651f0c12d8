#include "engine/TimerEngine.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using engine::TimerEngine;

namespace {

class FakeTicks : public engine::TickSource {
public:
    void setOn(bool on) override {
        if (on != on_)
            ++switches;
        on_ = on;
    }
    bool isOn() const override { return on_; }
    int switches = 0;

private:
    bool on_ = true; // a new platform timer is on until the window switches it off
};

struct Rig {
    FakeTicks ticks;
    int repaints = 0;
    int expiries = 0;
    std::function<void()> onExpiry;
    TimerEngine timer{ticks, [this] { ++repaints; },
                      [this] {
                          ++expiries;
                          if (onExpiry)
                              onExpiry();
                      }};
    Rig() { timer.Reset(); }

    std::string shown() const {
        char text[32];
        const auto& s = timer.state();
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", s.Hours, s.Minutes, s.Seconds);
        return text;
    }
};

TEST(TimerEngine, StartsIdleAtZeroWithTheTicksOff) {
    Rig r;
    EXPECT_FALSE(r.ticks.isOn());
    EXPECT_EQ(r.timer.state().TotalSeconds, 0);
    EXPECT_FALSE(r.timer.state().StopwatchMode);
    EXPECT_EQ(r.repaints, 0);
}

TEST(TimerEngine, SetTimeStoresTheGivenPartsAndKeepsTheRest) {
    Rig r;
    r.timer.SetTime(1, 2, 3);
    EXPECT_EQ(r.timer.state().TotalSeconds, 3723);
    EXPECT_EQ(r.shown(), "01:02:03");
    EXPECT_EQ(r.repaints, 1);
    EXPECT_FALSE(r.ticks.isOn());
    // No range check: the parts are stored as handed over, the total is their sum.
    r.timer.SetTime(0, 75, 0);
    EXPECT_EQ(r.timer.state().TotalSeconds, 4500);
    EXPECT_EQ(r.timer.state().Minutes, 75);
    // The largest the dialog can hand over does not overflow.
    r.timer.SetTime(65535, 65535, 65535);
    EXPECT_EQ(r.timer.state().TotalSeconds, 65535 + 65535 * 60 + 65535 * 3600);
}

TEST(TimerEngine, CountdownOfNExpiresOnTickNPlusOne) {
    for (int n : {1, 5, 61}) {
        Rig r;
        r.timer.SetTime(0, std::uint16_t(n / 60), std::uint16_t(n % 60));
        r.timer.StartTimer();
        r.onExpiry = [&] {
            r.ticks.setOn(false);
        };
        for (int tick = 1; tick <= n; ++tick) {
            r.timer.Tick();
            EXPECT_EQ(r.timer.state().TotalSeconds, n - tick) << "n=" << n;
            EXPECT_EQ(r.expiries, 0) << "n=" << n << " tick " << tick;
        }
        EXPECT_EQ(r.shown(), "00:00:00");
        const int before = r.repaints;
        r.timer.Tick();
        EXPECT_EQ(r.expiries, 1) << "n=" << n;
        EXPECT_EQ(r.repaints, before + 1) << "the expiring tick repaints after the handler";
        EXPECT_FALSE(r.ticks.isOn());
    }
}

TEST(TimerEngine, StartTimerAtZeroDoesNothingAtAll) {
    Rig r;
    r.timer.SetTime(0, 0, 7);
    r.timer.StartTimer();
    r.timer.StopAndReset();
    const int repaints = r.repaints;
    r.timer.StartTimer();
    EXPECT_FALSE(r.ticks.isOn());
    EXPECT_EQ(r.repaints, repaints);
    EXPECT_EQ(r.timer.state().LoopSeconds, 7) << "the last successful start is kept";
}

TEST(TimerEngine, LoopRestartsFromTheValueOfTheLastSuccessfulStart) {
    Rig r;
    r.timer.SetTime(1, 0, 0);
    r.timer.StartTimer();
    for (int i = 0; i < 3000; ++i)
        r.timer.Tick(); // 00:10:00 left
    r.timer.PauseTimer();
    EXPECT_EQ(r.shown(), "00:10:00");
    r.timer.StartTimer();
    // A value changed while running is not what the loop restarts from.
    r.timer.IncreaseTime(60);
    r.onExpiry = [&] {
        r.ticks.setOn(false);
        r.timer.RestartLoop();
    };
    for (int i = 0; i <= 660; ++i)
        r.timer.Tick();
    EXPECT_EQ(r.expiries, 1);
    EXPECT_EQ(r.timer.state().TotalSeconds, 600);
    EXPECT_EQ(r.shown(), "00:10:00");
    EXPECT_TRUE(r.ticks.isOn());
}

TEST(TimerEngine, RestartLoopSplitsWithoutRepaintingAndKeepsTheMode) {
    Rig r;
    r.timer.SetTime(0, 1, 30);
    r.timer.StartTimer();
    r.timer.StartStopwatch();
    const int repaints = r.repaints;
    r.timer.RestartLoop();
    EXPECT_EQ(r.repaints, repaints);
    EXPECT_EQ(r.shown(), "00:01:30");
    EXPECT_TRUE(r.timer.state().StopwatchMode) << "a stopwatch goes on counting up from there";
    r.timer.Tick();
    EXPECT_EQ(r.timer.state().TotalSeconds, 91);
}

TEST(TimerEngine, StateTable) {
    struct Row {
        const char* what;
        std::function<void(Rig&)> setUp;
        std::function<void(TimerEngine&)> command;
        bool ticking;
        bool stopwatch;
        int total;
    };
    const auto countingDown = [](Rig& r) {
        r.timer.SetTime(1, 23, 45);
        r.timer.StartTimer();
    };
    const auto countingUp = [](Rig& r) {
        r.timer.StartStopwatch();
        r.timer.Tick();
        r.timer.Tick();
    };
    const auto nothing = [](Rig&) {
    };
    const std::vector<Row> rows = {
        {"pause a countdown", countingDown, [](TimerEngine& t) { t.PauseTimer(); }, false, false,
         5025},
        {"pause the stopwatch", countingUp, [](TimerEngine& t) { t.PauseTimer(); }, false, true, 2},
        {"stop and reset a countdown", countingDown, [](TimerEngine& t) { t.StopAndReset(); },
         false, false, 0},
        {"stop and reset leaves stopwatch mode", countingUp,
         [](TimerEngine& t) { t.StopAndReset(); }, false, false, 0},
        {"stopwatch from a countdown", countingDown, [](TimerEngine& t) { t.StartStopwatch(); },
         true, true, 0},
        {"set time while counting down runs on", countingDown,
         [](TimerEngine& t) { t.SetTime(0, 0, 9); }, true, false, 9},
        {"set time in stopwatch mode counts up from it", countingUp,
         [](TimerEngine& t) { t.SetTime(0, 0, 10); }, true, true, 10},
        {"start a paused stopwatch counts up again",
         [&](Rig& r) {
             countingUp(r);
             r.timer.PauseTimer();
         },
         [](TimerEngine& t) { t.StartTimer(); }, true, true, 2},
        {"start from idle with a value", [](Rig& r) { r.timer.SetTime(0, 0, 3); },
         [](TimerEngine& t) { t.StartTimer(); }, true, false, 3},
        {"start at zero", nothing, [](TimerEngine& t) { t.StartTimer(); }, false, false, 0},
        {"increase while idle", nothing, [](TimerEngine& t) { t.IncreaseTime(60); }, false, false,
         60},
    };
    for (const Row& row : rows) {
        Rig r;
        row.setUp(r);
        const int repaints = r.repaints;
        row.command(r.timer);
        EXPECT_EQ(r.ticks.isOn(), row.ticking) << row.what;
        EXPECT_EQ(r.timer.state().StopwatchMode, row.stopwatch) << row.what;
        EXPECT_EQ(r.timer.state().TotalSeconds, row.total) << row.what;
        if (std::string(row.what) != "start at zero") {
            EXPECT_EQ(r.repaints, repaints + 1) << row.what << ": every change ends with a repaint";
        }
    }
}

TEST(TimerEngine, StartWhileRunningRefreshesTheLoopValueAndKeepsThePeriod) {
    Rig r;
    r.timer.SetTime(0, 0, 50);
    r.timer.StartTimer();
    r.timer.Tick();
    const int switches = r.ticks.switches;
    r.timer.StartTimer();
    EXPECT_EQ(r.timer.state().LoopSeconds, 49);
    EXPECT_TRUE(r.ticks.isOn());
    EXPECT_EQ(r.ticks.switches, switches) << "the running period is not restarted";
}

TEST(TimerEngine, AdjustingBounds) {
    struct Row {
        int start;
        bool increase;
        int step;
        int expected;
        bool repaints;
    };
    const Row rows[] = {
        {356399, true, 3600, 359999, true},
        {356400, true, 3600, 356400, true},
        {359939, true, 60, 359999, true},
        {359940, true, 60, 359940, true},
        {0, true, 60, 60, true},
        {30, false, 60, 30, true},
        {0, false, 60, 0, false},
        {0, false, 3600, 0, false},
        {3599, false, 3600, 3599, true},
        {3600, false, 3600, 0, true},
        {60, false, 60, 0, true},
        {61, false, 60, 1, true},
    };
    for (const Row& row : rows) {
        Rig r;
        r.timer.SetTime(std::uint16_t(row.start / 3600), std::uint16_t(row.start % 3600 / 60),
                        std::uint16_t(row.start % 60));
        const int repaints = r.repaints;
        if (row.increase)
            r.timer.IncreaseTime(row.step);
        else
            r.timer.DecreaseTime(row.step);
        const auto& s = r.timer.state();
        EXPECT_EQ(s.TotalSeconds, row.expected)
            << row.start << (row.increase ? " + " : " - ") << row.step;
        EXPECT_EQ(r.repaints - repaints, row.repaints ? 1 : 0) << row.start;
        EXPECT_EQ(s.Hours * 3600 + s.Minutes * 60 + s.Seconds, s.TotalSeconds) << row.start;
    }
}

TEST(TimerEngine, StopwatchCountsPastTheLimitAndIncreaseCapsTheHours) {
    Rig r;
    r.timer.StartStopwatch();
    r.timer.SetTime(99, 59, 59);
    r.timer.Tick();
    EXPECT_EQ(r.timer.state().TotalSeconds, 360000);
    EXPECT_EQ(r.timer.state().Hours, 100);
    EXPECT_EQ(r.shown(), "100:00:00");
    EXPECT_EQ(r.expiries, 0);
    // Increase cannot add past the limit, but still splits and caps the hours shown.
    r.timer.IncreaseTime(60);
    EXPECT_EQ(r.timer.state().TotalSeconds, 360000);
    EXPECT_EQ(r.timer.state().Hours, 99);
    r.timer.Tick();
    EXPECT_EQ(r.timer.state().Hours, 100) << "the next tick splits again";
}

TEST(TimerEngine, ExpiryHandlerMayRunANestedCountdownToItsOwnExpiry) {
    // The alarm lets events through: a countdown started inside the expiry handler ticks and
    // expires there, nested in the first expiry.
    Rig r;
    std::vector<std::string> log;
    int depth = 0;
    r.onExpiry = [&] {
        ++depth;
        log.push_back("expiry at depth " + std::to_string(depth));
        r.ticks.setOn(false);
        if (depth == 1) {
            r.timer.SetTime(0, 0, 2);
            r.timer.StartTimer();
            for (int i = 0; i < 3; ++i)
                r.timer.Tick(); // ticks delivered inside the handler's waits
        }
        log.push_back("return from depth " + std::to_string(depth));
        --depth;
    };
    r.timer.SetTime(0, 0, 1);
    r.timer.StartTimer();
    r.timer.Tick();
    r.timer.Tick();
    const std::vector<std::string> expected = {"expiry at depth 1", "expiry at depth 2",
                                               "return from depth 2", "return from depth 1"};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(r.expiries, 2);
    EXPECT_EQ(r.timer.state().LoopSeconds, 2);
}

} // namespace
