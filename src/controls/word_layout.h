#pragma once
// Which word of a label's UTF-16 caption lies under a point: the label breaks its
// caption into lines word by word and the dictionary look-up asks for the word hit
// by a right click. Pure arithmetic over a width-measuring function, so it runs
// without a screen.
#include "core/uni.h"

#include <functional>
#include <string_view>
#include <vector>

namespace vimo {

enum class TextAlign { Left, Center, Right };

// The painted width of one word in the label's font.
using WordWidth = std::function<int(const UniString&)>;

struct WordHitMetrics {
    int label_width = 0;
    TextAlign align = TextAlign::Left;
    int line_height = 0;
    int space_width = 0;
};

// The words of a caption: split at U+0020 units, each trimmed (uni_trim), empty
// ones dropped. The caption ends at its first U+0000 unit, as the painted text does.
std::vector<UniString> split_words(std::string_view caption);

// One rebuilt line: indices into the word list and the line's width.
struct WordLine {
    std::vector<int> words;
    int width = 0;
};

// A word joins the current line (after one space) while the line stays at most
// label_width wide; otherwise it begins the next line. An empty line always takes
// its word, however wide.
std::vector<WordLine> break_lines(const std::vector<UniString>& words, int label_width,
                                  int space_width, const WordWidth& width);

// The word under (x, y), or an empty string over a gap, beside the text or below it.
UniString word_at(std::string_view caption, const WordHitMetrics& metrics, const WordWidth& width,
                  int x, int y);

} // namespace vimo
