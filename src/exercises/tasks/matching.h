#pragma once
// The engine of the matching task: pairs of items shown in two columns, each shuffled
// on its own. The learner brings items onto the same row by a click in one column and
// then one in the other; checking counts the rows that hold a pair of the task and
// shows the right partner in every wrong row.

#include "core/random.h"
#include "core/uni.h"
#include "exercises/tasks/exercise_frame.h"

#include <optional>
#include <string_view>
#include <vector>

namespace vimo {

struct MatchPair {
    UniString left;
    UniString right;
};

// The pairs of a content text (the content line after "HH#"): the left item, "*", the
// right item, "#", until the rest is blank. A field without its "*" is left out; the
// last right item may lack its "#". Pairs beyond 14 are left out.
std::vector<MatchPair> parse_matching(std::string_view content);

// As many swaps of two distinct rows as there are rows; fewer than two rows keep their
// order. rows holds the pair numbers of one column.
void shuffle_rows(std::vector<int>& rows, RandomSource& random);

enum class MatchColumn { left, right };
enum class MatchRowResult { none, right, wrong };

class Matching {
public:
    static constexpr int kMaxPairs = 14;

    // Parses, shuffles both columns (reseeding random) and starts afresh.
    void load(std::string_view content, RandomSource& random);

    const std::vector<MatchPair>& pairs() const { return m_pairs; }
    int rows() const { return static_cast<int>(m_pairs.size()); }
    // The text standing on row (0-based) of a column; empty outside the table. After
    // checking, a wrong row's right text is the partner of its left item.
    UniString text(MatchColumn column, int row) const;
    // The pair number (0-based) of the item on row of a column; -1 outside the table.
    int item(MatchColumn column, int row) const;
    std::optional<int> selected(MatchColumn column) const;
    bool is_selected(MatchColumn column, int row) const { return selected(column) == row; }
    MatchRowResult result(int row) const;

    // The first half of a click: the item on row of column becomes that column's
    // selection (the one selected before there is dropped). False, and nothing
    // changes, once checked or for a row that does not exist.
    bool select(MatchColumn column, int row);
    // The second half, after the pause: with a selection in both columns, the item
    // selected last moves to the row of the other one, and the item it finds there
    // takes its old row; both selections are then dropped. True when an item moved.
    bool finish_pairing();
    // Counts the rows holding a pair of the task and marks every row when any is wrong.
    void check();

    const TaskAttempt& attempt() const { return m_attempt; }

private:
    std::vector<int>& column_rows(MatchColumn column);
    const std::vector<int>& column_rows(MatchColumn column) const;
    bool holds_a_pair(int row) const;

    std::vector<MatchPair> m_pairs;
    std::vector<int> m_left;  // per row the pair number of its left item
    std::vector<int> m_right; // per row the pair number of its right item
    std::optional<int> m_selected_left;
    std::optional<int> m_selected_right;
    MatchColumn m_last = MatchColumn::left; // the column of the latest selection
    std::vector<MatchRowResult> m_results;
    TaskAttempt m_attempt;
};

// Where the rows stand: left label, right label, their frames and the connecting
// shape between them, for label widths left_width and right_width, rows below top
// and centred in width from left.
struct MatchBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const MatchBox&, const MatchBox&) = default;
};
struct MatchRowPlace {
    MatchBox left_label; // its height is the label's own
    MatchBox right_label;
    MatchBox left_frame;
    MatchBox right_frame;
    MatchBox connector;
};
struct MatchArea {
    int left = 0;
    int top = 200;
    int width = 670;
};
std::vector<MatchRowPlace> layout_matching(int rows, int left_width, int right_width,
                                           int label_height, const MatchArea& area);

} // namespace vimo
