#pragma once

#include "engine/TickSource.h"

#include <cstdint>
#include <functional>

namespace engine {

// The timer's state, in the order the main window has always kept it.
struct TimerState {
    std::int32_t TotalSeconds = 0;
    std::int32_t Seconds = 0;
    std::int32_t Minutes = 0;
    std::int32_t Hours = 0;
    std::int32_t LoopSeconds = 0;
    bool StopwatchMode = false;
};
static_assert(sizeof(bool) == 1);

// The program's one timer: whole seconds counting down to an expiry, or up as a stopwatch, one
// step per tick. It reads no clock: it counts the ticks it is given.
//
// The expiry handler may run nested event loops, and a countdown started from inside it can tick
// and expire there again; nothing here guards against re-entering Tick(), on purpose.
class TimerEngine {
public:
    static constexpr std::int32_t MaxSeconds = 359999; // 99:59:59

    TimerEngine(TickSource& ticks, std::function<void()> repaint, std::function<void()> expired);

    const TimerState& state() const { return m_state; }
    bool running() const { return m_ticks.isOn(); }

    void SplitTime();
    void SetTime(std::uint16_t hours, std::uint16_t minutes, std::uint16_t seconds);
    void StartTimer();
    void PauseTimer();
    void StopAndReset();
    void StartStopwatch();
    void IncreaseTime(std::int32_t step);
    void DecreaseTime(std::int32_t step);
    void Tick();
    void RestartLoop();

    // The state a freshly created main window starts from: zero, counting down, tick source off.
    // LoopSeconds is left as it is.
    void Reset();

private:
    void clearValue();

    TickSource& m_ticks;
    std::function<void()> m_repaint;
    std::function<void()> m_expired;
    TimerState m_state;
};

} // namespace engine
