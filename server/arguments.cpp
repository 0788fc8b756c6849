#include "server/arguments.h"

namespace vimo::server {

Arguments::Arguments(const std::vector<std::string>& words, const std::set<std::string>& with_value,
                     const std::set<std::string>& flags) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (!w.starts_with("--")) {
            m_words.push_back(w);
        } else if (flags.contains(w)) {
            m_flags.insert(w);
        } else if (with_value.contains(w)) {
            if (i + 1 >= words.size()) throw CommandError(w + " needs a value");
            m_values.emplace(w, words[++i]);
        } else {
            throw CommandError("unknown option " + w);
        }
    }
}

std::optional<std::string> Arguments::value(const std::string& option) const {
    const auto found = m_values.equal_range(option);
    if (found.first == found.second) return std::nullopt;
    return std::prev(found.second)->second;
}

std::vector<std::string> Arguments::values(const std::string& option) const {
    std::vector<std::string> all;
    const auto found = m_values.equal_range(option);
    for (auto it = found.first; it != found.second; ++it)
        all.push_back(it->second);
    return all;
}

std::string Arguments::required(const std::string& option) const {
    const auto v = value(option);
    if (!v) throw CommandError("missing " + option);
    return *v;
}

} // namespace vimo::server
