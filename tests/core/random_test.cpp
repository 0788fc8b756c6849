#include "core/random.h"
#include "support/fixed_sources.h"

#include <chrono>
#include <cstdint>
#include <gtest/gtest.h>
#include <set>
#include <vector>

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

TEST(DistinctPositions, FewerThanTwoPositionsDrawNothing) {
    for (const int n : {1, 0, -1}) {
        SCOPED_TRACE(n);
        test::ScriptedRandom random({1, 2});
        EXPECT_EQ(distinct_positions(random, n), std::make_pair(1, 1));
        EXPECT_EQ(random.calls(), "");
    }
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

std::vector<int> draws(RandomSource& random) {
    std::vector<int> values;
    for (int i = 0; i < 8; ++i)
        values.push_back(random.below(1000));
    return values;
}

struct ClockPairCase {
    const char* name;
    std::chrono::system_clock::duration apart;
};

TEST(ClockSeededRandom, AnotherClockValueGivesAnotherSequence) {
    using std::chrono::system_clock;
    const system_clock::time_point start(std::chrono::seconds(1'700'000'000));
    const ClockPairCase cases[] = {
        {"a millisecond later", std::chrono::milliseconds(1)},
        {"a second later", std::chrono::seconds(1)},
        // The tick count is folded to 32 bits: its high half must still count.
        {"2^32 ticks later", system_clock::duration(std::int64_t{1} << 32)},
    };
    for (const ClockPairCase& c : cases) {
        SCOPED_TRACE(c.name);
        test::FixedClock early(start);
        test::FixedClock late(start + c.apart);
        ClockSeededRandom first(early);
        ClockSeededRandom second(late);
        EXPECT_NE(draws(first), draws(second));
    }
}

TEST(ClockSeededRandom, ReseedingReadsTheClockAgain) {
    using std::chrono::system_clock;
    test::FixedClock clock(system_clock::time_point(std::chrono::seconds(1'700'000'000)));
    ClockSeededRandom random(clock);
    const std::vector<int> before = draws(random);
    clock.set(clock.now() + std::chrono::milliseconds(250));
    random.reseed();
    const std::vector<int> after = draws(random);
    ClockSeededRandom fresh(clock);
    EXPECT_EQ(after, draws(fresh)) << "a reseed starts the sequence of the clock's new value";
    EXPECT_NE(after, before);
}

} // namespace
} // namespace vimo
