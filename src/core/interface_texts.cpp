#include "core/interface_texts.h"

#include "core/paths.h"
#include "core/text_file.h"

#include <array>

namespace vimo {

namespace {

std::vector<UniString> lines_of(const std::string& path) {
    return read_course_text_file(resolve_path(path)).value_or(std::vector<UniString>{});
}

} // namespace

void InterfaceTexts::load(const std::string& path) {
    set_lines(lines_of(path));
}

void InterfaceTexts::set_lines(const std::vector<UniString>& lines) {
    m_texts.clear();
    const std::size_t count = std::min<std::size_t>(lines.size(), capacity);
    m_texts.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        m_texts.push_back(uni_field(3, lines[i], u'='));
}

void InterfaceTexts::interface_text(int n, UniString& dest) const {
    if (n >= 1 && n <= count()) dest = m_texts[static_cast<std::size_t>(n - 1)];
}

UniString InterfaceTexts::text(int n) const {
    UniString result;
    interface_text(n, result);
    return result;
}

void DisplayNames::load(const std::string& path) {
    set_lines(lines_of(path));
}

void DisplayNames::set_lines(const std::vector<UniString>& lines) {
    m_pairs.clear();
    m_first.clear();
    for (const UniString& line : lines) {
        if (static_cast<int>(m_pairs.size()) >= capacity) break;
        // Cut at the first "=" unit: the key is the text before it, the value is the
        // rest, starting with the "=" unit's zero high byte. Whole units, so that a
        // character such as н (3D 04) in a key or value is not taken for the "=".
        std::size_t at = 0;
        while (at + 1 < line.size() && !(line[at] == '=' && line[at + 1] == '\0'))
            at += 2;
        if (at + 1 >= line.size()) continue;
        m_pairs.emplace_back(uni_narrow(line, 1, static_cast<int>(at / 2)), line.substr(at + 1));
        m_first.try_emplace(m_pairs.back().first, m_pairs.size() - 1);
    }
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
