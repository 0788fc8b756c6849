#include "exercises/tasks/matching.h"

#include <algorithm>
#include <utility>

namespace vimo {

std::vector<MatchPair> parse_matching(std::string_view content) {
    std::vector<MatchPair> pairs;
    std::string_view rest = content;
    while (!uni_is_blank(rest) && static_cast<int>(pairs.size()) < Matching::kMaxPairs) {
        const int star = uni_find(1, rest, "*", true);
        const int field_end = uni_find(1, rest, "#", true);
        if (star < 0) break;
        if (field_end > 0 && field_end < star) {
            // An item without its partner is left out; the pairs after it still count.
            rest.remove_prefix(static_cast<std::size_t>(field_end) * 2);
            continue;
        }
        MatchPair pair;
        pair.left = uni_copy(rest, 1, star - 1);
        rest.remove_prefix(static_cast<std::size_t>(star) * 2);
        const int hash = uni_find(1, rest, "#", true);
        const int end = hash > 0 ? hash : uni_unit_count(rest) + 1;
        pair.right = uni_copy(rest, 1, end - 1);
        rest.remove_prefix(std::min(rest.size(), static_cast<std::size_t>(end) * 2));
        pairs.push_back(std::move(pair));
    }
    return pairs;
}

void shuffle_rows(std::vector<int>& rows, RandomSource& random) {
    swap_shuffle(rows, static_cast<int>(rows.size()), random);
}

void Matching::load(std::string_view content, RandomSource& random) {
    m_pairs = parse_matching(content);
    m_left.clear();
    for (int i = 0; i < rows(); ++i)
        m_left.push_back(i);
    m_right = m_left;
    random.reseed();
    shuffle_rows(m_left, random);
    shuffle_rows(m_right, random);
    m_selected_left.reset();
    m_selected_right.reset();
    m_results.assign(m_pairs.size(), MatchRowResult::none);
    m_attempt = {};
}

std::vector<int>& Matching::column_rows(MatchColumn column) {
    return column == MatchColumn::left ? m_left : m_right;
}

const std::vector<int>& Matching::column_rows(MatchColumn column) const {
    return column == MatchColumn::left ? m_left : m_right;
}

int Matching::item(MatchColumn column, int row) const {
    if (row < 0 || row >= rows()) return -1;
    return column_rows(column)[static_cast<std::size_t>(row)];
}

UniString Matching::text(MatchColumn column, int row) const {
    const int left = item(MatchColumn::left, row);
    if (left < 0) return {};
    const MatchPair& left_pair = m_pairs[static_cast<std::size_t>(left)];
    if (column == MatchColumn::left) return left_pair.left;
    if (result(row) == MatchRowResult::wrong) return left_pair.right;
    return m_pairs[static_cast<std::size_t>(item(MatchColumn::right, row))].right;
}

std::optional<int> Matching::selected(MatchColumn column) const {
    return column == MatchColumn::left ? m_selected_left : m_selected_right;
}

MatchRowResult Matching::result(int row) const {
    if (row < 0 || row >= static_cast<int>(m_results.size())) return MatchRowResult::none;
    return m_results[static_cast<std::size_t>(row)];
}

bool Matching::select(MatchColumn column, int row) {
    if (m_attempt.checked || row < 0 || row >= rows()) return false;
    (column == MatchColumn::left ? m_selected_left : m_selected_right) = row;
    m_last = column;
    return true;
}

bool Matching::finish_pairing() {
    if (m_attempt.checked || !m_selected_left || !m_selected_right) return false;
    const int from = m_last == MatchColumn::left ? *m_selected_left : *m_selected_right;
    const int to = m_last == MatchColumn::left ? *m_selected_right : *m_selected_left;
    m_selected_left.reset();
    m_selected_right.reset();
    if (from == to) return false;
    std::vector<int>& moving = column_rows(m_last);
    std::swap(moving[static_cast<std::size_t>(from)], moving[static_cast<std::size_t>(to)]);
    m_attempt.acted = true;
    return true;
}

bool Matching::holds_a_pair(int row) const {
    // Items that read alike are interchangeable: a row is right when its two texts are
    // those of any pair, not only of the pair its left item came from.
    const MatchPair& left = m_pairs[static_cast<std::size_t>(item(MatchColumn::left, row))];
    const MatchPair& right = m_pairs[static_cast<std::size_t>(item(MatchColumn::right, row))];
    return std::any_of(m_pairs.begin(), m_pairs.end(), [&](const MatchPair& pair) {
        return pair.left == left.left && pair.right == right.right;
    });
}

void Matching::check() {
    if (m_attempt.checked) return;
    m_selected_left.reset();
    m_selected_right.reset();
    int correct = 0;
    std::vector<bool> right(m_pairs.size(), false);
    for (int row = 0; row < rows(); ++row) {
        right[static_cast<std::size_t>(row)] = holds_a_pair(row);
        if (right[static_cast<std::size_t>(row)]) ++correct;
    }
    m_attempt.check(correct, rows() - correct);
    // Rows are marked only when something is wrong; a fully right task stays as it is.
    if (correct == rows()) return;
    for (int row = 0; row < rows(); ++row)
        m_results[static_cast<std::size_t>(row)] =
            right[static_cast<std::size_t>(row)] ? MatchRowResult::right : MatchRowResult::wrong;
}

std::vector<MatchRowPlace> layout_matching(int rows, int left_width, int right_width,
                                           int label_height, const MatchArea& area) {
    constexpr int kRowStep = 24;
    constexpr int kColumnGap = 80;   // from the left label's left end to the right label's
    constexpr int kFrameMargin = 8;  // a frame starts this far left of its label
    constexpr int kFrameExtra = 15;  // and is this much wider than it
    constexpr int kFrameHeight = 20; // centred on the connector, one pixel above the label
    constexpr int kConnectorLeft = 10;
    constexpr int kConnectorTop = 9;
    constexpr int kConnectorWidth = 60;
    constexpr int kConnectorHeight = 2;

    const int x = area.left + (area.width - right_width - left_width) / 2;
    const int right_x = x + left_width + kColumnGap;
    std::vector<MatchRowPlace> places;
    for (int j = 0; j < rows; ++j) {
        const int top = area.top + kRowStep * j;
        MatchRowPlace place;
        place.left_label = {x, top, left_width, label_height};
        place.right_label = {right_x, top, right_width, label_height};
        place.left_frame = {x - kFrameMargin, top - 1, left_width + kFrameExtra, kFrameHeight};
        place.right_frame = {right_x - kFrameMargin, top - 1, right_width + kFrameExtra,
                             kFrameHeight};
        place.connector = {x + left_width + kConnectorLeft, top + kConnectorTop, kConnectorWidth,
                           kConnectorHeight};
        places.push_back(place);
    }
    return places;
}

} // namespace vimo
