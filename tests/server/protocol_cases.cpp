#include "server/protocol_cases.h"

#include <sys/socket.h>

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

void ServerProtocol::upload_results(const net::Credentials& c, const std::string& file) {
    const int fd = open_connection(port());
    ASSERT_GE(fd, 0);
    const std::string bytes = net::credentials_request(net::Command::Pcw, c) + file;
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) break;
        sent += static_cast<std::size_t>(n);
    }
    // The program closes after the last byte; the server stores the upload and closes
    // its side, which tells the test the upload is done with.
    ::shutdown(fd, SHUT_WR);
    EXPECT_TRUE(closed_by_server(fd));
    close_connection(fd);
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
