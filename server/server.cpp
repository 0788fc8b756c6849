#include "server/server.h"

#include "server/connection.h"

#include <QDateTime>
#include <QTcpSocket>
#include <QTimer>
#include <chrono>
#include <cstdio>

namespace vimo::server {

namespace {

std::int64_t now_seconds() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// Logins and commands as they may be put into a log line: printable ASCII, at most 64
// characters; whatever else a client sent shows as "?".
std::string printable(std::string_view text) {
    if (text.empty()) return "-";
    std::string out;
    for (const char c : text.substr(0, 64))
        out += (c > ' ' && c < 0x7f) ? c : '?';
    return out;
}

} // namespace

Server::Server(Database& database, ServeOptions options, QObject* parent)
    : QObject(parent), m_database(database), m_options(options) {
    m_pool.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
    const std::string decoy = hash_password("a password of no learner");
    const auto start = std::chrono::steady_clock::now();
    verify_password(decoy, "another password");
    m_unknown_login_delay = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    m_listener.setMaxPendingConnections(m_options.max_connections);
    m_listener.setListenBacklogSize(1024);
    connect(&m_listener, &QTcpServer::newConnection, this, &Server::accept_pending);
}

Server::~Server() {
    m_pool.waitForDone();
    const auto connections = m_connections.values();
    for (Connection* c : connections)
        delete c;
}

bool Server::listen(QString& error) {
    if (m_listener.listen(m_options.address, m_options.port)) return true;
    error = m_listener.errorString();
    return false;
}

QString Server::listening_on() const {
    return QString("%1:%2").arg(m_listener.serverAddress().toString()).arg(m_listener.serverPort());
}

void Server::accept_pending() {
    while (QTcpSocket* socket = m_listener.nextPendingConnection()) {
        if (m_shutting_down || m_connections.size() >= m_options.max_connections) {
            log(QString("%1:%2").arg(socket->peerAddress().toString()).arg(socket->peerPort()), "-",
                "-", m_shutting_down ? "refused: shutting down" : "refused: too many connections");
            socket->abort();
            socket->deleteLater();
            continue;
        }
        const quint64 id = m_next_id++;
        m_connections.insert(id, new Connection(*this, socket, id));
    }
}

void Server::connection_gone(Connection* connection) {
    m_connections.remove(connection->id());
    check_finished();
}

void Server::shut_down() {
    m_shutting_down = true;
    m_listener.close();
    const auto connections = m_connections.values();
    for (Connection* c : connections)
        if (!c->in_flight()) c->drop("closed: shutting down");
    check_finished();
}

void Server::check_finished() {
    if (m_shutting_down && m_connections.isEmpty()) emit finished();
}

template <typename Result>
void Server::in_pool(Connection* connection, std::function<Result()> work,
                     std::function<void(Result)> then) {
    const quint64 id = connection->id();
    m_pool.start([this, id, work = std::move(work), then = std::move(then)]() mutable {
        Result result = work();
        QMetaObject::invokeMethod(
            this,
            [this, id, result = std::move(result), then = std::move(then)]() mutable {
                if (m_connections.contains(id)) then(std::move(result));
            },
            Qt::QueuedConnection);
    });
}

template <typename Result>
void Server::in_pool(std::function<Result()> work, std::function<void(Result)> then) {
    m_pool.start([this, work = std::move(work), then = std::move(then)]() mutable {
        Result result = work();
        QMetaObject::invokeMethod(
            this,
            [result = std::move(result), then = std::move(then)]() mutable {
                then(std::move(result));
            },
            Qt::QueuedConnection);
    });
}

void Server::authenticate(Connection* connection, const std::string& login,
                          const std::string& password, std::function<void(Authentication)> done) {
    const std::optional<Learner> learner = m_database.learner(login);
    if (learner && learner->locked_until > now_seconds()) {
        done({Authentication::Locked, std::nullopt});
        return;
    }
    const auto now = VerifiedCache::Clock::now();
    if (learner && m_cache.contains(login, password, learner->password_hash, now)) {
        done({Authentication::Accepted, learner});
        return;
    }
    const quint64 id = connection->id();
    auto waiter = [this, id, done = std::move(done)](Authentication a) {
        if (m_connections.contains(id)) done(std::move(a));
    };
    if (!learner) {
        QTimer::singleShot(m_unknown_login_delay, this, [waiter] {
            waiter({Authentication::Refused, std::nullopt});
        });
        return;
    }
    const std::string hash = learner->password_hash;
    const QByteArray key = m_cache.entry_key(login, password, hash);
    const auto waiting = m_verifying.find(key);
    if (waiting != m_verifying.end()) {
        waiting->push_back(std::move(waiter));
        return;
    }
    m_verifying.insert(key, {std::move(waiter)});
    in_pool<bool>([hash, password] { return verify_password(hash, password); },
                  [this, key, login, password, learner](bool verified) {
                      Authentication a;
                      try {
                          a = finish_authentication(login, password, learner, verified);
                      } catch (const DatabaseError& e) {
                          log("-", "-", login, std::string("database error: ") + e.what());
                      }
                      const auto waiters = m_verifying.take(key);
                      for (const auto& w : waiters)
                          w(a);
                  });
}

Authentication Server::finish_authentication(const std::string& login, const std::string& password,
                                             const std::optional<Learner>& learner, bool verified) {
    if (verified) {
        m_cache.remember(login, password, learner->password_hash, VerifiedCache::Clock::now());
        m_database.clear_failures(learner->id);
        return {Authentication::Accepted, learner};
    }
    const int failures = m_database.count_failure(learner->id, now_seconds(), kFailureWindowSeconds,
                                                  kFailureLimit, kLockSeconds);
    if (failures == 0)
        log("-", "-", login,
            "locked out for " + std::to_string(kLockSeconds / 60) + " minutes after " +
                std::to_string(kFailureLimit) + " wrong passwords");
    return {Authentication::Refused, std::nullopt};
}

void Server::hash(Connection* connection, const std::string& password,
                  std::function<void(std::string)> done) {
    in_pool<std::string>(
        connection,
        [password]() -> std::string {
            try {
                return hash_password(password);
            } catch (const std::exception&) {
                return {};
            }
        },
        std::move(done));
}

void Server::log(const QString& peer, std::string_view command, std::string_view login,
                 std::string_view result) const {
    const QByteArray time = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs).toUtf8();
    std::fprintf(stderr, "%s %s %s %s %.*s\n", time.constData(), peer.toUtf8().constData(),
                 printable(command).c_str(), printable(login).c_str(),
                 static_cast<int>(result.size()), result.data());
}

} // namespace vimo::server
