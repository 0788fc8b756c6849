#pragma once
// Opening the item of a chooser row: the item name's prefix decides the screen, its
// number the entry. The screens are the program's; ItemScreens is how this engine
// reaches them, and a screen not in the program yet simply does nothing.

#include "core/course_state.h"
#include "results/results_store.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vimo {

// A comprehension text as the exercise frame opens it.
struct ComprehensionLesson {
    int text_number = 0;
    std::vector<const TaskEntry*> tasks; // the text's task entries in file order (ordinals 1..)
    // Per task the key of its results record: the records named tek_k in record order
    // go to the tasks of a kind the program knows; a task of another kind has none.
    std::vector<std::optional<std::uint8_t>> item_keys;
    TextMedia media = TextMedia::recording;
    std::string media_name; // header field of the first task, 8-bit
};

class ItemScreens {
public:
    virtual ~ItemScreens() = default;
    virtual void open_comprehension(const ComprehensionLesson& /*lesson*/, int /*ordinal*/) {}
    virtual void open_sentences(int /*section*/, int /*mode*/) {}
    virtual void open_dialogue(int /*dialogue*/, int /*mode*/) {}
    virtual void open_listening(int /*item*/) {}
    virtual void open_sentence_recording(int /*item*/) {}
    virtual void open_sentence_drag_drop(int /*item*/) {}
    virtual void open_curiosity(int /*item*/) {}
    // page: "Listy_r\" + the letter's file + ".htm"
    virtual void open_letter(const std::string& /*page*/, int /*parameter*/) {}
    // item: the row's item name ("slo_3"), under which the drill's results are kept;
    // file: "cw_r\" + the item title without its first character + ".bc4"
    virtual void open_vocabulary(const std::string& /*item*/, const std::string& /*file*/,
                                 int /*mode*/) {}
};

// The clicked row: its record's item name, kind code and title, and for the rows of a
// comprehension text the task it opens (its ordinal among the text's tasks, from 1).
struct ItemRow {
    std::string name;
    char kind = 0;
    std::string title;
    int ordinal = 1;
};

// The ordinals (from 1) among the tasks of text_number of the tasks that get results
// records, those of a kind the program knows, in task-list order: the text's n-th
// record belongs to the n-th of them, so a task of a kind the program does not know
// never shifts the others.
std::vector<int> recorded_task_ordinals(const CourseTables& tables, int text_number);
// The task ordinal of a text's n-th record (from 1), given the text's recorded task
// ordinals; n itself for a record beyond them (a results file kept from a course with
// more tasks), which then opens whatever task n is, if any.
int record_ordinal(const std::vector<int>& recorded, int n);
// The number after an item name's four-character prefix ("tek_12" gives 12), or nullopt.
std::optional<int> item_number(std::string_view name);

// The text of tek_k with its tasks, media and item keys; nullopt when it has no task.
std::optional<ComprehensionLesson> comprehension_lesson(int text_number, const CourseState& course,
                                                        const ResultsStore& results);

// Opens what the row names. False when it names nothing that opens: an unknown
// prefix, an open task (otw_), a number outside its table, an ordinal beyond the
// text's tasks.
bool open_item(const ItemRow& row, const CourseState& course, const ResultsStore& results,
               ItemScreens& screens);

} // namespace vimo
