#pragma once
// The painted word line of the vocabulary and sentence screens: a text longer than
// the plain word label holds is cut into tokens and flowed into the box, with no space
// before punctuation, "@" as a line break and, with highlighting, the text between
// "<" and ">" in blue. Pure arithmetic over a width-measuring function.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vimo {

// A text of at most this many characters is shown in the plain word label.
inline constexpr int kPlainWordLineCharacters = 50;
// Far more tokens than a word line ever has; a longer text is cut there.
inline constexpr std::size_t kMaxWordLineTokens = 1000;

// The tokens of a UTF-8 text: each of % , < > @ ^ alone, and every run of other
// characters up to a space or one of them; spaces only separate.
std::vector<std::string> word_line_tokens(std::string_view text);

struct PaintedToken {
    std::string text;
    int x = 0;
    int line = 0; // from 0
    bool blue = false;
};

struct WordLineLayout {
    std::vector<PaintedToken> tokens;
    int lines = 0; // lines used (0 for a text with nothing to draw)
};

using TextWidth = std::function<int(const std::string& text)>;

// Flows the tokens into a box box_width wide. A token is followed by one space unless
// the next one is , ; ! . or : (a "..." keeps it); those marks never begin a line,
// any other token that would reach past box_width - 4 does. With highlighting "<" and
// ">" switch to blue and back and take no room; without it they are text.
WordLineLayout lay_out_word_line(const std::vector<std::string>& tokens, int box_width,
                                 bool highlighting, const TextWidth& width);

// Whether text fits the plain word label (counted in characters).
bool fits_plain_word_line(std::string_view text);

} // namespace vimo
