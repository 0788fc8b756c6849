#include "core/random.h"

namespace vimo {

void ClockSeededRandom::reseed() {
    const auto ticks = m_clock.now().time_since_epoch().count();
    m_generator.seed(static_cast<std::mt19937::result_type>(ticks ^ (ticks >> 32)));
}

int ClockSeededRandom::below(int n) {
    if (n < 2) return 0;
    std::uniform_int_distribution<int> pick(0, n - 1);
    return pick(m_generator);
}

std::pair<int, int> distinct_positions(RandomSource& random, int n) {
    if (n < 2) return {1, 1};
    const int first = random.below(n) + 1;
    // The second is drawn among the other n-1 positions, so it never equals the first.
    int second = random.below(n - 1) + 1;
    if (second >= first) ++second;
    return {first, second};
}

} // namespace vimo
