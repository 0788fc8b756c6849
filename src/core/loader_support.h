#pragma once
// What the course table loaders share, internal to src/core: the course file that
// problems are reported against, the checks of one line, the field helpers for UTF-16
// and 8-bit lines, and the two loops every table is read with. A loop skips the lines
// its format says hold no entry, stops at the first entry the table cannot take (and
// reports its line) and hands every other line to the loader.

#include "core/config.h"
#include "core/diagnostics.h"
#include "core/text_file.h"
#include "core/uni.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vimo::loading {

using Lines16 = std::vector<UniString>;
using Lines8 = std::vector<std::string>;

enum class Need { required, optional };

// One course file of a loader: where it is and the name its problems carry.
class SourceFile {
public:
    SourceFile(const Config& config, const std::string& course_relative, CourseProblems& problems);

    const std::string& path() const { return m_path; }
    void error(int line, std::string message) const;
    void warning(int line, std::string message) const;
    // The first entry a full table cannot take, at its line.
    void over_capacity(int line, int capacity, const std::string& entries,
                       Severity severity = Severity::error) const;

private:
    std::string m_path;
    std::string m_name;
    CourseProblems* m_problems = nullptr;
};

// The lines of a course file; nullopt when it is missing or cannot be used (the problem
// is reported). A UTF-16 file of no bytes at all holds no lines.
std::optional<Lines16> read_utf16(const SourceFile& file, Need need);
std::optional<Lines8> read_8bit(const SourceFile& file, Need need);

// ---------------------------------------------------------------------------------
// Text helpers

bool is_blank8(std::string_view text);
// A line starting with "/" (the comment mark of some 8-bit files).
bool is_comment8(std::string_view line);
// The byte offsets of the units equal to c, in order.
std::vector<std::size_t> unit_offsets(std::string_view s, char16_t c);
int count_units(std::string_view s, char16_t c);
bool starts_with_unit(std::string_view s, char16_t c);
// s without the units "<" and ">".
UniString without_angle_units(std::string_view s);
// Every unit of s is a single-byte character, so its 8-bit form has one byte per unit.
bool uni_is_single_byte(std::string_view s);
std::string narrow_all(std::string_view uni);
UniString field16(std::string_view line, int n, char16_t separator = u'=');
// The fields of an 8-bit line; the text after the last separator is the last field.
std::vector<std::string_view> split8(std::string_view line, char separator);
// A bad value as a message quotes it: UTF-8, trimmed, shortened.
std::string shown16(std::string_view uni);
std::string shown8(std::string_view text);

// A whole number between blanks, optionally with a leading "+"; nullopt for anything
// else or a number that does not fit an int.
std::optional<int> whole_number(std::string_view text);
// The same rule on a UTF-16 text, which must be single-byte characters after trimming.
std::optional<int> uni_whole_number(std::string_view uni);

// Checks of the fields of one line, reported with its file and line number.
class LineCheck {
public:
    LineCheck(const SourceFile& file, int line) : m_file(&file), m_line(line) {}

    int line() const { return m_line; }
    void error(std::string message) const { m_file->error(m_line, std::move(message)); }
    void warning(std::string message) const { m_file->warning(m_line, std::move(message)); }

    std::optional<int> number(std::string_view text8, const std::string& what) const;
    std::optional<int> uni_number(std::string_view uni, const std::string& what) const;
    // A level: any number is taken, one outside 1 to 4 with a warning.
    std::optional<int> level(std::optional<int> value) const;
    // A group index: any number is taken, one below 1 names no lesson group.
    std::optional<int> group(std::optional<int> value) const;

private:
    const SourceFile* m_file = nullptr;
    int m_line = 0;
};

inline constexpr const char* kLevelExpected = "the level 1 to 4";
inline constexpr const char* kGroupExpected = "the group index (a whole number)";

inline int line_number(std::size_t index) {
    return static_cast<int>(index) + 1;
}

template <typename Table> bool is_full(const Table& table, int capacity) {
    return table.size() >= static_cast<std::size_t>(capacity);
}

// before + the variant letter + after: the name of a file of the course variant.
std::string variant_name(const Config& config, const std::string& before, const std::string& after);

// ---------------------------------------------------------------------------------
// The loops

// How a table's file is read.
struct TableFormat {
    Need need = Need::optional;
    int capacity = 0;
    const char* entries = ""; // the entries as the over-capacity problem names them
    // Lines that hold no entry: neither read nor counted. The 8-bit loop also skips
    // blank lines.
    bool (*skip)(std::string_view line) = nullptr;
    // A warning where the program reads on without the entries the table cannot take.
    Severity overflow = Severity::error;
    // UTF-16 files only, for the glossary: the capacity counts the file's lines, skipped
    // and bad ones too, and passing it is reported with this message (the program's).
    const char* line_limit_message = nullptr;
};

// True when the table is full before the entry at lines[index]; the problem is reported.
template <typename Table>
bool stops_before(const SourceFile& file, const TableFormat& format, const Table& table,
                  std::size_t index) {
    if (format.line_limit_message || !is_full(table, format.capacity)) return false;
    file.over_capacity(line_number(index), format.capacity, format.entries, format.overflow);
    return true;
}

// The entry a line gave, stored with the line it stands on where the entry keeps one.
template <typename Entry>
void add_entry(std::vector<Entry>& table, std::optional<Entry> entry, int line) {
    if (!entry) return;
    if constexpr (requires(Entry & e) { e.line = 0; }) entry->line = line;
    table.push_back(std::move(*entry));
}

// Fills table from the lines of an 8-bit file, one entry a line: parse(line, check)
// gives the entry or nullopt (its problems reported).
template <typename Entry, typename Parse>
void load_8bit_lines(const SourceFile& file, const TableFormat& format, std::vector<Entry>& table,
                     Parse parse) {
    table.clear();
    const std::optional<Lines8> lines = read_8bit(file, format.need);
    if (!lines) return;
    for (std::size_t i = 0; i < lines->size(); ++i) {
        const std::string& line = (*lines)[i];
        if (is_blank8(line) || (format.skip && format.skip(line))) continue;
        if (stops_before(file, format, table, i)) return;
        const LineCheck check(file, line_number(i));
        add_entry(table, std::optional<Entry>(parse(line, check)), check.line());
    }
}

// True when lines[index] is past a line limit; the problem is reported.
bool past_line_limit(const SourceFile& file, const TableFormat& format, std::size_t index);

// The lines up to the last one that holds anything: blank lines at the end of a file
// are an editor's leftover, not entries.
std::size_t content_end(const Lines16& lines);

// Reads the entries of a UTF-16 file up to its content end: read(lines, index) reads
// the entry that starts at lines[index] (into table or beside it) and returns the
// index after it. An entry may run over several lines and past the content end.
template <typename Table, typename Read>
void load_utf16_entries(const SourceFile& file, const TableFormat& format, Table& table,
                        Read read) {
    table.clear();
    const std::optional<Lines16> lines = read_utf16(file, format.need);
    if (!lines) return;
    const std::size_t end = content_end(*lines);
    std::size_t i = 0;
    while (i < end) {
        if (past_line_limit(file, format, i)) return;
        if (format.skip && format.skip((*lines)[i])) {
            ++i;
            continue;
        }
        if (stops_before(file, format, table, i)) return;
        i = read(*lines, i);
    }
}

// load_utf16_entries for one entry a line: parse(line, check) gives the entry or nullopt.
template <typename Entry, typename Parse>
void load_utf16_lines(const SourceFile& file, const TableFormat& format, std::vector<Entry>& table,
                      Parse parse) {
    load_utf16_entries(file, format, table, [&](const Lines16& lines, std::size_t index) {
        const LineCheck check(file, line_number(index));
        add_entry(table, std::optional<Entry>(parse(lines[index], check)), check.line());
        return index + 1;
    });
}

} // namespace vimo::loading
