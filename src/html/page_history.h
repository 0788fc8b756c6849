#pragma once
// The viewer's page history: the pages shown, oldest first, at most kCapacity of them,
// and the position of the page on screen. Going back keeps the later pages until a
// new page is shown from there, which replaces them.

#include <string>
#include <vector>

namespace vimo {

class PageHistory {
public:
    static constexpr int kCapacity = 50;

    // Adds address after the current position, dropping the pages after it and, beyond
    // the capacity, the oldest page; the new page becomes the current one. A page shown
    // again is added again, so that one step back always undoes one step forward.
    void push(const std::string& address);
    void clear();

    int size() const { return static_cast<int>(m_pages.size()); }
    bool empty() const { return m_pages.empty(); }
    // 0 for the oldest page; -1 while the history is empty.
    int position() const { return m_position; }
    // Moves to the page at position; false (nothing changes) when it lies outside.
    bool set_position(int position);
    // The address at position, or "" outside the history.
    std::string at(int position) const;
    std::string current() const { return at(m_position); }
    const std::vector<std::string>& pages() const { return m_pages; }

private:
    std::vector<std::string> m_pages;
    int m_position = -1;
};

} // namespace vimo
