#include "core/dates.h"
#include "core/qt_text.h"
#include "navigation/chooser.h"
#include "navigation/chooser_fixture.h"
#include "support/named_case.h"

#include <gtest/gtest.h>
#include <tuple>

namespace vimo {
namespace {

VIMO_PRINT_CASES_BY_NAME()

using namespace std::chrono;
using test::ChooserTest;
using test::cut_field;
using test::kToday;
using test::local_noon;
using test::painted;
using test::text_line;

// --- display_title ---

struct TitleCase {
    std::string name;
    std::string stored;
    std::string shown; // UTF-8
};

class DisplayTitle : public ChooserTest, public ::testing::WithParamInterface<TitleCase> {};

TEST_P(DisplayTitle, ShowsTheTitleAsTheLearnerReadsIt) {
    const TitleCase& c = GetParam();
    EXPECT_EQ(painted(display_title(c.stored, TitleEncoding::cp1250, course)), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Titles, DisplayTitle,
    ::testing::Values(TitleCase{"SectionShowsGroupName", "DZIAL=G2=(5)", "Listy (5)"},
                      TitleCase{"SectionOfUnknownGroupKeepsStoredTitle", "DZIAL=G9=(5)",
                                "DZIAL=G9=(5)"},
                      TitleCase{"SectionIdMustMatchExactly", "DZIAL=G=(5)", "DZIAL=G=(5)"},
                      TitleCase{"KnownKeyGivesDisplayName", "S0001", "Lista pierwsza"},
                      TitleCase{"KeyIsTrimmedFirst", "  S0001 \r", "Lista pierwsza"},
                      TitleCase{"UnknownKeyStaysUnchanged", "S0002", "S0002"},
                      // A key ends at its first "=", so a title holding one is looked
                      // up by the text before it (the open tasks' fixed title).
                      TitleCase{"TitleWithEqualsIsLookedUpByItsFirstPart",
                                "S0001=Nazwa2 ANG=Nazwa3 NIEM=", "Lista pierwsza"},
                      TitleCase{"UnknownTitleWithEqualsStaysUnchanged", "S0009=B=", "S0009=B="},
                      TitleCase{"Windows1250LettersBecomeWide", "Ma\xb3y ko\xb3", "Mały koł"}),
    [](const auto& info) { return info.param.name; });

TEST_F(ChooserTest, DialogueTitlesAreWideTextLookedUpByTheirCharacters) {
    course.names.set_lines({uni_widen("Rozmowa=Przy stole")});
    EXPECT_EQ(painted(display_title(uni_widen("Rozmowa"), TitleEncoding::utf16, course)),
              "Przy stole");
    EXPECT_EQ(painted(display_title(uni_widen("Inna"), TitleEncoding::utf16, course)), "Inna");
    EXPECT_EQ(title_encoding(72), TitleEncoding::utf16);
    EXPECT_EQ(title_encoding(57), TitleEncoding::cp1250);
}

TEST(KindRowCaption, UsesTheKindsInterfaceTextOrItsNumber) {
    InterfaceTexts texts;
    std::vector<UniString> lines(200, text_line(0, "x"));
    lines[28] = text_line(29, "Wybor");
    texts.set_lines(lines);
    EXPECT_EQ(painted(kind_row_caption(40, texts)), "Wybor");
    EXPECT_EQ(painted(kind_row_caption(56, texts)), "CW numer 56");
}

// --- rounding, bar, arrows ---

struct MeanCase {
    std::string name;
    std::vector<int> scores;
    int mean = 0;
};

class MeanScore : public ::testing::TestWithParam<MeanCase> {};

TEST_P(MeanScore, RoundsHalvesToEven) {
    EXPECT_EQ(mean_score(GetParam().scores), GetParam().mean);
}

INSTANTIATE_TEST_SUITE_P(Means, MeanScore,
                         ::testing::Values(MeanCase{"None", {}, 0}, MeanCase{"One", {73}, 73},
                                           MeanCase{"HalfUpToEven", {1, 2}, 2},
                                           MeanCase{"HalfDownToEven", {2, 3}, 2},
                                           MeanCase{"Below", {0, 1, 1}, 1},
                                           MeanCase{"Above", {100, 100, 99}, 100}),
                         [](const auto& info) { return info.param.name; });

struct BarCase {
    std::string name;
    int score = 0;
    int width = 0;
    int piece = 0;
};

class ScoreBar : public ::testing::TestWithParam<BarCase> {};

TEST_P(ScoreBar, WidthAndPiece) {
    const Bar bar = score_bar(GetParam().score);
    EXPECT_EQ(bar.width, GetParam().width);
    EXPECT_EQ(bar.piece, GetParam().piece);
}

INSTANTIATE_TEST_SUITE_P(
    Bars, ScoreBar,
    ::testing::Values(BarCase{"Zero", 0, 0, 0}, BarCase{"HalfPixelToEven25", 25, 24, 0},
                      BarCase{"Score26", 26, 25, 0}, BarCase{"Score27", 27, 26, 1},
                      BarCase{"Score52", 52, 51, 2}, BarCase{"Score51", 51, 50, 1},
                      BarCase{"Score77", 77, 75, 2}, BarCase{"Score78", 78, 76, 3},
                      BarCase{"Score100", 100, 98, 3}),
    [](const auto& info) { return info.param.name; });

TEST(ScrollArrows, UpAboveTheTopDownWhileARowStartsBelowTheList) {
    EXPECT_FALSE(scroll_arrows(100, 0).up);
    EXPECT_TRUE(scroll_arrows(100, 1).up);
    // Row 27 (from 0) would start at y = 540, below the 537-pixel list.
    EXPECT_FALSE(scroll_arrows(27, 0).down);
    EXPECT_TRUE(scroll_arrows(28, 0).down);
    EXPECT_FALSE(scroll_arrows(28, 1).down);
}

// --- building ---

TEST_F(ChooserTest, TextWithOneTaskIsASingleItemCaptionedWithItsTitle) {
    const int number = add("tek_7", 40, 1, 0, 0, "Na dworcu");
    chooser.chooser_build(1);
    const ChooserNode& single = item(1, 0);
    EXPECT_EQ(painted(single), "Na dworcu");
    EXPECT_FALSE(single.has_children());
    EXPECT_EQ(single.row_level, kLeafRow);
    EXPECT_EQ(single.kind, 40);
    EXPECT_EQ(single.record, number);
    EXPECT_EQ(single.ordinal, 1);
    EXPECT_TRUE(single.selectable);
}

TEST_F(ChooserTest, EqualNamesInARunFormOneItemAndANewNameStartsAnother) {
    add("slo_4", 60, 1, 40, 1, "S0001");
    add("slo_4", 61, 1, 50, 0, "S0001");
    add("slo_5", 60, 1, 0, 0, "S0002");
    chooser.chooser_build(1);
    ASSERT_EQ(group(1).children.size(), 2u);
    const ChooserNode& vocabulary = item(1, 0);
    EXPECT_EQ(vocabulary.row_level, kItemRow);
    EXPECT_EQ(vocabulary.kind, node_kind::vocabulary);
    EXPECT_EQ(painted(vocabulary), "Lista pierwsza");
    ASSERT_EQ(vocabulary.children.size(), 2u);
    EXPECT_EQ(painted(*vocabulary.children[0]), "T150");
    EXPECT_EQ(painted(*vocabulary.children[1]), "T151");
    EXPECT_EQ(vocabulary.children[1]->ordinal, 2);
    EXPECT_EQ(vocabulary.score, 45);
    EXPECT_TRUE(vocabulary.done);
    EXPECT_EQ(item(1, 1).row_level, kLeafRow);
    EXPECT_EQ(painted(item(1, 1)), "S0002");
}

TEST_F(ChooserTest, OnlyTextsSentencesAndVocabularyFormRuns) {
    add("zda_1", 50, 1, 0, 0, "DZIAL=G1=(1)");
    add("zda_1", 51, 1, 0, 0, "DZIAL=G1=(1)");
    add("dia_1", 70, 1, 0, 0, uni_widen("Rozmowa"));
    add("dia_1", 71, 1, 0, 0, uni_widen("Rozmowa"));
    chooser.chooser_build(1);
    ASSERT_EQ(group(1).children.size(), 3u);
    EXPECT_EQ(item(1, 0).kind, node_kind::sentences);
    EXPECT_EQ(painted(item(1, 0)), "Grupa pierwsza (1)");
    EXPECT_EQ(item(1, 1).row_level, kLeafRow);
    EXPECT_EQ(painted(item(1, 1)), "Rozmowa");
    EXPECT_EQ(item(1, 2).kind, 71);
}

TEST_F(ChooserTest, RecordsAreSortedIntoTheirGroupsAndRunsFollowTheGroupsWalk) {
    add("tek_1", 40, 1);
    add("rpg_1", 54, 2);
    add("tek_1", 41, 1);
    chooser.chooser_build(1);
    ASSERT_EQ(chooser.root().children.size(), 2u);
    ASSERT_EQ(group(1).children.size(), 1u);
    EXPECT_EQ(item(1, 0).children.size(), 2u);
    EXPECT_EQ(group(2).children.size(), 1u);
    EXPECT_EQ(painted(group(2)), "Listy");
}

TEST_F(ChooserTest, GroupAverageLeavesOutKindsWithoutScoreButTheyCountAsDone) {
    add("lst_1", 57, 2, 90, 1);
    add("lst_2", 57, 2, 0, 0);
    add("tek_1", 40, 1, 10, 1);
    add("cie_1", 58, 1, 90, 0);
    add("tek_2", 41, 1, 20, 0);
    add("tek_2", 42, 1, 25, 0);
    chooser.chooser_build(1);
    EXPECT_EQ(group(2).score, 0);
    EXPECT_TRUE(group(2).done);
    EXPECT_EQ(group(1).score, 18); // (10 + 20 + 25) / 3
    EXPECT_TRUE(group(1).done);
}

// Text 1 has a task of a kind without a record, so text 2's first record is record 3
// while its first task is entry 4 of the task list.
TEST_F(ChooserTest, ComprehensionTextsTakeTheirMediaFromTheirFirstTask) {
    files.write_bytes("TEKSTY_MPG_R/film.MPG", "x");
    files.write_bytes("Teksty_htm_r/strona.htm", "x");
    const std::vector<std::tuple<int, std::string, std::string>> tasks{
        {1, "MC", "film"}, {1, "QQ", "-"},      {1, "TF", "-"}, {2, "MC", "strona"},
        {2, "TF", "-"},    {3, "MC", "zwykly"}, {3, "TF", "-"}};
    for (const auto& [text, kind, media] : tasks) {
        TaskEntry task;
        task.text_number = text;
        task.kind = kind;
        task.media_name = media;
        course.tables.tasks.push_back(task);
    }
    for (const std::string name : {"tek_1", "tek_2", "tek_3"}) {
        add(name, 40);
        add(name, 41);
    }
    chooser.chooser_build(1);
    EXPECT_EQ(item(1, 0).kind, node_kind::video_text);
    EXPECT_EQ(item(1, 1).kind, node_kind::page_text);
    EXPECT_EQ(item(1, 2).kind, node_kind::recorded_text);
}

TEST_F(ChooserTest, ItemTakesTheLatestDateOfItsRows) {
    add("tek_1", 40, 1, 0, 1);
    add("tek_1", 41, 1, 0, 1);
    results.results_record(50, "tek_1", 41, 2, true, clock);
    chooser.chooser_build(1);
    EXPECT_EQ(item(1, 0).last_date, "2026-12-10");
    EXPECT_EQ(item(1, 0).children[0]->last_date, "2026-11-05");
}

TEST_F(ChooserTest, RepetitionDatesInModeOneUseOrdinalZeroForSingleItems) {
    const int single = add("rpg_1", 54);
    const int second_row = add("tek_1", 40) + 1;
    add("tek_1", 41);
    repeat(single, 0, -2);
    repeat(second_row, 1, -4); // the first row's position: not this row's
    repeat(second_row, 2, -5);
    chooser.chooser_build(1);
    EXPECT_EQ(item(1, 0).repetition_date, "2026-12-12");
    EXPECT_EQ(item(1, 1).children[0]->repetition_date, "");
    EXPECT_EQ(item(1, 1).children[1]->repetition_date, "2026-12-15");
}

// A text's tasks MC, an unknown kind, TF: its two records are the MC and TF tasks, so
// the TF row opens task 3, and its repetition (entered at tab 3) is found there.
TEST_F(ChooserTest, ATextsRowsCarryTheirTasksOrdinalsPastATaskOfAnUnknownKind) {
    for (const char* kind : {"MC", "QQ", "TF"}) {
        TaskEntry task;
        task.text_number = 1;
        task.kind = kind;
        course.tables.tasks.push_back(task);
    }
    add("tek_1", 40);
    const int tf = add("tek_1", 41);
    repeat(tf, 3, 0);
    chooser.chooser_build(1);
    const ChooserNode& text = item(1, 0);
    ASSERT_EQ(text.children.size(), 2u);
    EXPECT_EQ(text.children[0]->ordinal, 1);
    EXPECT_EQ(text.children[1]->ordinal, 3);
    EXPECT_EQ(text.children[1]->repetition_date, "2026-12-10");

    chooser.chooser_build(2);
    ASSERT_EQ(item(1, 0).children.size(), 1u);
    EXPECT_EQ(item(1, 0).children[0]->record, tf);
}

TEST_F(ChooserTest, ModeTwoKeepsOnlyDueRowsWithTheirOrdinalsFromTheFullRun) {
    const int first = add("tek_1", 40);
    add("tek_1", 41);
    add("tek_1", 42);
    add("tek_2", 40);
    add("tek_2", 41);
    const int due_single = add("lst_1", 57);
    const int later_single = add("rpg_1", 54);
    add("zda_3", 50, 2);
    add("zda_3", 51, 2);
    repeat(first + 1, 2, 0);  // due today
    repeat(first + 2, 3, -1); // due tomorrow
    repeat(first + 3, 1, -3);
    repeat(due_single, 0, 4);
    repeat(later_single, 0, -1);
    chooser.chooser_build(2);

    ASSERT_EQ(chooser.root().children.size(), 2u); // the group without due rows stays
    EXPECT_TRUE(group(2).children.empty());
    ASSERT_EQ(group(1).children.size(), 2u);
    const ChooserNode& text = item(1, 0);
    EXPECT_EQ(text.record, first);
    ASSERT_EQ(text.children.size(), 1u);
    EXPECT_EQ(text.children[0]->ordinal, 2);
    EXPECT_EQ(text.children[0]->kind, 41);
    EXPECT_EQ(painted(*text.children[0]), "T30");
    EXPECT_EQ(item(1, 1).record, due_single);
}

// A text of one task is a single item, and its task reports at its tab, 1: that is
// where its repetition is looked for, not at the 0 of the single items of other kinds.
TEST_F(ChooserTest, ASingleTextItemFindsItsRepetitionAtItsTab) {
    const int single = add("tek_9", 40);
    repeat(single, 1, 1);
    chooser.chooser_build(1);
    EXPECT_EQ(item(1, 0).repetition_date, "2026-12-09");
    chooser.chooser_build(2);
    ASSERT_EQ(group(1).children.size(), 1u);
    EXPECT_EQ(item(1, 0).record, single);

    const int letter = add("lst_1", 57);
    repeat(letter, 1, 1); // a letter's results go in at 0, never at 1
    chooser.chooser_build(2);
    EXPECT_EQ(group(1).children.size(), 1u);
}

TEST_F(ChooserTest, RefreshTakesNewResultsIntoRowsItemsAndGroups) {
    add("tek_1", 40, 1, 20, 1);
    add("tek_1", 41, 1, 0, 0);
    chooser.chooser_build(1);
    const ChooserNode& text = item(1, 0);
    ASSERT_FALSE(text.children[1]->done);

    results.results_record(81, "tek_1", 41, 2, true, clock);
    chooser.chooser_refresh();
    EXPECT_EQ(text.children[1]->score, 81);
    EXPECT_TRUE(text.children[1]->done);
    EXPECT_EQ(text.children[1]->last_date, "2026-12-10");
    EXPECT_EQ(text.score, 50); // 50.5 to the even 50
    EXPECT_EQ(text.last_date, "2026-12-10");
    EXPECT_EQ(group(1).score, 50);
}

TEST_F(ChooserTest, RefreshInModeOneShowsANewRepetitionDate) {
    const int number = add("rpg_1", 54);
    chooser.chooser_build(1);
    repeat(number, 0, -3);
    chooser.chooser_refresh();
    EXPECT_EQ(item(1, 0).repetition_date, "2026-12-13");
}

TEST_F(ChooserTest, RefreshInModeTwoKeepsTheDateThatMadeTheItemDue) {
    const int number = add("rpg_1", 54);
    repeat(number, 0, 2);
    chooser.chooser_build(2);
    ASSERT_EQ(item(1, 0).repetition_date, "2026-12-08");
    results.results_record(30, "rpg_1", 54, 1, true, clock);
    repetitions.powt_record_result(30, "rpg_1", 54, true, 1, 0, RepetitionSettings{}, clock);
    ASSERT_NE(repetitions.powt_due_text("rpg_1", 54, 0), "2026-12-08");
    chooser.chooser_refresh();
    EXPECT_EQ(item(1, 0).repetition_date, "2026-12-08");
    EXPECT_EQ(item(1, 0).score, 30);
}

TEST_F(ChooserTest, AGroupTakesAtMostAHundredItems) {
    for (int n = 1; n <= 101; ++n)
        add("rpg_" + std::to_string(n), 54);
    chooser.chooser_build(1);
    EXPECT_EQ(group(1).children.size(), 100u);
    EXPECT_EQ(item(1, 99).record, 100);
}

// --- marks ---

TEST_F(ChooserTest, MarksFollowTheRowsKindAndTheMode) {
    add("lst_1", 57, 1, 0, 1);
    add("tek_1", 40, 1, 60, 1);
    add("tek_1", 41, 1, 0, 0);
    add("otw_1", 90, 1, 0, 0);
    chooser.chooser_build(1);

    const RowMarks letter = row_marks(item(1, 0), 1);
    EXPECT_FALSE(letter.score);
    EXPECT_FALSE(letter.repetition_date);
    EXPECT_EQ(letter.last_date, "2026-11-05");
    EXPECT_EQ(letter.kind_icon, 57);

    const ChooserNode& text = item(1, 1);
    EXPECT_EQ(row_marks(text, 1).last_date, "2026-11-05 - ");
    EXPECT_EQ(row_marks(text, 1).score, 30);
    EXPECT_FALSE(row_marks(text, 2).score);
    EXPECT_EQ(row_marks(text, 1).kind_icon, node_kind::recorded_text);
    EXPECT_EQ(row_marks(*text.children[1], 1).repetition_date, "");
    EXPECT_FALSE(row_marks(*text.children[1], 1).last_date);
    EXPECT_EQ(row_marks(*text.children[1], 2).score, 0);

    const RowMarks open_task = row_marks(item(1, 2), 1);
    EXPECT_FALSE(open_task.kind_icon); // code 90 has no picture
    EXPECT_EQ(open_task.level_icon, 2);

    const RowMarks lesson = row_marks(group(1), 1);
    EXPECT_FALSE(lesson.level_icon);
    EXPECT_FALSE(lesson.kind_icon);
    EXPECT_TRUE(lesson.done);
}

TEST(RowMarks, SentenceSectionsShareTheVocabularyPicture) {
    ChooserNode section;
    section.row_level = kItemRow;
    section.kind = node_kind::sentences;
    EXPECT_EQ(row_marks(section, 1).kind_icon, node_kind::vocabulary);
}

// --- layout, hits, scrolling ---

TEST_F(ChooserTest, VisibleRowsFollowExpandedFlagsWithIndentByRowLevel) {
    add("tek_1", 40);
    add("tek_1", 41);
    add("rpg_1", 54);
    chooser.chooser_build(1);
    EXPECT_EQ(chooser.rows().size(), 2u);

    chooser.expand_all();
    const std::vector<VisibleRow> rows = chooser.rows();
    ASSERT_EQ(rows.size(), 6u);
    const std::vector<int> xs = {30, 48, 66, 66, 66, 30};
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].caption_x, xs[i]) << "row " << i;
    EXPECT_EQ(rows[4].node, &item(1, 1));

    chooser.collapse_all();
    EXPECT_EQ(chooser.rows().size(), 2u);
}

struct HitCase {
    std::string name;
    int x = 0;
    int y = 0;
    int row = -1;
    Region region = Region::none;
};

class HitTest : public ChooserTest, public ::testing::WithParamInterface<HitCase> {};

// Rows (expanded): 0 group at x 30, 1 item at 48, 2 its row at 66, 3 single item at 66.
TEST_P(HitTest, FindsExpanderAndCaptionRegions) {
    add("tek_1", 40);
    add("tek_1", 41);
    add("rpg_1", 54);
    chooser.chooser_build(1);
    chooser.expand_all();
    const HitCase& c = GetParam();
    const Hit hit = hit_test(chooser.rows(), 0, c.x, c.y);
    EXPECT_EQ(hit.row, c.row);
    EXPECT_EQ(hit.region, c.region);
}

INSTANTIATE_TEST_SUITE_P(
    Hits, HitTest,
    ::testing::Values(HitCase{"GroupExpander", 0, 0, 0, Region::expander},
                      HitCase{"GroupExpanderRightEdgeIsOutside", 16, 5, -1, Region::none},
                      HitCase{"GroupCaption", 30, 15, 0, Region::caption},
                      HitCase{"CaptionEndsBefore325", 325, 5, -1, Region::none},
                      HitCase{"GapBelowA16PixelRegion", 100, 16, -1, Region::none},
                      HitCase{"ItemExpander", 18, 20, 1, Region::expander},
                      HitCase{"LeftOfItemExpander", 17, 25, -1, Region::none},
                      HitCase{"RowHasNoExpander", 40, 45, -1, Region::none},
                      HitCase{"RowCaption", 324, 45, 2, Region::caption},
                      HitCase{"SingleItemCaption", 66, 60, 3, Region::caption},
                      HitCase{"BelowTheLastRow", 100, 150, -1, Region::none}),
    [](const auto& info) { return info.param.name; });

TEST_F(ChooserTest, HitsCountFromTheFirstVisibleRow) {
    for (int n = 1; n <= 40; ++n)
        add("rpg_" + std::to_string(n), 54);
    chooser.chooser_build(1);
    chooser.expand_all();
    chooser.scroll_down();
    chooser.scroll_down();
    EXPECT_EQ(chooser.first_visible(), 2);
    const Hit hit = hit_test(chooser.rows(), chooser.first_visible(), 70, 21);
    EXPECT_EQ(hit.row, 3);
    EXPECT_EQ(row_at(41, 2, 536), 28);
    EXPECT_EQ(row_at(41, 2, 537), -1);
}

TEST_F(ChooserTest, ScrollingStopsWhereTheArrowsHide) {
    for (int n = 1; n <= 30; ++n)
        add("rpg_" + std::to_string(n), 54);
    chooser.chooser_build(1);
    chooser.expand_all(); // 32 rows: two groups and 30 items
    chooser.scroll_up();
    EXPECT_EQ(chooser.first_visible(), 0);
    for (int i = 0; i < 10; ++i)
        chooser.scroll_down();
    // The last row is then the 27th from the top, the one the list cuts at its foot.
    EXPECT_EQ(chooser.first_visible(), 5);
    EXPECT_TRUE(chooser.arrows().up);
    EXPECT_FALSE(chooser.arrows().down);

    chooser.collapse_all();
    EXPECT_EQ(chooser.first_visible(), 0);
}

TEST_F(ChooserTest, CollapsingBelowTheFirstVisibleRowKeepsItInTheList) {
    for (int n = 1; n <= 40; ++n)
        add("rpg_" + std::to_string(n), 54);
    chooser.chooser_build(1);
    chooser.expand_all();
    for (int i = 0; i < 10; ++i)
        chooser.scroll_down();
    ASSERT_TRUE(chooser.toggle(0)); // two group rows are left
    EXPECT_EQ(chooser.first_visible(), 1);
}

TEST_F(ChooserTest, LeftClicksToggleNodesWithChildrenAndOpenTheOthers) {
    add("tek_1", 40);
    add("tek_1", 41);
    chooser.chooser_build(1);
    EXPECT_TRUE(chooser.left_click(35, 5).toggled);  // group caption
    EXPECT_TRUE(chooser.left_click(20, 25).toggled); // item expander
    EXPECT_EQ(chooser.rows().size(), 5u);

    const Click open = chooser.left_click(70, 65);
    EXPECT_FALSE(open.toggled);
    ASSERT_TRUE(open.open);
    EXPECT_EQ(open.open->ordinal, 2);
    EXPECT_FALSE(chooser.left_click(340, 65).open); // beyond the caption
}

TEST_F(ChooserTest, OpeningGivesTheExerciseContext) {
    add("tek_1", 40);
    add("tek_1", 41);
    add("tek_1", 42, 1, 0, 0, "Pociag");
    chooser.chooser_build(1);
    chooser.expand_all();

    EXPECT_FALSE(chooser.open_context(1)); // the item itself
    const std::optional<OpenContext> third = chooser.open_context(4);
    ASSERT_TRUE(third);
    EXPECT_EQ(painted(third->group_name), "Grupa pierwsza");
    EXPECT_EQ(third->name, "tek_1");
    EXPECT_EQ(third->key, 3);
    EXPECT_EQ(third->kind, 42);
    EXPECT_EQ(third->title, "Pociag");
    EXPECT_EQ(third->ordinal, 3);
    EXPECT_EQ(third->second_ordinal, 4);
    EXPECT_EQ(third->item_row().ordinal, 3);
    EXPECT_EQ(third->item_row().kind, 42);

    const std::optional<OpenContext> second = chooser.open_context(3);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->second_ordinal, 2);
}

TEST_F(ChooserTest, TheContextsGroupIsFoundByItsIdInUpperCase) {
    course.tables.groups[1].id = cut_field("g1");
    add("rpg_1", 54, 2);
    chooser.chooser_build(1);
    chooser.expand_all();
    const std::optional<OpenContext> context = chooser.open_context(2);
    ASSERT_TRUE(context);
    EXPECT_EQ(painted(context->group_name), "Grupa pierwsza");
}

TEST_F(ChooserTest, RightClickOffersDeletingOnlyInModeTwo) {
    const int number = add("rpg_1", 54);
    repeat(number, 0, 1);
    chooser.chooser_build(1);
    chooser.expand_all();
    EXPECT_FALSE(chooser.right_click(70, 25));

    chooser.chooser_build(2);
    chooser.expand_all();
    EXPECT_EQ(chooser.right_click(70, 25), 1);
    EXPECT_FALSE(chooser.right_click(35, 5)); // a group is not selectable
}

TEST_F(ChooserTest, RemovingTheLastDueRowRemovesItsItemButNotItsGroup) {
    const int first = add("tek_1", 40);
    add("tek_1", 41);
    add("tek_1", 42);
    repeat(first, 1, 1);
    repeat(first + 2, 3, 1);
    chooser.chooser_build(2);
    chooser.expand_all();
    ASSERT_EQ(chooser.rows().size(), 5u);

    ASSERT_TRUE(chooser.remove_repetition(2));
    EXPECT_FALSE(repetitions.powt_is_due("tek_1", 40, 1, clock));
    ASSERT_EQ(item(1, 0).children.size(), 1u);
    EXPECT_EQ(item(1, 0).children[0]->ordinal, 3);

    ASSERT_TRUE(chooser.remove_repetition(2));
    EXPECT_FALSE(repetitions.powt_is_due("tek_1", 42, 3, clock));
    EXPECT_EQ(chooser.root().children.size(), 2u);
    EXPECT_TRUE(group(1).children.empty());
    EXPECT_FALSE(chooser.remove_repetition(0)); // the group
}

TEST_F(ChooserTest, NothingIsRemovedInModeOne) {
    const int number = add("rpg_1", 54);
    repeat(number, 0, 1);
    chooser.chooser_build(1);
    chooser.expand_all();
    EXPECT_FALSE(chooser.remove_repetition(1));
    EXPECT_TRUE(repetitions.powt_is_due("rpg_1", 54, 0, clock));
    EXPECT_EQ(group(1).children.size(), 1u);
}

} // namespace
} // namespace vimo
