// The server under bad input, load, a hard kill and SIGTERM: it stays up, answers the
// valid requests right, and stored data change only by them.

#include "net/protocol.h"
#include "results/cw_info.h"
#include "server/protocol_cases.h"
#include "server/server_fixture.h"
#include "support/wait.h"

#include <atomic>
#include <gtest/gtest.h>
#include <map>
#include <mutex>
#include <poll.h>
#include <random>
#include <set>
#include <sys/socket.h>
#include <thread>

namespace vimo::server_test {
namespace {

const net::Credentials kOla{"ola", "pw", "v1r2_55"};

bool send_all(int fd, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) return false;
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

// The names of the records in a results file.
std::multiset<std::string> names_in(const std::string& file) {
    std::multiset<std::string> names;
    for (std::size_t at = 0; at + kCwInfoSize <= file.size(); at += kCwInfoSize)
        names.insert(decode_cw_info(file.substr(at, kCwInfoSize)).record.name);
    return names;
}

// Lines a broken or hostile client might send.
class BadLines {
public:
    explicit BadLines(unsigned seed) : m_random(seed) {}

    std::string next(int i) {
        switch (i % 8) {
        case 0:
            return random_bytes(1 + pick(200)) + "\r\n";
        case 1:
            return std::string("LOG:\0\xff\x01#", 8) + random_bytes(pick(40)) + "#v1r2_55#\r\n";
        case 2:
            return "RCW:ola#pw#v1r2_55#tek_1#T#40#1#2#2026-02-31#50#1#1#G##0#0#10-00-00#N#0##\r\n";
        case 3:
            return "RCW:ola#pw#v1r2_55#" + std::string(pick(16), '#') + "\r\n";
        case 4:
            return "LOG:ola#pw#v1r2_55"; // cut short: the client goes away
        case 5:
            return std::string("ZZZ:") + random_bytes(pick(30)) + "#\r\n";
        case 6:
            return "GCW:nobody#pw#v1r2_55#\r\n";
        default:
            return "PCW:nobody#pw#v1r2_55#\r\n" + random_bytes(pick(1200));
        }
    }

private:
    int pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(m_random); }
    std::string random_bytes(int n) {
        std::string bytes;
        for (int i = 0; i < n; ++i) {
            char c = static_cast<char>(pick(256));
            if (c == '\n') c = 'n';
            bytes += c;
        }
        return bytes;
    }
    std::mt19937 m_random;
};

class ServerUnderStress : public ServerProtocol {
protected:
    ServerUnderStress() { m_server_options = {"--idle-timeout", "1"}; }
};

TEST_P(ServerUnderStress, TenThousandBadRequestsChangeNothingTheValidOnesDo) {
    add_learner(db(), "ola", "pw");
    std::vector<cw_Info> expected;
    BadLines bad(19);
    // Idle and half-sent connections, held open while the rest goes on.
    std::vector<int> idle;
    for (int i = 0; i < 20; ++i) {
        idle.push_back(open_connection(port()));
        if (i % 2) send_all(idle.back(), "RCW:ola#pw#");
    }
    for (int i = 0; i < 10'000; ++i) {
        const std::string line = bad.next(i);
        // Cut-off lines, and requests of logins that do not exist, which the server
        // answers only after as long as a password check takes: sent, then left.
        const bool cut_short = i % 8 == 1 || i % 8 == 4 || i % 8 == 6 || i % 8 == 7;
        const std::string reply = round_trip(port(), line, cut_short);
        ASSERT_NE(reply, "<no connection>") << "the server went away at request " << i;
        if (i % 8 == 2 || i % 8 == 3) ASSERT_EQ(reply, "FALSE\r\n") << i;
        if (i % 100 == 0) {
            // A valid result: a new item, or again one sent before.
            cw_Info r = record("tek_" + std::to_string(i / 300), 40, 1);
            r.score = static_cast<std::uint8_t>(i % 101);
            r.count = i;
            ASSERT_EQ(results_request(kOla, r), "TRUE\r\n") << i;
            const auto same = std::find_if(expected.begin(), expected.end(),
                                           [&](const cw_Info& e) { return e.name == r.name; });
            if (same == expected.end())
                expected.push_back(r);
            else
                *same = r;
        }
        if (i % 2000 == 0) {
            // Over-long lines, with and without an end.
            const std::string huge(net::kMaxRequestLine + 10, 'A');
            round_trip(port(), "LOG:" + huge);
            round_trip(port(), "LOG:ola#" + huge + "#v1r2_55#\r\n");
        }
    }
    for (int fd : idle)
        EXPECT_TRUE(closed_by_server(fd)) << "an idle connection stayed open";
    for (int fd : idle)
        close_connection(fd);
    EXPECT_EQ(request(net::Command::Gcw, kOla), file_of(expected));
    EXPECT_EQ(request(net::Command::Log, kOla), "1#1#0#0#1#1#\r\n");
}

TEST_P(ServerUnderStress, FiveHundredConcurrentResultsAreAllKept) {
    add_learner(db(), "ola", "pw");
    constexpr int kClients = 500;
    std::vector<int> sockets;
    for (int i = 0; i < kClients; ++i) {
        sockets.push_back(open_connection(port()));
        ASSERT_GE(sockets.back(), 0) << i;
    }
    for (int i = 0; i < kClients; ++i)
        ASSERT_TRUE(
            send_all(sockets[static_cast<std::size_t>(i)],
                     net::results_request(kOla, record("zdn_" + std::to_string(i), '8', 0))));
    std::set<std::string> answered_true;
    for (int i = 0; i < kClients; ++i) {
        const int fd = sockets[static_cast<std::size_t>(i)];
        std::string reply;
        char buffer[64];
        pollfd p{fd, POLLIN, 0};
        while (::poll(&p, 1, 60'000) > 0) {
            const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
            if (n <= 0) break;
            reply.append(buffer, static_cast<std::size_t>(n));
        }
        close_connection(fd);
        EXPECT_EQ(reply, "TRUE\r\n") << i;
        if (reply == "TRUE\r\n") answered_true.insert("zdn_" + std::to_string(i));
    }
    const std::multiset<std::string> stored = names_in(request(net::Command::Gcw, kOla));
    EXPECT_EQ(stored.size(), static_cast<std::size_t>(kClients));
    for (const std::string& name : answered_true)
        EXPECT_EQ(stored.count(name), 1u) << name;
}

TEST_P(ServerUnderStress, AHardKillLosesNoAnsweredResultAndHalvesNoUpload) {
    add_learner(db(), "ola", "pw", {"--course", "v1r2_55", "--course", "v2r2_55"});
    const net::Credentials uploads{"ola", "pw", "v2r2_55"};
    // Whole uploads of 2000 records, each with its own mark in every title.
    const auto upload_of = [](int mark) {
        std::string file;
        for (int i = 0; i < 2000; ++i) {
            cw_Info r = record("tek_" + std::to_string(i), 40, static_cast<std::uint8_t>(i));
            r.title = "upload " + std::to_string(mark);
            file += encode_cw_info(r);
        }
        return file;
    };
    std::atomic<bool> stop{false};
    std::atomic<int> answered{0};
    std::atomic<int> uploads_sent{0};
    std::mutex mutex;
    std::vector<std::string> kept;
    const quint16 at = port();
    std::thread results([&] {
        for (int i = 0; !stop; ++i) {
            const std::string name = "rpg_" + std::to_string(i);
            if (round_trip(at, net::results_request(kOla, record(name, '6', 0))) != "TRUE\r\n")
                continue;
            const std::lock_guard lock(mutex);
            kept.push_back(name);
            ++answered;
        }
    });
    std::thread uploader([&] {
        // One upload at a time, each done with before the next, as one program sends them.
        for (int mark = 1; !stop; ++mark) {
            const std::size_t before = log_count(" PCW: ");
            round_trip(at, net::credentials_request(net::Command::Pcw, uploads) + upload_of(mark),
                       true);
            ++uploads_sent;
            test::poll_until([&] { return stop || log_count(" PCW: ") > before; }, 60000, 5);
        }
    });
    test::poll_until([&] { return answered >= 100 && uploads_sent >= 3; }, 60000, 5);
    server().kill_hard();
    stop = true;
    results.join();
    uploader.join();
    ASSERT_GE(answered, 100);

    restart();
    const std::multiset<std::string> stored = names_in(request(net::Command::Gcw, kOla));
    for (const std::string& name : kept)
        EXPECT_EQ(stored.count(name), 1u) << name;
    const std::string held = request(net::Command::Gcw, uploads);
    ASSERT_EQ(held.size(), 2000 * kCwInfoSize) << "an upload is missing or cut";
    const std::string mark = decode_cw_info(held.substr(0, kCwInfoSize)).record.title;
    for (std::size_t i = 0; i < 2000; ++i)
        ASSERT_EQ(decode_cw_info(held.substr(i * kCwInfoSize, kCwInfoSize)).record.title, mark)
            << i;
}

TEST_P(ServerUnderStress, SigtermFinishesTheRequestInFlightAndExitsZero) {
    add_learner(db(), "ola", "pw");
    add_learner(db(), "jan", "pw");
    const std::string file = file_of({record("tek_1", 40, 1), record("tek_2", 40, 2)});
    const int idle = open_connection(port());
    const int upload = open_connection(port());
    ASSERT_TRUE(
        send_all(upload, net::credentials_request(net::Command::Pcw, kOla) + file.substr(0, 700)));
    // The server serves connections in the order their bytes come: once a later
    // request is answered, the upload's first part has been read.
    EXPECT_EQ(request(net::Command::Log, {"jan", "pw", "v1r2_55"}), "1#0#0#0#1#1#\r\n");
    const int exit_code = [&] {
        std::thread finish([&] {
            // The rest of the upload comes after the signal.
            EXPECT_TRUE(closed_by_server(idle, 20'000));
            send_all(upload, file.substr(700));
            close_connection(upload);
        });
        const int code = server().terminate();
        finish.join();
        return code;
    }();
    close_connection(idle);
    EXPECT_EQ(exit_code, 0);
    restart();
    EXPECT_EQ(request(net::Command::Gcw, kOla), file);
}

INSTANTIATE_TEST_SUITE_P(Db, ServerUnderStress, testing::Values(Backend::Sqlite, Backend::Postgres),
                         [](const auto& info) { return backend_name(info.param); });

class ServerAtItsLimit : public ServerProtocol {
protected:
    ServerAtItsLimit() { m_server_options = {"--max-connections", "5"}; }
};

TEST_P(ServerAtItsLimit, ClosesConnectionsPastTheLimitAndServesTheOthers) {
    add_learner(db(), "ola", "pw");
    std::vector<int> held;
    for (int i = 0; i < 5; ++i)
        held.push_back(open_connection(port()));
    EXPECT_EQ(request(net::Command::Log, kOla), "");
    for (int fd : held)
        close_connection(fd);
    std::string reply;
    test::poll_until([&] { return !(reply = request(net::Command::Log, kOla)).empty(); }, 20000, 5);
    EXPECT_EQ(reply, "1#0#0#0#1#1#\r\n");
    EXPECT_NE(server_log().find("refused: too many connections"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Db, ServerAtItsLimit, testing::Values(Backend::Sqlite),
                         [](const auto& info) { return backend_name(info.param); });

} // namespace
} // namespace vimo::server_test
