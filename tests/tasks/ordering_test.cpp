#include "core/qt_text.h"
#include "exercises/tasks/ordering.h"
#include "support/fixed_sources.h"
#include "support/named_case.h"
#include "support/task_text.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vimo {
namespace {

using test::read_line;
using test::utf8;

VIMO_PRINT_CASES_BY_NAME()

const OrderMeasures kMeasures{
    .word_width =
        [](const UniString& t) { return 10 * static_cast<int>(uni_to_qstring(t).size()); },
    .word_height = 16};

TaskLayout defaults() {
    TaskLayout layout;
    layout.area_left = -1;
    layout.area_top = Ordering::kDefaultTop;
    return layout;
}

struct ParseCase {
    std::string name;
    std::string content;
    std::vector<std::pair<std::string, int>> words;
    bool permutation;
};

class DvParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(DvParse, ReadsWordsAndRows) {
    const ParseCase& c = GetParam();
    const std::vector<OrderWord> words = parse_ordering(read_line(c.content));
    std::vector<std::pair<std::string, int>> got;
    for (const OrderWord& word : words)
        got.emplace_back(utf8(word.text), word.row);
    EXPECT_EQ(got, c.words);
    EXPECT_EQ(rows_are_a_permutation(words), c.permutation);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DvParse,
    ::testing::Values(ParseCase{"in order", "DV#one*1#two*2#", {{"one", 1}, {"two", 2}}, true},
                      ParseCase{"shuffled in the file",
                                "DV# b *2#a*1#c*3#",
                                {{"b", 2}, {"a", 1}, {"c", 3}},
                                true},
                      ParseCase{"two digits", "DV#a*10#", {{"a", 10}}, false},
                      ParseCase{"a row twice", "DV#a*1#b*1#", {{"a", 1}, {"b", 1}}, false},
                      ParseCase{"a row past the words", "DV#a*1#b*3#", {{"a", 1}, {"b", 3}}, false},
                      ParseCase{"no row", "DV#a#b*2#", {{"a", 0}, {"b", 2}}, false},
                      ParseCase{"a blank field ends the words", "DV#a*1# #b*2#", {{"a", 1}}, true},
                      ParseCase{"none", "DV#", {}, true}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& ch : name)
            if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return name;
    });

TEST(DvParseLimit, StopsAtFourteenWords) {
    std::string content = "DV#";
    for (int i = 1; i <= 15; ++i)
        content += "w" + std::to_string(i) + "*" + std::to_string(i) + "#";
    const std::vector<OrderWord> words = parse_ordering(read_line(content));
    ASSERT_EQ(words.size(), 14u);
    EXPECT_EQ(utf8(words.back().text), "w14");
}

// Loads without moving anything: an even number of swaps of the same two words.
Ordering loaded(const std::string& content) {
    test::ScriptedRandom random({0});
    Ordering dv;
    dv.load(read_line(content), defaults(), kMeasures, random);
    return dv;
}

// The rows' words from the top.
std::vector<std::string> rows(const Ordering& dv) {
    std::vector<std::string> words;
    for (int row = 1; row <= dv.count(); ++row)
        words.push_back(utf8(dv.caption(dv.label_in(row))));
    return words;
}

// The middle of row k of the table.
int row_y(const Ordering& dv, int k) {
    return dv.table_top() + Ordering::kRowHeight * (k - 1) + 12;
}
int table_x(const Ordering& dv) {
    return dv.table_left() + dv.column_width() / 2;
}

const std::string kFive = "DV#first*1#second*2#third*3#fourth*4#fifth*5#";

TEST(DvLayout, TheWordsStandCentredInTheirRows) {
    const Ordering dv = loaded(kFive);
    EXPECT_EQ(dv.column_width(), 60 + 31); // "second"
    EXPECT_EQ(dv.table_left(), (850 - 91) / 2);
    EXPECT_EQ(dv.table(), (AreaRect{dv.table_left(), 250, 91, 126}));
    EXPECT_EQ(dv.line_y(1), 275);
    EXPECT_EQ(dv.home(0), (AreaRect{dv.table_left() + (91 - 50) / 2, 255, 50, 16}));
    EXPECT_EQ(dv.home(4).top, 250 + 100 + 5);
}

TEST(DvShuffle, TwiceAsManySwapsAsWordsCarryingTheirRows) {
    test::ScriptedRandom random({2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    Ordering dv;
    dv.load(read_line("DV#a*1#b*2#c*3#"), defaults(), kMeasures, random);
    EXPECT_EQ(random.calls(), "R" + std::string(12, 'd'));
    EXPECT_EQ(rows(dv), (std::vector<std::string>{"b", "c", "a"}));
    EXPECT_EQ(dv.correct_row(dv.label_in(3)), 1);
}

TEST(DvDrop, MovingDownLiftsTheRowsBetween) {
    Ordering dv = loaded(kFive);
    ASSERT_TRUE(dv.start_drag(0));
    EXPECT_EQ(dv.drop(0, table_x(dv), row_y(dv, 3)), 3);
    EXPECT_EQ(rows(dv), (std::vector<std::string>{"second", "third", "first", "fourth", "fifth"}));
    EXPECT_EQ(dv.home(1).top, 250 + 5);
    EXPECT_EQ(dv.home(0).top, 250 + 50 + 5);
}

TEST(DvDrop, MovingUpLowersTheRowsBetween) {
    Ordering dv = loaded(kFive);
    dv.drop(4, table_x(dv), row_y(dv, 2));
    EXPECT_EQ(rows(dv), (std::vector<std::string>{"first", "fifth", "second", "third", "fourth"}));
}

TEST(DvDrop, OutsideTheTableTheWordKeepsItsRow) {
    Ordering dv = loaded(kFive);
    const AreaRect table = dv.table();
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{
             {table.left + 1, row_y(dv, 2)},                          // on the left frame
             {table.left + table.width - 1, row_y(dv, 2)},            // on the right frame
             {table_x(dv), table.top + 1},                            // on the top line
             {table_x(dv), table.top + Ordering::kRowHeight * 5 - 1}, // on the bottom line
             {10, 10}}) {
        EXPECT_EQ(dv.drop(2, x, y), 3) << x << "," << y;
        EXPECT_EQ(rows(dv),
                  (std::vector<std::string>{"first", "second", "third", "fourth", "fifth"}));
    }
    EXPECT_EQ(dv.drop(2, table.left + 2, table.top + 2), 1);
}

TEST(DvCheck, AListInOrderScoresAHundred) {
    Ordering dv = loaded(kFive);
    dv.check();
    EXPECT_TRUE(dv.all_right());
    EXPECT_EQ(dv.attempt().score(), 100);
    for (int row = 1; row <= 5; ++row)
        EXPECT_FALSE(dv.mark(row)) << row;
}

TEST(DvCheck, WrongRowsAreMarkedWithTheirWordsAndEveryWordGoesToItsRow) {
    Ordering dv = loaded(kFive);
    dv.drop(0, table_x(dv), row_y(dv, 2)); // second, first, third, …
    dv.check();
    EXPECT_FALSE(dv.all_right());
    EXPECT_EQ(dv.attempt().correct, 3);
    EXPECT_EQ(dv.attempt().wrong, 2);
    EXPECT_EQ(dv.attempt().score(), 60);
    EXPECT_EQ(utf8(dv.mark(1).value_or(uni_widen("none"))), "second");
    EXPECT_EQ(utf8(dv.mark(2).value_or(uni_widen("none"))), "first");
    EXPECT_FALSE(dv.mark(3));
    EXPECT_EQ(rows(dv), (std::vector<std::string>{"first", "second", "third", "fourth", "fifth"}));
    EXPECT_FALSE(dv.start_drag(0));
    EXPECT_EQ(dv.drop(0, table_x(dv), row_y(dv, 5)), 0);
    EXPECT_EQ(dv.row_of(0), 1);
}

TEST(DvCheck, RowsThatAreNoOrderTakeTheFileOrder) {
    // "a" and "b" both claim row 1: the file's order is the right one.
    Ordering dv = loaded("DV#a*1#b*1#c*7#");
    EXPECT_EQ(dv.correct_row(0), 1);
    EXPECT_EQ(dv.correct_row(1), 2);
    EXPECT_EQ(dv.correct_row(2), 3);
    dv.check();
    EXPECT_EQ(dv.attempt().score(), 100);
}

TEST(DvCheck, FewerThanTwoWords) {
    for (const std::string content : {"DV#", "DV#alone*1#"}) {
        test::ScriptedRandom random({0, 1});
        Ordering dv;
        dv.load(read_line(content), defaults(), kMeasures, random);
        EXPECT_EQ(random.calls(), "R") << content;
        dv.check();
        EXPECT_EQ(dv.attempt().score(), content == "DV#" ? 0 : 100) << content;
    }
}

} // namespace
} // namespace vimo
