#include "net/protocol.h"
#include "net/replies.h"
#include "support/named_case.h"

#include <gtest/gtest.h>

namespace vimo::net {
namespace {

VIMO_PRINT_CASES_BY_NAME()

TEST(LoginReply, IsSixFieldsEachFollowedByHash) {
    LoginReply reply;
    reply.status = LoginReply::Accepted;
    reply.has_results = true;
    reply.typing = 0;
    EXPECT_EQ(login_reply_line(reply), "1#1#0#0#0#1#\r\n");
    EXPECT_EQ(parse_login_reply(login_reply_line(reply)).reply, reply);
}

struct ReplyCase {
    const char* name;
    const char* line;
    std::optional<LoginReply> reply;
};

class ParseLoginReply : public testing::TestWithParam<ReplyCase> {};

TEST_P(ParseLoginReply, ReadsAsTheProgramDoes) {
    const ReplyCase& c = GetParam();
    const ParsedLoginReply parsed = parse_login_reply(c.line);
    EXPECT_EQ(parsed.reply, c.reply);
    EXPECT_EQ(parsed.error.empty(), c.reply.has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Replies, ParseLoginReply,
    testing::Values(ReplyCase{"refused", "0#0#0#0#1#1#", LoginReply{0, false, 0, 0, 1, 1}},
                    ReplyCase{"no_access", "2#0#0#0#1#1#", LoginReply{2, false, 0, 0, 1, 1}},
                    ReplyCase{"any_other_accepts", "7#5#3#4#0#0#", LoginReply{1, true, 3, 4, 0, 0}},
                    ReplyCase{"field_3_empty", "1#1##0#1#1#", std::nullopt},
                    ReplyCase{"fields_missing", "1#1#", std::nullopt},
                    ReplyCase{"last_field_unended", "1#1#0#0#1#1", std::nullopt},
                    ReplyCase{"not_a_number", "1#1#0#0#x#1#", std::nullopt}));

TEST(Lessons, TravelAsCountedLines) {
    const std::vector<PreparedLesson> lessons = {
        {"Lekcja 1", {{2001, "Otwarte \xb3"}, {12, "Tekst"}}},
        {"Pusta", {}},
    };
    const std::string bytes = lessons_reply(lessons);
    EXPECT_EQ(bytes, "2\r\nLekcja 1#2#\r\n2001#Otwarte \xb3#\r\n12#Tekst#\r\nPusta#0#\r\n");
    EXPECT_EQ(parse_lessons_reply(bytes).lessons, lessons);
    EXPECT_EQ(parse_lessons_reply("0\r\n").lessons, std::vector<PreparedLesson>{});
}

TEST(Lessons, ABrokenReplyIsAnError) {
    for (const char* bytes : {"", "1\r\n", "x\r\n", "1\r\nL#2#\r\n1#a#\r\n", "1\r\nL#1#\r\n1a#\r\n",
                              "0\r\nextra", "1\r\nL#1#\r\n1#a#"}) {
        const ParsedLessons parsed = parse_lessons_reply(bytes);
        EXPECT_FALSE(parsed.lessons) << bytes;
        EXPECT_FALSE(parsed.error.empty());
    }
}

TEST(WholeResultsFile, TakesOnlyWholeReadableRecords) {
    cw_Info r;
    r.name = "tek_1";
    const std::string one = encode_cw_info(r);
    EXPECT_EQ(whole_results_file("")->size(), 0u);
    EXPECT_EQ(whole_results_file(one + one)->size(), 2u);
    EXPECT_FALSE(whole_results_file(one + one.substr(0, 100)));
    std::string bad_length = one;
    bad_length[0] = static_cast<char>(101); // more than the name's area holds
    EXPECT_FALSE(whole_results_file(one + bad_length));
    std::string most;
    for (std::size_t i = 0; i < kMaxUploadRecords; ++i)
        most += one;
    EXPECT_EQ(whole_results_file(most)->size(), kMaxUploadRecords);
    EXPECT_FALSE(whole_results_file(most + one));
}

} // namespace
} // namespace vimo::net
