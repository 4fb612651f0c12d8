#pragma once

// Stand-ins for the services the action runner uses, recording what they are asked to do.

#include "platform/Shell.h"
#include "platform/TickCounter.h"

#include <QString>
#include <string>
#include <vector>

namespace testsupport {

using Log = std::vector<std::string>;

class RecordingShell : public platform::Shell {
public:
    explicit RecordingShell(Log& log)
        : m_log(log) {}
    bool Open(const QString& what) override {
        m_log.push_back("open " + what.toStdString());
        return true;
    }

private:
    Log& m_log;
};

// A counter that has moved on by a whole second at every reading, so each wait of the alarm
// ends at its first test.
class LeapingCounter : public platform::TickCounter {
public:
    std::uint32_t Now() const override { return m_now += 1000; }

private:
    mutable std::uint32_t m_now = 0;
};

} // namespace testsupport
