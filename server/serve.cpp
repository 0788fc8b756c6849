#include "server/serve.h"

#include "server/arguments.h"
#include "server/server.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vimo::server {

namespace {

int g_signal_pipe[2] = {-1, -1};

void on_signal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signal_pipe[1], &byte, 1);
}

// The soft limit of open files is 1024 by default, fewer than the connections the
// server takes at once; the hard limit is what the system allows this process.
void raise_open_file_limit() {
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur >= limit.rlim_max) return;
    limit.rlim_cur = limit.rlim_max;
    setrlimit(RLIMIT_NOFILE, &limit);
}

void parse_listen(const std::string& text, ServeOptions& options) {
    const std::size_t colon = text.rfind(':');
    if (colon == std::string::npos) throw CommandError("--listen takes ADDR:PORT");
    const QHostAddress address(QString::fromStdString(text.substr(0, colon)));
    bool ok = false;
    const uint port = QString::fromStdString(text.substr(colon + 1)).toUInt(&ok);
    if (address.isNull() || !ok || port > 65535)
        throw CommandError("--listen takes ADDR:PORT, not " + text);
    options.address = address;
    options.port = static_cast<quint16>(port);
}

int positive(const std::string& text, const char* option) {
    bool ok = false;
    const int value = QString::fromStdString(text).toInt(&ok);
    if (!ok || value <= 0) throw CommandError(std::string(option) + " takes a positive number");
    return value;
}

} // namespace

int run_serve(const std::vector<std::string>& words) {
    const Arguments args(words, {"--db", "--listen", "--idle-timeout", "--max-connections"}, {});
    if (args.words().size() != 1)
        throw CommandError("usage: vimo-server serve --db DB [--listen ADDR:PORT]");
    ServeOptions options;
    if (const auto listen = args.value("--listen")) parse_listen(*listen, options);
    if (const auto idle = args.value("--idle-timeout"))
        options.idle_seconds = positive(*idle, "--idle-timeout");
    if (const auto most = args.value("--max-connections"))
        options.max_connections = positive(*most, "--max-connections");
    raise_open_file_limit();

    Database database(QString::fromStdString(args.required("--db")));
    Server server(database, options);
    QString error;
    if (!server.listen(error)) throw CommandError("cannot listen: " + error.toStdString());

    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signal_pipe) != 0)
        throw CommandError("cannot watch for signals");
    QSocketNotifier notifier(g_signal_pipe[0], QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, &server, [&] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(g_signal_pipe[0], &byte, 1);
        server.shut_down();
    });
    QObject::connect(&server, &Server::finished, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    struct sigaction action {};
    action.sa_handler = on_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    std::printf("listening on %s\n", server.listening_on().toUtf8().constData());
    std::fflush(stdout);
    QCoreApplication::exec();
    return 0;
}

} // namespace vimo::server
