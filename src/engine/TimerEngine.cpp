#include "engine/TimerEngine.h"

#include <utility>

namespace engine {

TimerEngine::TimerEngine(TickSource& ticks, std::function<void()> repaint,
                         std::function<void()> expired)
    : m_ticks(ticks)
    , m_repaint(std::move(repaint))
    , m_expired(std::move(expired)) {
}

void TimerEngine::Reset() {
    m_state.StopwatchMode = false;
    m_ticks.setOn(false);
    clearValue();
}

void TimerEngine::clearValue() {
    m_state.TotalSeconds = 0;
    m_state.Seconds = 0;
    m_state.Minutes = 0;
    m_state.Hours = 0;
}

void TimerEngine::SplitTime() {
    m_state.Hours = m_state.TotalSeconds / 3600;
    m_state.Minutes = m_state.TotalSeconds / 60 - m_state.Hours * 60;
    m_state.Seconds = m_state.TotalSeconds % 60;
}

void TimerEngine::SetTime(std::uint16_t hours, std::uint16_t minutes, std::uint16_t seconds) {
    // The parts are stored as given: the set-time dialog keeps minutes and seconds below 60.
    m_state.TotalSeconds = seconds + minutes * 60 + hours * 3600;
    m_state.Hours = hours;
    m_state.Minutes = minutes;
    m_state.Seconds = seconds;
    m_repaint();
}

void TimerEngine::StartTimer() {
    if (m_state.TotalSeconds == 0)
        return;
    m_state.LoopSeconds = m_state.TotalSeconds;
    m_ticks.setOn(true);
    m_repaint();
}

void TimerEngine::PauseTimer() {
    m_ticks.setOn(false);
    m_repaint();
}

void TimerEngine::StopAndReset() {
    m_ticks.setOn(false);
    clearValue();
    m_state.StopwatchMode = false;
    m_repaint();
}

void TimerEngine::StartStopwatch() {
    m_state.StopwatchMode = true;
    clearValue();
    m_repaint();
    m_ticks.setOn(true);
}

void TimerEngine::IncreaseTime(std::int32_t step) {
    if (m_state.TotalSeconds + step <= MaxSeconds)
        m_state.TotalSeconds += step;
    SplitTime();
    if (m_state.Hours > 99)
        m_state.Hours = 99;
    m_repaint();
}

void TimerEngine::DecreaseTime(std::int32_t step) {
    if (m_state.TotalSeconds == 0)
        return;
    if (m_state.TotalSeconds >= step)
        m_state.TotalSeconds -= step;
    SplitTime();
    m_repaint();
}

void TimerEngine::Tick() {
    if (m_state.StopwatchMode) {
        m_state.TotalSeconds += 1;
        SplitTime();
        m_repaint();
        return;
    }
    if (m_state.TotalSeconds <= 0) {
        // The handler switches the ticks off first and may restart the loop; it may also run
        // event loops in which this very function is entered again.
        m_expired();
        m_repaint();
        return;
    }
    m_state.TotalSeconds -= 1;
    SplitTime();
    m_repaint();
}

void TimerEngine::RestartLoop() {
    m_state.TotalSeconds = m_state.LoopSeconds;
    SplitTime();
    m_ticks.setOn(true);
}

} // namespace engine
