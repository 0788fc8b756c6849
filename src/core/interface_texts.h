#pragma once
// The two language tables of a language folder: the numbered interface texts
// (infa_ru.txt) and the display names of course titles (nazwy_ru.txt).

#include "core/uni.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vimo {

class InterfaceTexts {
public:
    static constexpr int capacity = 200;

    // Replaces the table with the lines of the file at path (resolved). A missing
    // file leaves the table empty; a malformed one throws CourseFileError.
    // Returns what set_lines returns.
    std::optional<int> load(const std::string& path);
    // Fills the table from lines as uni_read_line returns them, up to the capacity.
    // Returns the line (from 1) of the first text left out when a line past the
    // capacity holds anything; trailing blank lines are an editor's leftover.
    std::optional<int> set_lines(const std::vector<UniString>& lines);

    // Sets dest to text n when 1 <= n <= count(); otherwise dest stays as it was.
    void interface_text(int n, UniString& dest) const;
    // Text n, or an empty string.
    UniString text(int n) const;
    int count() const { return static_cast<int>(m_texts.size()); }

private:
    std::vector<UniString> m_texts;
};

class DisplayNames {
public:
    static constexpr int capacity = 10000;

    // As InterfaceTexts::load. Returns what set_lines returns.
    std::optional<int> load(const std::string& path);
    // Takes the pairs of lines (those with a "=") up to the capacity. Returns the line
    // (from 1) of the first pair left out.
    std::optional<int> set_lines(const std::vector<UniString>& lines);

    // The value of the first pair whose key equals key exactly. The value starts with
    // the zero high byte of the "=" and is realigned by uni_trim when painted.
    std::optional<UniString> find(std::string_view key) const;
    int count() const { return static_cast<int>(m_pairs.size()); }

private:
    std::vector<std::pair<std::string, UniString>> m_pairs;
    // Key → index of its first pair: the chooser looks up every title of a course.
    std::unordered_map<std::string, std::size_t> m_first;
};

// Interface languages: folders Lang_r\0\ .. Lang_r\4\ of the course root.
inline constexpr int language_count = 5;
// "polski", "English", "deutsch", "russki", "hiszpański" (UTF-8).
std::string language_display_name(int number);
// The numbers whose folder exists, ascending.
std::vector<int> available_languages(const std::string& course_root);
// The entry preselected in the new-learner window's list: the one whose position
// (from 0) equals the course variant, or the first when the list is shorter.
int preselected_language_entry(int entry_count, int course_variant);

} // namespace vimo
