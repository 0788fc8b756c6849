#include "core/interface_texts.h"

#include "core/loader_support.h"
#include "core/paths.h"
#include "core/text_file.h"

#include <array>

namespace vimo {

namespace {

std::vector<UniString> lines_of(const std::string& path) {
    return read_course_text_file(resolve_path(path)).value_or(std::vector<UniString>{});
}

// The offset of the first "=" unit. Whole units, so that a character such as н (3D 04)
// is not taken for the "=".
std::optional<std::size_t> separator_at(const UniString& line) {
    for (std::size_t at = 0; at + 1 < line.size(); at += 2) {
        if (line[at] == '=' && line[at + 1] == '\0') return at;
    }
    return std::nullopt;
}

} // namespace

std::optional<int> InterfaceTexts::load(const std::string& path) {
    return set_lines(lines_of(path));
}

std::optional<int> InterfaceTexts::set_lines(const std::vector<UniString>& lines) {
    m_texts.clear();
    const std::size_t count = std::min<std::size_t>(lines.size(), capacity);
    m_texts.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        m_texts.push_back(uni_field(3, lines[i], u'='));
    // Every line is a text, so the first one left out is the line after the capacity.
    if (loading::content_end(lines) <= static_cast<std::size_t>(capacity)) return std::nullopt;
    return capacity + 1;
}

void InterfaceTexts::interface_text(int n, UniString& dest) const {
    if (n >= 1 && n <= count()) dest = m_texts[static_cast<std::size_t>(n - 1)];
}

UniString InterfaceTexts::text(int n) const {
    UniString result;
    interface_text(n, result);
    return result;
}

std::optional<int> DisplayNames::load(const std::string& path) {
    return set_lines(lines_of(path));
}

std::optional<int> DisplayNames::set_lines(const std::vector<UniString>& lines) {
    m_pairs.clear();
    m_first.clear();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const UniString& line = lines[i];
        const std::optional<std::size_t> at = separator_at(line);
        if (!at) continue;
        if (count() >= capacity) return loading::line_number(i);
        // The key is the text before the "=", the value the rest, starting with the
        // "=" unit's zero high byte.
        m_pairs.emplace_back(uni_narrow(line, 1, static_cast<int>(*at / 2)), line.substr(*at + 1));
        m_first.try_emplace(m_pairs.back().first, m_pairs.size() - 1);
    }
    return std::nullopt;
}

std::optional<UniString> DisplayNames::find(std::string_view key) const {
    const auto found = m_first.find(std::string(key));
    if (found == m_first.end()) return std::nullopt;
    return m_pairs[found->second].second;
}

std::string language_display_name(int number) {
    static const std::array<std::string, language_count> names{"polski", "English", "deutsch",
                                                               "russki", "hiszpański"};
    if (number < 0 || number >= language_count) return {};
    return names[static_cast<std::size_t>(number)];
}

std::vector<int> available_languages(const std::string& course_root) {
    std::vector<int> found;
    for (int n = 0; n < language_count; ++n) {
        if (path_exists(course_root + "Lang_r\\" + std::to_string(n) + "\\")) found.push_back(n);
    }
    return found;
}

int preselected_language_entry(int entry_count, int course_variant) {
    return course_variant < entry_count ? course_variant : 0;
}

} // namespace vimo
