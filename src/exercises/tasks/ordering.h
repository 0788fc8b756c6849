#pragma once
// The engine of the ordering task: the words of a one-column list, shown shuffled,
// are dragged into their right order. A drop on a row moves the rows between up or
// down by one; checking marks the wrong rows, scores and puts every word in its row.
// All places are in the screen's coordinates, from widths the caller measures.

#include "core/random.h"
#include "core/uni.h"
#include "exercises/tasks/exercise_frame.h"

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace vimo {

struct OrderWord {
    UniString text;
    int row = 0; // the row the file gives it (1-based; 0 when it gives no number)
};

// A content line "DV#word*row#word*row#…": fields up to the first blank one, each cut at
// its first "*" and trimmed, the row read from its digits; at most Ordering::kMaxWords.
std::vector<OrderWord> parse_ordering(std::string_view kind_line);

// Whether the words' rows are 1 .. n, each once: the only rows that can all be right.
bool rows_are_a_permutation(const std::vector<OrderWord>& words);

struct OrderMeasures {
    std::function<int(const UniString& text)> word_width;
    int word_height = 0;
};

class Ordering {
public:
    static constexpr int kMaxWords = 14;
    static constexpr int kRowHeight = 25;
    static constexpr int kColumnMargin = 31; // added to the widest word
    static constexpr int kTableSpan = 850;   // the table is centred in it
    static constexpr int kDefaultTop = 250;
    static constexpr int kWordTop = 5;    // a word's top below its row's line
    static constexpr int kMarkLeft = 18;  // the exclamation mark left of the table
    static constexpr int kTextRight = 72; // interface text when all are right
    static constexpr int kTextWrong = 73; // when some are wrong

    // Parses and shuffles content (reseeding random) and lays the list out in its
    // table at area_left (its default centres it) and area_top. Rows the file gives
    // that are not 1 .. n once each are replaced by the file's order.
    void load(std::string_view kind_line, const TaskLayout& layout, const OrderMeasures& measures,
              RandomSource& random);

    int count() const { return static_cast<int>(m_labels.size()); }
    int column_width() const { return m_column_width; }
    int table_left() const { return m_left; }
    int table_top() const { return m_top; }
    // The table's frame and its row lines (y of the line under row k, k = 1 .. n − 1).
    AreaRect table() const { return {m_left, m_top, m_column_width, kRowHeight * count() + 1}; }
    int line_y(int k) const { return m_top + kRowHeight * k; }

    // Labels (0-based) keep their word; each stands in a row (1-based).
    const UniString& caption(int label) const { return at(label).text; }
    int correct_row(int label) const { return at(label).correct; }
    int row_of(int label) const { return at(label).row; }
    int label_in(int row) const;
    int label_width(int label) const { return at(label).width; }
    // Where label stands: centred in its row (its home, where a bad drop sends it).
    AreaRect home(int label) const;

    bool start_drag(int label);
    // Drops label at (x, y): on a row of the table it goes there and the rows between
    // move by one towards its old row; elsewhere it stays in its row. Returns the row.
    int drop(int label, int x, int y);

    // Scores, marks the rows holding a wrong word and then puts every word in its row.
    void check();
    // After checking: the word that stood wrongly in row (1-based), for its mark's hint.
    const std::optional<UniString>& mark(int row) const;
    bool all_right() const { return m_attempt.checked && m_attempt.wrong == 0; }

    const TaskAttempt& attempt() const { return m_attempt; }

private:
    struct Label {
        UniString text;
        int correct = 0;
        int width = 0;
        int row = 0;
    };
    const Label& at(int label) const { return m_labels[static_cast<std::size_t>(label)]; }

    std::vector<Label> m_labels;
    std::vector<std::optional<UniString>> m_marks;
    int m_column_width = 0;
    int m_left = 0;
    int m_top = 0;
    int m_word_height = 0;
    TaskAttempt m_attempt;
};

} // namespace vimo
