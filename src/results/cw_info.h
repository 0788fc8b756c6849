#pragma once
// cw_Info: the 560-byte results record of one exercise item and kind, as the results
// file holds it (little-endian, length-prefixed text fields in fixed areas).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vimo {

inline constexpr std::size_t kCwInfoSize = 560;

// Text fields hold bytes exactly as stored: Windows-1250 text, except the title of a
// dialogue record (kinds 70 to 74), which holds the dialogue name's UTF-16 bytes.
// Encoding cuts a text longer than its area to the area.
struct cw_Info {
    std::string name;  // at most 100 bytes: prefix and number, "tek_12"
    std::string title; // at most 250 bytes
    std::uint8_t kind = 0;
    std::uint8_t key = 0;
    std::uint8_t level = 0;
    double last_date = 0.0; // day count of the last result (or of the build)
    std::uint8_t score = 0;
    std::int32_t count = 0;
    std::uint8_t completed = 0;
    std::string group_id;    // at most 12 bytes
    std::string server_text; // at most 61 bytes
    std::int32_t server_value_1 = 0;
    std::int32_t server_value_2 = 0;
    double time_of_day = 0.0; // time part only
    std::string group_name;   // at most 50 bytes
    std::uint8_t mode = 1;    // 1 built, 0 a result recorded, 2 added by the network client
    std::string pack_text;    // at most 30 bytes

    bool operator==(const cw_Info&) const = default;
};

// Sizes of the text areas, without their length bytes.
namespace cw_area {
inline constexpr std::size_t name = 100;
inline constexpr std::size_t title = 250;
inline constexpr std::size_t group_id = 12;
inline constexpr std::size_t server_text = 61;
inline constexpr std::size_t group_name = 50;
inline constexpr std::size_t pack_text = 30;
} // namespace cw_area

// The 560 bytes of a record; padding and the bytes past each text are zeros.
std::string encode_cw_info(const cw_Info& record);

struct DecodedCwInfo {
    cw_Info record;
    // A length byte claimed more than its area holds (the text was cut to the area),
    // or the bytes were not 560.
    bool malformed = false;
};
// Reads a record from its 560 bytes; fewer bytes read as if padded with zeros.
DecodedCwInfo decode_cw_info(std::string_view bytes);

} // namespace vimo
