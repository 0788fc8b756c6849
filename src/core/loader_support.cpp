#include "core/loader_support.h"

#include "core/paths.h"
#include "core/qt_text.h"

#include <QString>
#include <charconv>
#include <filesystem>

namespace vimo::loading {

namespace {

constexpr std::size_t kShownLength = 40; // characters of a bad value quoted in a message

void report_missing(const SourceFile& file, Need need) {
    if (need == Need::required) file.error(0, "Brak pliku: " + file.path() + ".");
}

bool is_empty_file(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec) && std::filesystem::file_size(path, ec) == 0;
}

// The unit that starts at byte (even, with a byte after it).
char16_t unit_at(std::string_view s, std::size_t byte) {
    return uni_unit_at(s, static_cast<int>(byte / 2) + 1);
}

std::string shortened(QString text) {
    if (static_cast<std::size_t>(text.size()) > kShownLength) {
        text = text.left(static_cast<qsizetype>(kShownLength)) + "...";
    }
    return "\"" + text.toStdString() + "\"";
}

} // namespace

// ---------------------------------------------------------------------------------
// Files and problems

SourceFile::SourceFile(const Config& config, const std::string& course_relative,
                       CourseProblems& problems)
    : m_path(resolve_path(config.course_path(course_relative))),
      m_name(course_relative_name(config.course_root, m_path)), m_problems(&problems) {}

void SourceFile::error(int line, std::string message) const {
    m_problems->error(m_name, line, std::move(message));
}

void SourceFile::warning(int line, std::string message) const {
    m_problems->warning(m_name, line, std::move(message));
}

void SourceFile::over_capacity(int line, int capacity, const std::string& entries,
                               Severity severity) const {
    std::string message = "more than " + std::to_string(capacity) + " " + entries +
                          ": the table holds " + std::to_string(capacity) +
                          ", this line and the rest are left out";
    if (severity == Severity::warning) {
        warning(line, std::move(message));
    } else {
        error(line, std::move(message));
    }
}

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

bool is_blank8(std::string_view text) {
    return trim_8bit(text).empty();
}

bool is_comment8(std::string_view line) {
    return !line.empty() && line.front() == '/';
}

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

bool uni_is_single_byte(std::string_view s) {
    for (std::size_t i = 0; i + 1 < s.size(); i += 2) {
        if (s[i] == 0 || s[i + 1] != 0) return false;
    }
    return s.size() % 2 == 0;
}

std::string narrow_all(std::string_view uni) {
    return uni_narrow(uni, 1, uni_unit_count(uni) + 1);
}

UniString field16(std::string_view line, int n, char16_t separator) {
    return uni_field(n, line, separator);
}

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

// The quoted text is made only for the message: most numbers are good.
std::optional<int> LineCheck::number(std::string_view text8, const std::string& what) const {
    const std::optional<int> value = whole_number(text8);
    if (!value) error("expected " + what + ", found " + shown8(text8));
    return value;
}

std::optional<int> LineCheck::uni_number(std::string_view uni, const std::string& what) const {
    const std::optional<int> value = uni_whole_number(uni);
    if (!value) error("expected " + what + ", found " + shown16(uni));
    return value;
}

std::optional<int> LineCheck::level(std::optional<int> value) const {
    if (value && (*value < 1 || *value > 4))
        warning("expected the level 1 to 4, found " + std::to_string(*value));
    return value;
}

std::optional<int> LineCheck::group(std::optional<int> value) const {
    if (value && *value < 1)
        warning("the group index " + std::to_string(*value) + " names no lesson group");
    return value;
}

std::string variant_name(const Config& config, const std::string& before,
                         const std::string& after) {
    return before + config.variant_letter + after;
}

bool past_line_limit(const SourceFile& file, const TableFormat& format, std::size_t index) {
    if (!format.line_limit_message || index < static_cast<std::size_t>(format.capacity))
        return false;
    file.error(line_number(index), format.line_limit_message);
    return true;
}

std::size_t content_end(const Lines16& lines) {
    std::size_t end = lines.size();
    while (end > 0 && uni_is_blank(lines[end - 1]))
        --end;
    return end;
}

} // namespace vimo::loading
