// The tables whose entries run over several lines: the course catalogue (five-line
// entries) and the task list (four-line entries).

#include "core/course_loaders.h"
#include "core/exercise_kinds.h"
#include "core/loader_support.h"

#include <algorithm>
#include <array>
#include <climits>
#include <map>

namespace vimo {

using namespace loading;

namespace {

// ---------------------------------------------------------------------------------
// Catalogue

constexpr int kKeyLength = 10;

bool is_catalogue_skip_line(std::string_view line) {
    return (!line.empty() && line[0] == '*') || uni_is_blank(line);
}

// The number written by the digits of two key characters.
std::optional<int> key_number(const std::string& characters, const std::string& what,
                              const LineCheck& check) {
    try {
        return uni_digits_to_int(characters);
    } catch (const ConversionError&) {
        check.error("expected " + what + " of the key, found " + shown8(characters));
        return std::nullopt;
    }
}

// The stored key: the first 8 characters, then the group number n of characters 9 and
// 10 (n >= 60 becomes n - 59) as two 8-bit digits.
std::optional<UniString> catalogue_key(const UniString& key_line, const LineCheck& check) {
    const UniString trimmed = uni_trim(key_line);
    const UniString head = uni_copy(trimmed, 1, kKeyLength);
    if (uni_unit_count(head) < kKeyLength || !uni_is_single_byte(head)) {
        check.error("expected a key of ten single-byte characters: id (4), type (2), level (2), "
                    "group (2), found " +
                    shown16(trimmed));
        return std::nullopt;
    }
    const std::string key8 = narrow_all(head);
    const auto level = key_number(key8.substr(6, 2), "the level in characters 7 and 8", check);
    const auto group =
        key_number(key8.substr(8, 2), "the group number in characters 9 and 10", check);
    if (!level || !group) return std::nullopt;
    check.level(level);
    const int index = *group >= 60 ? *group - 59 : *group;
    check.group(index);
    const char digits[] = {static_cast<char>('0' + index / 10),
                           static_cast<char>('0' + index % 10)};
    return uni_copy(head, 1, 8) + std::string(digits, 2);
}

void check_catalogue_type(const std::string& key8, const LineCheck& check) {
    const std::string type = key8.substr(4, 2);
    if (exercise_kind_for_catalogue_type(type) != nullptr) return;
    check.warning("unknown type code \"" + type +
                  "\" (expected 11, 53, 60 or 48): the entry makes no exercise");
}

// Reads the entry whose key line is lines[first]; returns the index after it.
std::size_t add_catalogue_entry(const SourceFile& file, const Lines16& lines, std::size_t first,
                                std::vector<CatalogueEntry>& catalogue) {
    const LineCheck check(file, line_number(first));
    if (first + 3 >= lines.size()) {
        check.error("the entry ends before its three text lines (a key line, three text lines "
                    "and a separator line)");
        return lines.size();
    }
    const std::size_t next = std::min(first + 5, lines.size());
    const std::optional<UniString> key = catalogue_key(lines[first], check);
    if (!key) return next;
    CatalogueEntry entry;
    entry.key = *key;
    entry.key8 = narrow_all(entry.key);
    for (std::size_t k = 0; k < entry.texts.size(); ++k)
        entry.texts[k] = uni_trim(lines[first + 1 + k]);
    check_catalogue_type(entry.key8, check);
    catalogue.push_back(std::move(entry));
    return next;
}

// ---------------------------------------------------------------------------------
// Task list

constexpr int kTimesNeedHashes = 5;
constexpr int kMillisecondsPerSecond = 1000;

std::optional<int> task_time(const UniString& field, int number, const LineCheck& check) {
    if (uni_is_blank(field)) return -1;
    const std::optional<int> seconds = uni_whole_number(field);
    if (seconds && *seconds >= 0 && *seconds <= INT_MAX / kMillisecondsPerSecond)
        return *seconds * kMillisecondsPerSecond;
    check.error("expected the time in whole seconds in header field " + std::to_string(number) +
                ", found " + shown16(field));
    return std::nullopt;
}

bool parse_task_header(TaskEntry& task, const LineCheck& check) {
    const UniString number_field = field16(task.header, 2, u'#');
    try {
        task.text_number = uni_digits_to_int(number_field);
    } catch (const ConversionError&) {
        check.error("expected the comprehension text's number in header field 2 (after the "
                    "first \"#\"), found " +
                    shown16(number_field));
        return false;
    }
    task.media_name = narrow_all(number_field);
    if (count_units(task.header, u'#') < kTimesNeedHashes) return true;
    std::array<int, 3> times{};
    for (std::size_t k = 0; k < times.size(); ++k) {
        const int field = static_cast<int>(k) + 8;
        const auto time = task_time(field16(task.header, field, u'#'), field, check);
        if (!time) return false;
        times[k] = *time;
    }
    task.times_ms = times;
    return true;
}

void parse_task_kind(TaskEntry& task, const LineCheck& check) {
    task.kind = narrow_all(field16(task.kind_line, 1, u'#'));
    if (exercise_kind_for_task(task.kind) != nullptr) return;
    check.warning("unknown task kind " + shown8(task.kind) +
                  " (expected MC, TF, DD, HH, WP, DF, DV or ZDD): the task opens no screen and "
                  "gets no results record; the text's other tasks keep their tabs");
}

bool parse_task_parameters(TaskEntry& task, const LineCheck& check) {
    const std::string line = narrow_all(task.parameter_line);
    const std::vector<std::string_view> fields = split8(line, '=');
    bool good = true;
    for (std::size_t k = 0; k < fields.size(); ++k) {
        if (trim_8bit(fields[k]).empty()) continue;
        if (k >= task.parameters.size()) {
            check.warning("more than ten parameters: only the first ten are read");
            break;
        }
        const auto value =
            check.number(fields[k], "a whole number in parameter field " + std::to_string(k + 1));
        if (!value) good = false;
        if (value && *value != 0) task.parameters[k] = *value;
    }
    return good;
}

// Reads the entry whose header is lines[first]; returns the index after it.
std::size_t add_task(const SourceFile& file, const Lines16& lines, std::size_t first,
                     std::vector<TaskEntry>& tasks, std::map<int, int>& tasks_per_text) {
    const LineCheck check(file, line_number(first));
    if (first + 2 >= lines.size()) {
        check.error("the entry ends before its kind line and parameter line (entries are a "
                    "header line, a kind line, a parameter line and one more line)");
        return lines.size();
    }
    TaskEntry task;
    task.header = uni_trim(lines[first]);
    task.kind_line = uni_trim(lines[first + 1]);
    task.parameter_line = uni_trim(lines[first + 2]);
    const bool header_good = parse_task_header(task, check);
    parse_task_kind(task, LineCheck(file, line_number(first + 1)));
    const bool parameters_good =
        parse_task_parameters(task, LineCheck(file, line_number(first + 2)));
    const std::size_t next = std::min(first + 4, lines.size());
    if (!header_good || !parameters_good) return next;
    if (++tasks_per_text[task.text_number] > table_capacity::tasks_per_text) {
        check.error("comprehension text " + std::to_string(task.text_number) + " has more than " +
                    std::to_string(table_capacity::tasks_per_text) + " tasks");
    }
    task.line = check.line();
    tasks.push_back(std::move(task));
    return next;
}

} // namespace

void load_catalogue(const Config& config, CourseTables& tables, CourseProblems& problems) {
    const SourceFile file(config, "kurs_cwiczu.kvt", problems);
    load_utf16_entries(file,
                       {.capacity = table_capacity::catalogue,
                        .entries = "catalogue entries",
                        .skip = is_catalogue_skip_line},
                       tables.catalogue, [&](const Lines16& lines, std::size_t first) {
                           return add_catalogue_entry(file, lines, first, tables.catalogue);
                       });
}

void load_tasks(const Config& config, CourseTables& tables, CourseProblems& problems) {
    const SourceFile file(config, variant_name(config, "St_", "u.txt"), problems);
    std::map<int, int> tasks_per_text;
    load_utf16_entries(file,
                       {.need = Need::required,
                        .capacity = table_capacity::tasks,
                        .entries = "task entries",
                        .skip = uni_is_blank},
                       tables.tasks, [&](const Lines16& lines, std::size_t first) {
                           return add_task(file, lines, first, tables.tasks, tasks_per_text);
                       });
}

} // namespace vimo
