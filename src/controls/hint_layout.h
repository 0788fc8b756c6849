#pragma once
// The hint window's text: words separated by spaces, the words from the one holding
// "<B>" through the one holding "</B>" shown bold and red, laid out on one line.
#include "core/uni.h"

#include <functional>
#include <string_view>
#include <vector>

namespace vimo {

struct HintWord {
    UniString text; // without the markup
    bool bold = false;
    int x = 0;
    int width = 0;
};

struct HintLayout {
    std::vector<HintWord> words;
    // How far the hint rectangle's right edge moves right.
    int extra_width = 0;
};

// The width of a word in the normal or the bold hint font.
using HintWordWidth = std::function<int(const UniString&, bool bold)>;

inline constexpr int kHintLeft = 10;
inline constexpr int kHintWordGap = 4;
inline constexpr int kHintTop = 2;

// Every space ends a word, so two spaces in a row leave an empty word (and its gap).
// The text ends at its first U+0000 unit. A "<B>" that is never closed makes the
// rest bold; a "</B>" without an opening one is only removed.
HintLayout layout_hint(std::string_view text, const HintWordWidth& width);

} // namespace vimo
