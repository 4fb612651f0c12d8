#pragma once

#include <cstdint>

namespace platform {

// A millisecond counter: unsigned 32 bits of the monotonic clock, wrapping from 4294967295 to 0
// about every 49.7 days. Measure a wait as Elapsed(start, Now()), which stays right across one
// wrap. The offset is added to every reading, so a test can start the counter just below the
// wrap; derive and override Now for a counter driven entirely by a test.
class TickCounter {
public:
    explicit TickCounter(std::uint32_t offset = 0)
        : m_offset(offset) {}
    virtual ~TickCounter() = default;

    virtual std::uint32_t Now() const;

    static std::uint32_t Elapsed(std::uint32_t start, std::uint32_t now) { return now - start; }

private:
    std::uint32_t m_offset;
};

} // namespace platform
