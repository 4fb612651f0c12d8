#include "support/Wait.h"
#include "toolkit/TTimer.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>
#include <vector>

using testsupport::runEventsFor;
using testsupport::waitUntil;

namespace {

struct Recorder {
    QElapsedTimer clock;
    std::vector<qint64> at;
    Recorder() { clock.start(); }
};

TEST(TTimer, IsOnWhenCreatedWithTheDefaultInterval) {
    TTimer timer(nullptr);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EQ(timer.Interval(), 1000);
}

TEST(TTimer, SwitchingOnStartsAFreshPeriodAndSwitchingOnAgainChangesNothing) {
    TTimer timer(nullptr);
    timer.SetEnabled(false);
    timer.SetInterval(100);
    Recorder rec;
    timer.OnTimer = [&](QObject* sender) {
        EXPECT_EQ(sender, &timer);
        rec.at.push_back(rec.clock.elapsed());
    };
    rec.clock.restart();
    timer.SetEnabled(true);
    runEventsFor(60);
    timer.SetEnabled(true); // already on: the period runs on
    ASSERT_TRUE(waitUntil([&] { return rec.at.size() >= 1; }, 2000));
    EXPECT_GE(rec.at[0], 100);
    EXPECT_LT(rec.at[0], 150) << "a second switch-on must not restart the period";
}

TEST(TTimer, SwitchingOffCancelsTheTickThatIsDue) {
    TTimer timer(nullptr);
    timer.SetInterval(30);
    int ticks = 0;
    timer.OnTimer = [&](QObject*) {
        ++ticks;
    };
    runEventsFor(15);
    timer.SetEnabled(false);
    runEventsFor(120);
    EXPECT_EQ(ticks, 0);
}

TEST(TTimer, TicksDueWhileBusyAreNotStoredUp) {
    TTimer timer(nullptr);
    timer.SetEnabled(false);
    timer.SetInterval(20);
    Recorder rec;
    timer.OnTimer = [&](QObject*) {
        rec.at.push_back(rec.clock.elapsed());
        if (rec.at.size() == 1) {
            QElapsedTimer busy;
            busy.start();
            while (busy.elapsed() < 150) {
            } // five periods pass while the thread is busy
        }
    };
    rec.clock.restart();
    timer.SetEnabled(true);
    ASSERT_TRUE(waitUntil([&] { return rec.at.size() >= 3; }, 3000));
    timer.SetEnabled(false);
    // After the busy handler, one late tick comes at once; the next waits for the next multiple.
    // Stored-up ticks would arrive back to back.
    const qint64 busyEnd = rec.at[0] + 150;
    EXPECT_GE(rec.at[1], busyEnd - 1);
    EXPECT_GE(rec.at[2] - rec.at[1], 3) << "a second stored-up tick arrived straight away";
}

TEST(TTimer, TicksInsideANestedLoopOfItsOwnHandlerOnceSwitchedOnAgain) {
    // The alarm switches the countdown's tick source off and waits handling events; a countdown
    // started again meanwhile must tick inside that wait.
    TTimer timer(nullptr);
    timer.SetInterval(20);
    int outer = 0;
    int nested = 0;
    timer.OnTimer = [&](QObject*) {
        if (outer++ > 0) {
            ++nested;
            return;
        }
        timer.SetEnabled(false);
        QEventLoop wait;
        QTimer::singleShot(10, [&] { timer.SetEnabled(true); });
        QTimer::singleShot(300, &wait, &QEventLoop::quit);
        wait.exec();
        timer.SetEnabled(false);
    };
    ASSERT_TRUE(waitUntil([&] { return outer >= 1 && !timer.Enabled(); }, 3000));
    EXPECT_GE(nested, 3) << "ticks were held back while the handler ran its nested loop";
}

TEST(TTimer, ChangingTheIntervalStartsAFreshPeriod) {
    TTimer timer(nullptr);
    timer.SetInterval(1000);
    Recorder rec;
    timer.OnTimer = [&](QObject*) {
        rec.at.push_back(rec.clock.elapsed());
    };
    rec.clock.restart();
    timer.SetInterval(40);
    ASSERT_TRUE(waitUntil([&] { return rec.at.size() >= 2; }, 2000));
    EXPECT_GE(rec.at[0], 40);
    EXPECT_GE(rec.at[1], 80);
}

} // namespace
