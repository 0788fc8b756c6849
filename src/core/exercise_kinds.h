#pragma once
// The one table of exercise kinds: every fact the program keeps about a kind, from
// the code a results record carries to the screen it opens, its help, the hint of its
// again button, how it reports to the repetitions and its picture in the results
// printout. Adding a kind is one row here plus its engine and its screen.

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

// The task position a kind's result is entered in the repetitions with.
enum class RepetitionPosition {
    not_reported,   // the kind reports to the results only
    task_tab,       // the task's tab within its text
    mode,           // the kind's mode (sentence variant, drill type)
    mode_minus_one, // the dialogue modes 4 and 5 enter 3 and 4
    zero,           // one exercise without tasks
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
    // The start of a new record's title before the entry's own part ("ZDN_" + key).
    std::string_view title_prefix;
    // The task screens' frame: the help button's interface text (none: no help
    // button), the page F1 opens and the again button's hint.
    std::optional<int> help_text;
    std::string_view help_page;
    std::optional<int> again_hint;
    RepetitionPosition repetition = RepetitionPosition::not_reported;
    bool has_icon = true;              // a picture of its own in the chooser's kind column
    std::string_view printout_picture; // under "htm_r\" in the results printout; or empty

    // The printable character of the code (the code 64 is "@").
    char character() const { return code; }
    bool offered_in(int course_variant) const { return course_variant != excluded_variant; }
    // True for the kinds that are tasks of a comprehension text.
    bool is_task() const { return source == KindSource::task_list; }
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
// The first kind whose items carry the prefix ("tek_"), or nullptr: the kinds of one
// prefix share their source.
const ExerciseKind* exercise_kind_for_prefix(std::string_view prefix);
// The first kind of a source, or nullptr: the whole answer for the sources of one kind
// (letters, open tasks).
const ExerciseKind* exercise_kind_for_source(KindSource source);
// The kind code of a task kind: "MC" gives 40 ("("), ... "ZDD" gives 47 ("/").
std::optional<char> kind_code_for_task(std::string_view task_kind);
// False only for the kinds without a score: "8", "9" and ":".
bool kind_has_score(char code);

// The task position a result of the kind is entered in the repetitions with, tab
// being the task's tab for the tasks of a text; nullopt when the kind's results go
// to the results store only.
std::optional<int> repetition_position(const ExerciseKind& kind, int tab);

} // namespace vimo
