#pragma once
// One JSON object per line, keys in the order they are added: what the course tool
// prints for records.

#include <string>
#include <string_view>

namespace vimo {

class JsonLine {
public:
    JsonLine& number(std::string_view key, long long value);
    // value is UTF-8; quotes, backslashes and control characters are escaped.
    JsonLine& text(std::string_view key, std::string_view value);
    JsonLine& boolean(std::string_view key, bool value);
    // The object, "{...}", without a line end.
    std::string str() const { return "{" + m_body + "}"; }

private:
    void key(std::string_view name);
    std::string m_body;
};

std::string json_escaped(std::string_view utf8);

// A record's stored text as the tool shows it: zero bytes removed, decoded as
// Windows-1250, trailing spaces and control characters trimmed.
std::string record_text(std::string_view stored);

} // namespace vimo
