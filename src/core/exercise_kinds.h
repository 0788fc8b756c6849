#pragma once
// The one table of exercise kinds: the kind code a results record carries, the item
// name prefix, where the items come from, the interface text that names a kind's row
// in the chooser and the screen the kind opens.

#include <optional>
#include <span>
#include <string_view>

namespace vimo {

// Where the items of a kind come from.
enum class KindSource {
    task_list,         // an entry of "St_" + L + "u.txt" of that task kind
    sentence_sections, // a sentence section of "zd" + L + "_rozumu.txt"
    catalogue,         // a kurs_cwiczu.kvt entry of that type code
    letters_index,     // an entry of Listy_r\index.txt
    word_lists,        // a word list cw_r\*.bc4
    dialogues,         // a dialogue that offers the kind's mode
    open_tasks,        // an entry of otwarte.txt
};

// The screen a kind's row opens.
enum class KindScreen {
    multiple_choice,
    true_false,
    drag_drop,
    matching,
    typing,
    definitions,
    drag_drop_variant,
    text_sentence_drag_drop, // sentence drag and drop as a task of a text
    sentence_building,
    listening_comprehension,
    sentence_recording,
    letters,
    curiosity_text,
    sentence_drag_drop, // the stand-alone sentence drag and drop
    vocabulary_drill,
    dialogue,
    none, // listed, opens nothing
};

struct ExerciseKind {
    char code = 0;           // the byte stored in results records
    std::string_view prefix; // item name prefix, such as "tek_"
    KindSource source = KindSource::task_list;
    std::string_view source_key; // task kind ("MC") or catalogue type ("11"); else empty
    int mode = 0;                // screen mode 1..5 where the screen has modes, else 0
    std::optional<int> row_text; // interface text naming the row; none: "CW numer" + code
    KindScreen screen = KindScreen::none;
    bool has_score = true;    // false: left out of averages, no score, no repetition date
    int excluded_variant = 0; // a course variant that does not offer the kind, or 0

    // The printable character of the code (the code 64 is "@").
    char character() const { return code; }
    bool offered_in(int course_variant) const { return course_variant != excluded_variant; }
};

// Every kind, in ascending code order.
std::span<const ExerciseKind> exercise_kinds();

// The kind of a code, or nullptr for a code no kind has.
const ExerciseKind* exercise_kind(char code);
// The kind of a task list entry's task kind ("MC", "TF", ... compared exactly), or
// nullptr.
const ExerciseKind* exercise_kind_for_task(std::string_view task_kind);
// The kind of a catalogue type code ("11", "53", "60", "48"), or nullptr.
const ExerciseKind* exercise_kind_for_catalogue_type(std::string_view type_code);

// The kind code of a task kind: "MC" gives 40 ("("), ... "ZDD" gives 47 ("/").
std::optional<char> kind_code_for_task(std::string_view task_kind);
// False only for the kinds without a score: "8", "9" and ":".
bool kind_has_score(char code);

} // namespace vimo
