#pragma once
// One accepted socket: reads one request line, has it authenticated, does what it
// asks, answers and closes. Bad input closes it with nothing changed.

#include "net/protocol.h"
#include "server/database.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <optional>

class QTcpSocket;

namespace vimo::server {

class Server;
struct Authentication;

class Connection : public QObject {
    Q_OBJECT
public:
    Connection(Server& server, QTcpSocket* socket, quint64 id);
    ~Connection() override;

    quint64 id() const { return m_id; }
    // Whether a whole request has arrived; a shutdown lets these finish.
    bool in_flight() const { return m_request.has_value(); }
    // Closes at once, with nothing more sent.
    void drop(std::string_view reason);

private:
    void read_available();
    void take_line();
    void peer_closed();
    void idle();
    void authenticated(Authentication authentication);
    void serve(const Learner& learner);
    void store_upload();
    void answer(std::string_view reply, std::string_view result);
    void finish(std::string_view result);
    std::string login_for_log() const;

    Server& m_server;
    QTcpSocket* m_socket = nullptr; // child of this
    quint64 m_id = 0;
    QString m_peer;
    QTimer m_idle;
    QByteArray m_buffer;
    std::optional<net::Request> m_request;
    std::optional<Learner> m_learner; // once accepted
    bool m_upload_ended = false;
    bool m_done = false;
};

} // namespace vimo::server
