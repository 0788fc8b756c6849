#include "core/exercise_kinds.h"
#include "support/named_case.h"

#include <gtest/gtest.h>
#include <optional>
#include <set>
#include <string_view>

namespace vimo {
namespace {

VIMO_PRINT_CASES_BY_NAME()

struct KindCase {
    const char* name;
    int code;
    std::string_view prefix;
    std::string_view source_key; // task kind or catalogue type
    std::optional<int> row_text;
    KindScreen screen;
    int mode;
    bool has_score;
};

class ExerciseKinds : public testing::TestWithParam<KindCase> {};

TEST_P(ExerciseKinds, CodeGivesItsRow) {
    const KindCase& c = GetParam();
    const ExerciseKind* kind = exercise_kind(static_cast<char>(c.code));
    ASSERT_NE(kind, nullptr);
    EXPECT_EQ(kind->prefix, c.prefix);
    EXPECT_EQ(kind->source_key, c.source_key);
    EXPECT_EQ(kind->row_text, c.row_text);
    EXPECT_EQ(kind->screen, c.screen);
    EXPECT_EQ(kind->mode, c.mode);
    EXPECT_EQ(kind->has_score, c.has_score);
    EXPECT_EQ(kind_has_score(kind->character()), c.has_score);
}

using enum KindScreen;

INSTANTIATE_TEST_SUITE_P(
    Table, ExerciseKinds,
    testing::Values(
        KindCase{"multiple_choice", '(', "tek_", "MC", 29, multiple_choice, 0, true},
        KindCase{"true_false", ')', "tek_", "TF", 30, true_false, 0, true},
        KindCase{"matching", '+', "tek_", "HH", 32, matching, 0, true},
        KindCase{"drag_drop_variant", '.', "tek_", "DV", 35, drag_drop_variant, 0, true},
        KindCase{"text_sentence_drag_drop", '/', "tek_", "ZDD", 149, text_sentence_drag_drop, 0,
                 true},
        KindCase{"sentences_mode_1", '2', "zda_", "", 36, sentence_building, 1, true},
        KindCase{"sentences_mode_3", '4', "zda_", "", 38, sentence_building, 3, true},
        KindCase{"listening", '6', "rpg_", "11", 39, listening_comprehension, 0, true},
        KindCase{"recording", '8', "zdn_", "53", std::nullopt, sentence_recording, 0, false},
        KindCase{"letters", '9', "lst_", "", std::nullopt, letters, 0, false},
        KindCase{"curiosity", ':', "cie_", "48", std::nullopt, curiosity_text, 0, false},
        KindCase{"sentence_drag_drop", ';', "zdd_", "60", std::nullopt, sentence_drag_drop, 0,
                 true},
        KindCase{"vocabulary_mode_1", '<', "slo_", "", 150, vocabulary_drill, 1, true},
        KindCase{"vocabulary_mode_5", 64, "slo_", "", 154, vocabulary_drill, 5, true},
        KindCase{"dialogue_mode_1", 'F', "dia_", "", 40, dialogue, 1, true},
        KindCase{"dialogue_mode_5", 'J', "dia_", "", 44, dialogue, 5, true},
        KindCase{"open_task", 'Z', "otw_", "", std::nullopt, none, 0, true}));

TEST(ExerciseKindTable, CodesAreUniqueAndEveryPrefixIsAnItemPrefix) {
    std::set<char> codes;
    for (const ExerciseKind& kind : exercise_kinds()) {
        EXPECT_TRUE(codes.insert(kind.code).second) << int(kind.code);
        EXPECT_EQ(kind.prefix.size(), 4u);
        EXPECT_EQ(kind.prefix.back(), '_');
    }
    EXPECT_EQ(codes.size(), 27u);
}

struct TaskKindCase {
    const char* name;
    std::string_view task_kind;
    std::optional<char> code;
};

class TaskKindCodes : public testing::TestWithParam<TaskKindCase> {};

TEST_P(TaskKindCodes, AreComparedExactly) {
    EXPECT_EQ(kind_code_for_task(GetParam().task_kind), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TaskKindCodes,
    testing::Values(TaskKindCase{"mc", "MC", '('}, TaskKindCase{"tf", "TF", ')'},
                    TaskKindCase{"dd", "DD", '*'}, TaskKindCase{"hh", "HH", '+'},
                    TaskKindCase{"wp", "WP", ','}, TaskKindCase{"df", "DF", '-'},
                    TaskKindCase{"dv", "DV", '.'}, TaskKindCase{"zdd", "ZDD", '/'},
                    TaskKindCase{"lower_case", "mc", std::nullopt},
                    TaskKindCase{"with_space", "MC ", std::nullopt},
                    TaskKindCase{"empty", "", std::nullopt},
                    TaskKindCase{"catalogue_type_is_no_task_kind", "11", std::nullopt}));

TEST(ExerciseKindLookups, CatalogueTypesAndUnknownCodes) {
    EXPECT_EQ(exercise_kind_for_catalogue_type("11")->code, '6');
    EXPECT_EQ(exercise_kind_for_catalogue_type("53")->code, '8');
    EXPECT_EQ(exercise_kind_for_catalogue_type("60")->code, ';');
    EXPECT_EQ(exercise_kind_for_catalogue_type("48")->code, ':');
    EXPECT_EQ(exercise_kind_for_catalogue_type("MC"), nullptr);
    EXPECT_EQ(exercise_kind_for_catalogue_type("12"), nullptr);
    for (const char code : {'\0', '5', '7', 'E', 'K', 'z'})
        EXPECT_EQ(exercise_kind(code), nullptr) << int(code);
}

// The frame's facts of the task kinds: the help button's text, F1's page, the again
// button's hint.
struct FrameCase {
    const char* name;
    std::string_view task_kind;
    std::optional<int> help_text;
    std::string_view help_page;
    int again_hint;
};

class TaskFrameFacts : public testing::TestWithParam<FrameCase> {};

TEST_P(TaskFrameFacts, HelpAndAgainHint) {
    const FrameCase& c = GetParam();
    const ExerciseKind* kind = exercise_kind_for_task(c.task_kind);
    ASSERT_NE(kind, nullptr);
    EXPECT_EQ(kind->help_text, c.help_text);
    EXPECT_EQ(kind->help_page, c.help_page);
    EXPECT_EQ(kind->again_hint, c.again_hint);
}

constexpr std::string_view kFilms = "Htm_r\\h_comp.html#filmy";

INSTANTIATE_TEST_SUITE_P(Table, TaskFrameFacts,
                         testing::Values(FrameCase{"mc", "MC", 136, kFilms, 25},
                                         FrameCase{"tf", "TF", 137, kFilms, 26},
                                         FrameCase{"dd", "DD", 133, "Htm_r\\h_comp.html#dd", 21},
                                         FrameCase{"hh_has_no_help_button", "HH", std::nullopt,
                                                   "Htm_r\\h_comp.html#h", 24},
                                         FrameCase{"wp", "WP", 138, kFilms, 27},
                                         FrameCase{"df", "DF", 135, kFilms, 23},
                                         FrameCase{"dv", "DV", 134, "Htm_r\\h_comp.html#ddv", 22}));

// The task position each kind enters the repetitions with; nullopt: results only.
struct RepetitionCase {
    const char* name;
    int code;
    std::optional<int> position; // for a task on tab 3
};

class RepetitionPositions : public testing::TestWithParam<RepetitionCase> {};

TEST_P(RepetitionPositions, FollowTheCallersOfTheScheduler) {
    const ExerciseKind* kind = exercise_kind(static_cast<char>(GetParam().code));
    ASSERT_NE(kind, nullptr);
    EXPECT_EQ(repetition_position(*kind, 3), GetParam().position);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RepetitionPositions,
    testing::Values(RepetitionCase{"multiple_choice_its_tab", 40, 3},
                    RepetitionCase{"text_sentence_drag_drop_its_tab", 47, 3},
                    RepetitionCase{"sentences_variant_1", 50, 1},
                    RepetitionCase{"sentences_variant_3", 52, 3},
                    RepetitionCase{"listening_zero", 54, 0},
                    RepetitionCase{"recording_results_only", 56, std::nullopt},
                    RepetitionCase{"letters_results_only", 57, std::nullopt},
                    RepetitionCase{"curiosity_results_only", 58, std::nullopt},
                    RepetitionCase{"sentence_drag_drop_zero", 59, 0},
                    RepetitionCase{"drill_type_1_results_only", 60, std::nullopt},
                    RepetitionCase{"drill_type_2", 61, 2}, RepetitionCase{"drill_type_5", 64, 5},
                    RepetitionCase{"dialogue_mode_3_results_only", 72, std::nullopt},
                    RepetitionCase{"dialogue_mode_4", 73, 3},
                    RepetitionCase{"dialogue_mode_5", 74, 4},
                    RepetitionCase{"open_task_results_only", 90, std::nullopt}));

TEST(ExerciseKindTable, PicturesOfTheChooserAndThePrintout) {
    std::string with_icon;
    std::string in_printout;
    for (const ExerciseKind& kind : exercise_kinds()) {
        if (kind.has_icon) with_icon += kind.character();
        if (!kind.printout_picture.empty()) in_printout += kind.character();
    }
    EXPECT_EQ(with_icon, "()*,-./234689:;<=>?@FGIJ");
    EXPECT_EQ(in_printout, "(),-/234689:;<=>?@");
    EXPECT_EQ(exercise_kind('6')->printout_picture, "18_prezentacja.jpg");
    EXPECT_EQ(exercise_kind(61)->printout_picture, "14_rozumienie.jpg");
}

TEST(ExerciseKindLookups, TheThirdSentenceModeIsNotOfferedInTheGermanCourse) {
    const ExerciseKind* third = exercise_kind('4');
    ASSERT_NE(third, nullptr);
    EXPECT_FALSE(third->offered_in(2));
    EXPECT_TRUE(third->offered_in(1));
    EXPECT_TRUE(exercise_kind('3')->offered_in(2));
}

} // namespace
} // namespace vimo
