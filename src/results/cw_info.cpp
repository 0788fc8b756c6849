#include "results/cw_info.h"

#include "results/little_endian.h"

namespace vimo {

namespace {

// Offsets of the fields in the record.
namespace at {
constexpr std::size_t name = 0;
constexpr std::size_t title = 101;
constexpr std::size_t kind = 352;
constexpr std::size_t key = 353;
constexpr std::size_t level = 354;
constexpr std::size_t last_date = 360;
constexpr std::size_t score = 368;
constexpr std::size_t count = 372;
constexpr std::size_t completed = 376;
constexpr std::size_t group_id = 377;
constexpr std::size_t server_text = 390;
constexpr std::size_t server_value_1 = 452;
constexpr std::size_t server_value_2 = 456;
constexpr std::size_t time_of_day = 464;
constexpr std::size_t group_name = 472;
constexpr std::size_t mode = 523;
constexpr std::size_t pack_text = 524;
} // namespace at

} // namespace

std::string encode_cw_info(const cw_Info& r) {
    std::string bytes(kCwInfoSize, '\0');
    put_short_string(bytes, at::name, cw_area::name, r.name);
    put_short_string(bytes, at::title, cw_area::title, r.title);
    put_u8(bytes, at::kind, r.kind);
    put_u8(bytes, at::key, r.key);
    put_u8(bytes, at::level, r.level);
    put_f64(bytes, at::last_date, r.last_date);
    put_u8(bytes, at::score, r.score);
    put_i32(bytes, at::count, r.count);
    put_u8(bytes, at::completed, r.completed);
    put_short_string(bytes, at::group_id, cw_area::group_id, r.group_id);
    put_short_string(bytes, at::server_text, cw_area::server_text, r.server_text);
    put_i32(bytes, at::server_value_1, r.server_value_1);
    put_i32(bytes, at::server_value_2, r.server_value_2);
    put_f64(bytes, at::time_of_day, r.time_of_day);
    put_short_string(bytes, at::group_name, cw_area::group_name, r.group_name);
    put_u8(bytes, at::mode, r.mode);
    put_short_string(bytes, at::pack_text, cw_area::pack_text, r.pack_text);
    return bytes;
}

DecodedCwInfo decode_cw_info(std::string_view given) {
    std::string bytes(given.substr(0, kCwInfoSize));
    DecodedCwInfo decoded;
    decoded.malformed = bytes.size() != kCwInfoSize;
    bytes.resize(kCwInfoSize, '\0');
    bool& bad = decoded.malformed;
    cw_Info& r = decoded.record;
    r.name = get_short_string(bytes, at::name, cw_area::name, bad);
    r.title = get_short_string(bytes, at::title, cw_area::title, bad);
    r.kind = get_u8(bytes, at::kind);
    r.key = get_u8(bytes, at::key);
    r.level = get_u8(bytes, at::level);
    r.last_date = get_f64(bytes, at::last_date);
    r.score = get_u8(bytes, at::score);
    r.count = get_i32(bytes, at::count);
    r.completed = get_u8(bytes, at::completed);
    r.group_id = get_short_string(bytes, at::group_id, cw_area::group_id, bad);
    r.server_text = get_short_string(bytes, at::server_text, cw_area::server_text, bad);
    r.server_value_1 = get_i32(bytes, at::server_value_1);
    r.server_value_2 = get_i32(bytes, at::server_value_2);
    r.time_of_day = get_f64(bytes, at::time_of_day);
    r.group_name = get_short_string(bytes, at::group_name, cw_area::group_name, bad);
    r.mode = get_u8(bytes, at::mode);
    r.pack_text = get_short_string(bytes, at::pack_text, cw_area::pack_text, bad);
    return decoded;
}

} // namespace vimo
