#include "exercises/tasks/ordering.h"

#include <algorithm>

namespace vimo {

std::vector<OrderWord> parse_ordering(std::string_view kind_line) {
    std::vector<OrderWord> words;
    for (int n = 2; static_cast<int>(words.size()) < Ordering::kMaxWords; ++n) {
        const UniString field = uni_field(n, kind_line, u'#');
        if (uni_is_blank(field)) break;
        const int star = uni_find(1, field, "*", true);
        const UniString text = star < 0 ? field : uni_copy(field, 1, star - 1);
        OrderWord word{uni_trim(text), 0};
        if (star >= 0)
            word.row = uni_digits_or_zero(uni_copy(field, star + 1, uni_unit_count(field)));
        words.push_back(std::move(word));
    }
    return words;
}

bool rows_are_a_permutation(const std::vector<OrderWord>& words) {
    const int n = static_cast<int>(words.size());
    std::vector<bool> seen(static_cast<std::size_t>(n), false);
    for (const OrderWord& word : words) {
        if (word.row < 1 || word.row > n || seen[static_cast<std::size_t>(word.row - 1)])
            return false;
        seen[static_cast<std::size_t>(word.row - 1)] = true;
    }
    return true;
}

void Ordering::load(std::string_view kind_line, const TaskLayout& layout,
                    const OrderMeasures& measures, RandomSource& random) {
    std::vector<OrderWord> words = parse_ordering(kind_line);
    if (!rows_are_a_permutation(words)) {
        for (std::size_t i = 0; i < words.size(); ++i)
            words[i].row = static_cast<int>(i) + 1;
    }
    m_attempt = {};
    m_word_height = measures.word_height;
    random.reseed();
    swap_shuffle(words, 2 * static_cast<int>(words.size()), random);

    m_labels.clear();
    int widest = 0;
    for (std::size_t k = 0; k < words.size(); ++k) {
        const int width = measures.word_width(words[k].text);
        widest = std::max(widest, width);
        m_labels.push_back(
            {std::move(words[k].text), words[k].row, width, static_cast<int>(k) + 1});
    }
    m_column_width = widest + kColumnMargin;
    m_left = layout.area_left >= 0 ? layout.area_left : (kTableSpan - m_column_width) / 2;
    m_top = layout.area_top >= 0 ? layout.area_top : kDefaultTop;
    m_marks.assign(m_labels.size(), std::nullopt);
}

int Ordering::label_in(int row) const {
    for (int k = 0; k < count(); ++k)
        if (row_of(k) == row) return k;
    return -1;
}

AreaRect Ordering::home(int label) const {
    const Label& l = at(label);
    return {m_left + (m_column_width - l.width) / 2, m_top + kRowHeight * (l.row - 1) + kWordTop,
            l.width, m_word_height};
}

bool Ordering::start_drag(int label) {
    if (m_attempt.checked || label < 0 || label >= count()) return false;
    m_attempt.acted = true;
    return true;
}

int Ordering::drop(int label, int x, int y) {
    if (m_attempt.checked || label < 0 || label >= count()) return 0;
    Label& dropped = m_labels[static_cast<std::size_t>(label)];
    const int dy = y - m_top;
    if (!(dy > 1 && dy < kRowHeight * count() - 1 && x > m_left + 1 &&
          x < m_left + m_column_width - 1))
        return dropped.row;
    const int from = dropped.row;
    const int to = dy / kRowHeight + 1;
    for (Label& other : m_labels) {
        if (from < to && other.row > from && other.row <= to) --other.row;
        if (to < from && other.row >= to && other.row < from) ++other.row;
    }
    dropped.row = to;
    return to;
}

void Ordering::check() {
    m_attempt.acted = true;
    if (m_attempt.checked) return;
    int right = 0;
    for (const Label& l : m_labels) {
        if (l.row == l.correct)
            ++right;
        else
            m_marks[static_cast<std::size_t>(l.row - 1)] = l.text;
    }
    m_attempt.check(right, count() - right);
    for (Label& l : m_labels)
        l.row = l.correct;
}

const std::optional<UniString>& Ordering::mark(int row) const {
    static const std::optional<UniString> none;
    if (row < 1 || row > count()) return none;
    return m_marks[static_cast<std::size_t>(row - 1)];
}

} // namespace vimo
