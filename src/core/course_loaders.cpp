#include "core/course_loaders.h"

#include "core/encoding.h"
#include "core/exercise_kinds.h"
#include "core/paths.h"
#include "core/qt_text.h"
#include "core/text_file.h"
#include "core/uni.h"

#include <QString>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <filesystem>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string_view>
#include <tuple>

namespace vimo {

namespace {

using Lines16 = std::vector<UniString>;
using Lines8 = std::vector<std::string>;

enum class Need { required, optional };

constexpr std::size_t kShownLength = 40; // characters of a bad value quoted in a message

// ---------------------------------------------------------------------------------
// Files and problems

// One course file of a loader: where it is and the name its problems carry.
class SourceFile {
public:
    SourceFile(const Config& config, const std::string& course_relative, CourseProblems& problems)
        : m_path(resolve_path(config.course_path(course_relative))),
          m_name(course_relative_name(config.course_root, m_path)), m_problems(&problems) {}

    const std::string& path() const { return m_path; }
    void error(int line, std::string message) const {
        m_problems->error(m_name, line, std::move(message));
    }
    void warning(int line, std::string message) const {
        m_problems->warning(m_name, line, std::move(message));
    }
    // The first entry a full table cannot take.
    void over_capacity(int line, int capacity, const std::string& entries) const {
        error(line, "more than " + std::to_string(capacity) + " " + entries + ": the table holds " +
                        std::to_string(capacity) + ", this line and the rest are left out");
    }

private:
    std::string m_path;
    std::string m_name;
    CourseProblems* m_problems = nullptr;
};

void report_missing(const SourceFile& file, Need need) {
    if (need == Need::required) file.error(0, "Brak pliku: " + file.path() + ".");
}

bool is_empty_file(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec) && std::filesystem::file_size(path, ec) == 0;
}

// The lines of a UTF-16 course file; nullopt when it is missing or cannot be used (the
// problem is reported). A file of no bytes at all holds no lines.
std::optional<Lines16> read_utf16(const SourceFile& file, Need need) {
    try {
        if (is_empty_file(file.path())) return Lines16{};
        std::optional<Lines16> lines = read_course_text_file(file.path());
        if (!lines) report_missing(file, need);
        return lines;
    } catch (const CourseFileError& e) {
        file.error(e.line(), e.problem());
        return std::nullopt;
    }
}

std::optional<Lines8> read_8bit(const SourceFile& file, Need need) {
    try {
        std::optional<Lines8> lines = read_8bit_lines(file.path());
        if (!lines) report_missing(file, need);
        return lines;
    } catch (const CourseFileError& e) {
        file.error(e.line(), e.problem());
        return std::nullopt;
    }
}

// ---------------------------------------------------------------------------------
// Text helpers

bool is_blank_byte(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

bool is_blank8(std::string_view text) {
    return trim_8bit(text).empty();
}

char16_t unit_at(std::string_view s, std::size_t byte) {
    return static_cast<char16_t>(static_cast<unsigned char>(s[byte]) |
                                 static_cast<unsigned char>(s[byte + 1]) << 8);
}

int unit_count(std::string_view s) {
    return static_cast<int>(s.size() / 2);
}

// True when every unit is a space or a control character (a dangling byte by its value).
bool uni_is_blank(std::string_view s) {
    for (std::size_t i = 0; i + 1 < s.size(); i += 2) {
        if (unit_at(s, i) > u' ') return false;
    }
    return s.size() % 2 == 0 || is_blank_byte(s.back());
}

// The byte offsets of the units equal to c, in order.
std::vector<std::size_t> unit_offsets(std::string_view s, char16_t c) {
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i + 1 < s.size(); i += 2) {
        if (unit_at(s, i) == c) found.push_back(i);
    }
    return found;
}

int count_units(std::string_view s, char16_t c) {
    return static_cast<int>(unit_offsets(s, c).size());
}

bool starts_with_unit(std::string_view s, char16_t c) {
    return s.size() >= 2 && unit_at(s, 0) == c;
}

// s without the units "<" and ">".
UniString without_angle_units(std::string_view s) {
    UniString result;
    result.reserve(s.size());
    std::size_t i = 0;
    for (; i + 1 < s.size(); i += 2) {
        const char16_t unit = unit_at(s, i);
        if (unit != u'<' && unit != u'>') result.append(s.substr(i, 2));
    }
    if (i < s.size()) result.push_back(s[i]);
    return result;
}

// Every unit of s is a single-byte character, so its 8-bit form has one byte per unit.
bool uni_is_single_byte(std::string_view s) {
    for (std::size_t i = 0; i + 1 < s.size(); i += 2) {
        if (s[i] == 0 || s[i + 1] != 0) return false;
    }
    return s.size() % 2 == 0;
}

std::string narrow_all(std::string_view uni) {
    return uni_narrow(uni, 1, unit_count(uni) + 1);
}

UniString field16(std::string_view line, int n, char16_t separator = u'=') {
    return uni_field(n, line, separator);
}

// The fields of an 8-bit line; the text after the last separator is the last field.
std::vector<std::string_view> split8(std::string_view line, char separator) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = line.find(separator, start);
        fields.push_back(line.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) return fields;
        start = end + 1;
    }
}

std::string shortened(QString text) {
    if (static_cast<std::size_t>(text.size()) > kShownLength) {
        text = text.left(static_cast<qsizetype>(kShownLength)) + "...";
    }
    return "\"" + text.toStdString() + "\"";
}

// A bad value as a message quotes it: UTF-8, trimmed, shortened.
std::string shown16(std::string_view uni) {
    return shortened(uni_to_qstring(uni_trim(uni)));
}

std::string shown8(std::string_view text) {
    return shortened(cp1250_to_qstring(trim_8bit(text)));
}

std::optional<int> whole_number(std::string_view text) {
    std::string_view digits = trim_8bit(text);
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    if (digits.empty()) return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return value;
}

std::optional<int> uni_whole_number(std::string_view uni) {
    const UniString trimmed = uni_trim(uni);
    if (!uni_is_single_byte(trimmed)) return std::nullopt;
    return whole_number(narrow_all(trimmed));
}

// Checks of the fields of one line, reported with its file and line number.
class LineCheck {
public:
    LineCheck(const SourceFile& file, int line) : m_file(&file), m_line(line) {}

    int line() const { return m_line; }
    void error(std::string message) const { m_file->error(m_line, std::move(message)); }
    void warning(std::string message) const { m_file->warning(m_line, std::move(message)); }

    // The quoted text is made only for the message: most numbers are good.
    std::optional<int> number(std::string_view text8, const std::string& what) const {
        const std::optional<int> value = whole_number(text8);
        if (!value) error("expected " + what + ", found " + shown8(text8));
        return value;
    }
    std::optional<int> uni_number(std::string_view uni, const std::string& what) const {
        const std::optional<int> value = uni_whole_number(uni);
        if (!value) error("expected " + what + ", found " + shown16(uni));
        return value;
    }
    // A level: any number is taken, one outside 1 to 4 with a warning.
    std::optional<int> level(std::optional<int> value) const {
        if (value && (*value < 1 || *value > 4))
            warning("expected the level 1 to 4, found " + std::to_string(*value));
        return value;
    }
    // A group index: any number is taken, one below 1 names no lesson group.
    std::optional<int> group(std::optional<int> value) const {
        if (value && *value < 1)
            warning("the group index " + std::to_string(*value) + " names no lesson group");
        return value;
    }

private:
    const SourceFile* m_file = nullptr;
    int m_line = 0;
};

constexpr const char* kLevelExpected = "the level 1 to 4";
constexpr const char* kGroupExpected = "the group index (a whole number)";

// The lines up to the last one that holds anything: blank lines at the end of a file
// are an editor's leftover, not entries.
std::size_t content_end(const Lines16& lines) {
    std::size_t end = lines.size();
    while (end > 0 && uni_is_blank(lines[end - 1]))
        --end;
    return end;
}

int line_number(std::size_t index) {
    return static_cast<int>(index) + 1;
}

template <typename Table> bool is_full(const Table& table, int capacity) {
    return table.size() >= static_cast<std::size_t>(capacity);
}

std::string variant_name(const Config& config, const std::string& before,
                         const std::string& after) {
    return before + config.variant_letter + after;
}

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

void add_lesson_group(const SourceFile& file, const UniString& line, int number,
                      std::vector<LessonGroup>& groups) {
    if (uni_is_blank(line)) {
        file.warning(number, "blank line: lesson group " + std::to_string(number) +
                                 " has no id and no name");
        groups.emplace_back();
        return;
    }
    std::optional<LessonGroup> group = cut_lesson_group(line);
    if (!group) {
        file.error(number, "expected four \"=\"-separated fields with the group id in field 3 "
                           "and its name in field 4, such as 1=x=G1=Grammar=, found " +
                               shown16(line));
        group.emplace(); // keeps the later groups at their line numbers
    }
    groups.push_back(std::move(*group));
}

// ---------------------------------------------------------------------------------
// Phrases, comprehension texts

void add_phrase(std::string_view line, std::vector<Phrase>& phrases) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return;
    const std::string_view rest = line.substr(equals + 1);
    phrases.push_back(
        {std::string(line.substr(0, equals)), std::string(rest.substr(0, rest.find('=')))});
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
// Sentences

SentenceLine blank_sentence_line() {
    SentenceLine line;
    line.translation = uni_widen(missing_translation_text);
    return line;
}

// Level, section and group index from the first five characters of the 8-bit form.
bool parse_sentence_code(const UniString& raw, const LineCheck& check, SentenceLine& line) {
    const std::string code = narrow_all(uni_field(1, raw, u'=')).substr(0, 5);
    if (code.size() < 5) {
        check.error("expected the level, the section and the group index in the first five "
                    "characters (such as 10503=), found " +
                    shown16(raw));
        return false;
    }
    if (code[0] < '0' || code[0] > '9') {
        check.error("expected the level digit as the first character, found " +
                    shown8(code.substr(0, 1)));
        return false;
    }
    const auto group = check.group(check.number(code.substr(3, 2), kGroupExpected));
    if (!group) return false;
    line.level = code[0] - '0';
    line.section = code.substr(1, 2);
    line.group = *group;
    return true;
}

void parse_sentence_fields(const UniString& raw, SentenceLine& line) {
    line.sentence = without_angle_units(field16(raw, 2));
    for (std::size_t k = 0; k < line.alternatives.size(); ++k)
        line.alternatives[k] = field16(raw, static_cast<int>(k) + 3);
    line.field6 = field16(raw, 6);
    const UniString translation = field16(raw, 8);
    line.translation =
        uni_is_blank(translation) ? uni_widen(missing_translation_text) : translation;
    // Each filled field raises the count to its own place: fields 3 and 4 empty with
    // field 5 filled still give 4.
    line.alternatives_count = 1;
    for (std::size_t k = 0; k < line.alternatives.size(); ++k) {
        if (!uni_is_blank(line.alternatives[k])) line.alternatives_count = static_cast<int>(k) + 2;
    }
}

// A file line as a sentence line; false when it belongs to no section (blank or bad).
bool parse_sentence_line(const UniString& raw, const LineCheck& check, SentenceLine& line) {
    line = blank_sentence_line();
    if (uni_is_blank(raw)) return false;
    if (!parse_sentence_code(raw, check, line)) return false;
    parse_sentence_fields(raw, line);
    if (uni_is_blank(line.sentence)) check.warning("the line has no sentence in field 2");
    return true;
}

// The sections in order of their first line: lines of equal level, section text and
// group index.
class SectionBuilder {
public:
    SectionBuilder(const SourceFile& file, std::vector<SentenceSection>& sections)
        : m_file(&file), m_sections(&sections) {}

    void add(const SentenceLine& line, int number) {
        const auto key = std::make_tuple(line.level, line.section, line.group);
        const auto found = m_index.find(key);
        if (found == m_index.end()) {
            start_section(line, number);
            return;
        }
        SentenceSection& section = (*m_sections)[found->second];
        if (is_full(section.lines, table_capacity::lines_per_section)) {
            report_full_section(section, number);
            return;
        }
        section.lines.push_back(number);
    }

private:
    void start_section(const SentenceLine& line, int number) {
        if (is_full(*m_sections, table_capacity::sentence_sections)) {
            if (!m_reported_full_table) {
                m_file->over_capacity(number, table_capacity::sentence_sections,
                                      "sentence sections");
            }
            m_reported_full_table = true;
            return;
        }
        m_index.emplace(std::make_tuple(line.level, line.section, line.group), m_sections->size());
        m_sections->push_back({line.level, line.section, line.group, {number}});
    }

    void report_full_section(const SentenceSection& section, int number) {
        const auto index = static_cast<std::size_t>(&section - m_sections->data());
        if (!m_full_sections.insert(index).second) return;
        m_file->error(number, "more than " + std::to_string(table_capacity::lines_per_section) +
                                  " lines in sentence section " + std::to_string(index + 1) +
                                  ": this line and the section's later lines are left out");
    }

    const SourceFile* m_file = nullptr;
    std::vector<SentenceSection>* m_sections = nullptr;
    std::map<std::tuple<int, std::string, int>, std::size_t> m_index;
    std::set<std::size_t> m_full_sections; // reported once each
    bool m_reported_full_table = false;
};

// ---------------------------------------------------------------------------------
// Catalogue

constexpr int kKeyLength = 10;

bool is_catalogue_skip_line(const UniString& line) {
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
    if (unit_count(head) < kKeyLength || !uni_is_single_byte(head)) {
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
// Row tables

constexpr char16_t kUntrimmedMark = u'\u0106'; // "Ć": such a field 4 is kept as it is

ComprehensionRow parse_comprehension_row(const UniString& line) {
    ComprehensionRow row;
    for (std::size_t k = 0; k < row.fields.size(); ++k) {
        const UniString field = field16(line, static_cast<int>(k) + 1);
        const bool keep = k == 3 && starts_with_unit(field, kUntrimmedMark);
        row.fields[k] = keep ? field : uni_trim(field);
    }
    return row;
}

void check_field_count(const UniString& line, int fields, const LineCheck& check,
                       const char* format) {
    if (uni_is_blank(line) || count_units(line, u'=') >= fields - 1) return;
    check.warning(std::string("expected ") + std::to_string(fields) +
                  " \"=\"-separated fields: " + format + "; the missing ones are empty");
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
// Dialogues

constexpr int kDialogueHeaderFields = 8;
constexpr int kSpokenLineFields = 4;
constexpr std::size_t kModeCount = 5;

bool is_dialogue_header(const UniString& line) {
    return narrow_all(uni_copy(uni_trim(line), 1, 2)) == "D=";
}

std::optional<std::string> dialogue_modes(const UniString& field, const LineCheck& check) {
    const std::string modes = narrow_all(uni_trim(field));
    const bool valid = uni_is_single_byte(uni_trim(field)) && modes.size() == kModeCount &&
                       modes.find_first_not_of("TN") == std::string::npos;
    if (valid) return modes;
    check.error("expected the modes as five characters T or N (such as TTNTT), found " +
                shown16(field));
    return std::nullopt;
}

std::optional<int> dialogue_layout(const UniString& field, const LineCheck& check) {
    const std::optional<int> layout = uni_whole_number(field);
    if (layout == 0 || layout == 1) return layout;
    check.error("expected the layout 0 or 1, found " + shown16(field));
    return std::nullopt;
}

std::optional<int> dialogue_glossary(const UniString& field, const LineCheck& check) {
    if (uni_is_blank(field)) return -1;
    return check.uni_number(field, "the glossary number (a whole number, or nothing)");
}

std::optional<Dialogue> parse_dialogue_header(const UniString& line, const LineCheck& check) {
    if (count_units(line, u'=') < kDialogueHeaderFields - 1) {
        check.error("expected the header D=name=level=group=modes=layout=background=glossary=, "
                    "found " +
                    shown16(line));
        return std::nullopt;
    }
    Dialogue dialogue;
    dialogue.name = uni_trim(field16(line, 2));
    const auto level = check.level(check.uni_number(field16(line, 3), kLevelExpected));
    const auto group = check.group(check.uni_number(field16(line, 4), kGroupExpected));
    const auto modes = dialogue_modes(field16(line, 5), check);
    const auto layout = dialogue_layout(field16(line, 6), check);
    const auto glossary = dialogue_glossary(field16(line, 8), check);
    if (uni_is_blank(dialogue.name)) check.error("expected the dialogue's name in field 2");
    if (!level || !group || !modes || !layout || !glossary || uni_is_blank(dialogue.name))
        return std::nullopt;
    dialogue.level = *level;
    dialogue.group = *group;
    dialogue.modes = *modes;
    dialogue.layout = *layout;
    dialogue.background = uni_trim(field16(line, 7));
    dialogue.glossary = *glossary;
    return dialogue;
}

std::optional<int> speaker_person(const UniString& speaker) {
    const std::string letter = narrow_all(speaker);
    if (!uni_is_single_byte(speaker) || letter.size() != 1) return std::nullopt;
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(letter[0])));
    if (c < 'A' || c > 'E') return std::nullopt;
    return c - 'A' + 1;
}

std::optional<DialogueLine> parse_spoken_line(const UniString& line, const LineCheck& check) {
    if (is_dialogue_header(line) && count_units(line, u'=') >= kDialogueHeaderFields - 1) {
        check.error("expected a spoken line, or a blank line before the next dialogue's header");
        return std::nullopt;
    }
    if (count_units(line, u'=') < kSpokenLineFields - 1) {
        check.error("expected a spoken line speaker=sound=text=translation=, found " +
                    shown16(line));
        return std::nullopt;
    }
    DialogueLine spoken{uni_trim(field16(line, 1)), 0, uni_trim(field16(line, 2)),
                        uni_trim(field16(line, 3)), uni_trim(field16(line, 4))};
    const std::optional<int> person = speaker_person(spoken.speaker);
    if (!person)
        check.error("expected the speaker A to E in field 1, found " + shown16(spoken.speaker));
    if (uni_is_blank(spoken.sound)) check.error("expected the recording's name in field 2");
    if (uni_is_blank(spoken.text)) check.error("expected the spoken text in field 3");
    if (!person || uni_is_blank(spoken.sound) || uni_is_blank(spoken.text)) return std::nullopt;
    spoken.person = *person;
    return spoken;
}

// Reads the spoken lines from lines[first] up to the next blank line; returns the
// index of that line.
std::size_t read_spoken_lines(const SourceFile& file, const Lines16& lines, std::size_t first,
                              std::size_t end, std::optional<Dialogue>& dialogue) {
    std::size_t i = first;
    bool reported_full = false;
    for (; i < end && !uni_is_blank(lines[i]); ++i) {
        const LineCheck check(file, line_number(i));
        std::optional<DialogueLine> spoken = parse_spoken_line(lines[i], check);
        if (!spoken) {
            dialogue.reset();
            continue;
        }
        if (!dialogue) continue;
        if (is_full(dialogue->lines, table_capacity::lines_per_dialogue)) {
            if (!reported_full)
                file.over_capacity(check.line(), table_capacity::lines_per_dialogue,
                                   "lines in one dialogue");
            reported_full = true;
            continue;
        }
        spoken->line = check.line();
        dialogue->lines.push_back(std::move(*spoken));
    }
    return i;
}

void check_dialogue_lines(const Dialogue& dialogue, const LineCheck& header) {
    if (dialogue.lines.empty()) header.error("the dialogue has no spoken lines");
    if (dialogue.offers_mode(3) && dialogue.lines.size() < 2)
        header.warning("mode 3 needs at least two spoken lines to choose from");
}

// ---------------------------------------------------------------------------------
// Letters, glossary

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
                  " (expected MC, TF, DD, HH, WP, DF, DV or ZDD): the task opens no screen");
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
                     CourseTables& tables, std::map<int, int>& tasks_per_text) {
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
    tables.tasks.push_back(std::move(task));
    return next;
}

// ---------------------------------------------------------------------------------
// Open tasks

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

bool is_comment8(std::string_view line) {
    return !line.empty() && line.front() == '/';
}

// ---------------------------------------------------------------------------------
// Word lists

// NTFS lists a folder in the order of its names upper-cased unit by unit; the course's
// vocabulary items are numbered in that order.
bool medium_order(const std::string& a, const std::string& b) {
    const QString upper_a = QString::fromStdString(a).toUpper();
    const QString upper_b = QString::fromStdString(b).toUpper();
    if (upper_a != upper_b) return upper_a < upper_b;
    return a < b;
}

bool is_word_list_name(const std::string& name) {
    return QString::fromStdString(name).endsWith(".bc4", Qt::CaseInsensitive);
}

std::vector<std::string> all_word_lists(const std::string& course_root) {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(resolve_path(course_root + "cw_r"), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code type_ec;
        if (!it->is_regular_file(type_ec)) continue;
        std::string name = it->path().filename().string();
        if (is_word_list_name(name)) names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), medium_order);
    return names;
}

} // namespace

// ---------------------------------------------------------------------------------
// Loaders

// Fills table from the lines of an 8-bit file, one entry a line: blank lines (and,
// where the file has them, "/" comment lines) are skipped, every other line is parsed
// and kept when it gives an entry, with the line it stands on; the first line beyond
// the capacity is reported and ends the reading.
template <typename Entry, typename Parse>
void load_8bit_lines(const SourceFile& file, Need need, bool comments, int capacity,
                     const char* entries, std::vector<Entry>& table, Parse parse) {
    table.clear();
    const std::optional<Lines8> lines = read_8bit(file, need);
    if (!lines) return;
    for (std::size_t i = 0; i < lines->size(); ++i) {
        const std::string& line = (*lines)[i];
        if ((comments && is_comment8(line)) || is_blank8(line)) continue;
        const LineCheck check(file, line_number(i));
        if (is_full(table, capacity)) {
            file.over_capacity(check.line(), capacity, entries);
            return;
        }
        std::optional<Entry> entry = parse(line, check);
        if (!entry) continue;
        if constexpr (requires(Entry& e) { e.line = 0; }) entry->line = check.line();
        table.push_back(std::move(*entry));
    }
}

void load_lesson_groups(const Config& config, CourseTables& tables, CourseProblems& problems) {
    tables.groups.clear();
    const SourceFile file(config, config.language_folder + variant_name(config, "gr", "u.txt"),
                          problems);
    const std::optional<Lines16> lines = read_utf16(file, Need::required);
    if (!lines) return;
    const std::size_t end = content_end(*lines);
    for (std::size_t i = 0; i < end; ++i) {
        if (is_full(tables.groups, table_capacity::lesson_groups)) {
            file.over_capacity(line_number(i), table_capacity::lesson_groups, "lesson groups");
            return;
        }
        add_lesson_group(file, (*lines)[i], line_number(i), tables.groups);
    }
}

void load_phrases(const Config& config, CourseTables& tables, CourseProblems& problems) {
    tables.phrases.clear();
    const SourceFile file(config, "ss_r.t", problems);
    const std::optional<Lines8> lines = read_8bit(file, Need::optional);
    if (!lines) return;
    for (const std::string& line : *lines) {
        if (is_full(tables.phrases, table_capacity::phrases)) return;
        add_phrase(line, tables.phrases);
    }
}

void load_comprehension_texts(const Config& config, CourseTables& tables,
                              CourseProblems& problems) {
    const SourceFile file(config, variant_name(config, "rozumienia_", ".txt"), problems);
    std::map<int, int> first_line_of_number;
    load_8bit_lines(
        file, Need::required, true, table_capacity::comprehension_texts, "comprehension texts",
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

void load_sentences(const Config& config, CourseTables& tables, CourseProblems& problems) {
    tables.sentence_lines.clear();
    tables.sections.clear();
    const SourceFile file(config, variant_name(config, "zd", "_rozumu.txt"), problems);
    const std::optional<Lines16> lines = read_utf16(file, Need::optional);
    if (!lines) return;
    SectionBuilder sections(file, tables.sections);
    const std::size_t end = content_end(*lines);
    for (std::size_t i = 0; i < end; ++i) {
        const LineCheck check(file, line_number(i));
        if (is_full(tables.sentence_lines, table_capacity::sentence_lines)) {
            file.over_capacity(check.line(), table_capacity::sentence_lines, "sentence lines");
            return;
        }
        SentenceLine line;
        const bool in_section = parse_sentence_line((*lines)[i], check, line);
        tables.sentence_lines.push_back(std::move(line));
        if (in_section) sections.add(tables.sentence_lines.back(), check.line());
    }
}

void load_catalogue(const Config& config, CourseTables& tables, CourseProblems& problems) {
    tables.catalogue.clear();
    const SourceFile file(config, "kurs_cwiczu.kvt", problems);
    const std::optional<Lines16> lines = read_utf16(file, Need::optional);
    if (!lines) return;
    std::size_t i = 0;
    while (i < lines->size()) {
        if (is_catalogue_skip_line((*lines)[i])) {
            ++i;
            continue;
        }
        if (is_full(tables.catalogue, table_capacity::catalogue)) {
            file.over_capacity(line_number(i), table_capacity::catalogue, "catalogue entries");
            return;
        }
        i = add_catalogue_entry(file, *lines, i, tables.catalogue);
    }
}

void load_comprehension_rows(const Config& config, CourseTables& tables, CourseProblems& problems) {
    tables.comprehension_rows.clear();
    const SourceFile file(config, "kursu.roz", problems);
    const std::optional<Lines16> lines = read_utf16(file, Need::optional);
    if (!lines) return;
    const std::size_t end = content_end(*lines);
    for (std::size_t i = 0; i < end; ++i) {
        const UniString& line = (*lines)[i];
        // The comment mark is two 8-bit bytes, which a UTF-16 line never starts with.
        if (line.size() >= 2 && line[0] == '/' && line[1] == '/') continue;
        const LineCheck check(file, line_number(i));
        if (is_full(tables.comprehension_rows, table_capacity::comprehension_rows)) {
            file.over_capacity(check.line(), table_capacity::comprehension_rows,
                               "comprehension-exercise rows");
            return;
        }
        check_field_count(line, 7, check, "id=sound=text=text=picture=picture=picture");
        tables.comprehension_rows.push_back(parse_comprehension_row(line));
    }
}

void load_recording_rows(const Config& config, CourseTables& tables, CourseProblems& problems) {
    tables.recording_rows.clear();
    const SourceFile file(config, "kursu.zdn", problems);
    const std::optional<Lines16> lines = read_utf16(file, Need::optional);
    if (!lines) return;
    const std::size_t end = content_end(*lines);
    for (std::size_t i = 0; i < end; ++i) {
        const UniString& line = (*lines)[i];
        const LineCheck check(file, line_number(i));
        if (is_full(tables.recording_rows, table_capacity::recording_rows)) {
            file.over_capacity(check.line(), table_capacity::recording_rows,
                               "sentence-recording rows");
            return;
        }
        check_field_count(line, 3, check, "id=recording=text");
        tables.recording_rows.push_back(
            {uni_trim(field16(line, 1)), uni_trim(field16(line, 2)), uni_trim(field16(line, 3))});
    }
}

void load_drag_rows(const Config& config, CourseTables& tables, CourseProblems& problems) {
    const SourceFile file(config, "kurs.zdd", problems);
    load_8bit_lines(file, Need::optional, false, table_capacity::drag_rows,
                    "sentence drag-and-drop rows", tables.drag_rows, parse_drag_row);
}

void load_dialogues(const Config& config, CourseTables& tables, CourseProblems& problems) {
    tables.dialogues.clear();
    const SourceFile file(config, variant_name(config, "dialogi_", "u.txt"), problems);
    const std::optional<Lines16> lines = read_utf16(file, Need::optional);
    if (!lines) return;
    const std::size_t end = content_end(*lines);
    std::size_t i = 0;
    while (i < end) {
        if (uni_is_blank((*lines)[i])) {
            ++i;
            continue;
        }
        const LineCheck header(file, line_number(i));
        if (!is_dialogue_header((*lines)[i])) {
            header.error("expected a dialogue header D=name=level=group=modes=layout="
                         "background=glossary=, found " +
                         shown16((*lines)[i]));
            std::optional<Dialogue> skipped; // its lines are checked, then dropped
            i = read_spoken_lines(file, *lines, i + 1, end, skipped);
            continue;
        }
        if (is_full(tables.dialogues, table_capacity::dialogues)) {
            file.over_capacity(header.line(), table_capacity::dialogues, "dialogues");
            return;
        }
        std::optional<Dialogue> dialogue = parse_dialogue_header((*lines)[i], header);
        const bool header_good = dialogue.has_value();
        i = read_spoken_lines(file, *lines, i + 1, end, dialogue);
        if (header_good && dialogue) check_dialogue_lines(*dialogue, header);
        if (dialogue && !dialogue->lines.empty()) tables.dialogues.push_back(std::move(*dialogue));
    }
}

void load_letters(const Config& config, CourseTables& tables, CourseProblems& problems) {
    const SourceFile file(config, "Listy_r\\index.txt", problems);
    load_8bit_lines(file, Need::optional, false, table_capacity::letters, "letters", tables.letters,
                    parse_letter);
}

void load_glossary(const Config& config, CourseTables& tables, CourseProblems& problems) {
    tables.glossary.clear();
    const SourceFile file(config, "slowniczeku.txt", problems);
    const std::optional<Lines16> lines = read_utf16(file, Need::optional);
    if (!lines) return;
    const std::size_t end = content_end(*lines);
    for (std::size_t i = 0; i < end; ++i) {
        const LineCheck check(file, line_number(i));
        if (i >= static_cast<std::size_t>(table_capacity::glossary_lines)) {
            check.error(glossary_too_long_message);
            return;
        }
        if (uni_is_blank((*lines)[i])) continue;
        std::optional<GlossaryEntry> entry = parse_glossary_line((*lines)[i], check);
        if (entry) tables.glossary.push_back(std::move(*entry));
    }
}

void load_tasks(const Config& config, CourseTables& tables, CourseProblems& problems) {
    tables.tasks.clear();
    const SourceFile file(config, variant_name(config, "St_", "u.txt"), problems);
    const std::optional<Lines16> lines = read_utf16(file, Need::required);
    if (!lines) return;
    std::map<int, int> tasks_per_text;
    std::size_t i = 0;
    while (i < lines->size()) {
        if (uni_is_blank((*lines)[i])) {
            ++i;
            continue;
        }
        if (is_full(tables.tasks, table_capacity::tasks)) {
            file.over_capacity(line_number(i), table_capacity::tasks, "task entries");
            return;
        }
        i = add_task(file, *lines, i, tables, tasks_per_text);
    }
}

void load_open_tasks(const Config& config, CourseTables& tables, CourseProblems& problems) {
    const SourceFile file(config, "otwarte.txt", problems);
    load_8bit_lines(file, Need::optional, true, table_capacity::open_tasks, "open tasks",
                    tables.open_tasks, parse_open_task);
}

void load_course_tables(const Config& config, CourseTables& tables, CourseProblems& problems) {
    load_phrases(config, tables, problems);
    load_comprehension_texts(config, tables, problems);
    load_sentences(config, tables, problems);
    load_catalogue(config, tables, problems);
    load_comprehension_rows(config, tables, problems);
    load_recording_rows(config, tables, problems);
    load_drag_rows(config, tables, problems);
    load_dialogues(config, tables, problems);
    load_letters(config, tables, problems);
    load_glossary(config, tables, problems);
    load_tasks(config, tables, problems);
    load_open_tasks(config, tables, problems);
    check_word_lists(config.course_root, problems);
}

std::vector<std::string> list_word_lists(const std::string& course_root) {
    std::vector<std::string> names = all_word_lists(course_root);
    if (names.size() > static_cast<std::size_t>(table_capacity::word_lists))
        names.resize(table_capacity::word_lists);
    return names;
}

void check_word_lists(const std::string& course_root, CourseProblems& problems) {
    const std::vector<std::string> names = all_word_lists(course_root);
    if (names.size() <= static_cast<std::size_t>(table_capacity::word_lists)) return;
    const std::string folder = resolve_path(course_root + "cw_r");
    problems.error(course_relative_name(course_root, folder), 0,
                   "more than " + std::to_string(table_capacity::word_lists) +
                       " word lists (*.bc4): the course lists the first " +
                       std::to_string(table_capacity::word_lists) + "; " +
                       names[table_capacity::word_lists] + " and the ones after it are left out");
}

} // namespace vimo
