#pragma once
// The school server under test: the real vimo-server process on loopback, on a fresh
// database of its own (a SQLite file, or a database made for the test in the private
// PostgreSQL cluster that the test script starts), and a plain-socket client that
// speaks the protocol with the code of src/net/.

#include "net/protocol.h"

#include <QProcess>
#include <QTemporaryDir>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vimo::server_test {

enum class Backend { Sqlite, Postgres };
std::string backend_name(Backend backend);

// The socket folder of the test cluster (VIMO_TEST_PG_SOCKET), empty when none runs.
std::string postgres_socket();

// A database for one test; a PostgreSQL one is dropped again at the end.
class TestDatabase {
public:
    explicit TestDatabase(Backend backend);
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    // The DB argument of vimo-server.
    const std::string& argument() const { return m_argument; }
    const QString& folder() const { return m_folder; }

private:
    Backend m_backend;
    QTemporaryDir m_folder_holder;
    QString m_folder;
    std::string m_name;
    std::string m_argument;
};

struct CommandResult {
    int exit_code = -1;
    std::string out;
    std::string err;
};
// Runs vimo-server with these arguments and standard input, to its end.
CommandResult run_command(const std::vector<std::string>& arguments, const std::string& input = {});

// A running `vimo-server serve`.
class ServerProcess {
public:
    ServerProcess(const std::string& database, const std::vector<std::string>& extra = {});
    ~ServerProcess();

    quint16 port() const { return m_port; }
    bool running() const { return m_process.state() == QProcess::Running; }
    // SIGTERM, then the exit code (-1 when it did not end within the ceiling).
    int terminate();
    void kill_hard();
    // Standard error so far (kept in a file, so that a busy server never waits on a pipe).
    std::string log();

private:
    QTemporaryDir m_log_folder;
    QProcess m_process;
    quint16 m_port = 0;
};

// One request on a connection of its own: sends `bytes`, then reads until the server
// closes. `close_after_send` ends the connection after sending, as a PCW: upload does.
std::string round_trip(quint16 port, const std::string& bytes, bool close_after_send = false);
// A connected socket that sends nothing yet; -1 when it cannot connect.
int open_connection(quint16 port);
// Whether the server closed this socket within the ceiling (reads and drops what comes).
bool closed_by_server(int fd, int ceiling_ms = 10'000);
void close_connection(int fd);

// Adds a learner with access to `course` (and more options) through the command line.
void add_learner(const std::string& db, const std::string& login, const std::string& password,
                 const std::vector<std::string>& options = {"--course", "v1r2_55"});

} // namespace vimo::server_test
