#include "server/protocol_cases.h"

#include "support/wait.h"

namespace vimo::server_test {

void ServerProtocol::SetUp() {
    if (GetParam() == Backend::Postgres && postgres_socket().empty())
        GTEST_SKIP() << "no PostgreSQL test cluster (./test.sh starts one)";
    m_database = std::make_unique<TestDatabase>(GetParam());
    const CommandResult init = run_command({"init", "--db", db()});
    ASSERT_EQ(init.exit_code, 0) << init.err;
    m_server = std::make_unique<ServerProcess>(db(), m_server_options);
    ASSERT_NE(m_server->port(), 0);
}

void ServerProtocol::restart(const std::vector<std::string>& extra) {
    m_server.reset();
    m_server = std::make_unique<ServerProcess>(db(), extra);
    ASSERT_NE(m_server->port(), 0);
}

std::size_t ServerProtocol::log_count(const std::string& part) {
    const std::string text = server_log();
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

bool ServerProtocol::wait_for_log(const std::string& part, std::size_t before) {
    return test::poll_until([&] { return log_count(part) > before; }, 20000, 5);
}

void ServerProtocol::upload_results(const net::Credentials& c, const std::string& file) {
    const std::size_t uploads_before = log_count(" PCW: ");
    EXPECT_EQ(round_trip(port(), net::credentials_request(net::Command::Pcw, c) + file, true), "");
    // The program closes after the last byte and reads nothing, so the upload is done
    // with when the server logs its outcome.
    EXPECT_TRUE(wait_for_log(" PCW: ", uploads_before)) << "the upload was never done with";
}

void at_time(cw_Info& r, std::chrono::year_month_day day, int hours, int minutes, int seconds) {
    r.time_of_day = ((hours * 60 + minutes) * 60 + seconds) / 86'400.0;
    r.last_date = day_number(day) + r.time_of_day;
}

cw_Info record(const std::string& name, std::uint8_t kind, std::uint8_t key) {
    using namespace std::chrono;
    cw_Info r;
    r.name = name;
    r.title = "Tytu\xb3 " + name;
    r.kind = kind;
    r.key = key;
    r.level = 2;
    r.group_id = "GR1";
    r.group_name = "Rozdzia\xb3 pierwszy";
    r.mode = 1;
    at_time(r, 2026y / 1 / 10, 8, 30, 0);
    return r;
}

std::string file_of(const std::vector<cw_Info>& records) {
    std::string bytes;
    for (const cw_Info& r : records)
        bytes += encode_cw_info(r);
    return bytes;
}

} // namespace vimo::server_test
