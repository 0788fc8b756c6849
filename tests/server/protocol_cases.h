#pragma once
// A test on a fresh database and a running server, for each database backend, with
// the records and requests the protocol tests build on.

#include "core/dates.h"
#include "net/protocol.h"
#include "results/cw_info.h"
#include "server/server_fixture.h"

#include <chrono>
#include <gtest/gtest.h>
#include <memory>

namespace vimo::server_test {

class ServerProtocol : public testing::TestWithParam<Backend> {
protected:
    void SetUp() override;

    const std::string& db() const { return m_database->argument(); }
    quint16 port() const { return m_server->port(); }
    std::string server_log() { return m_server->log(); }
    ServerProcess& server() { return *m_server; }
    // Starts the server again on the same database (after a crash).
    void restart(const std::vector<std::string>& extra = {});

    std::string request(net::Command command, const net::Credentials& c) {
        return round_trip(port(), net::credentials_request(command, c));
    }
    std::string results_request(const net::Credentials& c, const cw_Info& r) {
        return round_trip(port(), net::results_request(c, r));
    }
    void upload_results(const net::Credentials& c, const std::string& file);
    // How many lines of the server's log hold `part`.
    std::size_t log_count(const std::string& part);
    // Waits until that count passes `before`; false when the ceiling passed first.
    bool wait_for_log(const std::string& part, std::size_t before);

    std::vector<std::string> m_server_options;

private:
    std::unique_ptr<TestDatabase> m_database;
    std::unique_ptr<ServerProcess> m_server;
};

// Sets the record's date and time as the results line carries them: to the second.
void at_time(cw_Info& r, std::chrono::year_month_day day, int hours, int minutes, int seconds);
// A record as the program builds it, dated 2026-01-10 08:30:00.
cw_Info record(const std::string& name, std::uint8_t kind, std::uint8_t key);
std::string file_of(const std::vector<cw_Info>& records);

} // namespace vimo::server_test
