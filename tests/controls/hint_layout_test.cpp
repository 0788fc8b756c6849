#include "controls/hint_layout.h"

#include <gtest/gtest.h>

namespace vimo {
namespace {

// Units are 10 pixels wide, bold ones 12.
int fake_width(const UniString& word, bool bold) {
    return static_cast<int>(word.size() / 2) * (bold ? 12 : 10);
}

TEST(HintLayout, SecondWordInMarkupIsBoldWithoutTheMarkup) {
    const HintLayout layout = layout_hint(uni_widen("Zamknij <B>okno</B>"), fake_width);
    ASSERT_EQ(layout.words.size(), 2u);
    EXPECT_EQ(layout.words[0].text, uni_widen("Zamknij"));
    EXPECT_FALSE(layout.words[0].bold);
    EXPECT_EQ(layout.words[0].x, 10);
    EXPECT_EQ(layout.words[1].text, uni_widen("okno"));
    EXPECT_TRUE(layout.words[1].bold);
    EXPECT_EQ(layout.words[1].x, 10 + 70 + 4);
    EXPECT_EQ(layout.words[1].width, 48);
    // 10 + (70 + 4) + (48 + 4) - 4
    EXPECT_EQ(layout.extra_width, 132);
}

TEST(HintLayout, BoldRunsFromTheOpeningWordThroughTheClosingWord) {
    const HintLayout layout = layout_hint(uni_widen("a <B>b c d</B> e"), fake_width);
    std::vector<bool> bold;
    for (const HintWord& word : layout.words)
        bold.push_back(word.bold);
    EXPECT_EQ(bold, (std::vector<bool>{false, true, true, true, false}));
    EXPECT_EQ(layout.words[3].text, uni_widen("d"));
}

TEST(HintLayout, UnclosedMarkupMakesTheRestBold) {
    const HintLayout layout = layout_hint(uni_widen("a <B>b c"), fake_width);
    EXPECT_FALSE(layout.words[0].bold);
    EXPECT_TRUE(layout.words[2].bold);
}

TEST(HintLayout, StrayClosingMarkupIsOnlyRemoved) {
    const HintLayout layout = layout_hint(uni_widen("a</B> b"), fake_width);
    EXPECT_EQ(layout.words[0].text, uni_widen("a"));
    EXPECT_FALSE(layout.words[0].bold);
    EXPECT_FALSE(layout.words[1].bold);
}

TEST(HintLayout, PlainTextIsMeasuredWithGaps) {
    const HintLayout layout = layout_hint(uni_widen("ab cde"), fake_width);
    EXPECT_EQ(layout.words[1].x, 34);
    EXPECT_EQ(layout.extra_width, 10 + 24 + 34 - 4);
}

TEST(HintLayout, DoubleSpaceLeavesAnEmptyWordAndItsGap) {
    const HintLayout layout = layout_hint(uni_widen("ab  cd"), fake_width);
    ASSERT_EQ(layout.words.size(), 3u);
    EXPECT_EQ(layout.words[2].x, 10 + 24 + 4);
}

TEST(HintLayout, MarkupBytesAcrossTwoUnitsAreNoMarkup) {
    // Units U+3C41 U+4200 U+3E00 U+0100: the bytes of "<B>" appear from the second
    // byte on, but no unit is a "<".
    const UniString word = std::string("\x41\x3C\x00\x42\x00\x3E\x00\x01", 8);
    const HintLayout layout = layout_hint(word, fake_width);
    ASSERT_EQ(layout.words.size(), 1u);
    EXPECT_FALSE(layout.words[0].bold);
    EXPECT_EQ(layout.words[0].text, word);
}

TEST(HintLayout, ADanglingOddByteIsNoPartOfTheText) {
    const HintLayout layout = layout_hint(uni_widen("ab c") + "d", fake_width);
    ASSERT_EQ(layout.words.size(), 2u);
    EXPECT_EQ(layout.words[1].text, uni_widen("c"));
    EXPECT_EQ(layout.words[1].width, 10);
}

TEST(HintLayout, TextEndsAtTheZeroUnit) {
    UniString text = uni_widen("ab");
    text += std::string("\0\0", 2);
    const HintLayout layout = layout_hint(text, fake_width);
    ASSERT_EQ(layout.words.size(), 1u);
    EXPECT_EQ(layout.words[0].text, uni_widen("ab"));
}

} // namespace
} // namespace vimo
