#include "html/page_history.h"

namespace vimo {

void PageHistory::push(const std::string& address) {
    m_pages.resize(static_cast<std::size_t>(m_position + 1));
    m_pages.push_back(address);
    if (size() > kCapacity) m_pages.erase(m_pages.begin(), m_pages.end() - kCapacity);
    m_position = size() - 1;
}

void PageHistory::clear() {
    m_pages.clear();
    m_position = -1;
}

bool PageHistory::set_position(int position) {
    if (position < 0 || position >= size()) return false;
    m_position = position;
    return true;
}

std::string PageHistory::at(int position) const {
    if (position < 0 || position >= size()) return {};
    return m_pages[static_cast<std::size_t>(position)];
}

} // namespace vimo
