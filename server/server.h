#pragma once
// vimo-server serve: one TCP listener, one Connection per accepted socket, all on one
// thread; the database is used from that thread only. Argon2id verifications and
// hashes run in a pool of at most as many threads as cores, so a login never stalls
// the other connections.

#include "net/protocol.h"
#include "server/database.h"
#include "server/passwords.h"

#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QTcpServer>
#include <QThreadPool>
#include <chrono>
#include <functional>
#include <optional>
#include <string>

namespace vimo::server {

class Connection;

struct ServeOptions {
    QHostAddress address = QHostAddress::AnyIPv4;
    quint16 port = net::kDefaultPort;
    int idle_seconds = 30;
    int max_connections = 1000;
};

// What a request's login and password came to.
struct Authentication {
    enum Outcome { Accepted, Refused, Locked } outcome = Refused;
    std::optional<Learner> learner; // Accepted only
};

// The lock-out rule: this many wrong passwords within the window lock the login.
inline constexpr int kFailureLimit = 10;
inline constexpr int kFailureWindowSeconds = 10 * 60;
inline constexpr int kLockSeconds = 5 * 60;

class Server : public QObject {
    Q_OBJECT
public:
    Server(Database& database, ServeOptions options, QObject* parent = nullptr);
    ~Server() override;

    // False, with the reason, when the address cannot be bound.
    bool listen(QString& error);
    QString listening_on() const;
    // Stops accepting, closes the connections that sent no request yet, and emits
    // finished() once the requests in flight are done.
    void shut_down();

    Database& database() { return m_database; }
    const ServeOptions& options() const { return m_options; }

    // Checks the password of a request; `done` runs later on this thread, unless the
    // connection is gone by then.
    void authenticate(Connection* connection, const std::string& login, const std::string& password,
                      std::function<void(Authentication)> done);
    // Hashes a new password in the pool; `done` gets the hash (empty on failure).
    void hash(Connection* connection, const std::string& password,
              std::function<void(std::string)> done);

    // One line on standard error per connection outcome.
    void log(const QString& peer, std::string_view command, std::string_view login,
             std::string_view result) const;

    void connection_gone(Connection* connection);

signals:
    void finished();

private:
    void accept_pending();
    Authentication finish_authentication(const std::string& login, const std::string& password,
                                         const std::optional<Learner>& learner, bool verified);
    // Runs `work` in the pool and `then` on this thread afterwards, if `connection` is
    // still there.
    template <typename Result>
    void in_pool(Connection* connection, std::function<Result()> work,
                 std::function<void(Result)> then);
    // The same for work whose result matters after its connection is gone.
    template <typename Result>
    void in_pool(std::function<Result()> work, std::function<void(Result)> then);
    void check_finished();

    Database& m_database;
    ServeOptions m_options;
    QTcpServer m_listener;
    QThreadPool m_pool;
    VerifiedCache m_cache;
    // An unknown login is answered after as long as a verification takes, so that the
    // time of a reply does not tell which logins exist; waiting costs no core.
    std::chrono::milliseconds m_unknown_login_delay{0};
    // Verifications under way, by cache key, with everyone waiting for each: a burst
    // of requests with one password costs one verification.
    QHash<QByteArray, std::vector<std::function<void(Authentication)>>> m_verifying;
    QHash<quint64, Connection*> m_connections;
    quint64 m_next_id = 1;
    bool m_shutting_down = false;
};

} // namespace vimo::server
