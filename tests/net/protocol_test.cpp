#include "net/protocol.h"
#include "net/results_line.h"
#include "support/named_case.h"

#include <gtest/gtest.h>

namespace vimo::net {
namespace {

VIMO_PRINT_CASES_BY_NAME()

cw_Info sample_record() {
    cw_Info r;
    r.name = "tek_12";
    r.title = "Tytu\xb3 (5)"; // Windows-1250 "ł"
    r.kind = 40;
    r.key = 7;
    r.level = 3;
    r.last_date = 46'366.0 + (14 * 3600 + 5 * 60 + 9) / 86'400.0;
    r.score = 85;
    r.count = 12;
    r.completed = 1;
    r.group_id = "G1";
    r.server_text = "srv";
    r.server_value_1 = -2;
    r.server_value_2 = 2'147'483'647;
    r.time_of_day = (14 * 3600 + 5 * 60 + 9) / 86'400.0;
    r.group_name = "Gramatyka";
    r.mode = 0;
    r.pack_text = "pk";
    return r;
}

TEST(RequestLines, AreTheCommandAndEachFieldFollowedByHash) {
    const Credentials c{"ola", "a#b", "v1r2_55"};
    EXPECT_EQ(credentials_request(Command::Log, c), "LOG:ola#a#b#v1r2_55#\r\n");
    EXPECT_EQ(credentials_request(Command::Gil, c), "GIL:ola#a#b#v1r2_55#\r\n");
    EXPECT_EQ(password_change_request("ola ", " old", "new "), "CHP:ola # old#new #\r\n");
    EXPECT_EQ(results_request(c, sample_record()),
              "RCW:ola#a#b#v1r2_55#tek_12#Tytu\xb3 (5)#40#7#3#2026-12-10#85#12#1#G1#srv#-2#"
              "2147483647#14-05-09#Gramatyka#0#pk#\r\n");
}

struct RequestCase {
    const char* name;
    std::string line;
    bool valid;
    Command command = Command::Log;
    Credentials credentials{};
    std::string new_password{};
};

class ParseRequest : public testing::TestWithParam<RequestCase> {};

TEST_P(ParseRequest, ReadsFieldsFromBothEnds) {
    const RequestCase& c = GetParam();
    const ParsedRequest parsed = parse_request(c.line);
    ASSERT_EQ(parsed.request.has_value(), c.valid) << parsed.error.reason;
    if (!c.valid) {
        EXPECT_FALSE(parsed.error.reason.empty());
        return;
    }
    EXPECT_EQ(parsed.request->command, c.command);
    EXPECT_EQ(parsed.request->credentials, c.credentials);
    EXPECT_EQ(parsed.request->new_password, c.new_password);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ParseRequest,
    testing::Values(
        RequestCase{"login", "LOG:ola#pw#v1r2_55#", true, Command::Log, {"ola", "pw", "v1r2_55"}},
        RequestCase{"hash_in_password",
                    "GCW:ola#a#b##v2r2_55#",
                    true,
                    Command::Gcw,
                    {"ola", "a#b#", "v2r2_55"}},
        RequestCase{
            "empty_password", "GUI:ola##v1r2_55#", true, Command::Gui, {"ola", "", "v1r2_55"}},
        RequestCase{"upload", "PCW:ola#pw#v1r2_55#", true, Command::Pcw, {"ola", "pw", "v1r2_55"}},
        RequestCase{"change_trims",
                    "CHP: ola # o#ld # new #",
                    true,
                    Command::Chp,
                    {"ola", "o#ld", ""},
                    "new"},
        RequestCase{"unknown_command", "XYZ:ola#pw#v1r2_55#", false},
        RequestCase{"lower_case_command", "log:ola#pw#v1r2_55#", false},
        RequestCase{"too_short", "LO", false}, RequestCase{"no_fields", "LOG:", false},
        RequestCase{"two_fields", "LOG:ola#v1r2_55#", false},
        RequestCase{"cut_short", "LOG:ola#pw#v1r2", false},
        RequestCase{"empty_login", "LOG:#pw#v1r2_55#", false},
        RequestCase{"empty_code", "LOG:ola#pw##", false},
        RequestCase{"results_line_missing", "RCW:ola#pw#v1r2_55#", false},
        RequestCase{"binary", std::string("LOG:\x01\xff\0#\x80#", 10), false}));

TEST(ParseRequest, ResultsLineIsCountedFromTheEnd) {
    const cw_Info record = sample_record();
    std::string line = results_request({"ola", "p#w", "v1r2_55"}, record);
    line.resize(line.size() - 2);
    const ParsedRequest parsed = parse_request(line);
    ASSERT_TRUE(parsed.request) << parsed.error.reason;
    EXPECT_EQ(parsed.request->credentials, (Credentials{"ola", "p#w", "v1r2_55"}));
    EXPECT_EQ(parsed.request->record, record);
}

TEST(ParseRequest, RefusesAResultsLineWithABadField) {
    const std::string good = results_request({"ola", "pw", "v1r2_55"}, sample_record());
    const std::vector<std::pair<std::string, std::string>> edits = {
        {"#40#", "#256#"},
        {"#85#", "#101#"},
        {"#2026-12-10#", "#2026-13-01#"},
        {"#14-05-09#", "#24-00-00#"},
        {"#14-05-09#", "#14:05:09#"},
        {"#1#G1#", "#2#G1#"},
        {"#-2#", "#x#"},
    };
    for (const auto& [from, to] : edits) {
        std::string line = good.substr(0, good.size() - 2);
        const std::size_t at = line.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        line.replace(at, from.size(), to);
        EXPECT_FALSE(parse_request(line).request) << to;
    }
}

TEST(TrimBlanks, RemovesControlBytesAndSpacesAtBothEnds) {
    EXPECT_EQ(trim_blanks(" \t a b \r"), "a b");
    EXPECT_EQ(trim_blanks("   "), "");
    EXPECT_EQ(trim_blanks("x"), "x");
}

} // namespace
} // namespace vimo::net
