#include "exercises/tasks/multiple_choice.h"

#include <utility>

namespace vimo {

namespace {

const std::string kCorrectMarker = uni_widen("T_");

int unit_count(std::string_view text) { return static_cast<int>(text.size() / 2); }

bool is_blank(std::string_view item) {
    for (std::size_t i = 0; i + 1 < item.size(); i += 2)
        if (item[i + 1] != 0 || static_cast<unsigned char>(item[i]) > 0x20) return false;
    return true;
}

void add_item(McQuestion& question, UniString item) {
    if (static_cast<int>(question.items.size()) > MultipleChoice::kMaxAnswers) return;
    if (item.starts_with(kCorrectMarker)) {
        item.erase(0, kCorrectMarker.size());
        question.correct = static_cast<int>(question.items.size()) + 1;
    }
    question.items.push_back(std::move(item));
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
    while (!rest.empty() && !is_blank(rest)) {
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
            const int end = hash > 0 ? hash : unit_count(rest) + 1;
            const UniString last = uni_copy(rest, 1, end - 1);
            if (!is_blank(last)) add_item(question, last);
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
    m_marks.assign(m_questions.size(), {});
    m_attempt = {};
}

const McMarks& MultipleChoice::marks(int q, int item) const {
    static const McMarks none;
    if (q < 0 || q >= static_cast<int>(m_marks.size()) || item < 2 || item > kMaxAnswers + 1)
        return none;
    return m_marks[static_cast<std::size_t>(q)][static_cast<std::size_t>(item - 2)];
}

bool MultipleChoice::choose(int q, int item) {
    if (m_attempt.checked) return false;
    if (q < 0 || q >= static_cast<int>(m_questions.size())) return false;
    if (item < 2 || item > m_questions[static_cast<std::size_t>(q)].answer_count() + 1)
        return false;
    m_attempt.acted = true;
    auto& answers = m_marks[static_cast<std::size_t>(q)];
    for (McMarks& marks : answers)
        marks.selected = false;
    answers[static_cast<std::size_t>(item - 2)].selected = true;
    return true;
}

void MultipleChoice::check() {
    int correct = 0;
    for (std::size_t q = 0; q < m_questions.size(); ++q) {
        const McQuestion& question = m_questions[q];
        auto& answers = m_marks[q];
        const int c = question.correct;
        bool any_selected = false;
        for (const McMarks& marks : answers)
            any_selected = any_selected || marks.selected;
        McMarks* right = c >= 2 ? &answers[static_cast<std::size_t>(c - 2)] : nullptr;
        if (!any_selected && right) right->mark_bad = true;
        if (right && right->selected) {
            right->mark_ok = true;
            ++correct;
        }
        for (int item = 2; item <= question.answer_count() + 1; ++item) {
            McMarks& marks = answers[static_cast<std::size_t>(item - 2)];
            if (item != c && marks.selected) {
                marks.wrong = true;
                marks.mark_bad = true;
            }
        }
        // The correct answers always show ticked after checking.
        if (right) right->selected = true;
    }
    m_attempt.check(correct, static_cast<int>(m_questions.size()) - correct);
}

} // namespace vimo
