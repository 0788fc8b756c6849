#include "exercises/tasks/definitions.h"

#include "controls/word_layout.h"
#include "core/word_flow.h"

#include <algorithm>
#include <utility>

namespace vimo {

namespace {

DefPair split_pair(std::string_view field) {
    const int star = uni_find(1, field, "*", true);
    if (star < 0) return {uni_trim(field), {}};
    return {uni_trim(uni_copy(field, 1, star - 1)),
            uni_trim(uni_copy(field, star + 1, uni_unit_count(field)))};
}

// A trimmed interface text, or nothing for a missing or blank one.
UniString trimmed_text(std::string_view text) {
    return uni_is_blank(text) ? UniString() : uni_trim(text);
}

} // namespace

std::vector<DefPair> parse_definitions(std::string_view kind_line) {
    std::vector<DefPair> pairs;
    for (int n = 2; static_cast<int>(pairs.size()) < Definitions::kMaxPairs; ++n) {
        const UniString field = uni_field(n, kind_line, u'#');
        if (uni_is_blank(field)) break;
        pairs.push_back(split_pair(field));
    }
    return pairs;
}

std::vector<AreaRect> pool_places(const std::vector<int>& widths, int height, int left, int top,
                                  int right, int gap, int row_step) {
    std::vector<AreaRect> places;
    int x = left;
    int y = top;
    for (const int width : widths) {
        if (x + width > right) {
            x = left;
            y += row_step;
        }
        places.push_back({x, y, width, height});
        x += width + gap;
    }
    return places;
}

std::vector<DefBlock> flow_definitions(const std::vector<DefPair>& pairs, int width,
                                       const DefMeasures& measures, std::vector<DefWord>& words) {
    std::vector<DefBlock> blocks;
    int y = 0;
    for (const DefPair& pair : pairs) {
        WordFlow flow({.start_x = 0,
                       .top = y,
                       .wrap_x = 0,
                       .right = width,
                       .line_step = Definitions::kLineStep,
                       .gap = measures.space_width,
                       .wide_word = WideWord::stays});
        for (const UniString& word : split_words(pair.definition)) {
            const int word_width = measures.word_width(word);
            const WordFlow::Place at = flow.place(word_width);
            words.push_back({at.x, at.y + 2, word, word_width});
        }
        blocks.push_back({y, flow.line() + 1});
        y = flow.y() + Definitions::kDefinitionStep;
    }
    return blocks;
}

void Definitions::load(std::string_view kind_line, int pool_top, const DefMeasures& measures,
                       RandomSource& random) {
    m_pairs = parse_definitions(kind_line);
    m_attempt = {};
    m_label_height = measures.label_height;
    const int n = count();

    std::vector<int> widths;
    for (const DefPair& pair : m_pairs)
        widths.push_back(std::clamp(measures.term_width(pair.term), 0, kMaxTermWidth));
    m_widest = widths.empty() ? 0 : *std::max_element(widths.begin(), widths.end());

    // The width travels with the term, as the caption is what is swapped.
    std::vector<int> terms(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        terms[static_cast<std::size_t>(i)] = i;
    random.reseed();
    swap_shuffle(terms, n, random);
    std::vector<int> shuffled_widths;
    for (const int term : terms)
        shuffled_widths.push_back(widths[static_cast<std::size_t>(term)]);
    const std::vector<AreaRect> homes = pool_places(shuffled_widths, m_label_height, kPoolLeft,
                                                    pool_top, kPoolRight, kPoolGap, kPoolRowStep);
    m_labels.clear();
    for (int k = 0; k < n; ++k) {
        const std::size_t at = static_cast<std::size_t>(k);
        m_labels.push_back({terms[at], shuffled_widths[at], homes[at], -1});
    }

    m_box = {m_widest + 80, pool_top + kBoxBelowPool, kMaxTermWidth - m_widest, 0};
    m_words.clear();
    const std::vector<DefBlock> blocks = flow_definitions(m_pairs, m_box.width, measures, m_words);
    m_slots.clear();
    for (const DefBlock& block : blocks)
        m_slots.push_back(
            {kSlotLeft, m_box.top + block.top + 2, m_widest + 6, kLineStep * block.lines});
    m_box.height = blocks.empty() ? 0 : blocks.back().top + kLineStep * blocks.back().lines + 2;
    m_right.assign(static_cast<std::size_t>(n), 0);
    m_placed_terms.assign(static_cast<std::size_t>(n), {});
}

int Definitions::label_in(int slot) const {
    for (int k = 0; k < count(); ++k)
        if (slot_of(k) == slot) return k;
    return -1;
}

AreaRect Definitions::position(int label) const {
    const int s = slot_of(label);
    if (s < 0) return home(label);
    const AreaRect into = slot(s);
    const int width = label_width(label);
    return {into.left + (into.width - width) / 2, into.top + (into.height - m_label_height) / 2,
            width, m_label_height};
}

AreaRect Definitions::frame(int i) const {
    const AreaRect s = slot(i);
    return {s.left - 1, s.top - 1, s.width + 2, s.height + 2};
}

AreaRect Definitions::dash(int i) const {
    const AreaRect s = slot(i);
    return {m_widest + 64, s.top + s.height / 2, 10, 1};
}

AreaRect Definitions::mark(int i, int mark_width, int mark_height) const {
    const AreaRect s = slot(i);
    return {s.left - kMarkOffset, s.top + (s.height - mark_height) / 2, mark_width, mark_height};
}

bool Definitions::start_drag(int label) {
    if (m_attempt.checked || label < 0 || label >= count()) return false;
    m_attempt.acted = true;
    return true;
}

void Definitions::place(int label, int slot) {
    m_labels[static_cast<std::size_t>(label)].slot = slot;
}

int Definitions::drop(int label, int x, int y) {
    if (m_attempt.checked || label < 0 || label >= count()) return -1;
    for (int s = 0; s < count(); ++s) {
        if (!slot(s).contains(x, y)) continue;
        const int holder = label_in(s);
        if (holder >= 0 && holder != label) continue;
        place(label, s);
        return s;
    }
    place(label, -1);
    return -1;
}

bool Definitions::reads_as_a_pair(int slot, int label) const {
    const UniString& term = caption(label);
    const UniString& definition = m_pairs[static_cast<std::size_t>(slot)].definition;
    return std::any_of(m_pairs.begin(), m_pairs.end(), [&](const DefPair& pair) {
        return pair.term == term && pair.definition == definition;
    });
}

void Definitions::check() {
    m_attempt.acted = true;
    if (m_attempt.checked) return;
    int right = 0;
    for (int s = 0; s < count(); ++s) {
        const int label = label_in(s);
        const bool is_right = label >= 0 && reads_as_a_pair(s, label);
        m_right[static_cast<std::size_t>(s)] = is_right ? 1 : 0;
        m_placed_terms[static_cast<std::size_t>(s)] = label >= 0 ? caption(label) : UniString();
        if (is_right) ++right;
    }
    m_attempt.check(right, count() - right);
    if (right == count()) return;
    for (int k = 0; k < count(); ++k)
        place(k, term_of(k));
}

UniString Definitions::slot_hint(int i, std::string_view wrong_text,
                                 std::string_view empty_text) const {
    if (!m_attempt.checked || slot_right(i)) return {};
    const UniString& term = at(m_placed_terms, i);
    if (term.empty()) return trimmed_text(empty_text);
    const UniString lead = trimmed_text(wrong_text);
    return lead.empty() ? term : lead + uni_widen(" ") + term;
}

} // namespace vimo
