#include "exercises/tasks/multiple_choice.h"

#include "core/word_flow.h"
#include "exercises/tasks/text_painter.h"

#include <algorithm>
#include <utility>

namespace vimo {

namespace {

void add_item(McQuestion& question, UniString item) {
    if (static_cast<int>(question.items.size()) > MultipleChoice::kMaxAnswers) return;
    if (take_correct_marker(item)) question.correct = static_cast<int>(question.items.size()) + 1;
    question.items.push_back(std::move(item));
}

// Marks the answers of one question after checking; true when its correct answer
// was the one ticked.
bool mark_answers(const McQuestion& question,
                  std::array<McMarks, MultipleChoice::kMaxAnswers>& answers) {
    const int c = question.correct;
    bool any_selected = false;
    for (const McMarks& marks : answers)
        any_selected = any_selected || marks.selected;
    McMarks* right = c >= 2 ? &answers[static_cast<std::size_t>(c - 2)] : nullptr;
    if (!any_selected && right) right->mark_bad = true;
    const bool counted = right && right->selected;
    if (counted) right->mark_ok = true;
    for (int item = 2; item <= question.answer_count() + 1; ++item) {
        McMarks& marks = answers[static_cast<std::size_t>(item - 2)];
        if (item != c && marks.selected) {
            marks.wrong = true;
            marks.mark_bad = true;
        }
    }
    // The correct answers always show ticked after checking.
    if (right) right->selected = true;
    return counted;
}

} // namespace

UniString task_content(std::string_view content_line) {
    const int hash = uni_find(1, content_line, "#", true);
    if (hash < 0) return {};
    return UniString(content_line.substr(static_cast<std::size_t>(hash) * 2));
}

std::vector<McQuestion> parse_multiple_choice(std::string_view content) {
    std::vector<McQuestion> questions;
    std::string_view rest = content;
    while (!rest.empty() && !uni_is_blank(rest)) {
        McQuestion question;
        while (true) {
            const int equals = uni_find(1, rest, "=", true);
            const int hash = uni_find(1, rest, "#", true);
            if (equals > 0 && (hash < 0 || equals < hash)) {
                add_item(question, uni_copy(rest, 1, equals - 1));
                rest.remove_prefix(static_cast<std::size_t>(equals) * 2);
                continue;
            }
            // The last item ends at "#" (or at the end of a line that lacks it).
            const int end = hash > 0 ? hash : uni_unit_count(rest) + 1;
            const UniString last = uni_copy(rest, 1, end - 1);
            if (!uni_is_blank(last)) add_item(question, last);
            rest.remove_prefix(std::min(rest.size(), static_cast<std::size_t>(end) * 2));
            break;
        }
        if (static_cast<int>(questions.size()) < MultipleChoice::kMaxQuestions)
            questions.push_back(std::move(question));
    }
    return questions;
}

void shuffle_answers(std::vector<McQuestion>& questions, RandomSource& random) {
    for (McQuestion& question : questions) {
        const int answers = question.answer_count();
        if (answers < 2) continue;
        for (int swap = 0; swap < 4; ++swap) {
            const auto [a, b] = distinct_positions(random, answers);
            const int first = a + 1; // item numbers: answers start at 2
            const int second = b + 1;
            std::swap(question.items[static_cast<std::size_t>(first - 1)],
                      question.items[static_cast<std::size_t>(second - 1)]);
            if (question.correct == first)
                question.correct = second;
            else if (question.correct == second)
                question.correct = first;
        }
    }
}

void MultipleChoice::load(std::string_view content, RandomSource& random) {
    m_questions = parse_multiple_choice(content);
    random.reseed();
    shuffle_answers(m_questions, random);
    m_answers.reset(m_questions.size());
}

const McMarks& MultipleChoice::marks(int q, int item) const {
    return slot_or_none(m_answers.slot(q), item - 2);
}

bool MultipleChoice::choose(int q, int item) {
    const bool is_answer = q >= 0 && q < static_cast<int>(m_questions.size()) && item >= 2 &&
                           item <= m_questions[static_cast<std::size_t>(q)].answer_count() + 1;
    return m_answers.choose(q, is_answer, [item](Answers& answers) {
        for (McMarks& marks : answers)
            marks.selected = false;
        answers[static_cast<std::size_t>(item - 2)].selected = true;
    });
}

void MultipleChoice::check() {
    m_answers.check([this](int q, Answers& answers) {
        return mark_answers(m_questions[static_cast<std::size_t>(q)], answers);
    });
}

} // namespace vimo

namespace vimo {

namespace {

// The question list switches bold on "<b>" and "</b>" in either letter case (the
// shared tags count in upper case only); its other tags act as everywhere.
TagEffect list_tag_effect(std::string_view word) {
    const TagEffect shared = tag_effect(word, BreakMatch::upper_case);
    if (shared != TagEffect::none) return shared;
    const std::string word8 = uni_narrow(word, 1, uni_unit_count(word));
    if (word8 == "<b>") return TagEffect::bold_on;
    if (word8 == "</b>") return TagEffect::bold_off;
    return TagEffect::none;
}

} // namespace

McLayout layout_multiple_choice(const std::vector<McQuestion>& questions, int width, int scroll,
                                const WordMeasure& measure) {
    constexpr int kQuestionX = 25;
    constexpr int kAnswerX = 50;
    constexpr int kLine = 24;
    constexpr int kBreak = 18; // a <BR> inside an item moves less than a wrapped line
    McLayout layout;
    int y = -kLine * scroll;
    bool bold = false; // the style carries over from item to item
    for (std::size_t q = 0; q < questions.size(); ++q) {
        const McQuestion& question = questions[q];
        for (std::size_t i = 0; i < question.items.size(); ++i) {
            const int item = static_cast<int>(i) + 1;
            const bool answer = item >= 2;
            McAnswerPlace place{static_cast<int>(q), item, kQuestionX, y, 0, 0};
            WordFlow flow({.start_x = answer ? kAnswerX : kQuestionX,
                           .top = y,
                           .wrap_x = kAnswerX,
                           .right = width,
                           .line_step = kLine,
                           .gap = 3,
                           .wide_word = WideWord::wraps});
            int largest_x = flow.x();
            for (const MarkedWord& marked : split_marked_words(question.items[i])) {
                const UniString& word = marked.text;
                if (is_tag_word(word)) {
                    const TagEffect effect = list_tag_effect(word);
                    if (effect == TagEffect::bold_on) bold = true;
                    if (effect == TagEffect::bold_off) bold = false;
                    if (effect == TagEffect::line_break) flow.new_line(kBreak);
                    continue;
                }
                const int word_width = measure(word, bold);
                const WordFlow::Place at = flow.place(word_width);
                if (at.y >= 0) layout.words.push_back({at.x, at.y, bold, word, word_width});
                largest_x = std::max(largest_x, flow.x());
            }
            y = flow.y();
            if (answer) {
                place.right = largest_x;
                place.bottom = y + 25;
                layout.answers.push_back(place);
            }
            y += kLine;
        }
        y += kLine; // a blank line after each question
    }
    layout.end_y = y;
    return layout;
}

const McAnswerPlace* answer_at(const McLayout& layout, int x, int y) {
    for (const McAnswerPlace& place : layout.answers)
        if (place.contains(x, y)) return &place;
    return nullptr;
}

int mc_max_scroll(int end_y, int height) {
    // The step is 24 pixels but the range is counted in 25-pixel units, plus one.
    if (height >= end_y - 25) return 0;
    return (end_y - height) / 25 + 1;
}

} // namespace vimo
