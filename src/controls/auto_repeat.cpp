#include "controls/auto_repeat.h"

namespace vimo {

int AutoRepeat::press() {
    m_held = true;
    return m_initial_pause;
}

int AutoRepeat::fire() {
    return m_repeat_pause;
}

std::vector<int> repeat_click_times(int initial_pause, int repeat_pause, int held_ms) {
    std::vector<int> times;
    if (repeat_pause <= 0) return times; // a zero pause would repeat without end
    for (int at = initial_pause; at < held_ms; at += repeat_pause)
        times.push_back(at);
    return times;
}

} // namespace vimo
