#include "help/help_navigation.h"

#include <algorithm>
#include <cctype>

namespace vimo {

bool HelpDepth::back() {
    if (m_depth <= 1) return false;
    --m_depth;
    return true;
}

bool contents_visible(std::string_view current_file) {
    std::string lower(current_file);
    std::ranges::transform(lower, lower.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find("h_index") == std::string::npos;
}

std::optional<std::string> contents_page(const std::string& course_root, int interface_language) {
    if (interface_language != 0 && interface_language != 1 && interface_language != 4)
        return std::nullopt;
    return course_root + "\\Htm_r\\h_index.html";
}

} // namespace vimo
