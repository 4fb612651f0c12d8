#pragma once

#include "engine/TickSource.h"
#include "toolkit/Events.h"

#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdint>

// A periodic tick source. Tick k falls due at enable time + k x Interval on the monotonic clock,
// so lateness never accumulates. A tick due while the thread is busy is delivered once when it is
// free, and the next one is the first multiple still ahead: missed ticks are not stored up.
//
// Each tick comes from a freshly armed single-shot timer, armed before the handler runs. Qt holds
// back a timer registration's events while its own slot is still running a nested event loop; a
// fresh registration is not held back, so a timer switched off and on again inside a handler's
// nested loop (a modal dialog, a wait that handles events) ticks there as it should.
class TTimer : public QObject, public engine::TickSource {
    Q_OBJECT
public:
    explicit TTimer(QObject* owner, const QString& name = {});

    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool on);
    int Interval() const { return m_interval; }
    void SetInterval(int ms);

    TNotifyEvent OnTimer;

    // engine::TickSource
    void setOn(bool on) override { SetEnabled(on); }
    bool isOn() const override { return m_enabled; }

private:
    using Clock = std::chrono::steady_clock;

    void arm();
    void fire();

    QTimer m_timer;
    bool m_enabled = true;
    int m_interval = 1000;
    Clock::time_point m_start;
    std::int64_t m_next = 1; // index of the tick that is due next
};
