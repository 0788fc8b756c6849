#include "core/qt_text.h"
#include "exercises/tasks/sorting.h"
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

// Ten pixels per letter in both fonts, words 16 pixels high.
int ten_per_letter(const UniString& t) {
    return 10 * static_cast<int>(uni_to_qstring(t).size());
}
const SortMeasures kMeasures{
    .word_width = ten_per_letter, .title_width = ten_per_letter, .word_height = 16};

TaskLayout defaults() {
    TaskLayout layout;
    layout.area_left = -1;
    layout.area_top = Sorting::kDefaultTop;
    layout.pool_top = 150;
    return layout;
}

struct ParseCase {
    std::string name;
    std::string content;
    int columns;
    int rows;
    std::vector<std::string> titles;
    std::vector<std::pair<std::string, int>> words;
};

class DdParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(DdParse, ReadsTheTableAndTheWords) {
    const ParseCase& c = GetParam();
    const SortingContent content = parse_sorting(read_line(c.content));
    EXPECT_EQ(content.columns, c.columns);
    EXPECT_EQ(content.rows, c.rows);
    std::vector<std::string> titles;
    for (const UniString& title : content.titles)
        titles.push_back(utf8(title));
    EXPECT_EQ(titles, c.titles);
    std::vector<std::pair<std::string, int>> words;
    for (const SortWord& word : content.words)
        words.emplace_back(utf8(word.text), word.column);
    EXPECT_EQ(words, c.words);
}

std::string many_words(int n) {
    std::string s = "DD#1#19#T#";
    for (int i = 1; i <= n; ++i)
        s += "w" + std::to_string(i) + "*1#";
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DdParse,
    ::testing::Values(
        ParseCase{"two columns",
                  "DD#2#3#At home#Out#shower*1#bus*2#",
                  2,
                  3,
                  {"At home", "Out"},
                  {{"shower", 1}, {"bus", 2}}},
        ParseCase{"words trimmed, any separator",
                  "DD#2#3#A#B# get up *2; tram*1#",
                  2,
                  3,
                  {"A", "B"},
                  {{"get up", 2}, {"tram", 1}}},
        ParseCase{"a column digit outside the table gives 0",
                  "DD#2#3#A#B#x*3#y*0#z*a#",
                  2,
                  3,
                  {"A", "B"},
                  {{"x", 0}, {"y", 0}, {"z", 0}}},
        ParseCase{
            "a rest without a star ends the words", "DD#1#2#A#x*1#stray#", 1, 2, {"A"}, {{"x", 1}}},
        ParseCase{"more than eight columns are cut to eight",
                  "DD#9#25#1#2#3#4#5#6#7#8#9*9#",
                  8,
                  19,
                  {"1", "2", "3", "4", "5", "6", "7", "8"},
                  {{"9", 0}}},
        ParseCase{"Polish letters", "DD#1#1#Dom#łódź*1#", 1, 1, {"Dom"}, {{"łódź", 1}}},
        ParseCase{"no words", "DD#2#3#A#B#", 2, 3, {"A", "B"}, {}}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& ch : name)
            if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return name;
    });

TEST(DdParseLimit, StopsAtFortyWords) {
    const SortingContent content = parse_sorting(read_line(many_words(41)));
    ASSERT_EQ(content.words.size(), 40u);
    EXPECT_EQ(utf8(content.words.back().text), "w40");
    EXPECT_EQ(content.words_given, 41);
    const SortingContent big = parse_sorting(read_line("DD#9#25#"));
    EXPECT_EQ(big.columns_given, 9);
    EXPECT_EQ(big.rows_given, 25);
}

// Loads without moving anything: two swaps of the same two words cancel out.
Sorting loaded(const std::string& content, const TaskLayout& layout = defaults()) {
    test::ScriptedRandom random({0});
    Sorting dd;
    dd.load(read_line(content), layout, kMeasures, random);
    return dd;
}

// Three columns of two cells; the words in file order are pool labels 0 .. 4.
const std::string kThree = "DD#3#2#Home#Bus#Work#shower*1#ticket*2#desk*3#coffee*1#seat*2#";

TEST(DdLayout, ColumnsFitTheWidestTextAndTheTableIsCentred) {
    const Sorting dd = loaded(kThree);
    EXPECT_EQ(dd.column_width(), 60 + 18); // "shower", "ticket", "coffee"
    EXPECT_EQ(dd.table_left(), (950 - 78 * 3) / 2);
    EXPECT_EQ(dd.table_top(), 250);
    EXPECT_EQ(dd.column_left(2), dd.table_left() + 78);
    EXPECT_EQ(dd.drop_area(1), (AreaRect{dd.table_left() - 3, 250, 78, 60}));
    EXPECT_EQ(dd.title_x(2), dd.column_left(2) + (78 - 30) / 2);
    EXPECT_EQ(dd.cell_top(1), 270);

    TaskLayout given = defaults();
    given.area_left = 100;
    given.area_top = 300;
    const Sorting placed = loaded(kThree, given);
    EXPECT_EQ(placed.table_left(), 100);
    EXPECT_EQ(placed.table_top(), 300);
}

TEST(DdLayout, ThePoolWrapsBeforeAWordWouldPass600) {
    // Widths 250, 250, 100: the third would end at 50 + 540 + 100 > 600 from s = 540.
    const Sorting dd = loaded("DD#1#3#T#" + std::string(25, 'a') + "*1#" + std::string(25, 'b') +
                              "*1#" + std::string(10, 'c') + "*1#");
    EXPECT_EQ(dd.home(0), (AreaRect{50, 150, 250, 16}));
    EXPECT_EQ(dd.home(1), (AreaRect{320, 150, 250, 16}));
    EXPECT_EQ(dd.home(2), (AreaRect{50, 166, 100, 16}));
    EXPECT_EQ(dd.position(2), dd.home(2));
}

TEST(DdShuffle, TwiceAsManySwapsAsWordsCarryingTheirColumns) {
    test::ScriptedRandom random(
        {2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}); // (3,1), then (1,2) five times
    Sorting dd;
    dd.load(read_line("DD#2#2#A#B#x*1#y*1#z*2#"), defaults(), kMeasures, random);
    EXPECT_EQ(random.calls(), "R" + std::string(12, 'd'));
    // x y z → z y x, then y z x and z y x in turn, ending on y z x.
    EXPECT_EQ(utf8(dd.caption(0)), "y");
    EXPECT_EQ(utf8(dd.caption(1)), "z");
    EXPECT_EQ(dd.correct_column(1), 2);
    EXPECT_EQ(utf8(dd.caption(2)), "x");

    for (const std::string content : {"DD#1#1#A#", "DD#1#1#A#only*1#"}) {
        test::ScriptedRandom none({0, 1});
        dd.load(read_line(content), defaults(), kMeasures, none);
        EXPECT_EQ(none.calls(), "R") << content;
    }
}

// Drops label on the middle of column's drop area.
int drop_on(Sorting& dd, int label, int column) {
    const AreaRect area = dd.drop_area(column);
    return dd.drop(label, area.left + area.width / 2, area.top + area.height / 2);
}

TEST(DdDrop, AWordTakesTheFirstFreeCellOfTheColumnUnderThePoint) {
    Sorting dd = loaded(kThree);
    ASSERT_TRUE(dd.start_drag(0));
    EXPECT_TRUE(dd.attempt().acted);
    EXPECT_EQ(drop_on(dd, 0, 1), 1);
    EXPECT_EQ(drop_on(dd, 3, 1), 1);
    EXPECT_EQ(dd.label_in(1, 1), 0);
    EXPECT_EQ(dd.label_in(1, 2), 3);
    EXPECT_EQ(dd.row_of(3), 2);
    // Centred 9 pixels right of the cell's middle, in the cell's height.
    EXPECT_EQ(dd.position(3), (AreaRect{(78 - 60) / 2 + dd.column_left(1) + 9, 292, 60, 16}));
}

TEST(DdDrop, AFullColumnSendsTheWordHome) {
    Sorting dd = loaded(kThree);
    drop_on(dd, 0, 2);
    drop_on(dd, 1, 2);
    EXPECT_EQ(drop_on(dd, 2, 2), 0);
    EXPECT_EQ(dd.column_of(2), 0);
    EXPECT_EQ(dd.position(2), dd.home(2));
    EXPECT_EQ(dd.label_in(2, 1), 0);
    EXPECT_EQ(dd.label_in(2, 2), 1);
}

TEST(DdDrop, AWordMovedToAnotherColumnFreesItsCell) {
    Sorting dd = loaded(kThree);
    drop_on(dd, 0, 1);
    drop_on(dd, 3, 1);
    drop_on(dd, 0, 3);
    EXPECT_EQ(dd.label_in(1, 1), -1);
    EXPECT_EQ(dd.label_in(3, 1), 0);
    // The freed first cell takes the next word, before the occupied second one.
    drop_on(dd, 1, 1);
    EXPECT_EQ(dd.label_in(1, 1), 1);
}

TEST(DdDrop, TheDropAreasBoundsCountAndAPointPastThemSendsHome) {
    Sorting dd = loaded(kThree);
    const AreaRect first = dd.drop_area(1);
    EXPECT_EQ(dd.drop(0, first.left, first.top), 1);
    EXPECT_EQ(dd.drop(0, first.left - 1, first.top), 0);
    EXPECT_EQ(dd.position(0), dd.home(0));
    const AreaRect last = dd.drop_area(3);
    EXPECT_EQ(dd.drop(0, last.left + last.width, last.top + last.height), 3);
    EXPECT_EQ(dd.drop(0, last.left + last.width + 1, last.top), 0);
    EXPECT_EQ(dd.drop(0, last.left, last.top + last.height + 1), 0);
    // The shared edge of two columns belongs to the first.
    EXPECT_EQ(dd.drop(0, dd.drop_area(2).left, 260), 1);
}

TEST(DdCheck, AllInThePoolScoresZeroAndFillsEveryColumnWithDashes) {
    Sorting dd = loaded(kThree);
    dd.check();
    EXPECT_TRUE(dd.attempt().checked);
    EXPECT_EQ(dd.attempt().correct, 0);
    EXPECT_EQ(dd.attempt().wrong, 5);
    EXPECT_EQ(dd.attempt().score(), 0);
    EXPECT_EQ(dd.label_in(1, 1), 0);
    EXPECT_EQ(dd.label_in(1, 2), 3);
    EXPECT_EQ(dd.label_in(2, 1), 1);
    EXPECT_EQ(dd.label_in(2, 2), 4);
    EXPECT_EQ(dd.label_in(3, 1), 2);
    for (const auto& [column, row] :
         std::vector<std::pair<int, int>>{{1, 1}, {1, 2}, {2, 1}, {2, 2}, {3, 1}})
        EXPECT_EQ(dd.remark(column, row).value_or(uni_widen("none")), uni_widen("-"))
            << column << "," << row;
    EXPECT_FALSE(dd.remark(3, 2));
    EXPECT_FALSE(dd.start_drag(0));
    EXPECT_EQ(drop_on(dd, 0, 3), 0);
    EXPECT_EQ(dd.column_of(0), 1);
}

TEST(DdCheck, AWrongWordLeavesItsTextInItsCellAndGoesToItsOwnColumn) {
    Sorting dd = loaded(kThree);
    drop_on(dd, 0, 1); // shower: right
    drop_on(dd, 1, 1); // ticket in Home: wrong
    drop_on(dd, 2, 3); // desk: right
    dd.check();
    EXPECT_EQ(dd.attempt().correct, 2);
    EXPECT_EQ(dd.attempt().wrong, 3);
    EXPECT_EQ(dd.attempt().score(), 40);
    EXPECT_FALSE(dd.remark(1, 1));
    // Home's second cell held "ticket"; the correction put "coffee" there.
    EXPECT_EQ(utf8(*dd.remark(1, 2)), "ticket");
    EXPECT_EQ(dd.label_in(1, 2), 3);
    EXPECT_EQ(dd.label_in(2, 1), 1);
    EXPECT_EQ(utf8(*dd.remark(2, 1)), "-");
    EXPECT_EQ(dd.label_in(2, 2), 4);
    EXPECT_FALSE(dd.remark(3, 1));
}

TEST(DdCheck, AllRightScoresAHundredWithoutRemarks) {
    Sorting dd = loaded("DD#2#2#A#B#x*1#y*2#");
    drop_on(dd, 0, 1);
    drop_on(dd, 1, 2);
    dd.check();
    EXPECT_EQ(dd.attempt().score(), 100);
    EXPECT_FALSE(dd.remark(1, 1));
    EXPECT_FALSE(dd.remark(2, 1));
    EXPECT_FALSE(dd.remark_at(dd.column_left(1) + 5, dd.cell_top(1) + 5));
}

TEST(DdCheck, AWordWithoutAColumnAndAnOverfullColumnStayHome) {
    // Column 1 has three words for its two cells; "odd" names column 7 of two.
    Sorting dd = loaded("DD#2#2#A#B#a*1#b*1#c*1#odd*7#");
    drop_on(dd, 3, 2);
    dd.check();
    EXPECT_EQ(dd.attempt().correct, 0);
    EXPECT_EQ(dd.attempt().wrong, 4);
    EXPECT_EQ(dd.column_of(3), 0);
    EXPECT_EQ(dd.position(3), dd.home(3));
    EXPECT_EQ(utf8(*dd.remark(2, 1)), "odd");
    EXPECT_EQ(dd.label_in(1, 1), 0);
    EXPECT_EQ(dd.label_in(1, 2), 1);
    EXPECT_EQ(dd.column_of(2), 0); // no third cell
    EXPECT_EQ(dd.label_in(1, 3), -1);
}

TEST(DdCheck, NoWordsScoreZero) {
    Sorting dd = loaded("DD#2#2#A#B#");
    dd.check();
    EXPECT_TRUE(dd.attempt().checked);
    EXPECT_EQ(dd.attempt().score(), 0);
}

TEST(DdRemarks, ShownWithinTheMarkOfACellWithARemark) {
    Sorting dd = loaded(kThree);
    EXPECT_FALSE(dd.remark_at(dd.column_left(1) + 1, dd.table_top() + 20));
    dd.check();
    const int left = dd.column_left(1);
    // The mark of row 1 covers y = Tt + 19 .. Tt + 36.
    EXPECT_EQ(utf8(dd.remark_at(left, dd.table_top() + 19).value_or(uni_widen("none"))), "-");
    EXPECT_EQ(utf8(dd.remark_at(left + 17, dd.table_top() + 36).value_or(uni_widen("none"))), "-");
    EXPECT_FALSE(dd.remark_at(left + 18, dd.table_top() + 25));
    EXPECT_FALSE(dd.remark_at(left - 1, dd.table_top() + 25));
    // Column 3's second cell has no remark.
    EXPECT_FALSE(dd.remark_at(dd.column_left(3) + 5, dd.table_top() + 45));
}

} // namespace
} // namespace vimo
