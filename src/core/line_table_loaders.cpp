// The tables of one entry a line: lesson groups, phrases, comprehension texts, the
// three row tables, letters, glossary and open tasks.

#include "core/course_loaders.h"
#include "core/loader_support.h"

#include <algorithm>
#include <iterator>
#include <map>

namespace vimo {

using namespace loading;

namespace {

// ---------------------------------------------------------------------------------
// Lesson groups

// Field 3 and field 4 cut from the raw bytes: each begins with the zero high byte of
// the "=" before it and ends just before the next "=" byte. The separators are found as
// whole units, so a character whose low byte is "=" (Cyrillic "н" is 3D 04) stays text.
std::optional<LessonGroup> cut_lesson_group(const UniString& line) {
    const std::vector<std::size_t> equals = unit_offsets(line, u'=');
    if (equals.size() < 3) return std::nullopt;
    const auto between = [&line](std::size_t from, std::size_t to) {
        return line.substr(from + 1, to - from - 1);
    };
    LessonGroup group;
    group.id = between(equals[1], equals[2]);
    group.name = equals.size() >= 4 ? between(equals[2], equals[3]) : line.substr(equals[2] + 1);
    return group;
}

// Every line is a group, a blank or bad one an empty group: the later groups keep
// their line numbers.
LessonGroup parse_lesson_group(const UniString& line, const LineCheck& check) {
    if (uni_is_blank(line)) {
        check.warning("blank line: lesson group " + std::to_string(check.line()) +
                      " has no id and no name");
        return {};
    }
    std::optional<LessonGroup> group = cut_lesson_group(line);
    if (group) return std::move(*group);
    check.error("expected four \"=\"-separated fields with the group id in field 3 "
                "and its name in field 4, such as 1=x=G1=Grammar=, found " +
                shown16(line));
    return {};
}

// ---------------------------------------------------------------------------------
// Phrases, comprehension texts

bool has_no_pair(std::string_view line) {
    return line.find('=') == std::string_view::npos;
}

// A line with an "=" (has_no_pair skips the others).
Phrase parse_phrase(std::string_view line, const LineCheck&) {
    const std::size_t equals = line.find('=');
    const std::string_view rest = line.substr(equals + 1);
    return {std::string(line.substr(0, equals)), std::string(rest.substr(0, rest.find('=')))};
}

std::optional<ComprehensionText> parse_text(std::string_view line, const LineCheck& check) {
    const std::vector<std::string_view> fields = split8(line, '=');
    if (fields.size() < 4) {
        check.error("expected four fields each ended by \"=\": number=level=group=title=, found " +
                    shown8(line));
        return std::nullopt;
    }
    const auto number = check.number(fields[0], "the text number (a whole number)");
    const auto level = check.level(check.number(fields[1], kLevelExpected));
    const auto group = check.group(check.number(fields[2], kGroupExpected));
    if (!number || !level || !group) return std::nullopt;
    return ComprehensionText{*number, *level, *group, std::string(fields[3])};
}

// ---------------------------------------------------------------------------------
// Row tables

constexpr char16_t kUntrimmedMark = u'\u0106'; // "Ć": such a field 4 is kept as it is

// The comment mark is two 8-bit bytes, which a UTF-16 line never starts with.
bool is_row_comment(std::string_view line) {
    return line.size() >= 2 && line[0] == '/' && line[1] == '/';
}

void check_field_count(const UniString& line, int fields, const LineCheck& check,
                       const char* format) {
    if (uni_is_blank(line) || count_units(line, u'=') >= fields - 1) return;
    check.warning(std::string("expected ") + std::to_string(fields) +
                  " \"=\"-separated fields: " + format + "; the missing ones are empty");
}

ComprehensionRow parse_comprehension_row(const UniString& line, const LineCheck& check) {
    check_field_count(line, 7, check, "id=sound=text=text=picture=picture=picture");
    ComprehensionRow row;
    for (std::size_t k = 0; k < row.fields.size(); ++k) {
        const UniString field = field16(line, static_cast<int>(k) + 1);
        const bool keep = k == 3 && starts_with_unit(field, kUntrimmedMark);
        row.fields[k] = keep ? field : uni_trim(field);
    }
    return row;
}

RecordingRow parse_recording_row(const UniString& line, const LineCheck& check) {
    check_field_count(line, 3, check, "id=recording=text");
    return {uni_trim(field16(line, 1)), uni_trim(field16(line, 2)), uni_trim(field16(line, 3))};
}

// The text between the first "<" and the first ">" with its spaces turned into "+".
std::string join_marked_words(std::string text) {
    const std::size_t open = text.find('<');
    const std::size_t close = text.find('>');
    if (open == std::string::npos || close == std::string::npos || close < open) return text;
    std::replace(text.begin() + static_cast<std::ptrdiff_t>(open),
                 text.begin() + static_cast<std::ptrdiff_t>(close), ' ', '+');
    return text;
}

std::string without_angles(std::string_view text) {
    std::string result;
    std::copy_if(text.begin(), text.end(), std::back_inserter(result),
                 [](char c) { return c != '<' && c != '>'; });
    return result;
}

constexpr std::size_t kDragIdLength = 5;

std::optional<DragRow> parse_drag_row(std::string_view line, const LineCheck& check) {
    if (line.size() <= kDragIdLength || line.find('=', kDragIdLength + 1) == std::string::npos) {
        check.error("expected a five-character row id, one more character, then field A and "
                    "field B each ended by \"=\", found " +
                    shown8(line));
        return std::nullopt;
    }
    const std::string_view rest = line.substr(kDragIdLength + 1);
    const std::size_t end_a = rest.find('=');
    const std::string_view after_a = rest.substr(end_a + 1);
    return DragRow{std::string(line.substr(0, kDragIdLength)),
                   join_marked_words(std::string(rest.substr(0, end_a))),
                   without_angles(after_a.substr(0, after_a.find('=')))};
}

// ---------------------------------------------------------------------------------
// Letters, glossary, open tasks

std::optional<Letter> parse_letter(std::string_view line, const LineCheck& check) {
    const std::vector<std::string_view> fields = split8(line, '=');
    if (fields.size() < 4) {
        check.error("expected five \"=\"-separated fields: file=level=group=parameter=rest, "
                    "found " +
                    shown8(line));
        return std::nullopt;
    }
    const std::string_view file = trim_8bit(fields[0]);
    if (file.empty()) check.error("expected the letter's file name in field 1");
    const auto level = check.level(check.number(fields[1], kLevelExpected));
    const auto group = check.group(check.number(fields[2], kGroupExpected));
    const auto parameter = check.number(fields[3], "the parameter (a whole number)");
    if (file.empty() || !level || !group || !parameter) return std::nullopt;
    return Letter{std::string(file), *level, *group, *parameter};
}

std::optional<GlossaryEntry> parse_glossary_line(const UniString& line, const LineCheck& check) {
    if (count_units(line, u'=') == 0) {
        check.error("expected number=text, found " + shown16(line));
        return std::nullopt;
    }
    const UniString number = field16(line, 1);
    if (!check.uni_number(number, "the glossary number (a whole number)")) return std::nullopt;
    return GlossaryEntry{narrow_all(number), field16(line, 2)};
}

std::optional<OpenTask> parse_open_task(std::string_view line, const LineCheck& check) {
    const std::vector<std::string_view> fields = split8(line, '=');
    if (fields.size() < 5) {
        check.error("expected five \"=\"-separated fields: number=group=level=text=text=, "
                    "found " +
                    shown8(line));
        return std::nullopt;
    }
    const auto number = check.number(fields[0], "the open task's number (a whole number)");
    const auto group = check.group(check.number(fields[1], kGroupExpected));
    const auto level = check.level(check.number(fields[2], kLevelExpected));
    if (!number || !group || !level) return std::nullopt;
    return OpenTask{*number, *group, *level, std::string(trim_8bit(fields[3])),
                    std::string(trim_8bit(fields[4]))};
}

} // namespace

void load_lesson_groups(const Config& config, CourseTables& tables, CourseProblems& problems) {
    const SourceFile file(config, config.language_folder + variant_name(config, "gr", "u.txt"),
                          problems);
    load_utf16_lines(file,
                     {.need = Need::required,
                      .capacity = table_capacity::lesson_groups,
                      .entries = "lesson groups"},
                     tables.groups, parse_lesson_group);
}

void load_phrases(const Config& config, CourseTables& tables, CourseProblems& problems) {
    const SourceFile file(config, "ss_r.t", problems);
    // The program reads on without the pairs past the capacity: only a warning.
    load_8bit_lines(file,
                    {.capacity = table_capacity::phrases,
                     .entries = "phrase pairs",
                     .skip = has_no_pair,
                     .overflow = Severity::warning},
                    tables.phrases, parse_phrase);
}

void load_comprehension_texts(const Config& config, CourseTables& tables,
                              CourseProblems& problems) {
    const SourceFile file(config, variant_name(config, "rozumienia_", ".txt"), problems);
    std::map<int, int> first_line_of_number;
    load_8bit_lines(
        file,
        {.need = Need::required,
         .capacity = table_capacity::comprehension_texts,
         .entries = "comprehension texts",
         .skip = is_comment8},
        tables.texts, [&first_line_of_number](const std::string& line, const LineCheck& check) {
            std::optional<ComprehensionText> text = parse_text(line, check);
            if (!text) return text;
            const auto [first, fresh] = first_line_of_number.emplace(text->number, check.line());
            if (!fresh) {
                check.warning("text number " + std::to_string(text->number) +
                              " is used again (first on line " + std::to_string(first->second) +
                              ")");
            }
            return text;
        });
}

void load_comprehension_rows(const Config& config, CourseTables& tables, CourseProblems& problems) {
    const SourceFile file(config, "kursu.roz", problems);
    load_utf16_lines(file,
                     {.capacity = table_capacity::comprehension_rows,
                      .entries = "comprehension-exercise rows",
                      .skip = is_row_comment},
                     tables.comprehension_rows, parse_comprehension_row);
}

void load_recording_rows(const Config& config, CourseTables& tables, CourseProblems& problems) {
    const SourceFile file(config, "kursu.zdn", problems);
    load_utf16_lines(
        file, {.capacity = table_capacity::recording_rows, .entries = "sentence-recording rows"},
        tables.recording_rows, parse_recording_row);
}

void load_drag_rows(const Config& config, CourseTables& tables, CourseProblems& problems) {
    const SourceFile file(config, "kurs.zdd", problems);
    load_8bit_lines(
        file, {.capacity = table_capacity::drag_rows, .entries = "sentence drag-and-drop rows"},
        tables.drag_rows, parse_drag_row);
}

void load_letters(const Config& config, CourseTables& tables, CourseProblems& problems) {
    const SourceFile file(config, "Listy_r\\index.txt", problems);
    load_8bit_lines(file, {.capacity = table_capacity::letters, .entries = "letters"},
                    tables.letters, parse_letter);
}

void load_glossary(const Config& config, CourseTables& tables, CourseProblems& problems) {
    const SourceFile file(config, "slowniczeku.txt", problems);
    load_utf16_lines(file,
                     {.capacity = table_capacity::glossary_lines,
                      .skip = uni_is_blank,
                      .line_limit_message = glossary_too_long_message},
                     tables.glossary, parse_glossary_line);
}

void load_open_tasks(const Config& config, CourseTables& tables, CourseProblems& problems) {
    const SourceFile file(config, "otwarte.txt", problems);
    load_8bit_lines(
        file,
        {.capacity = table_capacity::open_tasks, .entries = "open tasks", .skip = is_comment8},
        tables.open_tasks, parse_open_task);
}

} // namespace vimo
