#include "controls/hint_layout.h"

namespace vimo {

namespace {

const UniString& open_tag() {
    static const UniString tag = uni_widen("<B>");
    return tag;
}

const UniString& close_tag() {
    static const UniString tag = uni_widen("</B>");
    return tag;
}

// Byte offset of the first match of tag that starts on a unit boundary, or npos: a
// match across two units' bytes is no markup.
std::size_t find_tag(const UniString& word, const UniString& tag) {
    for (std::size_t at = word.find(tag); at != UniString::npos; at = word.find(tag, at + 1)) {
        if (at % 2 == 0) return at;
    }
    return UniString::npos;
}

bool contains(const UniString& word, const UniString& tag) {
    return find_tag(word, tag) != UniString::npos;
}

void remove_all(UniString& word, const UniString& tag) {
    for (std::size_t at = find_tag(word, tag); at != UniString::npos; at = find_tag(word, tag)) {
        word.erase(at, tag.size());
    }
}

std::vector<UniString> split_at_spaces(std::string_view text) {
    std::vector<UniString> words;
    int first = 1; // the unit the current word starts at
    int k = 1;
    for (; k <= uni_unit_count(text); ++k) {
        const char16_t unit = uni_unit_at(text, k);
        if (unit == 0) break;
        if (unit != 0x20) continue;
        words.push_back(uni_copy(text, first, k - first));
        first = k + 1;
    }
    words.push_back(uni_copy(text, first, k - first));
    return words;
}

} // namespace

HintLayout layout_hint(std::string_view text, const HintWordWidth& width) {
    HintLayout layout;
    bool in_bold = false;
    int x = kHintLeft;
    for (UniString word : split_at_spaces(text)) {
        if (contains(word, open_tag())) in_bold = true;
        const bool bold = in_bold;
        if (contains(word, close_tag())) in_bold = false;
        remove_all(word, open_tag());
        remove_all(word, close_tag());
        const int word_width = width(word, bold);
        layout.words.push_back(HintWord{word, bold, x, word_width});
        x += word_width + kHintWordGap;
    }
    layout.extra_width = x - kHintWordGap;
    return layout;
}

} // namespace vimo
