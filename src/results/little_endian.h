#pragma once
// Fixed-size record fields in a byte buffer: little-endian integers and IEEE 754
// doubles, and short strings (a length byte, then a fixed area). Values are copied
// byte by byte, so the layout does not depend on the machine's own byte order or
// structure padding. A field that would reach past the buffer is not touched; a
// length byte larger than its area reads as the whole area and sets `malformed`.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vimo {

void put_u8(std::string& bytes, std::size_t at, std::uint8_t value);
void put_i32(std::string& bytes, std::size_t at, std::int32_t value);
void put_f64(std::string& bytes, std::size_t at, double value);
// Length byte at `at`, then up to `area` bytes of text (a longer text is cut).
void put_short_string(std::string& bytes, std::size_t at, std::size_t area, std::string_view text);

std::uint8_t get_u8(std::string_view bytes, std::size_t at);
std::int32_t get_i32(std::string_view bytes, std::size_t at);
double get_f64(std::string_view bytes, std::size_t at);
std::string get_short_string(std::string_view bytes, std::size_t at, std::size_t area,
                             bool& malformed);

} // namespace vimo
