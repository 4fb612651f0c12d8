#include "toolkit/TTimer.h"

#include <algorithm>

TTimer::TTimer(QObject* owner, const QString& name)
    : QObject(owner) {
    setObjectName(name);
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &TTimer::fire);
    // A new timer is enabled, as the platform's timers are; its first period starts now.
    m_start = Clock::now();
    m_next = 1;
    arm();
}

void TTimer::SetEnabled(bool on) {
    if (on == m_enabled)
        return;
    m_enabled = on;
    if (!on) {
        m_timer.stop();
        return;
    }
    m_start = Clock::now();
    m_next = 1;
    arm();
}

void TTimer::SetInterval(int ms) {
    if (ms == m_interval)
        return;
    m_interval = ms;
    // A new interval starts a fresh period, as switching off and on does.
    if (m_enabled) {
        m_enabled = false;
        m_timer.stop();
        SetEnabled(true);
    }
}

void TTimer::arm() {
    if (m_interval <= 0) {
        m_timer.stop();
        return;
    }
    const auto due = m_start + std::chrono::milliseconds(m_interval) * m_next;
    const auto left = due - Clock::now();
    // Round up, so a tick never comes before it is due.
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(left).count();
    m_timer.start(int(std::clamp<std::int64_t>(ms, 0, INT32_MAX)));
}

void TTimer::fire() {
    if (!m_enabled)
        return;
    const auto elapsed = Clock::now() - m_start;
    const std::int64_t passed = elapsed / std::chrono::milliseconds(m_interval);
    m_next = std::max(m_next + 1, passed + 1);
    arm();
    if (OnTimer)
        OnTimer(this);
}
