#include "course_tool/json_lines.h"

#include "core/encoding.h"

#include <cstdio>

namespace vimo {

std::string json_escaped(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() + 2);
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (byte < 0x20 || byte == 0x7F) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out;
}

void JsonLine::key(std::string_view name) {
    if (!m_body.empty()) m_body += ',';
    m_body += '"';
    m_body += json_escaped(name);
    m_body += "\":";
}

JsonLine& JsonLine::number(std::string_view name, long long value) {
    key(name);
    m_body += std::to_string(value);
    return *this;
}

JsonLine& JsonLine::boolean(std::string_view name, bool value) {
    key(name);
    m_body += value ? "true" : "false";
    return *this;
}

JsonLine& JsonLine::text(std::string_view name, std::string_view value) {
    key(name);
    m_body += '"';
    m_body += json_escaped(value);
    m_body += '"';
    return *this;
}

std::string record_text(std::string_view stored) {
    std::string bytes;
    bytes.reserve(stored.size());
    for (const char c : stored) {
        if (c != '\0') bytes += c;
    }
    while (!bytes.empty() && static_cast<unsigned char>(bytes.back()) <= 32)
        bytes.pop_back();
    return cp1250_to_utf8(bytes);
}

} // namespace vimo
