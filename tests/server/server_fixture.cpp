#include "server/server_fixture.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vimo::server_test {

namespace {

constexpr int kCeilingMs = 20'000;
std::atomic<int> g_databases{0};

QStringList qt_list(const std::vector<std::string>& words) {
    QStringList list;
    for (const std::string& w : words)
        list << QString::fromStdString(w);
    return list;
}

// Runs statements on the cluster's own "postgres" database.
void on_cluster(const std::string& statement) {
    const QString name = QString("vimo-test-admin-%1").arg(g_databases.fetch_add(1));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QPSQL", name);
        db.setHostName(QString::fromStdString(postgres_socket()));
        db.setUserName("postgres");
        db.setDatabaseName("postgres");
        if (!db.open())
            ADD_FAILURE() << "cannot reach the test cluster: "
                          << db.lastError().text().toStdString();
        QSqlQuery q(db);
        if (!q.exec(QString::fromStdString(statement)))
            ADD_FAILURE() << statement << ": " << q.lastError().text().toStdString();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

} // namespace

std::string backend_name(Backend backend) {
    return backend == Backend::Sqlite ? "Sqlite" : "Postgres";
}

std::string postgres_socket() {
    const char* socket = std::getenv("VIMO_TEST_PG_SOCKET");
    return socket ? socket : "";
}

TestDatabase::TestDatabase(Backend backend) : m_backend(backend), m_folder(m_folder_holder.path()) {
    if (backend == Backend::Sqlite) {
        m_argument = (m_folder + "/school.db").toStdString();
        return;
    }
    m_name =
        "vimo_test_" + std::to_string(::getpid()) + "_" + std::to_string(g_databases.fetch_add(1));
    on_cluster("CREATE DATABASE " + m_name);
    m_argument = "postgresql://postgres@localhost/" + m_name + "?host=" + postgres_socket();
}

TestDatabase::~TestDatabase() {
    if (m_backend == Backend::Postgres)
        on_cluster("DROP DATABASE IF EXISTS " + m_name + " WITH (FORCE)");
}

CommandResult run_command(const std::vector<std::string>& arguments, const std::string& input) {
    QProcess process;
    process.start(VIMO_SERVER_PROGRAM, qt_list(arguments));
    if (!process.waitForStarted(kCeilingMs)) return {};
    process.write(input.data(), static_cast<qint64>(input.size()));
    process.closeWriteChannel();
    if (!process.waitForFinished(120'000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

ServerProcess::ServerProcess(const std::string& database, const std::vector<std::string>& extra) {
    std::vector<std::string> args = {"serve", "--db", database, "--listen", "127.0.0.1:0"};
    args.insert(args.end(), extra.begin(), extra.end());
    m_process.setStandardErrorFile(m_log_folder.filePath("server.log"));
    m_process.start(VIMO_SERVER_PROGRAM, qt_list(args));
    if (!m_process.waitForStarted(kCeilingMs)) return;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kCeilingMs);
    QByteArray out;
    while (!out.contains('\n') && std::chrono::steady_clock::now() < deadline &&
           m_process.state() == QProcess::Running) {
        m_process.waitForReadyRead(200);
        out += m_process.readAllStandardOutput();
    }
    const QByteArray line = out.left(out.indexOf('\n'));
    if (!line.startsWith("listening on ")) {
        ADD_FAILURE() << "vimo-server did not start: " << line.toStdString() << log();
        return;
    }
    m_port = static_cast<quint16>(line.mid(line.lastIndexOf(':') + 1).toUInt());
}

ServerProcess::~ServerProcess() {
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

std::string ServerProcess::log() {
    QFile file(m_log_folder.filePath("server.log"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

int ServerProcess::terminate() {
    ::kill(static_cast<pid_t>(m_process.processId()), SIGTERM);
    if (!m_process.waitForFinished(kCeilingMs)) return -1;
    return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
}

void ServerProcess::kill_hard() {
    m_process.kill();
    m_process.waitForFinished(kCeilingMs);
}

int open_connection(quint16 port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

void close_connection(int fd) {
    if (fd >= 0) ::close(fd);
}

namespace {

bool send_all(int fd, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) return false;
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

// Reads until the server closes, or the ceiling passes (then nullopt).
std::optional<std::string> read_to_close(int fd, int ceiling_ms) {
    std::string got;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ceiling_ms);
    char buffer[65536];
    while (true) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              deadline - std::chrono::steady_clock::now())
                              .count();
        if (left <= 0) return std::nullopt;
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left)) <= 0) continue;
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n == 0) return got;
        if (n < 0) return errno == ECONNRESET ? std::optional<std::string>(got) : std::nullopt;
        got.append(buffer, static_cast<std::size_t>(n));
    }
}

} // namespace

std::string round_trip(quint16 port, const std::string& bytes, bool close_after_send) {
    const int fd = open_connection(port);
    if (fd < 0) return "<no connection>";
    const bool sent = send_all(fd, bytes);
    if (close_after_send) {
        ::close(fd);
        return sent ? "" : "<not sent>";
    }
    const std::optional<std::string> got = read_to_close(fd, kCeilingMs);
    ::close(fd);
    return got.value_or("<no close>");
}

bool closed_by_server(int fd, int ceiling_ms) {
    return read_to_close(fd, ceiling_ms).has_value();
}

void add_learner(const std::string& db, const std::string& login, const std::string& password,
                 const std::vector<std::string>& options) {
    std::vector<std::string> args = {"learner", "add", "--db", db, login};
    args.insert(args.end(), options.begin(), options.end());
    const CommandResult r = run_command(args, password + "\n");
    ASSERT_EQ(r.exit_code, 0) << r.err;
}

} // namespace vimo::server_test
