#pragma once
// Fields of the protocol's lines: each field is the text before its "#".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vimo::net {

// The fields of text, each ended by "#"; text after the last "#" is not a field.
std::vector<std::string_view> split_fields(std::string_view text);
// Each field followed by "#".
std::string join_fields(const std::vector<std::string>& fields);

// A decimal integer in [low, high]: an optional "-" and digits, nothing else.
std::optional<std::int64_t> parse_integer(std::string_view text, std::int64_t low,
                                          std::int64_t high);

} // namespace vimo::net
