#include "exercises/tasks/true_false.h"

#include "core/word_flow.h"
#include "exercises/tasks/text_painter.h"

#include <algorithm>
#include <utility>

namespace vimo {

namespace {

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

} // namespace

TfContent parse_true_false(std::string_view content_line, int interface_language) {
    TfContent content;
    const int offset = title_offset(interface_language);
    content.true_title = uni_field(2 + offset, content_line, u'#');
    content.false_title = uni_field(6 + offset, content_line, u'#');
    for (int n = 10;; ++n) {
        UniString field = uni_field(n, content_line, u'#');
        if (uni_is_blank(field)) break;
        if (static_cast<int>(content.statements.size()) == TrueFalse::kMaxStatements) break;
        TfStatement statement;
        statement.is_true = take_correct_marker(field);
        statement.text = std::move(field);
        content.statements.push_back(std::move(statement));
    }
    return content;
}

void shuffle_statements(std::vector<TfStatement>& statements, RandomSource& random) {
    swap_shuffle(statements, static_cast<int>(statements.size()), random);
}

void TrueFalse::load(std::string_view content_line, int interface_language, RandomSource& random) {
    m_content = parse_true_false(content_line, interface_language);
    random.reseed();
    shuffle_statements(m_content.statements, random);
    m_statements.reset(m_content.statements.size());
}

const TfChoice& TrueFalse::choice(int i) const {
    return m_statements.slot(i).choice;
}

TfResult TrueFalse::result(int i) const {
    return m_statements.slot(i).result;
}

bool TrueFalse::choose(int i, bool answer_true) {
    return m_statements.choose(i, [answer_true](Statement& statement) {
        statement.choice = {answer_true, !answer_true};
    });
}

void TrueFalse::check() {
    m_statements.check([this](int i, Statement& statement) {
        const TfChoice& chosen = statement.choice;
        const bool is_true = m_content.statements[static_cast<std::size_t>(i)].is_true;
        if (!chosen.true_chosen && !chosen.false_chosen) {
            statement.result = TfResult::nothing_chosen;
            return false;
        }
        const bool right = chosen.true_chosen == is_true;
        statement.result = right ? TfResult::right : TfResult::wrong_column;
        return right;
    });
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
    WordFlow flow({.start_x = left,
                   .top = 26,
                   .wrap_x = left,
                   .right = width,
                   .line_step = 17,
                   .gap = 3,
                   .wide_word = WideWord::wraps});
    for (const TfStatement& statement : content.statements) {
        const int first_line = flow.y();
        for (const MarkedWord& marked : split_marked_words(statement.text)) {
            const int word_width = measure(marked.text);
            const WordFlow::Place at = flow.place(word_width);
            layout.words.push_back({at.x, at.y, marked.text, word_width});
        }
        // The boxes stand centred on the statement's lines and the gap after them.
        const int offset = (flow.y() + 24 - first_line) / 2 - box_height / 2 - 5;
        layout.box_tops.push_back(first_line + offset);
        flow.new_line(24);
    }
    layout.end_y = flow.y();
    return layout;
}

} // namespace vimo
