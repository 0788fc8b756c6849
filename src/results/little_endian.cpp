#include "results/little_endian.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace vimo {

namespace {

bool fits(std::string_view bytes, std::size_t at, std::size_t size) {
    return at <= bytes.size() && size <= bytes.size() - at;
}

void put_u64(std::string& bytes, std::size_t at, std::uint64_t value, std::size_t size) {
    if (!fits(bytes, at, size)) return;
    for (std::size_t i = 0; i < size; ++i)
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint64_t get_u64(std::string_view bytes, std::size_t at, std::size_t size) {
    if (!fits(bytes, at, size)) return 0;
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < size; ++i)
        value |= std::uint64_t{static_cast<unsigned char>(bytes[at + i])} << (8 * i);
    return value;
}

} // namespace

void put_u8(std::string& bytes, std::size_t at, std::uint8_t value) {
    put_u64(bytes, at, value, 1);
}

void put_i32(std::string& bytes, std::size_t at, std::int32_t value) {
    put_u64(bytes, at, static_cast<std::uint32_t>(value), 4);
}

void put_f64(std::string& bytes, std::size_t at, double value) {
    put_u64(bytes, at, std::bit_cast<std::uint64_t>(value), 8);
}

void put_short_string(std::string& bytes, std::size_t at, std::size_t area, std::string_view text) {
    if (!fits(bytes, at, area + 1)) return;
    const std::size_t length = std::min({text.size(), area, std::size_t{255}});
    bytes[at] = static_cast<char>(length);
    std::memcpy(bytes.data() + at + 1, text.data(), length);
    std::memset(bytes.data() + at + 1 + length, 0, area - length);
}

std::uint8_t get_u8(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint8_t>(get_u64(bytes, at, 1));
}

std::int32_t get_i32(std::string_view bytes, std::size_t at) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(get_u64(bytes, at, 4)));
}

double get_f64(std::string_view bytes, std::size_t at) {
    return std::bit_cast<double>(get_u64(bytes, at, 8));
}

std::string get_short_string(std::string_view bytes, std::size_t at, std::size_t area,
                             bool& malformed) {
    if (!fits(bytes, at, area + 1)) {
        malformed = true;
        return {};
    }
    std::size_t length = static_cast<unsigned char>(bytes[at]);
    if (length > area) {
        malformed = true;
        length = area;
    }
    return std::string(bytes.substr(at + 1, length));
}

} // namespace vimo
