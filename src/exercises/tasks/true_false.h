#pragma once
// The engine of the true/false task: statements (those starting "T_" are true) in
// random order under two column titles of the interface language; the learner ticks
// one column per statement, checking marks every statement and counts the points.

#include "core/random.h"
#include "core/uni.h"
#include "exercises/tasks/exercise_frame.h"
#include "exercises/tasks/task_choices.h"

#include <functional>
#include <string_view>
#include <vector>

namespace vimo {

struct TfStatement {
    UniString text; // "T_" removed
    bool is_true = false;
};

struct TfContent {
    UniString true_title;
    UniString false_title;
    std::vector<TfStatement> statements;
};

// The content line ("TF#" + titles + statements): the titles of interface language
// 0, 1, 2 or 4 (language 3, for which the file holds none, gets those of 0), then the
// statements from field 10 up to the first empty field, at most 18.
TfContent parse_true_false(std::string_view content_line, int interface_language);

// As many swaps of two distinct statements as there are statements.
void shuffle_statements(std::vector<TfStatement>& statements, RandomSource& random);

enum class TfResult { none, right, wrong_column, nothing_chosen };

struct TfChoice {
    bool true_chosen = false;
    bool false_chosen = false;
};

class TrueFalse {
public:
    static constexpr int kMaxStatements = 18;

    void load(std::string_view content_line, int interface_language, RandomSource& random);

    const TfContent& content() const { return m_content; }
    const TfChoice& choice(int i) const; // i 0-based
    // The result mark of statement i after checking.
    TfResult result(int i) const;

    // Ticks the true or the false box of statement i; false once checked.
    bool choose(int i, bool answer_true);
    void check();

    const TaskAttempt& attempt() const { return m_statements.attempt(); }

private:
    struct Statement {
        TfChoice choice;
        TfResult result = TfResult::none;
    };

    TfContent m_content;
    TaskChoices<Statement> m_statements;
};

} // namespace vimo

namespace vimo {

// Where the statement list paints in a box width pixels wide: the two column titles
// over the box columns (W wide in all, the middle line at H), the statements' words
// right of them, and for statement i the top of its boxes relative to the list.
struct TfWord {
    int x = 0;
    int y = 0;
    UniString text;
    int width = 0;
};
struct TfLayout {
    int columns_width = 0; // W
    int middle = 0;        // H
    int true_title_x = 0;
    int false_title_x = 0;
    std::vector<TfWord> words;
    std::vector<int> box_tops; // per statement
    int end_y = 0;
};
// title_measure: width of a title in the bold title font; measure: of a word.
TfLayout layout_true_false(const TfContent& content, int width, int box_height,
                           const std::function<int(const UniString&)>& title_measure,
                           const std::function<int(const UniString&)>& measure);

} // namespace vimo
