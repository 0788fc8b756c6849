#include "core/qt_text.h"
#include "exercises/tasks/matching.h"
#include "support/fixed_sources.h"
#include "support/named_case.h"
#include "support/task_text.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace vimo {
namespace {

using test::utf8;

VIMO_PRINT_CASES_BY_NAME()

UniString uni(const std::string& utf8) {
    return qstring_to_uni(QString::fromStdString(utf8));
}

std::vector<std::pair<std::string, std::string>> texts(const std::vector<MatchPair>& pairs) {
    std::vector<std::pair<std::string, std::string>> out;
    for (const MatchPair& pair : pairs)
        out.emplace_back(utf8(pair.left), utf8(pair.right));
    return out;
}

using Texts = std::vector<std::pair<std::string, std::string>>;

TEST(HhParse, PairsUntilTheRestIsBlank) {
    EXPECT_EQ(texts(parse_matching(uni("dworzec*railway station#plac*square#  "))),
              (Texts{{"dworzec", "railway station"}, {"plac", "square"}}));
    // The last right item may lack its "#".
    EXPECT_EQ(texts(parse_matching(uni("a*b#ćma*łoś"))), (Texts{{"a", "b"}, {"ćma", "łoś"}}));
    // An item without its "*" has no partner: it is left out, the next pair is read.
    EXPECT_EQ(texts(parse_matching(uni("a*b#lonely#c*d#"))), (Texts{{"a", "b"}, {"c", "d"}}));
    EXPECT_EQ(texts(parse_matching(uni("a*b#lonely"))), (Texts{{"a", "b"}}));
    EXPECT_TRUE(parse_matching(uni("")).empty());
    EXPECT_TRUE(parse_matching(uni("   ")).empty());
}

TEST(HhParse, AtMostFourteenPairs) {
    std::string content;
    for (int i = 1; i <= 16; ++i)
        content += "L" + std::to_string(i) + "*R" + std::to_string(i) + "#";
    const std::vector<MatchPair> pairs = parse_matching(uni(content));
    ASSERT_EQ(pairs.size(), 14u);
    EXPECT_EQ(utf8(pairs.back().left), "L14");
}

struct ShuffleCase {
    const char* name;
    std::vector<int> rows;
    std::vector<int> script;
    std::vector<int> expected;
    std::string calls;
};

TEST(HhShuffle, ScriptedDrawsGiveTheseOrders) {
    // Each swap draws below(rows), then below(rows - 1) among the other rows.
    const ShuffleCase cases[] = {
        {"no rows: nothing to draw", {}, {0}, {}, ""},
        {"one row stays and draws nothing", {0}, {1}, {0}, ""},
        {"two rows: two swaps of the only pair cancel out", {0, 1}, {0}, {0, 1}, "dddd"},
        {"three rows: (3,1), (1,3), (2,3)", {0, 1, 2}, {2, 0, 0, 1, 1, 1}, {0, 2, 1}, "dddddd"},
    };
    for (const ShuffleCase& c : cases) {
        SCOPED_TRACE(c.name);
        test::ScriptedRandom random(c.script);
        std::vector<int> rows = c.rows;
        shuffle_rows(rows, random);
        EXPECT_EQ(rows, c.expected);
        EXPECT_EQ(random.calls(), c.calls);
    }
}

TEST(HhShuffle, LoadingReseedsOnceAndShufflesBothColumnsWithTheirTexts) {
    test::ScriptedRandom random({2, 0, 0, 1, 1, 1, 1, 0, 0, 0, 0, 0});
    Matching hh;
    hh.load(uni("a*x#b*y#c*z#"), random);
    EXPECT_EQ(random.calls(), "R" + std::string(12, 'd'));
    // Left: (3,1), (1,3), (2,3); right: (2,1), (1,2), (1,2).
    const std::vector<std::pair<std::string, std::string>> rows{{"a", "y"}, {"c", "x"}, {"b", "z"}};
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(utf8(hh.text(MatchColumn::left, row)), rows[static_cast<std::size_t>(row)].first);
        EXPECT_EQ(utf8(hh.text(MatchColumn::right, row)),
                  rows[static_cast<std::size_t>(row)].second);
    }
    EXPECT_FALSE(hh.attempt().acted);
}

// One click: the selection, then (after the screen's pause) the pairing.
bool click(Matching& hh, MatchColumn column, int row) {
    const bool taken = hh.select(column, row);
    hh.finish_pairing();
    return taken;
}

// The row of column whose item is pair number item.
int row_of(const Matching& hh, MatchColumn column, int item) {
    for (int row = 0; row < hh.rows(); ++row)
        if (hh.item(column, row) == item) return row;
    ADD_FAILURE() << "no item " << item;
    return -1;
}

// Brings every right item next to its own left item, by clicks.
void solve(Matching& hh) {
    for (int row = 0; row < hh.rows(); ++row) {
        click(hh, MatchColumn::left, row);
        click(hh, MatchColumn::right,
              row_of(hh, MatchColumn::right, hh.item(MatchColumn::left, row)));
    }
}

Matching loaded(const std::string& content, std::vector<int> script = {1, 2, 0}) {
    test::ScriptedRandom random(std::move(script));
    Matching hh;
    hh.load(uni(content), random);
    return hh;
}

TEST(HhPairing, TheItemClickedSecondMovesAndTheOneItDisplacesTakesItsRow) {
    for (const MatchColumn second : {MatchColumn::right, MatchColumn::left}) {
        const MatchColumn first =
            second == MatchColumn::right ? MatchColumn::left : MatchColumn::right;
        SCOPED_TRACE(second == MatchColumn::right ? "left, then right" : "right, then left");
        Matching hh = loaded("a*x#b*y#c*z#d*w#");
        const int at_1 = hh.item(second, 1);
        const int at_3 = hh.item(second, 3);
        const int still = hh.item(first, 1);
        EXPECT_TRUE(hh.select(first, 1));
        EXPECT_FALSE(hh.finish_pairing()) << "one selection pairs nothing";
        EXPECT_EQ(hh.selected(first), 1);
        EXPECT_TRUE(hh.select(second, 3));
        EXPECT_TRUE(hh.finish_pairing());
        EXPECT_EQ(hh.item(second, 1), at_3);
        EXPECT_EQ(hh.item(second, 3), at_1);
        EXPECT_EQ(hh.item(first, 1), still) << "the item clicked first stays";
        EXPECT_FALSE(hh.selected(first));
        EXPECT_FALSE(hh.selected(second));
        EXPECT_TRUE(hh.attempt().acted);
    }
}

TEST(HhPairing, TheSameColumnTwiceOnlyMovesTheSelection) {
    Matching hh = loaded("a*x#b*y#c*z#");
    const std::vector<int> before{hh.item(MatchColumn::left, 0), hh.item(MatchColumn::left, 1),
                                  hh.item(MatchColumn::left, 2)};
    click(hh, MatchColumn::left, 0);
    click(hh, MatchColumn::left, 2);
    EXPECT_EQ(hh.selected(MatchColumn::left), 2);
    EXPECT_FALSE(hh.selected(MatchColumn::right));
    EXPECT_EQ((std::vector<int>{hh.item(MatchColumn::left, 0), hh.item(MatchColumn::left, 1),
                                hh.item(MatchColumn::left, 2)}),
              before);
    EXPECT_FALSE(hh.attempt().acted);
}

TEST(HhPairing, AnItemPairedWithItsOwnRowMovesNothingAndIsNoAction) {
    Matching hh = loaded("a*x#b*y#");
    const int left = hh.item(MatchColumn::left, 1);
    const int right = hh.item(MatchColumn::right, 1);
    click(hh, MatchColumn::right, 1);
    click(hh, MatchColumn::left, 1);
    EXPECT_EQ(hh.item(MatchColumn::left, 1), left);
    EXPECT_EQ(hh.item(MatchColumn::right, 1), right);
    EXPECT_FALSE(hh.selected(MatchColumn::left));
    EXPECT_FALSE(hh.selected(MatchColumn::right));
    EXPECT_FALSE(hh.attempt().acted);
}

TEST(HhPairing, NoRowOutsideTheTableAndNothingAfterChecking) {
    Matching hh = loaded("a*x#b*y#");
    EXPECT_FALSE(hh.select(MatchColumn::left, 2));
    EXPECT_FALSE(hh.select(MatchColumn::right, -1));
    EXPECT_EQ(hh.item(MatchColumn::left, 5), -1);
    EXPECT_TRUE(hh.text(MatchColumn::right, 5).empty());
    hh.select(MatchColumn::left, 0); // a selection left standing goes with the check
    hh.check();
    EXPECT_FALSE(hh.selected(MatchColumn::left));
    EXPECT_FALSE(hh.select(MatchColumn::left, 0));
    EXPECT_FALSE(hh.select(MatchColumn::right, 1));
    EXPECT_FALSE(hh.finish_pairing());
}

TEST(HhCheck, SixRightRowsOfEightScore75AndTheWrongRowsShowTheirPartners) {
    Matching hh = loaded("a*1#b*2#c*3#d*4#e*5#f*6#g*7#h*8#", {3, 5, 1, 0, 6, 2});
    solve(hh);
    // One more pairing swaps the right items of rows 2 and 5.
    click(hh, MatchColumn::left, 2);
    click(hh, MatchColumn::right, 5);
    const std::string left_2 = utf8(hh.text(MatchColumn::left, 2));
    const std::string left_5 = utf8(hh.text(MatchColumn::left, 5));
    hh.check();
    EXPECT_TRUE(hh.attempt().checked);
    EXPECT_EQ(hh.attempt().correct, 6);
    EXPECT_EQ(hh.attempt().wrong, 2);
    EXPECT_EQ(hh.attempt().score(), 75);
    for (int row = 0; row < 8; ++row) {
        const bool wrong = row == 2 || row == 5;
        EXPECT_EQ(hh.result(row), wrong ? MatchRowResult::wrong : MatchRowResult::right) << row;
    }
    // The partner shown is the right item of the row's own left item.
    const std::string letters = "abcdefgh";
    EXPECT_EQ(utf8(hh.text(MatchColumn::right, 2)), std::to_string(letters.find(left_2) + 1));
    EXPECT_EQ(utf8(hh.text(MatchColumn::right, 5)), std::to_string(letters.find(left_5) + 1));
}

TEST(HhCheck, AllRightScores100AndMarksNoRow) {
    Matching hh = loaded("a*x#b*y#c*z#");
    solve(hh);
    hh.check();
    EXPECT_EQ(hh.attempt().score(), 100);
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(hh.result(row), MatchRowResult::none);
}

TEST(HhCheck, ATaskWithoutPairsScores0) {
    Matching hh = loaded("   ");
    EXPECT_EQ(hh.rows(), 0);
    hh.check();
    EXPECT_TRUE(hh.attempt().checked);
    EXPECT_EQ(hh.attempt().score(), 0);
}

struct LookAlikeCase {
    const char* name;
    const char* content;
    std::vector<std::pair<std::string, std::string>> rows; // as arranged before checking
    int correct;
};

TEST(HhCheck, ItemsThatReadAlikeAreInterchangeable) {
    const LookAlikeCase cases[] = {
        {"two left items read alike",
         "bank*brzeg#bank*bank#most*bridge#",
         {{"bank", "bank"}, {"bank", "brzeg"}, {"most", "bridge"}},
         3},
        {"two right items read alike",
         "run*biec#race*biec#sit*siedzieć#",
         {{"race", "biec"}, {"run", "biec"}, {"sit", "siedzieć"}},
         3},
        {"a look-alike does not make a foreign partner right",
         "bank*brzeg#bank*bank#most*bridge#",
         {{"bank", "bridge"}, {"bank", "brzeg"}, {"most", "bank"}},
         1},
    };
    for (const LookAlikeCase& c : cases) {
        SCOPED_TRACE(c.name);
        Matching hh = loaded(c.content);
        // Arrange the rows as in the case, taking the first free item of each text.
        for (int row = 0; row < hh.rows(); ++row) {
            const auto& [left, right] = c.rows[static_cast<std::size_t>(row)];
            for (const auto& [column, wanted] :
                 {std::pair{MatchColumn::left, left}, std::pair{MatchColumn::right, right}}) {
                int from = row;
                while (from < hh.rows() && utf8(hh.text(column, from)) != wanted)
                    ++from;
                ASSERT_LT(from, hh.rows()) << wanted;
                const MatchColumn other =
                    column == MatchColumn::left ? MatchColumn::right : MatchColumn::left;
                click(hh, other, row);
                click(hh, column, from);
            }
        }
        for (int row = 0; row < hh.rows(); ++row) {
            EXPECT_EQ(utf8(hh.text(MatchColumn::left, row)),
                      c.rows[static_cast<std::size_t>(row)].first);
            EXPECT_EQ(utf8(hh.text(MatchColumn::right, row)),
                      c.rows[static_cast<std::size_t>(row)].second);
        }
        hh.check();
        EXPECT_EQ(hh.attempt().correct, c.correct);
    }
}

TEST(HhLayout, RowsCentredInTheAreaWithFramesAndConnectors) {
    const std::vector<MatchRowPlace> places = layout_matching(2, 100, 60, 16, {});
    ASSERT_EQ(places.size(), 2u);
    // X = (670 - 60 - 100) div 2 = 255.
    const MatchRowPlace& second = places[1];
    EXPECT_EQ(second.left_label, (MatchBox{255, 224, 100, 16}));
    EXPECT_EQ(second.right_label, (MatchBox{435, 224, 60, 16}));
    EXPECT_EQ(second.left_frame, (MatchBox{247, 223, 115, 20}));
    EXPECT_EQ(second.right_frame, (MatchBox{427, 223, 75, 20}));
    EXPECT_EQ(second.connector, (MatchBox{365, 233, 60, 2}));
    // The layout line's task area moves and narrows the rows' room.
    EXPECT_EQ(layout_matching(1, 100, 60, 16, {30, 300, 400})[0].left_label,
              (MatchBox{150, 300, 100, 16}));
}

} // namespace
} // namespace vimo
