#include "core/exercise_kinds.h"

#include <algorithm>
#include <array>

namespace vimo {

namespace {

using enum KindSource;
using enum KindScreen;

constexpr ExerciseKind task(char code, std::string_view task_kind, int row_text,
                            KindScreen screen) {
    return {code, "tek_", task_list, task_kind, 0, row_text, screen};
}

constexpr ExerciseKind sentences(char code, int mode, int row_text, int excluded_variant = 0) {
    return {code, "zda_",          sentence_sections, {}, mode, row_text, sentence_building,
            true, excluded_variant};
}

constexpr ExerciseKind vocabulary(char code, int mode) {
    return {code, "slo_", word_lists, {}, mode, 149 + mode, vocabulary_drill};
}

constexpr ExerciseKind dialogue_mode(int mode) {
    return {static_cast<char>(69 + mode), "dia_", dialogues, {}, mode, 39 + mode, dialogue};
}

constexpr std::array<ExerciseKind, 27> kKinds{{
    task(40, "MC", 29, multiple_choice),
    task(41, "TF", 30, true_false),
    task(42, "DD", 31, drag_drop),
    task(43, "HH", 32, matching),
    task(44, "WP", 33, typing),
    task(45, "DF", 34, definitions),
    task(46, "DV", 35, drag_drop_variant),
    task(47, "ZDD", 149, text_sentence_drag_drop),
    sentences(50, 1, 36),
    sentences(51, 2, 37),
    sentences(52, 3, 38, 2), // the German course has no third sentence mode
    {54, "rpg_", catalogue, "11", 0, 39, listening_comprehension},
    {56, "zdn_", catalogue, "53", 0, std::nullopt, sentence_recording, false},
    {57, "lst_", letters_index, {}, 0, std::nullopt, letters, false},
    {58, "cie_", catalogue, "48", 0, std::nullopt, curiosity_text, false},
    {59, "zdd_", catalogue, "60", 0, std::nullopt, sentence_drag_drop},
    vocabulary(60, 1),
    vocabulary(61, 2),
    vocabulary(62, 3),
    vocabulary(63, 4),
    vocabulary(64, 5),
    dialogue_mode(1),
    dialogue_mode(2),
    dialogue_mode(3),
    dialogue_mode(4),
    dialogue_mode(5),
    {90, "otw_", open_tasks, {}, 0, std::nullopt, none}, // listed, opens nothing
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

std::optional<char> kind_code_for_task(std::string_view task_kind) {
    const ExerciseKind* kind = exercise_kind_for_task(task_kind);
    if (kind == nullptr) return std::nullopt;
    return kind->code;
}

bool kind_has_score(char code) {
    const ExerciseKind* kind = exercise_kind(code);
    return kind == nullptr || kind->has_score;
}

} // namespace vimo
