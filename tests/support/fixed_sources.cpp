#include "support/fixed_sources.h"

namespace vimo::test {

void ScriptedRandom::reseed() {
    ++m_reseeds;
    m_calls += 'R';
}

int ScriptedRandom::below(int n) {
    m_calls += 'd';
    if (n < 2 || m_values.empty()) return 0;
    const int value = m_values[m_next];
    m_next = (m_next + 1) % m_values.size();
    return ((value % n) + n) % n;
}

} // namespace vimo::test
