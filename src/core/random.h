#pragma once
// The engine's only source of randomness. Every shuffle first calls reseed(), then
// draws positions with below(); the program's generator reseeds from the clock, so
// nothing about an order is ever stored, and tests pass a scripted source.

#include "core/clock.h"

#include <random>
#include <utility>
#include <vector>

namespace vimo {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;
    // A number in 0 .. n-1 (0 when n < 2).
    virtual int below(int n) = 0;
};

class ClockSeededRandom final : public RandomSource {
public:
    explicit ClockSeededRandom(const Clock& clock) : m_clock(clock) { reseed(); }
    void reseed() override;
    int below(int n) override;

private:
    const Clock& m_clock;
    std::mt19937 m_generator;
};

// Two distinct positions in 1 .. n (n >= 2), the unit of every shuffle: swap them.
std::pair<int, int> distinct_positions(RandomSource& random, int n);

// swaps exchanges of two distinct positions of items: the shuffle of every list of a
// task. Fewer than two items stay as they are and draw nothing.
template <typename T> void swap_shuffle(std::vector<T>& items, int swaps, RandomSource& random) {
    const int n = static_cast<int>(items.size());
    if (n < 2) return;
    for (int swap = 0; swap < swaps; ++swap) {
        const auto [a, b] = distinct_positions(random, n);
        std::swap(items[static_cast<std::size_t>(a - 1)], items[static_cast<std::size_t>(b - 1)]);
    }
}

} // namespace vimo
