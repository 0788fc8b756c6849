#include "navigation/open_item.h"

#include "core/exercise_kinds.h"
#include "core/paths.h"

#include <charconv>

namespace vimo {

namespace {

// The number after a four-character prefix, or nullopt.
std::optional<int> item_number(std::string_view name) {
    if (name.size() <= 4) return std::nullopt;
    const std::string_view digits = name.substr(4);
    int number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc{} || end != digits.data() + digits.size() || number < 1) {
        return std::nullopt;
    }
    return number;
}

template <typename Table> bool in_table(const Table& table, int number) {
    return number >= 1 && number <= static_cast<int>(table.size());
}

TextMedia media_of(const std::string& name, const Config& config) {
    if (path_exists(config.course_path("Teksty_mpg_r\\" + name + ".mpg"))) return TextMedia::film;
    if (path_exists(config.course_path("Teksty_htm_r\\" + name + ".htm"))) return TextMedia::page;
    return TextMedia::recording;
}

int mode_of(char kind) {
    const ExerciseKind* known = exercise_kind(kind);
    return known ? known->mode : 0;
}

} // namespace

std::optional<ComprehensionLesson> comprehension_lesson(int text_number, const CourseState& course,
                                                        const ResultsStore& results) {
    ComprehensionLesson lesson;
    lesson.text_number = text_number;
    for (const TaskEntry& task : course.tables.tasks) {
        if (task.text_number == text_number) lesson.tasks.push_back(&task);
    }
    if (lesson.tasks.empty()) return std::nullopt;
    const std::string name = "tek_" + std::to_string(text_number);
    for (const cw_Info& record : results.records()) {
        if (record.name == name) lesson.item_keys.push_back(record.key);
    }
    lesson.media_name = lesson.tasks.front()->media_name;
    lesson.media = media_of(lesson.media_name, course.config);
    return lesson;
}

bool open_item(const ItemRow& row, const CourseState& course, const ResultsStore& results,
               ItemScreens& screens) {
    const std::optional<int> k = item_number(row.name);
    if (!k) return false;
    const std::string prefix = row.name.substr(0, 4);
    const CourseTables& tables = course.tables;

    if (prefix == "tek_") {
        const std::optional<ComprehensionLesson> lesson = comprehension_lesson(*k, course, results);
        if (!lesson || row.ordinal < 1 || row.ordinal > static_cast<int>(lesson->tasks.size())) {
            return false;
        }
        screens.open_comprehension(*lesson, row.ordinal);
        return true;
    }
    if (prefix == "zda_" && in_table(tables.sections, *k)) {
        screens.open_sentences(*k, mode_of(row.kind));
        return true;
    }
    if (prefix == "dia_" && in_table(tables.dialogues, *k)) {
        screens.open_dialogue(*k, mode_of(row.kind));
        return true;
    }
    if (prefix == "lst_" && in_table(tables.letters, *k)) {
        const Letter& letter = tables.letters[static_cast<std::size_t>(*k - 1)];
        screens.open_letter("Listy_r\\" + letter.file + ".htm", letter.parameter);
        return true;
    }
    if (prefix == "slo_" && row.title.size() > 1) {
        screens.open_vocabulary("cw_r\\" + row.title.substr(1) + ".bc4", mode_of(row.kind));
        return true;
    }
    // The catalogue's items are numbered by their entry in kurs_cwiczu.kvt.
    if (!in_table(tables.catalogue, *k)) return false;
    if (prefix == "rpg_")
        screens.open_listening(*k);
    else if (prefix == "zdn_")
        screens.open_sentence_recording(*k);
    else if (prefix == "zdd_")
        screens.open_sentence_drag_drop(*k);
    else if (prefix == "cie_")
        screens.open_curiosity(*k);
    else
        return false;
    return true;
}

} // namespace vimo
