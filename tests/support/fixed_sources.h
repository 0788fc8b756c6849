#pragma once
// Clock and random sources with known values, for engine tests.

#include "core/clock.h"
#include "core/random.h"

#include <string>
#include <vector>

namespace vimo::test {

class FixedClock final : public Clock {
public:
    explicit FixedClock(std::chrono::system_clock::time_point now) : m_now(now) {}
    std::chrono::system_clock::time_point now() const override { return m_now; }
    void set(std::chrono::system_clock::time_point now) { m_now = now; }

private:
    std::chrono::system_clock::time_point m_now;
};

// Returns the scripted values in turn (each taken modulo n), then starts again.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<int> values) : m_values(std::move(values)) {}
    void reseed() override;
    int below(int n) override;
    int reseeds() const { return m_reseeds; }
    // Every call in order: 'R' for a reseed, 'd' for a draw (below, whatever its n),
    // so a test sees when the source was reseeded relative to the draws.
    const std::string& calls() const { return m_calls; }

private:
    std::vector<int> m_values;
    std::size_t m_next = 0;
    int m_reseeds = 0;
    std::string m_calls;
};

} // namespace vimo::test
