#pragma once
// Auto-repeat of a held arrow picture: the first repeat after the initial pause,
// then one every repeat pause, until the button is released.
#include <vector>

namespace vimo {

class AutoRepeat {
public:
    AutoRepeat(int initial_pause = 250, int repeat_pause = 75)
        : m_initial_pause(initial_pause), m_repeat_pause(repeat_pause) {}

    // A button went down: the interval to start the timer with.
    int press();
    // The timer fired (one click): the interval it runs with from now on.
    int fire();
    void release() { m_held = false; }
    bool held() const { return m_held; }
    int initial_pause() const { return m_initial_pause; }
    int repeat_pause() const { return m_repeat_pause; }

private:
    int m_initial_pause = 250;
    int m_repeat_pause = 75;
    bool m_held = false;
};

// The times (ms after the press) of the repeated clicks while a button is held for
// held_ms; a repeat due exactly at the release does not happen, the timer is
// stopped first.
std::vector<int> repeat_click_times(int initial_pause, int repeat_pause, int held_ms);

} // namespace vimo
