// The millisecond counter and its wrap from 4294967295 to 0.
#include "platform/TickCounter.h"

#include "support/Wait.h"

#include <gtest/gtest.h>

namespace {

using platform::TickCounter;

constexpr std::uint32_t kMax = 4294967295u;

TEST(TickCounter, ElapsedIsTheUnsignedDifferenceAcrossTheWrap) {
    const struct {
        std::uint32_t start, now, elapsed;
    } cases[] = {
        {0, 0, 0},       {100, 1100, 1000}, {kMax, 0, 1}, {kMax - 299, 700, 1000},
        {kMax, kMax, 0}, {10, 5, kMax - 4}, // a reading "before" the start is a wait of almost 49.7
                                            // days
    };
    for (const auto& c : cases)
        EXPECT_EQ(TickCounter::Elapsed(c.start, c.now), c.elapsed) << c.start << " -> " << c.now;
}

TEST(TickCounter, OffsetShiftsEveryReading) {
    const TickCounter plain;
    const TickCounter shifted(kMax - 1000);
    const std::uint32_t before = plain.Now();
    const std::uint32_t moved = shifted.Now();
    const std::uint32_t after = plain.Now();
    const std::uint32_t shift = TickCounter::Elapsed(before, moved) - (kMax - 1000);
    EXPECT_LE(shift, TickCounter::Elapsed(before, after));
}

// A counter started just below the wrap keeps counting through it.
TEST(TickCounter, CountsThroughTheWrap) {
    const std::uint32_t offset = (kMax - 20) - TickCounter().Now();
    const TickCounter counter(offset);
    const std::uint32_t start = counter.Now();
    ASSERT_GT(start, kMax - 1000);

    ASSERT_TRUE(testsupport::waitUntil(
        [&] { return TickCounter::Elapsed(start, counter.Now()) >= 60; }, 5000));
    const std::uint32_t later = counter.Now();
    EXPECT_LT(later, start); // it wrapped
    EXPECT_GE(TickCounter::Elapsed(start, later), 60u);
    EXPECT_LT(TickCounter::Elapsed(start, later), 5000u);
}

} // namespace
