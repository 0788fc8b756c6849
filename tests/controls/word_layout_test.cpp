#include "controls/word_layout.h"
#include "support/named_case.h"

#include <gtest/gtest.h>

namespace vimo {
namespace {

VIMO_PRINT_CASES_BY_NAME()

// Every unit is 10 pixels wide, a space 4, a line 12 high.
int fake_width(const UniString& word) {
    return static_cast<int>(word.size() / 2) * 10;
}

struct HitCase {
    const char* name;
    const char* caption;
    int label_width;
    TextAlign align;
    int x;
    int y;
    const char* expected;
};

class WordAt : public ::testing::TestWithParam<HitCase> {};

TEST_P(WordAt, FindsTheWordUnderThePoint) {
    const HitCase& c = GetParam();
    const WordHitMetrics metrics{c.label_width, c.align, 12, 4};
    EXPECT_EQ(word_at(uni_widen(c.caption), metrics, fake_width, c.x, c.y), uni_widen(c.expected));
}

// "ab cd" on one line: ab at 0..20, cd at 24..44.
INSTANTIATE_TEST_SUITE_P(
    Cases, WordAt,
    ::testing::Values(
        HitCase{"inside_first_word", "ab cd", 200, TextAlign::Left, 5, 3, "ab"},
        HitCase{"inside_second_word", "ab cd", 200, TextAlign::Left, 30, 3, "cd"},
        HitCase{"gap_between_words", "ab cd", 200, TextAlign::Left, 22, 3, ""},
        HitCase{"word_start_edge_is_not_inside", "ab cd", 200, TextAlign::Left, 24, 3, ""},
        HitCase{"word_end_edge_is_not_inside", "ab cd", 200, TextAlign::Left, 20, 3, ""},
        HitCase{"x_zero_is_not_inside", "ab cd", 200, TextAlign::Left, 0, 3, ""},
        HitCase{"right_of_the_text", "ab cd", 200, TextAlign::Left, 100, 3, ""},
        HitCase{"comma_stays_with_its_word", "ab, cd", 200, TextAlign::Left, 25, 3, "ab,"},
        HitCase{"repeated_spaces_collapse", "ab   cd", 200, TextAlign::Left, 30, 3, "cd"},
        HitCase{"leading_space_dropped", " ab cd", 200, TextAlign::Left, 5, 3, "ab"},
        // Line width 44 in 100: centred lines start at 28, right-aligned at 56.
        HitCase{"centred_first_word", "ab cd", 100, TextAlign::Center, 30, 3, "ab"},
        HitCase{"centred_left_margin_empty", "ab cd", 100, TextAlign::Center, 10, 3, ""},
        HitCase{"right_aligned_second_word", "ab cd", 100, TextAlign::Right, 90, 3, "cd"},
        HitCase{"right_aligned_left_part_empty", "ab cd", 100, TextAlign::Right, 30, 3, ""},
        // Width 40: "ab cd" is 44, so cd wraps to the second line.
        HitCase{"wrapped_word_on_second_line", "ab cd", 40, TextAlign::Left, 5, 15, "cd"},
        HitCase{"first_line_after_wrap", "ab cd", 40, TextAlign::Left, 5, 3, "ab"},
        HitCase{"exact_fit_stays_on_line", "ab cd", 44, TextAlign::Left, 30, 3, "cd"},
        // Below the last line but within lines x height: the last line is looked at.
        HitCase{"y_at_text_bottom_uses_last_line", "ab cd", 200, TextAlign::Left, 5, 12, "ab"},
        HitCase{"below_the_text", "ab cd", 200, TextAlign::Left, 5, 13, ""},
        HitCase{"wider_than_label_still_on_a_line", "abcdefgh", 30, TextAlign::Left, 70, 3,
                "abcdefgh"},
        HitCase{"empty_caption", "", 200, TextAlign::Left, 5, 3, ""},
        HitCase{"spaces_only", "   ", 200, TextAlign::Left, 5, 3, ""}));

TEST(SplitWords, StopsAtTheTrailingZeroUnitOfAReadLine) {
    UniString caption = uni_widen("ab cd");
    caption += std::string("\0\0", 2) + uni_widen("ef");
    const std::vector<UniString> expected{uni_widen("ab"), uni_widen("cd")};
    EXPECT_EQ(split_words(caption), expected);
}

TEST(SplitWords, KeepsPolishLettersWhoseLowByteLooksLikeASpace) {
    // U+0120 has the low byte 0x20 but is no space.
    const UniString caption = std::string("a\0\x20\x01"
                                          "b\0",
                                          6);
    EXPECT_EQ(split_words(caption).size(), 1u);
}

TEST(BreakLines, ThreeWordsInTwoLines) {
    const std::vector<UniString> words{uni_widen("ab"), uni_widen("cd"), uni_widen("ef")};
    const std::vector<WordLine> lines = break_lines(words, 50, 4, fake_width);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].words, (std::vector<int>{0, 1}));
    EXPECT_EQ(lines[0].width, 44);
    EXPECT_EQ(lines[1].words, (std::vector<int>{2}));
    EXPECT_EQ(lines[1].width, 20);
}

TEST(BreakLines, AWordWiderThanTheLabelTakesALineOfItsOwn) {
    // 80 wide in a 50-pixel label: first or in the middle, it never leaves a line empty.
    const std::vector<UniString> words{uni_widen("abcdefgh"), uni_widen("ab"),
                                       uni_widen("abcdefgh"), uni_widen("cd")};
    const std::vector<WordLine> lines = break_lines(words, 50, 4, fake_width);
    ASSERT_EQ(lines.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(lines[static_cast<std::size_t>(i)].words, (std::vector<int>{i}));
        EXPECT_EQ(lines[static_cast<std::size_t>(i)].width, i % 2 ? 20 : 80);
    }
}

} // namespace
} // namespace vimo
