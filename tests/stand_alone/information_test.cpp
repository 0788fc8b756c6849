#include "core/qt_text.h"
#include "core/uni.h"
#include "exercises/stand_alone/information.h"
#include "support/named_case.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vimo::information {
namespace {

VIMO_PRINT_CASES_BY_NAME()

UniString u(const char* text) {
    return qstring_to_uni(QString::fromUtf8(text));
}

std::vector<UniString> words_of(std::initializer_list<const char*> texts) {
    std::vector<UniString> words;
    for (const char* text : texts)
        words.push_back(u(text));
    return words;
}

// Every unit 7 pixels wide, 9 in bold; pictures 40 wide except the fifth stat picture.
class FixedMeasure final : public Measure {
public:
    int width(const UniString& word, Style style) const override {
        return static_cast<int>(word.size() / 2) * (style.bold ? 9 : 7);
    }
    int picture_width(Picture picture) const override {
        return picture == Picture::stat_strz ? 34 : 40;
    }
};

const std::string kLineEnd("\0\0", 2);

struct PrepareCase {
    const char* name;
    std::string text;
    Background background;
    std::vector<UniString> words;
};

TEST(PrepareText, MarkerCleaningAndSpaces) {
    const PrepareCase cases[] = {
        {"help, UTF-16 marker", u("HH_Wybór ćwiczeń"), Background::help,
         words_of({"Wybór", "ćwiczeń"})},
        {"help, 8-bit marker", "HH_" + u("Pomoc"), Background::help, words_of({"Pomoc"})},
        {"note", u("a note"), Background::note, words_of({"a", "note"})},
        {"marker not at the start", u("xHH_ y"), Background::note, words_of({"xHH_", "y"})},
        {"line end and uni_trim's zero byte", u("koniec ą") + kLineEnd + '\0', Background::note,
         words_of({"koniec", "ą"})},
        {"a zero high byte left alone is dropped", u("Москва д") + kLineEnd, Background::note,
         words_of({"Москва", "д"})},
        {"runs of spaces", u("a  b     c "), Background::note, words_of({"a", "b", "c"})},
        {"letters with a space's low byte stay", u("Р Ġ  Р"), Background::note,
         words_of({"Р", "Ġ", "Р"})},
        {"a leading space does not hide the text", u("  tekst"), Background::note,
         words_of({"tekst"})},
        {"nothing but the marker", u("HH_") + kLineEnd, Background::help, {}},
        {"empty", std::string(), Background::note, {}},
    };
    for (const PrepareCase& c : cases) {
        SCOPED_TRACE(c.name);
        const PreparedText prepared = prepare_text(c.text);
        EXPECT_EQ(prepared.background, c.background);
        EXPECT_EQ(prepared.words, c.words);
    }
}

TEST(PrepareText, KeepsAtMost3100Words) {
    std::string text;
    for (int i = 0; i < 3200; ++i)
        text += "w ";
    const PreparedText prepared = prepare_text(u(text.c_str()));
    EXPECT_EQ(prepared.words.size(), static_cast<std::size_t>(kMaxWords));
}

struct TokenCase {
    const char* word;
    TokenKind kind;
    Picture picture = Picture::level_1;
};

TEST(Classify, TokensInAnyLetterCase) {
    const TokenCase cases[] = {
        {"<br>", TokenKind::new_line},
        {"<BR>", TokenKind::new_line},
        {"@", TokenKind::new_line},
        {"<b>", TokenKind::bold_on},
        {"</B>", TokenKind::bold_off},
        {"<I>", TokenKind::italic_on},
        {"</i>", TokenKind::italic_off},
        {"[3]", TokenKind::picture, Picture::level_3},
        {"[typ_5]", TokenKind::picture, Picture::type_5},
        {"[Yes]", TokenKind::picture, Picture::yes},
        {"[NO]", TokenKind::picture, Picture::no},
        {"[stat_ok]", TokenKind::picture, Picture::stat_ok},
        {"[STAT_STRZ]", TokenKind::picture, Picture::stat_strz},
        {"[5]", TokenKind::word},
        {"<u>", TokenKind::word},
        {"[YES]:", TokenKind::word},
        {"@@", TokenKind::word},
    };
    for (const TokenCase& c : cases) {
        SCOPED_TRACE(c.word);
        const Token token = classify(u(c.word));
        EXPECT_EQ(token.kind, c.kind);
        if (c.kind == TokenKind::picture) {
            EXPECT_EQ(token.picture, c.picture);
        }
    }
    EXPECT_EQ(picture_name(Picture::level_1), "poz_1");
    EXPECT_EQ(picture_name(Picture::type_4), "img_rpg");
    EXPECT_EQ(picture_name(Picture::no), "rob_no");
    EXPECT_EQ(picture_name(Picture::stat_strz), "stat_5");
}

std::vector<std::pair<int, int>> places(const Layout& laid) {
    std::vector<std::pair<int, int>> xy;
    for (const Item& item : laid.items)
        xy.emplace_back(item.x, item.y);
    return xy;
}

TEST(Layout, WordsStepThreePixelsAndDoubleSpacesCountOnce) {
    const Layout single = layout(prepare_text(u("ab cd")).words, FixedMeasure());
    const Layout doubled = layout(prepare_text(u("ab  cd")).words, FixedMeasure());
    EXPECT_EQ(places(single), (std::vector<std::pair<int, int>>{{1, 1}, {18, 1}}));
    EXPECT_EQ(places(doubled), places(single));
}

TEST(Layout, ABoldWordInBracketsStandsOneSpaceCloser) {
    // "(" 7 wide at 1; <b> takes back a regular space (7); "word" bold 36 wide;
    // </b> takes back a bold space (9) before ")".
    const Layout laid = layout(words_of({"(", "<b>", "word", "</b>", ")", "x"}), FixedMeasure());
    ASSERT_EQ(laid.items.size(), 4u);
    EXPECT_EQ(laid.items[1].x, 1 + 7 + 3 - 7);
    EXPECT_TRUE(laid.items[1].style.bold);
    EXPECT_EQ(laid.items[2].x, laid.items[1].x + 36 + 3 - 9);
    EXPECT_FALSE(laid.items[2].style.bold);
    EXPECT_EQ(laid.items[3].x, laid.items[2].x + 7 + 3); // no brackets: the usual step

    // Without brackets around it a bold word keeps its distance.
    const Layout plain = layout(words_of({"a", "<b>", "word", "</b>", "b"}), FixedMeasure());
    EXPECT_EQ(plain.items[1].x, 1 + 7 + 3);
}

TEST(Layout, PicturesStandInlineAndTheTextGoesOnThreePixelsAfter) {
    const Layout laid =
        layout(words_of({"[STAT_OK]", "dobrze", "[stat_strz]", "x"}), FixedMeasure());
    EXPECT_EQ(places(laid), (std::vector<std::pair<int, int>>{{1, 1}, {44, 1}, {89, 1}, {126, 1}}));
    ASSERT_TRUE(laid.items[0].picture.has_value());
    EXPECT_EQ(*laid.items[0].picture, Picture::stat_ok);
    EXPECT_FALSE(laid.items[1].picture.has_value());
}

TEST(Layout, APictureStaysOnItsLineEvenPastTheEdge) {
    // A 53-unit word (371 wide) leaves the pen at 375; the 40-pixel picture crosses 381
    // but stays, and the next word wraps.
    const Layout laid = layout({UniString(106, 'w'), u("[YES]"), u("x")}, FixedMeasure());
    EXPECT_EQ(places(laid), (std::vector<std::pair<int, int>>{{1, 1}, {375, 1}, {1, 21}}));
}

struct WrapCase {
    const char* name;
    int units; // of the regular word after the bold "abc" (27 wide, at 1)
    int second_x;
    int second_y;
};

TEST(Layout, AWordCrossingTheAreasWidthStartsTheNextLine) {
    // The regular word starts at 31 and fits while 31 + 7 * units <= 381.
    const WrapCase cases[] = {
        {"ends on the edge", 50, 31, 1},
        {"crosses it by 7", 51, 1, 21},
    };
    for (const WrapCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Layout laid = layout(
            {u("<b>"), u("abc"), u("</b>"), UniString(static_cast<std::size_t>(2 * c.units), 'x')},
            FixedMeasure());
        ASSERT_EQ(laid.items.size(), 2u);
        EXPECT_EQ(laid.items[1].x, c.second_x);
        EXPECT_EQ(laid.items[1].y, c.second_y);
    }
}

TEST(Layout, NewLinesAndTheLargestScrollPosition) {
    std::vector<UniString> ten_lines;
    for (int line = 0; line < 10; ++line) {
        if (line > 0) ten_lines.push_back(u(line % 2 ? "<br>" : "@"));
        ten_lines.push_back(u("line"));
    }
    const Layout ten = layout(ten_lines, FixedMeasure());
    EXPECT_EQ(ten.items.back().x, 1);
    EXPECT_EQ(ten.end_y, 181);
    EXPECT_EQ(largest_scroll_position(ten.end_y), 0);

    ten_lines.push_back(u("<BR>"));
    ten_lines.push_back(u("eleven"));
    const Layout eleven = layout(ten_lines, FixedMeasure());
    EXPECT_EQ(eleven.end_y, 201);
    EXPECT_EQ(largest_scroll_position(eleven.end_y), 1);
    EXPECT_EQ(largest_scroll_position(220), 1);
    EXPECT_EQ(largest_scroll_position(221), 2);
}

TEST(Scroll, ArrowsFollowThePosition) {
    Scroll scroll;
    scroll.reset(0);
    EXPECT_FALSE(scroll.up_shown());
    EXPECT_FALSE(scroll.down_shown());

    scroll.reset(2);
    EXPECT_FALSE(scroll.up_shown());
    EXPECT_TRUE(scroll.down_shown());
    scroll.down();
    EXPECT_EQ(scroll.position(), 1);
    EXPECT_TRUE(scroll.up_shown());
    EXPECT_TRUE(scroll.down_shown());
    scroll.down();
    EXPECT_EQ(scroll.position(), 2);
    EXPECT_EQ(scroll.offset(), 40);
    EXPECT_FALSE(scroll.down_shown());
    scroll.down(); // never past the largest
    EXPECT_EQ(scroll.position(), 2);
    scroll.up();
    scroll.up();
    EXPECT_EQ(scroll.position(), 0);
    EXPECT_FALSE(scroll.up_shown());
    EXPECT_TRUE(scroll.down_shown());
    scroll.up();
    EXPECT_EQ(scroll.position(), 0);
}

} // namespace
} // namespace vimo::information
