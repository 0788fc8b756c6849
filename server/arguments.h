#pragma once
// The command line of vimo-server: words, then options; an option takes the next
// word as its value unless it is a flag.

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace vimo::server {

// A command line or input that cannot be done; the message goes to standard error
// and the program exits with 1.
class CommandError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Arguments {
public:
    // Throws CommandError for an unknown option or one without its value.
    Arguments(const std::vector<std::string>& words, const std::set<std::string>& with_value,
              const std::set<std::string>& flags);

    const std::vector<std::string>& words() const { return m_words; }
    std::optional<std::string> value(const std::string& option) const;
    std::vector<std::string> values(const std::string& option) const;
    bool flag(const std::string& option) const { return m_flags.contains(option); }
    // The value, or CommandError naming the option.
    std::string required(const std::string& option) const;

private:
    std::vector<std::string> m_words;
    std::multimap<std::string, std::string> m_values;
    std::set<std::string> m_flags;
};

} // namespace vimo::server
