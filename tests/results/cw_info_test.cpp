#include "results/cw_info.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>

namespace vimo {
namespace {

cw_Info sample_record() {
    cw_Info r;
    r.name = "tek_12";
    r.title = "T12";
    r.kind = 40;
    r.key = 7;
    r.level = 3;
    r.last_date = 46366.4472222222;
    r.score = 85;
    r.count = 0x01020304;
    r.completed = 1;
    r.group_id = "G1";
    r.server_text = "srv";
    r.server_value_1 = -2;
    r.server_value_2 = 0x7FFFFFFF;
    r.time_of_day = 0.4472222222;
    r.group_name = "Gramatyka";
    r.mode = 0;
    r.pack_text = "pk";
    return r;
}

std::string le_double(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    std::string bytes(8, '\0');
    for (int i = 0; i < 8; ++i)
        bytes[static_cast<std::size_t>(i)] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    return bytes;
}

std::string short_string(std::string_view text, std::size_t area) {
    std::string bytes(1 + area, '\0');
    bytes[0] = static_cast<char>(text.size());
    std::memcpy(bytes.data() + 1, text.data(), text.size());
    return bytes;
}

TEST(CwInfoLayout, EveryFieldSitsAtItsOffset) {
    const std::string bytes = encode_cw_info(sample_record());
    ASSERT_EQ(bytes.size(), 560u);
    EXPECT_EQ(bytes.substr(0, 101), short_string("tek_12", 100));
    EXPECT_EQ(bytes.substr(101, 251), short_string("T12", 250));
    EXPECT_EQ(bytes.substr(352, 3), "\x28\x07\x03");
    EXPECT_EQ(bytes.substr(360, 8), le_double(46366.4472222222));
    EXPECT_EQ(bytes[368], 85);
    EXPECT_EQ(bytes.substr(372, 4), "\x04\x03\x02\x01");
    EXPECT_EQ(bytes[376], 1);
    EXPECT_EQ(bytes.substr(377, 13), short_string("G1", 12));
    EXPECT_EQ(bytes.substr(390, 62), short_string("srv", 61));
    EXPECT_EQ(bytes.substr(452, 4), "\xFE\xFF\xFF\xFF");
    EXPECT_EQ(bytes.substr(456, 4), "\xFF\xFF\xFF\x7F");
    EXPECT_EQ(bytes.substr(464, 8), le_double(0.4472222222));
    EXPECT_EQ(bytes.substr(472, 51), short_string("Gramatyka", 50));
    EXPECT_EQ(bytes[523], 0);
    EXPECT_EQ(bytes.substr(524, 31), short_string("pk", 30));
    // Padding is written as zeros.
    const std::pair<std::size_t, std::size_t> paddings[] = {{355, 5}, {369, 3}, {460, 4}, {555, 5}};
    for (const auto& [from, size] : paddings)
        EXPECT_EQ(bytes.substr(from, size), std::string(size, '\0')) << "padding at " << from;
}

TEST(CwInfoLayout, DecodingGivesBackTheEncodedRecord) {
    const cw_Info record = sample_record();
    const DecodedCwInfo decoded = decode_cw_info(encode_cw_info(record));
    EXPECT_FALSE(decoded.malformed);
    EXPECT_EQ(decoded.record, record);
}

TEST(CwInfoLayout, TextsLongerThanTheirAreasAreCutWithoutTouchingTheNextField) {
    cw_Info r = sample_record();
    r.name = std::string(130, 'n');
    r.group_id = "ABCDEFGHIJKLMNOP"; // 16 bytes into a 12-byte area
    const std::string bytes = encode_cw_info(r);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 100);
    EXPECT_EQ(bytes.substr(101, 4), short_string("T12", 250).substr(0, 4));
    EXPECT_EQ(static_cast<unsigned char>(bytes[377]), 12);
    EXPECT_EQ(bytes.substr(378, 12), "ABCDEFGHIJKL");
    EXPECT_EQ(bytes[390], 3); // the server text's length byte is intact
    EXPECT_EQ(decode_cw_info(bytes).record.group_id, "ABCDEFGHIJKL");
}

TEST(CwInfoLayout, OverLongLengthBytesReadOnlyTheirOwnArea) {
    std::string bytes = encode_cw_info(sample_record());
    bytes[0] = static_cast<char>(250);   // name area is 100
    bytes[377] = static_cast<char>(200); // group id area is 12
    bytes[524] = static_cast<char>(255); // pack text area is 30, and the record ends at 560
    const DecodedCwInfo decoded = decode_cw_info(bytes);
    EXPECT_TRUE(decoded.malformed);
    EXPECT_EQ(decoded.record.name, std::string("tek_12") + std::string(94, '\0'));
    EXPECT_EQ(decoded.record.group_id.size(), 12u);
    EXPECT_EQ(decoded.record.pack_text.size(), 30u);
    EXPECT_EQ(decoded.record.title, "T12"); // the fields after them still read right
    EXPECT_EQ(decoded.record.score, 85);
}

TEST(CwInfoLayout, ShortInputReadsAsZerosAndIsMalformed) {
    const DecodedCwInfo decoded = decode_cw_info(encode_cw_info(sample_record()).substr(0, 200));
    EXPECT_TRUE(decoded.malformed);
    EXPECT_EQ(decoded.record.name, "tek_12");
    EXPECT_EQ(decoded.record.count, 0);
    EXPECT_FALSE(decode_cw_info(std::string(560, '\0')).malformed);
}

} // namespace
} // namespace vimo
