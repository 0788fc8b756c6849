#include "core/qt_text.h"
#include "exercises/tasks/definitions.h"
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

// Ten pixels per letter in both fonts, a five-pixel space, labels 16 pixels high.
const DefMeasures kMeasures{
    .term_width =
        [](const UniString& t) { return 10 * static_cast<int>(uni_to_qstring(t).size()); },
    .word_width =
        [](const UniString& w) { return 10 * static_cast<int>(uni_to_qstring(w).size()); },
    .space_width = 5,
    .label_height = 16};

struct ParseCase {
    std::string name;
    std::string content;
    std::vector<std::pair<std::string, std::string>> pairs;
};

class DefParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(DefParse, ReadsPairsUpToTheFirstBlankField) {
    const ParseCase& c = GetParam();
    std::vector<std::pair<std::string, std::string>> got;
    for (const DefPair& pair : parse_definitions(read_line(c.content)))
        got.emplace_back(utf8(pair.term), utf8(pair.definition));
    EXPECT_EQ(got, c.pairs);
}

std::string thirteen_pairs() {
    std::string s = "DF#";
    for (int i = 1; i <= 13; ++i)
        s += "t" + std::to_string(i) + "*d#";
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DefParse,
    ::testing::Values(
        ParseCase{"two",
                  "DF#crane*a machine#amber*a stone#",
                  {{"crane", "a machine"}, {"amber", "a stone"}}},
        ParseCase{"trimmed", "DF# pier * a long structure #", {{"pier", "a long structure"}}},
        ParseCase{"no closing separator", "DF#tram*a vehicle", {{"tram", "a vehicle"}}},
        ParseCase{"an empty field ends the pairs", "DF#a*b##c*d#", {{"a", "b"}}},
        ParseCase{"a blank field ends the pairs", "DF#a*b#  #c*d#", {{"a", "b"}}},
        ParseCase{"a field without a star is a term alone", "DF#gull#", {{"gull", ""}}},
        ParseCase{"a star in the definition stays", "DF#x*a*b#", {{"x", "a*b"}}},
        ParseCase{"Polish letters", "DF#łódź*żółw#", {{"łódź", "żółw"}}},
        ParseCase{"no pairs", "DF#", {}}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& ch : name)
            if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return name;
    });

TEST(DefParseLimit, StopsAtTwelvePairs) {
    const std::vector<DefPair> pairs = parse_definitions(read_line(thirteen_pairs()));
    ASSERT_EQ(pairs.size(), 12u);
    EXPECT_EQ(utf8(pairs.back().term), "t12");
}

// The order of the labels' terms after loading.
std::vector<int> label_terms(const Definitions& df) {
    std::vector<int> terms;
    for (int k = 0; k < df.count(); ++k)
        terms.push_back(df.term_of(k));
    return terms;
}

TEST(DefShuffle, AsManySwapsOfTwoLabelsAsPairsCarryingWidthAndTerm) {
    test::ScriptedRandom random({0}); // every swap exchanges labels 1 and 2
    Definitions df;
    df.load(read_line("DF#a*x#bbb*y#cc*z#"), 150, kMeasures, random);
    EXPECT_EQ(random.calls(), "Rdddddd"); // one reseed, three swaps of two draws
    EXPECT_EQ(label_terms(df), (std::vector<int>{1, 0, 2}));
    EXPECT_EQ(utf8(df.caption(0)), "bbb");
    EXPECT_EQ(df.label_width(0), 30);
    EXPECT_EQ(df.label_width(1), 10);
    // Homes follow the shuffled widths.
    EXPECT_EQ(df.home(0), (AreaRect{50, 150, 30, 16}));
    EXPECT_EQ(df.home(1), (AreaRect{100, 150, 10, 16}));
    EXPECT_EQ(df.home(2), (AreaRect{130, 150, 20, 16}));
}

TEST(DefShuffle, FewerThanTwoPairsDrawNothing) {
    for (const std::string content : {"DF#", "DF#only*one#"}) {
        test::ScriptedRandom random({0, 1});
        Definitions df;
        df.load(read_line(content), 150, kMeasures, random);
        EXPECT_EQ(random.calls(), "R") << content;
        EXPECT_EQ(label_terms(df), std::vector<int>(df.count(), 0)) << content;
    }
}

TEST(DefPool, LabelsWrapBefore900) {
    const std::vector<AreaRect> places = pool_places({400, 430, 100}, 16, 50, 150, 900, 20, 20);
    ASSERT_EQ(places.size(), 3u);
    EXPECT_EQ(places[1], (AreaRect{470, 150, 430, 16})); // ends on 900: stays
    EXPECT_EQ(places[2], (AreaRect{50, 170, 100, 16}));
}

// Two pairs: two swaps of labels 1 and 2 leave the task order.
Definitions loaded(const std::string& content, int pool_top = 150) {
    test::ScriptedRandom random({0});
    Definitions df;
    df.load(read_line(content), pool_top, kMeasures, random);
    return df;
}

TEST(DefLayout, SlotsFramesAndDashesStandBesideTheirDefinitions) {
    const Definitions df = loaded("DF#cat*a small animal#horse*big#", 120);
    EXPECT_EQ(df.widest(), 50);
    EXPECT_EQ(df.box().left, 130);
    EXPECT_EQ(df.box().top, 200);
    EXPECT_EQ(df.box().width, 750);
    EXPECT_EQ(df.slot(0), (AreaRect{50, 202, 56, 17}));
    EXPECT_EQ(df.frame(0), (AreaRect{49, 201, 58, 19}));
    EXPECT_EQ(df.dash(0), (AreaRect{114, 210, 10, 1}));
    EXPECT_EQ(df.slot(1), (AreaRect{50, 226, 56, 17}));
    EXPECT_EQ(df.mark(1, 20, 10), (AreaRect{25, 229, 20, 10}));
    ASSERT_EQ(df.words().size(), 4u);
    EXPECT_EQ(df.words()[1].x, 15); // after "a" and one space
    EXPECT_EQ(df.words()[3].y, 24 + 2);
}

TEST(DefLayout, ATwoLineDefinitionGetsASlot34High) {
    // A 700-pixel term leaves the definitions 100 pixels.
    const Definitions df = loaded("DF#" + std::string(70, 'x') + "*aaaaaa bbbbbb#t*c#");
    EXPECT_EQ(df.box().width, 100);
    EXPECT_EQ(df.slot(0).height, 34);
    EXPECT_EQ(df.frame(0).height, 36);
    EXPECT_EQ(df.words()[1].x, 0);
    EXPECT_EQ(df.words()[1].y, 17 + 2);
    EXPECT_EQ(df.slot(1).top, 230 + 17 + 24 + 2);
    EXPECT_EQ(df.slot(1).height, 17);
}

TEST(DefLayout, ATermWiderThan800IsCutAndWordsMoveAtMostOnce) {
    const Definitions df = loaded("DF#" + std::string(90, 'x') + "*aa bb#tttt*c#");
    EXPECT_EQ(df.widest(), 800);
    EXPECT_EQ(df.label_width(0), 800);
    EXPECT_EQ(df.box().width, 0);
    EXPECT_EQ(df.box().left, 880);
    // No line is left empty: the first word stays, each later one takes a line.
    ASSERT_GE(df.words().size(), 2u);
    EXPECT_EQ(df.words()[0].y, 2);
    EXPECT_EQ(df.words()[1].y, 19);
    EXPECT_EQ(df.slot(0).height, 34);
    EXPECT_EQ(df.home(0), (AreaRect{50, 150, 800, 16}));
    EXPECT_EQ(df.home(1).top, 170); // the next label no longer fits the row
}

// Drops, given as slot numbers to aim at (-1: outside every slot).
struct DropCase {
    std::string name;
    std::vector<std::pair<int, int>> drops; // label, slot aimed at
    std::vector<int> landed;                // then each label's slot
    int last_result = 0;                    // what the last drop returned
};

class DefDrop : public ::testing::TestWithParam<DropCase> {};

TEST_P(DefDrop, PlacesOrSendsHome) {
    const DropCase& c = GetParam();
    Definitions df = loaded("DF#aa*one#bb*two#cc*three#dd*four#");
    int result = 0;
    for (const auto& [label, aim] : c.drops) {
        ASSERT_TRUE(df.start_drag(label));
        const AreaRect target = aim >= 0 ? df.slot(aim) : AreaRect{600, 20, 0, 0};
        result = df.drop(label, target.left + target.width / 2, target.top + target.height / 2);
    }
    std::vector<int> landed;
    for (int k = 0; k < df.count(); ++k)
        landed.push_back(df.slot_of(k));
    EXPECT_EQ(landed, c.landed);
    EXPECT_EQ(result, c.last_result);
    for (int s = 0; s < df.count(); ++s) {
        const int holder = df.label_in(s);
        if (holder >= 0) EXPECT_EQ(df.slot_of(holder), s);
    }
    EXPECT_TRUE(df.attempt().acted);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DefDrop,
    ::testing::Values(
        DropCase{"into an empty slot", {{0, 2}}, {2, -1, -1, -1}, 2},
        DropCase{"onto a taken slot goes home", {{0, 2}, {1, 2}}, {2, -1, -1, -1}, -1},
        DropCase{"a placed term refused elsewhere loses its slot",
                 {{0, 2}, {1, 1}, {1, 2}},
                 {2, -1, -1, -1},
                 -1},
        DropCase{"moving a placed term frees its first slot",
                 {{0, 2}, {0, 3}, {1, 2}},
                 {3, 2, -1, -1},
                 2},
        DropCase{"back onto its own slot", {{0, 2}, {0, 2}}, {2, -1, -1, -1}, 2},
        DropCase{"outside every slot goes home", {{0, 2}, {0, -1}}, {-1, -1, -1, -1}, -1}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& ch : name)
            if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return name;
    });

TEST(DefDropEdges, SlotBoundsAreInclusive) {
    Definitions df = loaded("DF#aa*one#bb*two#");
    const AreaRect s = df.slot(1);
    EXPECT_EQ(df.drop(0, s.left + s.width, s.top + s.height), 1);
    EXPECT_EQ(df.drop(1, s.left - 1, s.top), -1);
    EXPECT_EQ(df.drop(1, df.slot(0).left, df.slot(0).top), 0);
}

TEST(DefDropEdges, APlacedLabelIsCentredInItsSlot) {
    Definitions df = loaded("DF#abcd*one#bb*two#");
    df.drop(1, df.slot(0).left + 1, df.slot(0).top + 1);
    // Slot 46 wide and 17 high; the label 20 by 16.
    EXPECT_EQ(df.position(1), (AreaRect{63, df.slot(0).top, 20, 16}));
    df.drop(1, 0, 0);
    EXPECT_EQ(df.position(1), df.home(1));
}

const UniString kWrong = read_line("Wrong:");
const UniString kEmpty = read_line("Empty slot");

TEST(DefCheck, AllSlotsEmptyScoresZeroMarksEveryOneEmptyAndFillsTheSlots) {
    Definitions df = loaded("DF#aa*one#bb*two#cc*three#dd*four#");
    df.check();
    EXPECT_TRUE(df.attempt().checked);
    EXPECT_EQ(df.attempt().correct, 0);
    EXPECT_EQ(df.attempt().wrong, 4);
    EXPECT_EQ(df.attempt().score(), 0);
    for (int s = 0; s < 4; ++s) {
        EXPECT_FALSE(df.slot_right(s));
        EXPECT_EQ(utf8(df.slot_hint(s, kWrong, kEmpty)), "Empty slot") << s;
    }
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(df.slot_of(k), df.term_of(k)) << k;
}

TEST(DefCheck, WrongTermsAreNamedInTheirHintsAndThenCorrected) {
    Definitions df = loaded("DF#aa*one#bb*two#cc*three#dd*four#");
    df.drop(0, df.slot(0).left, df.slot(0).top); // aa into its own slot
    df.drop(1, df.slot(2).left, df.slot(2).top); // bb into cc's slot
    df.check();
    EXPECT_EQ(df.attempt().correct, 1);
    EXPECT_EQ(df.attempt().wrong, 3);
    EXPECT_EQ(df.attempt().score(), 25);
    EXPECT_TRUE(df.slot_right(0));
    EXPECT_EQ(df.slot_hint(0, kWrong, kEmpty), UniString());
    EXPECT_EQ(utf8(df.slot_hint(2, kWrong, kEmpty)), "Wrong: bb");
    EXPECT_EQ(utf8(df.slot_hint(1, kWrong, kEmpty)), "Empty slot");
    EXPECT_EQ(df.slot_of(1), 1);
    EXPECT_EQ(df.label_in(2), 2);

    // Checked: frozen, and a second check changes nothing.
    EXPECT_FALSE(df.start_drag(0));
    EXPECT_EQ(df.drop(3, df.slot(0).left, df.slot(0).top), -1);
    EXPECT_EQ(df.slot_of(3), 3);
    df.check();
    EXPECT_EQ(df.attempt().correct, 1);
}

TEST(DefCheck, AllRightScoresFullAndLeavesTheTermsWhereTheyAre) {
    Definitions df = loaded("DF#aa*one#bb*two#");
    df.drop(0, df.slot(0).left, df.slot(0).top);
    df.drop(1, df.slot(1).left, df.slot(1).top);
    df.check();
    EXPECT_EQ(df.attempt().score(), 100);
    EXPECT_EQ(df.slot_of(0), 0);
}

TEST(DefCheck, TermsThatReadTheSameAreInterchangeable) {
    Definitions df = loaded("DF#bank*a place for money#bank*the side of a river#tram*a car#dd*x#");
    df.drop(0, df.slot(1).left, df.slot(1).top); // the first "bank" on the river
    df.drop(1, df.slot(0).left, df.slot(0).top); // the second on the money
    df.drop(2, df.slot(3).left, df.slot(3).top); // tram in the wrong slot
    df.check();
    EXPECT_TRUE(df.slot_right(0));
    EXPECT_TRUE(df.slot_right(1));
    EXPECT_FALSE(df.slot_right(3));
    EXPECT_EQ(df.attempt().correct, 2);
}

TEST(DefCheck, NoPairsScoreZero) {
    Definitions df = loaded("DF#");
    EXPECT_EQ(df.count(), 0);
    EXPECT_FALSE(df.start_drag(0));
    df.check();
    EXPECT_TRUE(df.attempt().checked);
    EXPECT_EQ(df.attempt().score(), 0);
}

TEST(DefCheck, MissingInterfaceTextsGiveBareHints) {
    Definitions df = loaded("DF#aa*one#bb*two#");
    df.drop(1, df.slot(0).left, df.slot(0).top);
    df.check();
    EXPECT_EQ(utf8(df.slot_hint(0, {}, {})), "bb");
    EXPECT_EQ(df.slot_hint(1, {}, {}), UniString());
}

TEST(DefLoad, LoadingAgainStartsAfresh) {
    Definitions df = loaded("DF#aa*one#bb*two#");
    df.drop(0, df.slot(1).left, df.slot(1).top);
    df.check();
    test::ScriptedRandom random({0});
    df.load(read_line("DF#aa*one#bb*two#"), 150, kMeasures, random);
    EXPECT_FALSE(df.attempt().acted);
    EXPECT_FALSE(df.attempt().checked);
    EXPECT_EQ(df.slot_of(0), -1);
    EXPECT_EQ(df.slot_of(1), -1);
}

} // namespace
} // namespace vimo
