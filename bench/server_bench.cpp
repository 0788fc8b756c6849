// The school server on loopback: results requests per second, each on its own
// connection as the program sends them; their latency with 100 clients at once; 30
// learners logging in at once; the memory of 1000 idle connections. On SQLite, or on
// PostgreSQL when VIMO_BENCH_PG names a database URI (the database must exist).
//   build/bench/server_bench [--benchmark_filter=...]

#include "net/protocol.h"
#include "results/cw_info.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <benchmark/benchmark.h>
#include <chrono>
#include <fstream>
#include <netinet/in.h>
#include <string>
#include <sys/resource.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

int connect_to(quint16 port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
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

std::string round_trip(quint16 port, const std::string& request) {
    const int fd = connect_to(port);
    if (fd < 0) return {};
    ::send(fd, request.data(), request.size(), MSG_NOSIGNAL);
    std::string reply;
    char buffer[4096];
    for (ssize_t n; (n = ::recv(fd, buffer, sizeof buffer, 0)) > 0;)
        reply.append(buffer, static_cast<std::size_t>(n));
    ::close(fd);
    return reply;
}

// A server on a fresh database with `learners` learners "l0".. and password "pw".
class BenchServer {
public:
    explicit BenchServer(int learners) {
        const char* pg = std::getenv("VIMO_BENCH_PG");
        m_db = pg ? pg : m_folder.filePath("bench.db").toStdString();
        std::string csv;
        for (int i = 0; i < learners; ++i)
            csv += "l" + std::to_string(i) + ",L,c,pw\n";
        const std::string csv_path = m_folder.filePath("learners.csv").toStdString();
        std::ofstream(csv_path) << csv;
        run({"init", "--db", m_db});
        if (pg) reset_postgres();
        run({"learner", "import", "--db", m_db, csv_path, "--course", "v1r2_55"});
        m_process.setStandardErrorFile(QProcess::nullDevice());
        m_process.start(VIMO_SERVER_PROGRAM,
                        {"serve", "--db", QString::fromStdString(m_db), "--listen", "127.0.0.1:0"});
        m_process.waitForReadyRead(20'000);
        const QByteArray line = m_process.readLine();
        m_port = static_cast<quint16>(line.mid(line.lastIndexOf(':') + 1).trimmed().toUInt());
    }
    ~BenchServer() {
        m_process.terminate();
        m_process.waitForFinished(20'000);
    }
    quint16 port() const { return m_port; }
    qint64 pid() const { return m_process.processId(); }

private:
    static void run(const std::vector<std::string>& args) {
        QStringList list;
        for (const auto& a : args)
            list << QString::fromStdString(a);
        QProcess p;
        p.start(VIMO_SERVER_PROGRAM, list);
        p.closeWriteChannel();
        p.waitForFinished(120'000);
    }
    // A shared database keeps the learners of an earlier run; start from none.
    void reset_postgres() {
        QProcess p;
        p.start("psql", {QString::fromStdString(m_db), "-q", "-c",
                         "DELETE FROM result_records; DELETE FROM learners; DELETE FROM lessons"});
        p.waitForFinished(30'000);
    }

    QTemporaryDir m_folder;
    std::string m_db;
    QProcess m_process;
    quint16 m_port = 0;
};

std::string result_request(int learner, int item) {
    vimo::cw_Info r;
    r.name = "tek_" + std::to_string(item);
    r.kind = 40;
    r.level = 1;
    r.last_date = 46'000.5;
    r.time_of_day = 0.5;
    return vimo::net::results_request({"l" + std::to_string(learner), "pw", "v1r2_55"}, r);
}

// One RCW: after the first, each finds its password remembered.
void BM_ResultRequest(benchmark::State& state) {
    BenchServer server(1);
    round_trip(server.port(), result_request(0, 0));
    int item = 0;
    for (auto _ : state)
        if (round_trip(server.port(), result_request(0, ++item % 500)) != "TRUE\r\n")
            state.SkipWithError("a result was refused");
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ResultRequest)->Unit(benchmark::kMillisecond)->UseRealTime();

// 100 clients, each sending results for its own learner one after the other.
void BM_ResultRequests100Clients(benchmark::State& state) {
    constexpr int kClients = 100;
    constexpr int kEach = 40;
    BenchServer server(kClients);
    for (int c = 0; c < kClients; ++c)
        round_trip(server.port(), result_request(c, 0));
    std::vector<double> latencies;
    for (auto _ : state) {
        std::vector<std::vector<double>> per_client(kClients);
        std::vector<std::thread> clients;
        const auto start = Clock::now();
        for (int c = 0; c < kClients; ++c)
            clients.emplace_back([&, c] {
                for (int i = 0; i < kEach; ++i) {
                    const auto t = Clock::now();
                    round_trip(server.port(), result_request(c, i));
                    per_client[static_cast<std::size_t>(c)].push_back(
                        std::chrono::duration<double, std::milli>(Clock::now() - t).count());
                }
            });
        for (auto& t : clients)
            t.join();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        for (const auto& l : per_client)
            latencies.insert(latencies.end(), l.begin(), l.end());
    }
    std::sort(latencies.begin(), latencies.end());
    state.SetItemsProcessed(state.iterations() * kClients * kEach);
    state.counters["p50_ms"] = latencies[latencies.size() / 2];
    state.counters["p99_ms"] = latencies[latencies.size() * 99 / 100];
}
BENCHMARK(BM_ResultRequests100Clients)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(3);

// 30 learners log in at once, each password verified for the first time.
void BM_ThirtyLoginsAtOnce(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        BenchServer server(30);
        state.ResumeTiming();
        std::vector<std::thread> learners;
        std::atomic<int> accepted{0};
        for (int i = 0; i < 30; ++i)
            learners.emplace_back([&, i] {
                const auto reply = round_trip(
                    server.port(),
                    vimo::net::credentials_request(vimo::net::Command::Log,
                                                   {"l" + std::to_string(i), "pw", "v1r2_55"}));
                if (reply.starts_with("1#")) ++accepted;
            });
        for (auto& t : learners)
            t.join();
        if (accepted != 30) state.SkipWithError("a login was refused");
    }
}
BENCHMARK(BM_ThirtyLoginsAtOnce)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

long resident_kib(qint64 pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmRSS:")) return std::stol(line.substr(6));
    return 0;
}

// The server's resident memory with 1000 connections open that send nothing.
void BM_ThousandIdleConnections(benchmark::State& state) {
    for (auto _ : state) {
        BenchServer server(1);
        round_trip(server.port(), result_request(0, 0));
        std::vector<int> idle;
        for (int i = 0; i < 1000; ++i)
            idle.push_back(connect_to(server.port()));
        // The server has accepted them all once it answers a request after them.
        round_trip(server.port(), result_request(0, 1));
        state.counters["rss_mib"] = static_cast<double>(resident_kib(server.pid())) / 1024.0;
        state.counters["open"] = static_cast<double>(
            std::count_if(idle.begin(), idle.end(), [](int fd) { return fd >= 0; }));
        for (int fd : idle)
            ::close(fd);
    }
}
BENCHMARK(BM_ThousandIdleConnections)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // 1000 sockets and more: the soft limit of open files is 1024.
    rlimit limit{};
    getrlimit(RLIMIT_NOFILE, &limit);
    limit.rlim_cur = limit.rlim_max;
    setrlimit(RLIMIT_NOFILE, &limit);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
