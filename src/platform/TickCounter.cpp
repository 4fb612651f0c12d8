#include "platform/TickCounter.h"

#include <time.h>

namespace platform {

std::uint32_t TickCounter::Now() const {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    // Unsigned arithmetic keeps only the low 32 bits, which is the wrap we want.
    const auto ms = static_cast<std::uint64_t>(ts.tv_sec) * 1000u +
                    static_cast<std::uint64_t>(ts.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(ms) + m_offset;
}

} // namespace platform
