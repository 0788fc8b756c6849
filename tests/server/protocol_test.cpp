// Every request of the protocol against the real server, on SQLite and PostgreSQL.

#include "core/dates.h"
#include "net/protocol.h"
#include "net/replies.h"
#include "results/cw_info.h"
#include "server/protocol_cases.h"
#include "server/server_fixture.h"

#include <chrono>
#include <gtest/gtest.h>

namespace vimo::server_test {
namespace {

using namespace std::chrono;

TEST_P(ServerProtocol, LoginAnswersByPasswordAndAccess) {
    add_learner(db(), "ola", "secret", {"--course", "v1r2_55", "--course", "v3r2_55"});
    ASSERT_EQ(run_command({"learner", "access", "--db", db(), "ola", "--course", "v3r2_55",
                           "--typing", "off", "--dictionary", "off"})
                  .exit_code,
              0);
    struct Case {
        net::Credentials credentials;
        std::string reply;
    } cases[] = {
        {{"ola", "secret", "v1r2_55"}, "1#0#0#0#1#1#\r\n"},
        {{"ola", "secret", "v3r2_55"}, "1#0#0#0#0#0#\r\n"},
        {{"ola", "secret", "v2r2_55"}, "2#0#0#0#1#1#\r\n"},
        {{"ola", "wrong", "v1r2_55"}, "0#0#0#0#1#1#\r\n"},
        {{"ola", "secret ", "v1r2_55"}, "0#0#0#0#1#1#\r\n"},
        {{"nobody", "secret", "v1r2_55"}, "0#0#0#0#1#1#\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(request(net::Command::Log, c.credentials), c.reply)
            << c.credentials.login << "/" << c.credentials.password << "/" << c.credentials.code;
}

TEST_P(ServerProtocol, UploadThenDownloadGivesTheUploadWithEachResultApplied) {
    add_learner(db(), "ola", "pw");
    const net::Credentials ola{"ola", "pw", "v1r2_55"};
    EXPECT_EQ(request(net::Command::Log, ola), "1#0#0#0#1#1#\r\n");

    std::vector<cw_Info> records = {record("tek_1", 40, 1), record("tek_1", 41, 2),
                                    record("zda_3", 50, 0), record("zda_3", 50, 0)};
    std::string upload = file_of(records);
    upload[560 + 555] = '\x7f'; // padding bytes travel as they are
    upload_results(ola, upload);
    EXPECT_EQ(request(net::Command::Log, ola), "1#1#0#0#1#1#\r\n");
    EXPECT_EQ(request(net::Command::Gcw, ola), upload);

    // A result goes to the last record of its name, kind and key.
    cw_Info done = records[3];
    done.score = 77;
    done.count = 1;
    done.mode = 0;
    at_time(done, 2026y / 3 / 5, 9, 5, 7);
    EXPECT_EQ(results_request(ola, done), "TRUE\r\n");
    std::string expected = upload.substr(0, 3 * 560) + encode_cw_info(done);
    // One that matches no record is appended.
    const cw_Info added = record("Otw_2001", 'Z', 0);
    EXPECT_EQ(results_request(ola, added), "TRUE\r\n");
    expected += encode_cw_info(added);
    EXPECT_EQ(request(net::Command::Gcw, ola), expected);
    // Another course of the same learner holds nothing.
    ASSERT_EQ(
        run_command({"learner", "access", "--db", db(), "ola", "--course", "v2r2_55"}).exit_code,
        0);
    EXPECT_EQ(request(net::Command::Gcw, {"ola", "pw", "v2r2_55"}), "");
}

TEST_P(ServerProtocol, AnUploadThatIsNotWholeChangesNothing) {
    add_learner(db(), "ola", "pw");
    const net::Credentials ola{"ola", "pw", "v1r2_55"};
    const std::string first = file_of({record("tek_1", 40, 1)});
    upload_results(ola, first);
    const std::string two = file_of({record("tek_2", 40, 1), record("tek_3", 40, 1)});
    std::string bad_length = two;
    bad_length[0] = static_cast<char>(120);
    std::string over_capacity;
    for (int i = 0; i < 2001; ++i)
        over_capacity += first;
    for (const std::string& bad : {two.substr(0, 700), bad_length, over_capacity}) {
        upload_results(ola, bad);
        EXPECT_EQ(request(net::Command::Gcw, ola), first);
    }
    // A wrong password uploads nothing either.
    upload_results({"ola", "wrong", "v1r2_55"}, two);
    EXPECT_EQ(request(net::Command::Gcw, ola), first);
    EXPECT_EQ(request(net::Command::Gcw, {"ola", "wrong", "v1r2_55"}), "");
}

TEST_P(ServerProtocol, AResultWithABadDateOrTimeIsRefused) {
    add_learner(db(), "ola", "pw");
    const net::Credentials ola{"ola", "pw", "v1r2_55"};
    const cw_Info r = record("tek_1", 40, 1);
    const std::string good = net::results_request(ola, r);
    for (const auto& [from, to] :
         std::vector<std::pair<std::string, std::string>>{{"#2026-01-10#", "#2026-02-30#"},
                                                          {"#2026-01-10#", "#10.01.2026#"},
                                                          {"#08-30-00#", "#08:30:00#"},
                                                          {"#08-30-00#", "#25-00-00#"}}) {
        std::string line = good;
        const std::size_t at = line.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        EXPECT_EQ(round_trip(port(), line.replace(at, from.size(), to)), "FALSE\r\n") << to;
    }
    // Zero padding is optional.
    std::string unpadded = good;
    unpadded.replace(unpadded.find("#2026-01-10#"), 12, "#2026-1-10#");
    unpadded.replace(unpadded.find("#08-30-00#"), 10, "#8-30-0#");
    EXPECT_EQ(round_trip(port(), unpadded), "TRUE\r\n");
    EXPECT_EQ(request(net::Command::Gcw, ola), encode_cw_info(r));
    EXPECT_EQ(results_request({"ola", "wrong", "v1r2_55"}, r), "FALSE\r\n");
    EXPECT_EQ(results_request({"ola", "pw", "v4r2_55"}, r), "FALSE\r\n");
}

TEST_P(ServerProtocol, PreparedLessonsOfTheLearnerAndTheClass) {
    add_learner(db(), "ola", "pw", {"--course", "v1r2_55", "--class", "3a"});
    add_learner(db(), "jan", "pw", {"--course", "v1r2_55", "--class", "3b"});
    const net::Credentials ola{"ola", "pw", "v1r2_55"};
    EXPECT_EQ(request(net::Command::Gil, ola), "0\r\n");
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"lesson", "add", "--db", db(), "Lekcja 1", "2001:Opisz swój dzień", "12:Tekst"},
             {"lesson", "add", "--db", db(), "Powtórka", "3999:Wolne"},
             {"lesson", "add", "--db", db(), "Inna", "5:Nic"},
             {"lesson", "assign", "--db", db(), "Lekcja 1", "--class", "3a"},
             {"lesson", "assign", "--db", db(), "Powtórka", "--learner", "ola", "--learner", "jan"},
             {"lesson", "assign", "--db", db(), "Inna", "--class", "3b"}}) {
        const CommandResult r = run_command(args);
        ASSERT_EQ(r.exit_code, 0) << r.err;
    }
    const net::ParsedLessons lessons = net::parse_lessons_reply(request(net::Command::Gil, ola));
    ASSERT_TRUE(lessons.lessons) << lessons.error;
    const std::vector<net::PreparedLesson> expected = {
        {"Lekcja 1", {{2001, "Opisz sw\xf3j dzie\xf1"}, {12, "Tekst"}}},
        {"Powt\xf3rka", {{3999, "Wolne"}}},
    };
    EXPECT_EQ(*lessons.lessons, expected);
    EXPECT_EQ(request(net::Command::Gil, {"ola", "wrong", "v1r2_55"}), "");
}

TEST_P(ServerProtocol, UserDataRequestGetsNoBytes) {
    add_learner(db(), "ola", "pw");
    EXPECT_EQ(request(net::Command::Gui, {"ola", "pw", "v1r2_55"}), "");
}

TEST_P(ServerProtocol, PasswordChangeChecksTheOldAndTrims) {
    add_learner(db(), "ola", "old pw");
    const auto change = [&](const char* login, const char* old_password, const char* new_password) {
        return round_trip(port(), net::password_change_request(login, old_password, new_password));
    };
    EXPECT_EQ(change("ola", "wrong", "new"), "FALSE\r\n");
    EXPECT_EQ(change("ola", "old pw", "a#b"), "FALSE\r\n");
    EXPECT_EQ(change("ola", "old pw", "  "), "FALSE\r\n");
    EXPECT_EQ(request(net::Command::Log, {"ola", "old pw", "v1r2_55"}), "1#0#0#0#1#1#\r\n");
    // As typed: blanks around each field, which the program's login would trim.
    EXPECT_EQ(change(" ola", "old pw ", "new pw "), "TRUE\r\n");
    EXPECT_EQ(request(net::Command::Log, {"ola", "new pw", "v1r2_55"}), "1#0#0#0#1#1#\r\n");
    EXPECT_EQ(request(net::Command::Log, {"ola", "old pw", "v1r2_55"}), "0#0#0#0#1#1#\r\n");
}

TEST_P(ServerProtocol, PasswordWithHashSplitsNothingThatMatters) {
    add_learner(db(), "ola", "a#b#");
    const net::Credentials ola{"ola", "a#b#", "v1r2_55"};
    EXPECT_EQ(request(net::Command::Log, ola), "1#0#0#0#1#1#\r\n");
    EXPECT_EQ(request(net::Command::Log, {"ola", "a#b", "v1r2_55"}), "0#0#0#0#1#1#\r\n");
    const cw_Info r = record("tek_1", 40, 1);
    EXPECT_EQ(results_request(ola, r), "TRUE\r\n");
    EXPECT_EQ(request(net::Command::Gcw, ola), encode_cw_info(r));
    EXPECT_EQ(round_trip(port(), net::password_change_request("ola", "a#b#", "plain")), "TRUE\r\n");
    EXPECT_EQ(request(net::Command::Log, {"ola", "plain", "v1r2_55"}), "1#1#0#0#1#1#\r\n");
}

TEST_P(ServerProtocol, TenWrongPasswordsLockTheLoginUntilUnlocked) {
    add_learner(db(), "ola", "pw");
    add_learner(db(), "jan", "pw");
    const net::Credentials ola{"ola", "pw", "v1r2_55"};
    for (int i = 0; i < 10; ++i)
        ASSERT_EQ(request(net::Command::Log, {"ola", "wrong" + std::to_string(i), "v1r2_55"}),
                  "0#0#0#0#1#1#\r\n");
    EXPECT_EQ(request(net::Command::Log, ola), "0#0#0#0#1#1#\r\n");
    EXPECT_EQ(results_request(ola, record("tek_1", 40, 1)), "FALSE\r\n");
    EXPECT_EQ(request(net::Command::Log, {"jan", "pw", "v1r2_55"}), "1#0#0#0#1#1#\r\n");
    EXPECT_NE(server_log().find("ola locked out"), std::string::npos);
    const CommandResult unlock = run_command({"learner", "unlock", "--db", db(), "ola"});
    ASSERT_EQ(unlock.exit_code, 0) << unlock.err;
    EXPECT_EQ(request(net::Command::Log, ola), "1#0#0#0#1#1#\r\n");
}

TEST_P(ServerProtocol, PasswordSetByTheTeacherReplacesTheRememberedOne) {
    add_learner(db(), "ola", "first");
    const net::Credentials first{"ola", "first", "v1r2_55"};
    EXPECT_EQ(request(net::Command::Log, first), "1#0#0#0#1#1#\r\n");
    const CommandResult r = run_command({"learner", "passwd", "--db", db(), "ola"}, " second \n");
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(request(net::Command::Log, first), "0#0#0#0#1#1#\r\n");
    EXPECT_EQ(request(net::Command::Log, {"ola", "second", "v1r2_55"}), "1#0#0#0#1#1#\r\n");
}

TEST_P(ServerProtocol, LogHoldsNoPassword) {
    add_learner(db(), "ola", "Sekret-1");
    request(net::Command::Log, {"ola", "Sekret-1", "v1r2_55"});
    request(net::Command::Log, {"ola", "Sekret-2", "v1r2_55"});
    const std::string log = server_log();
    EXPECT_NE(log.find("LOG: ola"), std::string::npos) << log;
    EXPECT_EQ(log.find("Sekret"), std::string::npos) << log;
}

TEST_P(ServerProtocol, ServersSharingADatabaseAgreeOnPasswordsAndLockOuts) {
    add_learner(db(), "ola", "first");
    ServerProcess other(db());
    ASSERT_NE(other.port(), 0);
    const auto log_in = [](quint16 at, const char* password) {
        return round_trip(
            at, net::credentials_request(net::Command::Log, {"ola", password, "v1r2_55"}));
    };
    EXPECT_EQ(log_in(port(), "first"), "1#0#0#0#1#1#\r\n");
    // Changed through the other server: this one's remembered check is not used again.
    EXPECT_EQ(round_trip(other.port(), net::password_change_request("ola", "first", "second")),
              "TRUE\r\n");
    EXPECT_EQ(log_in(port(), "first"), "0#0#0#0#1#1#\r\n");
    EXPECT_EQ(log_in(port(), "second"), "1#0#0#0#1#1#\r\n");
    // Wrong passwords count together, whichever server they reach.
    for (int i = 0; i < 10; ++i)
        ASSERT_EQ(log_in(i % 2 ? port() : other.port(), "wrong"), "0#0#0#0#1#1#\r\n");
    EXPECT_EQ(log_in(port(), "second"), "0#0#0#0#1#1#\r\n");
    EXPECT_EQ(log_in(other.port(), "second"), "0#0#0#0#1#1#\r\n");
}

INSTANTIATE_TEST_SUITE_P(Db, ServerProtocol, testing::Values(Backend::Sqlite, Backend::Postgres),
                         [](const auto& info) { return backend_name(info.param); });

} // namespace
} // namespace vimo::server_test
