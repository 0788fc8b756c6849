#include "server/connection.h"

#include "core/encoding.h"
#include "net/replies.h"
#include "server/server.h"

#include <QTcpSocket>

namespace vimo::server {

namespace {

constexpr qsizetype kMaxUploadBytes = static_cast<qsizetype>(net::kMaxUploadRecords * kCwInfoSize);

std::string as_string(const QByteArray& bytes) {
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::vector<net::PreparedLesson> prepared(const std::vector<Lesson>& lessons) {
    std::vector<net::PreparedLesson> out;
    for (const Lesson& lesson : lessons) {
        net::PreparedLesson p{utf8_to_cp1250(lesson.name), {}};
        for (const LessonItem& item : lesson.items)
            p.exercises.push_back({item.number, utf8_to_cp1250(item.title)});
        out.push_back(std::move(p));
    }
    return out;
}

} // namespace

Connection::Connection(Server& server, QTcpSocket* socket, quint64 id)
    : m_server(server), m_socket(socket), m_id(id),
      m_peer(QString("%1:%2").arg(socket->peerAddress().toString()).arg(socket->peerPort())) {
    m_socket->setParent(this);
    m_idle.setSingleShot(true);
    m_idle.setInterval(m_server.options().idle_seconds * 1000);
    connect(&m_idle, &QTimer::timeout, this, &Connection::idle);
    connect(m_socket, &QTcpSocket::readyRead, this, &Connection::read_available);
    connect(m_socket, &QTcpSocket::disconnected, this, &Connection::peer_closed);
    m_idle.start();
    // Bytes may have arrived before the signals were connected.
    if (m_socket->bytesAvailable() > 0)
        QMetaObject::invokeMethod(this, &Connection::read_available, Qt::QueuedConnection);
}

Connection::~Connection() {
    m_server.connection_gone(this);
}

std::string Connection::login_for_log() const {
    return m_request ? m_request->credentials.login : std::string();
}

void Connection::finish(std::string_view result) {
    if (m_done) return;
    m_done = true;
    m_idle.stop();
    const std::string_view command = m_request ? net::command_text(m_request->command) : "-";
    m_server.log(m_peer, command, login_for_log(), result);
    if (m_socket->state() == QAbstractSocket::ConnectedState) {
        // Closes once the reply is written; deleted when the close is done.
        connect(m_socket, &QTcpSocket::disconnected, this, &QObject::deleteLater);
        m_socket->disconnectFromHost();
        if (m_socket->state() == QAbstractSocket::UnconnectedState) deleteLater();
    } else {
        deleteLater();
    }
}

void Connection::drop(std::string_view reason) {
    if (m_done) return;
    m_socket->abort();
    finish(reason);
}

void Connection::answer(std::string_view reply, std::string_view result) {
    if (m_done) return;
    m_socket->write(reply.data(), static_cast<qint64>(reply.size()));
    finish(result);
}

void Connection::idle() {
    drop("closed: idle");
}

void Connection::read_available() {
    if (m_done) return;
    const bool uploading = m_request && m_request->command == net::Command::Pcw;
    if (!m_request || uploading) {
        m_buffer += m_socket->readAll();
        m_idle.start();
    } else {
        m_socket->readAll(); // nothing more is asked of a client after its request
    }
    if (!m_request)
        take_line();
    else if (uploading && m_buffer.size() > kMaxUploadBytes)
        drop("closed: upload over 2000 records");
}

void Connection::take_line() {
    const qsizetype end = m_buffer.indexOf("\r\n");
    if (end < 0) {
        if (m_buffer.size() > static_cast<qsizetype>(net::kMaxRequestLine) + 1)
            drop("closed: request line over 64 KiB");
        return;
    }
    if (end > static_cast<qsizetype>(net::kMaxRequestLine)) {
        drop("closed: request line over 64 KiB");
        return;
    }
    const std::string line = as_string(m_buffer.left(end));
    m_buffer.remove(0, end + 2);
    net::ParsedRequest parsed = net::parse_request(line);
    if (!parsed.request) {
        answer("FALSE\r\n", "refused: " + parsed.error.reason);
        return;
    }
    m_request = std::move(parsed.request);
    if (m_request->command == net::Command::Pcw) {
        if (m_buffer.size() > kMaxUploadBytes) {
            drop("closed: upload over 2000 records");
            return;
        }
    } else {
        m_buffer.clear();
    }
    m_idle.stop();
    if (m_request->command == net::Command::Chp &&
        (m_request->new_password.empty() ||
         m_request->new_password.find('#') != std::string::npos)) {
        answer("FALSE\r\n", "refused: a new password that is empty or holds #");
        return;
    }
    try {
        m_server.authenticate(this, m_request->credentials.login, m_request->credentials.password,
                              [this](Authentication a) { authenticated(std::move(a)); });
    } catch (const DatabaseError& e) {
        drop(std::string("database error: ") + e.what());
    }
}

void Connection::peer_closed() {
    if (m_done) return;
    if (m_request && m_request->command == net::Command::Pcw) {
        m_buffer += m_socket->readAll();
        if (m_buffer.size() > kMaxUploadBytes) {
            finish("closed: upload over 2000 records");
            return;
        }
        m_upload_ended = true;
        if (m_learner) store_upload();
        return;
    }
    if (!m_request) return finish("closed: no request line");
    // A change the client asked for is still made; a reply no one reads is not made.
    const bool changes =
        m_request->command == net::Command::Rcw || m_request->command == net::Command::Chp;
    if (!changes) finish("closed by the client before the reply");
}

void Connection::authenticated(Authentication a) {
    if (m_done) return;
    const bool answers_line = m_request->command == net::Command::Log ||
                              m_request->command == net::Command::Rcw ||
                              m_request->command == net::Command::Chp;
    if (a.outcome != Authentication::Accepted) {
        const char* result = a.outcome == Authentication::Locked
                                 ? "refused: locked out"
                                 : "refused: wrong login or password";
        if (m_request->command == net::Command::Log)
            answer(net::login_reply_line(net::LoginReply{}), result);
        else if (answers_line)
            answer("FALSE\r\n", result);
        else
            drop(result);
        return;
    }
    try {
        serve(*a.learner);
    } catch (const DatabaseError& e) {
        const std::string result = std::string("database error: ") + e.what();
        if (answers_line && m_request->command != net::Command::Log)
            answer("FALSE\r\n", result);
        else
            drop(result);
    }
}

void Connection::serve(const Learner& learner) {
    Database& db = m_server.database();
    const net::Request& request = *m_request;
    if (request.command == net::Command::Chp) {
        const std::int64_t id = learner.id;
        m_server.hash(this, request.new_password, [this, id](std::string hash) {
            if (hash.empty()) return answer("FALSE\r\n", "failed: no hash for the new password");
            try {
                m_server.database().set_password(id, hash);
                answer("TRUE\r\n", "password changed");
            } catch (const DatabaseError& e) {
                answer("FALSE\r\n", std::string("database error: ") + e.what());
            }
        });
        return;
    }
    const std::string& course = request.credentials.code;
    const std::optional<CourseAccess> access = db.access(learner.id, course);
    if (!access) {
        if (request.command == net::Command::Log) {
            net::LoginReply reply;
            reply.status = net::LoginReply::NoAccess;
            return answer(net::login_reply_line(reply), "no access to " + course);
        }
        if (request.command == net::Command::Rcw)
            return answer("FALSE\r\n", "no access to " + course);
        return drop("no access to " + course);
    }
    switch (request.command) {
    case net::Command::Log: {
        net::LoginReply reply;
        reply.status = net::LoginReply::Accepted;
        reply.has_results = db.has_results(learner.id, course);
        reply.typing = access->typing ? 1 : 0;
        reply.dictionary = access->dictionary ? 1 : 0;
        return answer(net::login_reply_line(reply),
                      reply.has_results ? "ok, results held" : "ok, no results");
    }
    case net::Command::Gcw: {
        std::string bytes;
        for (const std::string& record : db.results(learner.id, course))
            bytes += record;
        return answer(bytes, "sent " + std::to_string(bytes.size() / kCwInfoSize) + " records");
    }
    case net::Command::Gui:
        return finish("ok");
    case net::Command::Gil: {
        const auto lessons = db.lessons_of(learner);
        return answer(net::lessons_reply(prepared(lessons)),
                      "sent " + std::to_string(lessons.size()) + " lessons");
    }
    case net::Command::Rcw: {
        const ApplyOutcome outcome = db.apply_result(learner.id, course, request.record);
        if (outcome == ApplyOutcome::Full) return answer("FALSE\r\n", "refused: 2000 records held");
        return answer("TRUE\r\n",
                      outcome == ApplyOutcome::Updated ? "record updated" : "record added");
    }
    case net::Command::Pcw:
        m_learner = learner;
        m_idle.start();
        if (m_upload_ended) store_upload();
        return;
    case net::Command::Chp:
        return;
    }
}

void Connection::store_upload() {
    const std::string bytes = as_string(m_buffer);
    const std::optional<std::vector<cw_Info>> records = net::whole_results_file(bytes);
    if (!records) return finish("refused: the upload is no whole results file");
    std::vector<std::string> raw;
    for (std::size_t at = 0; at < bytes.size(); at += kCwInfoSize)
        raw.push_back(bytes.substr(at, kCwInfoSize));
    try {
        m_server.database().replace_results(m_learner->id, m_request->credentials.code, raw);
        finish("stored " + std::to_string(raw.size()) + " records");
    } catch (const DatabaseError& e) {
        finish(std::string("database error: ") + e.what());
    }
}

} // namespace vimo::server
