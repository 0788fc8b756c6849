#pragma once
// The engine of the sorting task: words of a pool are dragged into the columns of a
// table whose titles name categories. A drop lands in the first free cell of the
// column under the point; checking sends every word of a wrong column home with a
// remark in its cell, scores, and moves the words left over into their own columns.
// All places are in the screen's coordinates, from widths the caller measures.

#include "core/random.h"
#include "core/uni.h"
#include "exercises/tasks/exercise_frame.h"

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace vimo {

struct SortWord {
    UniString text;
    int column = 0; // its column 1 .. C; 0 when the file gives none of the table's
};

struct SortingContent {
    int columns = 0; // C, at most Sorting::kMaxColumns
    int rows = 0;    // R, the cells of a column, at most Sorting::kMaxRows
    std::vector<UniString> titles;
    std::vector<SortWord> words; // at most Sorting::kMaxWords
    // What the line gives before the limits cut it, for the course check.
    int columns_given = 0;
    int rows_given = 0;
    int words_given = 0;
};

// A content line "DD#C#R#title#…#word*D#word*D#…": C titles after the numbers, then
// until the rest is blank a word, "*", one digit naming its column and one separator.
// Numbers past the limits are cut to them; a column digit outside 1 .. C gives 0; a
// rest without "*" ends the words.
SortingContent parse_sorting(std::string_view kind_line);

struct SortMeasures {
    std::function<int(const UniString& text)> word_width;  // in the labels' font
    std::function<int(const UniString& text)> title_width; // the titles' bold font
    int word_height = 0;
};

class Sorting {
public:
    static constexpr int kMaxColumns = 8;
    static constexpr int kMaxRows = 19;
    static constexpr int kMaxWords = 40;
    static constexpr int kCellHeight = 20;
    static constexpr int kColumnMargin = 18; // added to the widest text
    static constexpr int kTableSpan = 950;   // the table is centred in it
    static constexpr int kDefaultTop = 250;
    static constexpr int kPoolLeft = 50;
    static constexpr int kPoolRowEnd = 600;
    static constexpr int kPoolGap = 20;
    static constexpr int kDropSlack = 3; // a drop area starts this far left of its column
    static constexpr int kWordShift = 9; // words stand this far right of a cell's centre
    static constexpr int kTitleTop = 3;
    static constexpr int kRemarkSize = 18;

    // Parses and shuffles content (reseeding random) and lays everything out: the table
    // at area_left (its default centres it) and area_top, the pool at pool_top.
    void load(std::string_view kind_line, const TaskLayout& layout, const SortMeasures& measures,
              RandomSource& random);

    int columns() const { return m_content.columns; }
    int rows() const { return m_content.rows; }
    int count() const { return static_cast<int>(m_labels.size()); }
    const UniString& title(int column) const; // 1-based
    int title_width(int column) const;

    int column_width() const { return m_column_width; }
    int table_left() const { return m_left; }
    int table_top() const { return m_top; }
    // Column c (1-based): where it starts, its drop area and its title's top-left.
    int column_left(int column) const { return m_left + (column - 1) * m_column_width; }
    AreaRect drop_area(int column) const;
    int title_x(int column) const;
    // The top of cell row (1-based) of every column.
    int cell_top(int row) const { return m_top + kCellHeight * row; }

    // Labels (0-based) in the shuffled order: the word each shows, its own column, its
    // home in the pool and where it stands now.
    const UniString& caption(int label) const { return word(label).text; }
    int correct_column(int label) const { return word(label).column; }
    int label_width(int label) const { return at(label).width; }
    AreaRect home(int label) const { return at(label).home; }
    AreaRect position(int label) const;
    // The column (1-based) and cell row label stands in; 0 for the pool.
    int column_of(int label) const { return at(label).column; }
    int row_of(int label) const { return at(label).row; }
    // The label in a cell, or -1.
    int label_in(int column, int row) const;

    // Whether label may be dragged (not once checked); a drag counts as acting.
    bool start_drag(int label);
    // Drops label at (x, y): out of its cell, then into the first free cell of the first
    // column whose drop area holds the point; a full column or no column sends it home.
    // Returns the column it landed in, or 0.
    int drop(int label, int x, int y);

    // Scores and corrects; a second check does nothing more.
    void check();
    // After checking: the remark of a cell (the wrong word the learner put there, "-"
    // for a cell the correction filled that the learner had left empty), if any.
    const std::optional<UniString>& remark(int column, int row) const;
    // The remark whose mark is under (x, y): the mark of cell (c, j) covers the
    // 18 × 18 pixels from (column left, top of row j − 1 of the table).
    std::optional<UniString> remark_at(int x, int y) const;

    const TaskAttempt& attempt() const { return m_attempt; }

private:
    struct Label {
        int word = 0; // into m_content.words
        int width = 0;
        AreaRect home;
        int column = 0;
        int row = 0;
    };
    const Label& at(int label) const { return m_labels[static_cast<std::size_t>(label)]; }
    Label& at(int label) { return m_labels[static_cast<std::size_t>(label)]; }
    const SortWord& word(int label) const {
        return m_content.words[static_cast<std::size_t>(at(label).word)];
    }
    std::size_t index(int column, int row) const;
    int& cell(std::vector<int>& grid, int column, int row) const;
    int first_free_row(int column) const;
    void take_out(int label);
    void put(int label, int column, int row);

    SortingContent m_content;
    std::vector<int> m_title_widths;
    std::vector<Label> m_labels;
    std::vector<int> m_grid;         // per cell the label in it + 1, or 0
    std::vector<int> m_grid_checked; // the grid as the learner left it
    std::vector<std::optional<UniString>> m_remarks;
    int m_column_width = 0;
    int m_left = 0;
    int m_top = 0;
    int m_word_height = 0;
    TaskAttempt m_attempt;
};

} // namespace vimo
