#pragma once
// The pen that flows words into lines of a fixed width, for every painter that lays
// course text out word by word (task content, instructions, the information window,
// label captions, and the dictionary, typing, drill, sentence and dialogue screens).
// The caller measures each word and decides what its tags do; the flow only says
// where things go:
// - a placed word stands at the pen, which then moves on by its width plus the gap;
// - a word that would cross the right border (x + width > right) first starts the
//   next line: x goes to the wrap x, y one line step down; a word that ends exactly
//   on the border stays;
// - a word wider than a whole line either wraps all the same, leaving the line it
//   found empty (WideWord::wraps), or stays on a line that holds nothing yet
//   (WideWord::stays), so that no line is ever left empty.
// Pure integer arithmetic, no fonts: layouts built on it are tested with fixed widths.

namespace vimo {

enum class WideWord { wraps, stays };

struct FlowFrame {
    int start_x = 0;   // the pen's x on the first line
    int top = 0;       // the first line's y
    int wrap_x = 0;    // where every later line starts
    int right = 0;     // the right border: a word fits while x + width <= right
    int line_step = 0; // from one line's y to the next
    int gap = 0;       // added to the pen after every placed word, besides its width
    WideWord wide_word = WideWord::wraps;
};

class WordFlow {
public:
    explicit WordFlow(const FlowFrame& frame);
    // Lines that all start at left, and a too-wide word that stays on its empty line.
    WordFlow(int left, int top, int right_border, int line_step, int gap);

    // Where a word goes: its top-left pen position and the number of its line (0 for
    // the first; every new line counts, whatever made it).
    struct Place {
        int x = 0;
        int y = 0;
        int line = 0;
        friend bool operator==(const Place&, const Place&) = default;
    };
    // A word of width: the border test, then the word; the pen moves past it.
    Place place(int width);
    // Something that stays on the current line whatever its width (an inline
    // picture); the pen moves past it as past a word.
    Place place_inline(int width);
    // The next line: x to the wrap x, y one line step down, or step down.
    void new_line();
    void new_line(int step);
    // Moves the pen by dx along its line, placing nothing.
    void move_pen(int dx) { m_x += dx; }

    int x() const { return m_x; }
    int y() const { return m_y; }
    int line() const { return m_line; }

private:
    FlowFrame m_frame;
    int m_x = 0;
    int m_y = 0;
    int m_line = 0;
    bool m_line_used = false; // something was placed on the current line
};

} // namespace vimo
