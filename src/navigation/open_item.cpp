#include "navigation/open_item.h"

#include "core/exercise_kinds.h"
#include "core/paths.h"

#include <charconv>

namespace vimo {

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

std::vector<int> recorded_task_ordinals(const CourseTables& tables, int text_number) {
    std::vector<int> ordinals;
    int ordinal = 0;
    for (const TaskEntry& task : tables.tasks) {
        if (task.text_number != text_number) continue;
        ++ordinal;
        if (exercise_kind_for_task(task.kind)) ordinals.push_back(ordinal);
    }
    return ordinals;
}

int record_ordinal(const std::vector<int>& recorded, int n) {
    return n >= 1 && n <= static_cast<int>(recorded.size())
               ? recorded[static_cast<std::size_t>(n - 1)]
               : n;
}

namespace {

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

bool open_catalogue_item(KindScreen screen, int k, ItemScreens& screens) {
    switch (screen) {
    case KindScreen::listening_comprehension:
        screens.open_listening(k);
        return true;
    case KindScreen::sentence_recording:
        screens.open_sentence_recording(k);
        return true;
    case KindScreen::sentence_drag_drop:
        screens.open_sentence_drag_drop(k);
        return true;
    case KindScreen::curiosity_text:
        screens.open_curiosity(k);
        return true;
    default:
        return false;
    }
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
    std::vector<std::uint8_t> keys;
    for (const cw_Info& record : results.records()) {
        if (record.name == name) keys.push_back(record.key);
    }
    lesson.item_keys.resize(lesson.tasks.size());
    std::size_t next = 0;
    for (std::size_t i = 0; i < lesson.tasks.size() && next < keys.size(); ++i) {
        if (exercise_kind_for_task(lesson.tasks[i]->kind)) lesson.item_keys[i] = keys[next++];
    }
    lesson.media_name = lesson.tasks.front()->media_name;
    lesson.media = media_of(lesson.media_name, course.config);
    return lesson;
}

bool open_item(const ItemRow& row, const CourseState& course, const ResultsStore& results,
               ItemScreens& screens) {
    const std::optional<int> k = item_number(row.name);
    if (!k) return false;
    const ExerciseKind* kind = exercise_kind_for_prefix(std::string_view(row.name).substr(0, 4));
    if (!kind) return false;
    const CourseTables& tables = course.tables;

    switch (kind->source) {
    case KindSource::task_list: {
        const std::optional<ComprehensionLesson> lesson = comprehension_lesson(*k, course, results);
        if (!lesson || row.ordinal < 1 || row.ordinal > static_cast<int>(lesson->tasks.size()))
            return false;
        screens.open_comprehension(*lesson, row.ordinal);
        return true;
    }
    case KindSource::sentence_sections:
        if (!in_table(tables.sections, *k)) return false;
        screens.open_sentences(*k, mode_of(row.kind));
        return true;
    case KindSource::dialogues:
        if (!in_table(tables.dialogues, *k)) return false;
        screens.open_dialogue(*k, mode_of(row.kind));
        return true;
    case KindSource::letters_index: {
        if (!in_table(tables.letters, *k)) return false;
        const Letter& letter = tables.letters[static_cast<std::size_t>(*k - 1)];
        screens.open_letter("Listy_r\\" + letter.file + ".htm", letter.parameter);
        return true;
    }
    case KindSource::word_lists:
        if (row.title.size() <= 1) return false;
        screens.open_vocabulary(row.name, "cw_r\\" + row.title.substr(1) + ".bc4",
                                mode_of(row.kind));
        return true;
    case KindSource::catalogue:
        // The catalogue's items are numbered by their entry in kurs_cwiczu.kvt.
        if (!in_table(tables.catalogue, *k)) return false;
        return open_catalogue_item(kind->screen, *k, screens);
    case KindSource::open_tasks:
        return false; // listed, opens nothing
    }
    return false;
}

} // namespace vimo
