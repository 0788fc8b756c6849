#include "exercises/tasks/true_false.h"

#include "exercises/tasks/text_painter.h"

#include <algorithm>
#include <utility>

namespace vimo {

namespace {

const std::string kTrueMarker = uni_widen("T_");

// Fields 2..5 and 6..9 hold the titles of interface languages 0, 1, 2 and 4.
int title_offset(int interface_language) {
    switch (interface_language) {
    case 1:
        return 1;
    case 2:
        return 2;
    case 4:
        return 3;
    default:
        return 0; // 0, and 3, which has titles of its own nowhere
    }
}

bool empty_field(const UniString& field) {
    const UniString trimmed = uni_trim(field);
    return trimmed.size() < 2;
}

} // namespace

TfContent parse_true_false(std::string_view content_line, int interface_language) {
    TfContent content;
    const int offset = title_offset(interface_language);
    content.true_title = uni_field(2 + offset, content_line, u'#');
    content.false_title = uni_field(6 + offset, content_line, u'#');
    for (int n = 10;; ++n) {
        UniString field = uni_field(n, content_line, u'#');
        if (field.empty() || empty_field(field)) break;
        if (static_cast<int>(content.statements.size()) == TrueFalse::kMaxStatements) break;
        TfStatement statement;
        if (field.starts_with(kTrueMarker)) {
            field.erase(0, kTrueMarker.size());
            statement.is_true = true;
        }
        statement.text = std::move(field);
        content.statements.push_back(std::move(statement));
    }
    return content;
}

void shuffle_statements(std::vector<TfStatement>& statements, RandomSource& random) {
    const int count = static_cast<int>(statements.size());
    if (count < 2) return;
    for (int swap = 0; swap < count; ++swap) {
        const auto [a, b] = distinct_positions(random, count);
        std::swap(statements[static_cast<std::size_t>(a - 1)],
                  statements[static_cast<std::size_t>(b - 1)]);
    }
}

void TrueFalse::load(std::string_view content_line, int interface_language, RandomSource& random) {
    m_content = parse_true_false(content_line, interface_language);
    random.reseed();
    shuffle_statements(m_content.statements, random);
    m_choices.assign(m_content.statements.size(), {});
    m_results.assign(m_content.statements.size(), TfResult::none);
    m_attempt = {};
}

const TfChoice& TrueFalse::choice(int i) const {
    static const TfChoice none;
    if (i < 0 || i >= static_cast<int>(m_choices.size())) return none;
    return m_choices[static_cast<std::size_t>(i)];
}

TfResult TrueFalse::result(int i) const {
    if (i < 0 || i >= static_cast<int>(m_results.size())) return TfResult::none;
    return m_results[static_cast<std::size_t>(i)];
}

bool TrueFalse::choose(int i, bool answer_true) {
    if (m_attempt.checked || i < 0 || i >= static_cast<int>(m_choices.size())) return false;
    m_attempt.acted = true;
    m_choices[static_cast<std::size_t>(i)] = {answer_true, !answer_true};
    return true;
}

void TrueFalse::check() {
    int correct = 0;
    for (std::size_t i = 0; i < m_choices.size(); ++i) {
        const TfChoice& chosen = m_choices[i];
        const bool is_true = m_content.statements[i].is_true;
        if (!chosen.true_chosen && !chosen.false_chosen) {
            m_results[i] = TfResult::nothing_chosen;
        } else if (chosen.true_chosen == is_true) {
            m_results[i] = TfResult::right;
            ++correct;
        } else {
            m_results[i] = TfResult::wrong_column;
        }
    }
    m_attempt.check(correct, static_cast<int>(m_choices.size()) - correct);
}

} // namespace vimo

namespace vimo {

TfLayout layout_true_false(const TfContent& content, int width, int box_height,
                           const std::function<int(const UniString&)>& title_measure,
                           const std::function<int(const UniString&)>& measure) {
    TfLayout layout;
    const int true_width = title_measure(uni_trim(content.true_title));
    const int false_width = title_measure(uni_trim(content.false_title));
    layout.columns_width = 2 * std::max(true_width, false_width) + 10;
    layout.middle = layout.columns_width / 2;
    const int h = layout.middle;
    layout.true_title_x = (h - true_width) / 2 + 1;
    layout.false_title_x = h + (h - false_width) / 2 + 1;
    const int left = layout.columns_width + 5;
    int y = 26;
    for (const TfStatement& statement : content.statements) {
        const int first_line = y;
        int x = left;
        for (const MarkedWord& marked : split_marked_words(statement.text)) {
            const UniString& word = marked.text;
            const int w = measure(word);
            if (x + w > width) {
                x = left;
                y += 17;
            }
            layout.words.push_back({x, y, word});
            x += w + 3;
        }
        const int offset = (y + 24 - first_line) / 2 - box_height / 2 - 5;
        layout.box_tops.push_back(first_line + offset);
        y += 24;
    }
    layout.end_y = y;
    return layout;
}

} // namespace vimo
