#include "core/exercise_kinds.h"

#include <algorithm>
#include <array>

namespace vimo {

namespace {

using enum KindSource;
using enum KindScreen;
using enum RepetitionPosition;

constexpr std::string_view kTaskHelp = "Htm_r\\h_comp.html#filmy";

struct TaskFacts {
    std::optional<int> help_text;
    std::string_view help_page = kTaskHelp;
    int again_hint = 27;
    bool has_icon = true;
    std::string_view picture;
};

// What every row has; each family below adds its own facts.
constexpr ExerciseKind kind(char code, std::string_view prefix, KindSource source,
                            KindScreen screen) {
    ExerciseKind k;
    k.code = code;
    k.prefix = prefix;
    k.source = source;
    k.screen = screen;
    return k;
}

constexpr ExerciseKind task(char code, std::string_view task_kind, int row_text, KindScreen screen,
                            TaskFacts facts) {
    ExerciseKind k = kind(code, "tek_", task_list, screen);
    k.source_key = task_kind;
    k.row_text = row_text;
    k.help_text = facts.help_text;
    k.help_page = facts.help_page;
    k.again_hint = facts.again_hint;
    k.repetition = task_tab;
    k.has_icon = facts.has_icon;
    k.printout_picture = facts.picture;
    return k;
}

constexpr ExerciseKind sentences(char code, int mode, int row_text, std::string_view picture,
                                 int excluded_variant = 0) {
    ExerciseKind k = kind(code, "zda_", sentence_sections, sentence_building);
    k.mode = mode;
    k.row_text = row_text;
    k.excluded_variant = excluded_variant;
    k.repetition = RepetitionPosition::mode;
    k.printout_picture = picture;
    return k;
}

// The first drill type reports to the results only.
constexpr ExerciseKind vocabulary(char code, int mode, std::string_view picture) {
    ExerciseKind k = kind(code, "slo_", word_lists, vocabulary_drill);
    k.mode = mode;
    k.row_text = 149 + mode;
    k.title_prefix = "S";
    k.repetition = mode >= 2 ? RepetitionPosition::mode : not_reported;
    k.printout_picture = picture;
    return k;
}

// Listening, speaking and translation report to the results only; the third has no
// picture in the chooser.
constexpr ExerciseKind dialogue_mode(int mode) {
    ExerciseKind k = kind(static_cast<char>(69 + mode), "dia_", dialogues, dialogue);
    k.mode = mode;
    k.row_text = 39 + mode;
    k.repetition = mode >= 4 ? mode_minus_one : not_reported;
    k.has_icon = mode != 3;
    return k;
}

struct CatalogueFacts {
    std::optional<int> row_text;
    bool has_score = true;
    std::string_view title_prefix;
    RepetitionPosition repetition = not_reported;
    std::string_view picture;
};

constexpr ExerciseKind catalogue_kind(char code, std::string_view prefix, std::string_view type,
                                      KindScreen screen, CatalogueFacts facts) {
    ExerciseKind k = kind(code, prefix, catalogue, screen);
    k.source_key = type;
    k.row_text = facts.row_text;
    k.has_score = facts.has_score;
    k.title_prefix = facts.title_prefix;
    k.repetition = facts.repetition;
    k.printout_picture = facts.picture;
    return k;
}

constexpr ExerciseKind letters_kind() {
    ExerciseKind k = kind(57, "lst_", letters_index, letters);
    k.has_score = false;
    k.title_prefix = "L";
    k.printout_picture = "5_letters.jpg";
    return k;
}

// Listed, opens nothing.
constexpr ExerciseKind open_task_kind() {
    ExerciseKind k = kind(90, "otw_", open_tasks, none);
    k.has_icon = false;
    return k;
}

constexpr std::array<ExerciseKind, 27> kKinds{{
    task(40, "MC", 29, multiple_choice, {136, kTaskHelp, 25, true, "11_mchoice.jpg"}),
    task(41, "TF", 30, true_false, {137, kTaskHelp, 26, true, "8_truefalse.jpg"}),
    task(42, "DD", 31, drag_drop, {133, "Htm_r\\h_comp.html#dd", 21, true, {}}),
    // Matching has no help button and no picture of its own.
    task(43, "HH", 32, matching, {std::nullopt, "Htm_r\\h_comp.html#h", 24, false, {}}),
    task(44, "WP", 33, typing, {138, kTaskHelp, 27, true, "9_wpisywanie.jpg"}),
    task(45, "DF", 34, definitions, {135, kTaskHelp, 23, true, "10_pary.jpg"}),
    task(46, "DV", 35, drag_drop_variant, {134, "Htm_r\\h_comp.html#ddv", 22, true, {}}),
    task(47, "ZDD", 149, text_sentence_drag_drop,
         {std::nullopt, kTaskHelp, 27, true, "12_ddrop.jpg"}),
    sentences(50, 1, 36, "12_ddrop.jpg"),
    sentences(51, 2, 37, "15_wpisywanie.jpg"),
    sentences(52, 3, 38, "9_wpisywanie.jpg", 2), // the German course has no third mode
    catalogue_kind(54, "rpg_", "11", listening_comprehension,
                   {39, true, "P", zero, "18_prezentacja.jpg"}),
    catalogue_kind(56, "zdn_", "53", sentence_recording,
                   {std::nullopt, false, "ZDN_", not_reported, "13_NAGRYWANIE.jpg"}),
    letters_kind(),
    catalogue_kind(58, "cie_", "48", curiosity_text,
                   {std::nullopt, false, "C_", not_reported, "6_ciekawostka.jpg"}),
    catalogue_kind(59, "zdd_", "60", sentence_drag_drop,
                   {std::nullopt, true, "ZDD_", zero, "12_ddrop.jpg"}),
    vocabulary(60, 1, "13_NAGRYWANIE.jpg"),
    vocabulary(61, 2, "14_rozumienie.jpg"),
    vocabulary(62, 3, "11_mchoice.jpg"),
    vocabulary(63, 4, "16_dyktando.jpg"),
    vocabulary(64, 5, "15_wpisywanie.jpg"),
    dialogue_mode(1),
    dialogue_mode(2),
    dialogue_mode(3),
    dialogue_mode(4),
    dialogue_mode(5),
    open_task_kind(),
}};

static_assert(std::is_sorted(kKinds.begin(), kKinds.end(),
                             [](const ExerciseKind& a, const ExerciseKind& b) {
                                 return a.code < b.code;
                             }));

template <typename Matches> const ExerciseKind* find_kind(Matches matches) {
    const auto found = std::find_if(kKinds.begin(), kKinds.end(), matches);
    return found == kKinds.end() ? nullptr : &*found;
}

} // namespace

std::span<const ExerciseKind> exercise_kinds() {
    return kKinds;
}

const ExerciseKind* exercise_kind(char code) {
    return find_kind([code](const ExerciseKind& k) { return k.code == code; });
}

const ExerciseKind* exercise_kind_for_task(std::string_view task_kind) {
    return find_kind([task_kind](const ExerciseKind& k) {
        return k.source == task_list && k.source_key == task_kind;
    });
}

const ExerciseKind* exercise_kind_for_catalogue_type(std::string_view type_code) {
    return find_kind([type_code](const ExerciseKind& k) {
        return k.source == catalogue && k.source_key == type_code;
    });
}

const ExerciseKind* exercise_kind_for_prefix(std::string_view prefix) {
    return find_kind([prefix](const ExerciseKind& k) { return k.prefix == prefix; });
}

const ExerciseKind* exercise_kind_for_source(KindSource source) {
    return find_kind([source](const ExerciseKind& k) { return k.source == source; });
}

std::optional<char> kind_code_for_task(std::string_view task_kind) {
    const ExerciseKind* kind = exercise_kind_for_task(task_kind);
    if (kind == nullptr) return std::nullopt;
    return kind->code;
}

bool kind_has_score(char code) {
    const ExerciseKind* kind = exercise_kind(code);
    return kind == nullptr || kind->has_score;
}

std::optional<int> repetition_position(const ExerciseKind& kind, int tab) {
    switch (kind.repetition) {
    case RepetitionPosition::task_tab:
        return tab;
    case RepetitionPosition::mode:
        return kind.mode;
    case RepetitionPosition::mode_minus_one:
        return kind.mode - 1;
    case RepetitionPosition::zero:
        return 0;
    case RepetitionPosition::not_reported:
        break;
    }
    return std::nullopt;
}

} // namespace vimo
