#pragma once
// The engine of the multiple-choice task: questions of up to four answers, one of them
// marked correct with "T_", shuffled on every loading; the learner ticks one answer
// per question, checking marks right and wrong answers and counts the points.

#include "core/random.h"
#include "core/uni.h"
#include "exercises/tasks/exercise_frame.h"
#include "exercises/tasks/task_choices.h"

#include <array>
#include <functional>
#include <vector>

namespace vimo {

struct McQuestion {
    // items[0] the question, items[1..] the answers (UTF-16, "T_" removed).
    std::vector<UniString> items;
    int correct = 0; // item number (1-based, 2..5) of the correct answer; 0: none

    int answer_count() const { return static_cast<int>(items.size()) - 1; }
};

// The questions of a content text (the content line after "MC#"): items end at "=",
// a question's last item at "#"; a blank last item is dropped. Questions beyond 10 and
// answers beyond 4 are left out.
std::vector<McQuestion> parse_multiple_choice(std::string_view content);

// Four swaps of two distinct answers per question; the correct item number follows its
// answer. A question with fewer than two answers keeps its order.
void shuffle_answers(std::vector<McQuestion>& questions, RandomSource& random);

struct McMarks {
    bool selected = false;
    bool wrong = false;    // ticked but not correct (after checking)
    bool mark_bad = false; // the bad mark at the left
    bool mark_ok = false;  // the good mark at the left
};

class MultipleChoice {
public:
    static constexpr int kMaxQuestions = 10;
    static constexpr int kMaxAnswers = 4;

    // Parses and shuffles content (reseeding random) and starts afresh.
    void load(std::string_view content, RandomSource& random);

    const std::vector<McQuestion>& questions() const { return m_questions; }
    // Marks of answer item (2..) of question q (0-based).
    const McMarks& marks(int q, int item) const;

    // Ticks the answer; false (nothing changes) once checked or for no such answer.
    bool choose(int q, int item);
    // Marks every answer and counts the points.
    void check();

    const TaskAttempt& attempt() const { return m_answers.attempt(); }

private:
    using Answers = std::array<McMarks, kMaxAnswers>; // answer items 2..5 of a question

    std::vector<McQuestion> m_questions;
    TaskChoices<Answers> m_answers;
};

// Where the question list paints, for a paint box width pixels wide scrolled by
// scroll lines: the words to draw (those at y >= 0), the box of every answer and the
// rectangle a click chooses it by.
struct McWord {
    int x = 0;
    int y = 0;
    bool bold = false;
    UniString text;
    int width = 0;
};
struct McAnswerPlace {
    int question = 0; // 0-based
    int item = 0;     // 2..: the answer's item number
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};
struct McLayout {
    std::vector<McWord> words;
    std::vector<McAnswerPlace> answers;
    int end_y = 0; // y after the last question
};
// measure(word, bold): the painted width of a word.
using WordMeasure = std::function<int(const UniString& word, bool bold)>;
McLayout layout_multiple_choice(const std::vector<McQuestion>& questions, int width, int scroll,
                                const WordMeasure& measure);
// The answer a click at (x, y) chooses, or nullptr.
const McAnswerPlace* answer_at(const McLayout& layout, int x, int y);
// The largest scroll position for a list ending at end_y in a box height high; 0 when
// it fits.
int mc_max_scroll(int end_y, int height);

// The content of a task's content line: the text after its first "#".
UniString task_content(std::string_view content_line);

} // namespace vimo
