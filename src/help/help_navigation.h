#pragma once
// What the help window decides without a screen: its page depth (1 for the page it
// was opened on, one more for every followed link and use of the contents, one less
// for back), which of its buttons show, and the page its contents button loads.

#include <optional>
#include <string>
#include <string_view>

namespace vimo {

class HelpDepth {
public:
    int depth() const { return m_depth; }
    void reset() { m_depth = 1; }
    void forward() { ++m_depth; }
    // One step back; false (nothing changes) on the first page.
    bool back();
    bool back_visible() const { return m_depth >= 2; }

private:
    int m_depth = 1;
};

// The contents button hides on a contents page: a file whose name, lower-cased,
// contains "h_index".
bool contents_visible(std::string_view current_file);

// The page the contents button loads: the course's index "Htm_r\h_index.html" for the
// interface languages 0, 1 and 4; the other languages have none.
std::optional<std::string> contents_page(const std::string& course_root, int interface_language);

} // namespace vimo
