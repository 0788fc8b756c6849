#include "core/random.h"
#include "support/fixed_sources.h"

#include <gtest/gtest.h>
#include <set>

namespace vimo {
namespace {

TEST(DistinctPositions, NeverTheSameTwiceAndCoverEveryPair) {
    // Every scripted draw: the two positions differ and stay in 1..n.
    std::set<std::pair<int, int>> seen;
    for (int a = 0; a < 4; ++a) {
        for (int b = 0; b < 3; ++b) {
            test::ScriptedRandom random({a, b});
            const auto [first, second] = distinct_positions(random, 4);
            EXPECT_NE(first, second);
            EXPECT_GE(std::min(first, second), 1);
            EXPECT_LE(std::max(first, second), 4);
            seen.insert({first, second});
        }
    }
    EXPECT_EQ(seen.size(), 12u); // all ordered pairs of 4 positions
}

TEST(ClockSeededRandom, SameClockGivesTheSameOrder) {
    test::FixedClock clock(std::chrono::system_clock::time_point(std::chrono::seconds(1000)));
    ClockSeededRandom first(clock);
    ClockSeededRandom second(clock);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(first.below(1000), second.below(1000));
    clock.set(clock.now() + std::chrono::milliseconds(1));
    first.reseed();
    second.reseed();
    EXPECT_EQ(first.below(1 << 30), second.below(1 << 30));
}

} // namespace
} // namespace vimo
