#include "exercises/stand_alone/word_line.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vimo {
namespace {

// Every byte 10 pixels wide.
int ten_per_byte(const std::string& text) {
    return static_cast<int>(text.size()) * 10;
}

std::string drawn(const WordLineLayout& layout) {
    std::string out;
    for (const PaintedToken& t : layout.tokens)
        out += t.text + "@" + std::to_string(t.x) + "," + std::to_string(t.line) +
               (t.blue ? "b" : "") + " ";
    return out;
}

TEST(WordLineTokens, SplitsAtSpacesAndTheSingleMarks) {
    EXPECT_EQ(word_line_tokens("  Hola ,amigo%x  <b>@^ "),
              std::vector<std::string>({"Hola", ",", "amigo", "%", "x", "<", "b", ">", "@", "^"}));
}

TEST(WordLine, NoSpaceBeforePunctuationAndMarksNeverStartALine) {
    const auto layout =
        lay_out_word_line(word_line_tokens("Hola , amigo ."), 1000, true, ten_per_byte);
    EXPECT_EQ(drawn(layout), "Hola@0,0 ,@40,0 amigo@60,0 .@110,0 ");
    // "amigo" (50) would pass 100 - 4 at 40: it wraps; the full stop stays beside it.
    const auto narrow =
        lay_out_word_line(word_line_tokens("Hola amigo ."), 100, true, ten_per_byte);
    EXPECT_EQ(drawn(narrow), "Hola@0,0 amigo@0,1 .@50,1 ");
    EXPECT_EQ(narrow.lines, 2);
    // An ellipsis keeps its space.
    EXPECT_EQ(drawn(lay_out_word_line({"...", "!"}, 1000, true, ten_per_byte)), "...@0,0 !@40,0 ");
}

TEST(WordLine, HighlightingColoursBetweenTheMarksWhichTakeNoRoom) {
    const auto tokens = word_line_tokens("un <perro> grande");
    EXPECT_EQ(drawn(lay_out_word_line(tokens, 1000, true, ten_per_byte)),
              "un@0,0 perro@30,0b grande@90,0 ");
    EXPECT_EQ(drawn(lay_out_word_line(tokens, 1000, false, ten_per_byte)),
              "un@0,0 <@30,0 perro@50,0 >@110,0 grande@130,0 ");
}

TEST(WordLine, AnAtSignBreaksTheLineAndTwoLeaveOneEmpty) {
    const auto layout =
        lay_out_word_line(word_line_tokens("a @ b @ @ c"), 1000, true, ten_per_byte);
    EXPECT_EQ(drawn(layout), "a@0,0 b@0,1 c@0,3 ");
    EXPECT_EQ(layout.lines, 4);
}

TEST(WordLine, LongTextsKeepEveryToken) {
    std::string text;
    for (int k = 0; k < 80; ++k)
        text += "w" + std::to_string(k) + " ";
    const auto layout = lay_out_word_line(word_line_tokens(text), 853, true, ten_per_byte);
    ASSERT_EQ(layout.tokens.size(), 80u);
    EXPECT_EQ(layout.tokens.back().text, "w79");
}

TEST(WordLine, FiftyCharactersFitThePlainLabel) {
    EXPECT_TRUE(fits_plain_word_line(std::string(50, 'a')));
    EXPECT_FALSE(fits_plain_word_line(std::string(51, 'a')));
    std::string polish;
    for (int k = 0; k < 50; ++k)
        polish += "ż"; // 100 bytes, 50 characters
    EXPECT_TRUE(fits_plain_word_line(polish));
}

} // namespace
} // namespace vimo
