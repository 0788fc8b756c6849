#include "net/fields.h"

#include <charconv>

namespace vimo::net {

std::vector<std::string_view> split_fields(std::string_view text) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t end = text.find('#'); end != std::string_view::npos;
         end = text.find('#', start)) {
        fields.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return fields;
}

std::string join_fields(const std::vector<std::string>& fields) {
    std::string text;
    for (const std::string& field : fields) {
        text += field;
        text += '#';
    }
    return text;
}

std::optional<std::int64_t> parse_integer(std::string_view text, std::int64_t low,
                                          std::int64_t high) {
    if (text.empty() || text.size() > 20) return std::nullopt;
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    if (value < low || value > high) return std::nullopt;
    return value;
}

} // namespace vimo::net
