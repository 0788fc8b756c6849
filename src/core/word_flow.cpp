#include "core/word_flow.h"

namespace vimo {

WordFlow::WordFlow(const FlowFrame& frame) : m_frame(frame), m_x(frame.start_x), m_y(frame.top) {}

WordFlow::WordFlow(int left, int top, int right_border, int line_step, int gap)
    : WordFlow(FlowFrame{left, top, left, right_border, line_step, gap, WideWord::stays}) {}

WordFlow::Place WordFlow::place(int width) {
    const bool crosses = m_x + width > m_frame.right;
    const bool may_wrap = m_frame.wide_word == WideWord::wraps || m_line_used;
    if (crosses && may_wrap) new_line();
    return place_inline(width);
}

WordFlow::Place WordFlow::place_inline(int width) {
    const Place at{m_x, m_y, m_line};
    m_x += width + m_frame.gap;
    m_line_used = true;
    return at;
}

void WordFlow::new_line() {
    new_line(m_frame.line_step);
}

void WordFlow::new_line(int step) {
    m_x = m_frame.wrap_x;
    m_y += step;
    ++m_line;
    m_line_used = false;
}

} // namespace vimo
