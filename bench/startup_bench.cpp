// How long the program takes to put its first window on the screen, against a bare Qt
// window: runs both alternately on an X server and times each from process start to
// the X server's MapNotify of the first top-level window that process owns.
// Usage: startup_bench [--runs N] [--program PATH]   (needs DISPLAY)
#include "capacity_course.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <vector>
#include <xcb/xcb.h>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// A program that has shown nothing by then is taken as hung.
constexpr auto window_timeout = 30s;

template <typename T> using XcbReply = std::unique_ptr<T, decltype(&std::free)>;

XcbReply<xcb_generic_event_t> next_event(xcb_connection_t* connection) {
    return {xcb_poll_for_event(connection), &std::free};
}

// Watches the root window for its children being mapped. Without a window manager
// Qt's top-level windows are such children, so their MapNotify is the moment they
// appear on the screen.
class MapWatcher {
public:
    MapWatcher() : m_connection(xcb_connect(nullptr, nullptr), &xcb_disconnect) {
        if (xcb_connection_has_error(m_connection.get()))
            throw std::runtime_error("cannot connect to the X server");
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection())).data;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection(), screen->root, XCB_CW_EVENT_MASK, &mask);
        m_pid_atom = intern_atom("_NET_WM_PID");
    }

    // Drops what earlier runs left queued; the round trip makes sure it has arrived.
    void drain() {
        XcbReply<xcb_get_input_focus_reply_t> sync(
            xcb_get_input_focus_reply(connection(), xcb_get_input_focus(connection()), nullptr),
            &std::free);
        while (next_event(connection())) {
        }
    }

    // When the first window of process was mapped; nothing when the process ended or
    // the deadline passed first.
    std::optional<Clock::time_point> wait_for_map(QProcess& process, Clock::time_point deadline) {
        const auto pid = static_cast<uint32_t>(process.processId());
        while (Clock::now() < deadline) {
            while (const auto event = next_event(connection())) {
                const Clock::time_point arrived = Clock::now();
                if ((event->response_type & 0x7F) != XCB_MAP_NOTIFY) continue;
                const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
                if (window_pid(map->window) == pid) return arrived;
            }
            if (xcb_connection_has_error(connection()))
                throw std::runtime_error("lost the connection to the X server");
            if (process.waitForFinished(0)) return std::nullopt;
            pollfd descriptor{xcb_get_file_descriptor(connection()), POLLIN, 0};
            poll(&descriptor, 1, 20);
        }
        return std::nullopt;
    }

private:
    xcb_connection_t* connection() const { return m_connection.get(); }

    xcb_atom_t intern_atom(const std::string& name) {
        const xcb_intern_atom_cookie_t cookie =
            xcb_intern_atom(connection(), 0, static_cast<uint16_t>(name.size()), name.data());
        const XcbReply<xcb_intern_atom_reply_t> reply(
            xcb_intern_atom_reply(connection(), cookie, nullptr), &std::free);
        if (!reply) throw std::runtime_error("cannot look up the atom " + name);
        return reply->atom;
    }

    // Qt marks every window it creates with its process id; a window of an earlier run
    // (or one already gone) gives another value or none.
    std::optional<uint32_t> window_pid(xcb_window_t window) {
        const xcb_get_property_cookie_t cookie =
            xcb_get_property(connection(), 0, window, m_pid_atom, XCB_ATOM_CARDINAL, 0, 1);
        const XcbReply<xcb_get_property_reply_t> reply(
            xcb_get_property_reply(connection(), cookie, nullptr), &std::free);
        if (!reply || xcb_get_property_value_length(reply.get()) != 4) return std::nullopt;
        return *static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    }

    std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> m_connection;
    xcb_atom_t m_pid_atom = XCB_ATOM_NONE;
};

// Milliseconds from starting program to its first mapped window; the process is
// killed afterwards so the next run starts on an empty screen.
double time_first_window(MapWatcher& watcher, const QString& program,
                         const QStringList& arguments) {
    watcher.drain();
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "xcb");
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);

    const Clock::time_point start = Clock::now();
    process.start(program, arguments);
    if (!process.waitForStarted())
        throw std::runtime_error(program.toStdString() + ": " +
                                 process.errorString().toStdString());
    const std::optional<Clock::time_point> mapped =
        watcher.wait_for_map(process, start + window_timeout);
    process.kill();
    process.waitForFinished();
    if (!mapped)
        throw std::runtime_error(program.toStdString() + " showed no window (it ended or hung)");
    return std::chrono::duration<double, std::milli>(*mapped - start).count();
}

// The capacity course with one learner, so that the program starts as at a school
// that already uses it.
void write_course(const QString& root) {
    vimo::write_capacity_course(root.toStdString() + "/");
    QFile learners(root + "/usr.t");
    if (!learners.open(QIODevice::WriteOnly) || learners.write("1=Ewa\r\n") < 0)
        throw std::runtime_error("cannot write " + learners.fileName().toStdString());
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    if (values.size() % 2 == 1) return values[middle];
    return (values[middle - 1] + values[middle]) / 2;
}

struct Options {
    int runs = 0;
    QString program;
};

Options parse_options(const QCoreApplication& application) {
    QCommandLineParser parser;
    parser.setApplicationDescription("Time to the first window: the program against a bare "
                                     "Qt window, on the capacity course.");
    parser.addHelpOption();
    const QCommandLineOption runs("runs", "Runs of each (default 11).", "N", "11");
    const QCommandLineOption program("program", "The program to start.", "PATH", VIMO_PROGRAM_PATH);
    parser.addOptions({runs, program});
    parser.process(application);

    Options options;
    bool is_number = false;
    options.runs = parser.value(runs).toInt(&is_number);
    if (!is_number || options.runs < 1) parser.showHelp(2);
    options.program = parser.value(program);
    return options;
}

void compare(const Options& options) {
    const QTemporaryDir folder;
    if (!folder.isValid())
        throw std::runtime_error("no temporary folder: " + folder.errorString().toStdString());
    write_course(folder.path());
    const QStringList program_arguments{"--course-root", folder.path()};

    MapWatcher watcher;
    std::vector<double> bare;
    std::vector<double> program;
    for (int run = 1; run <= options.runs; ++run) {
        bare.push_back(time_first_window(watcher, VIMO_BARE_WINDOW_PATH, {}));
        program.push_back(time_first_window(watcher, options.program, program_arguments));
        std::printf("run %2d: bare %6.1f ms, program %6.1f ms\n", run, bare.back(), program.back());
        std::fflush(stdout);
    }
    const double bare_median = median(bare);
    const double program_median = median(program);
    std::printf("first window: bare %.0f ms, program %.0f ms, ratio %.1f (median of %d "
                "alternating runs)\n",
                bare_median, program_median, program_median / bare_median, options.runs);
}

} // namespace

int main(int argc, char** argv) {
    const QCoreApplication application(argc, argv);
    const Options options = parse_options(application);
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "startup_bench needs an X server: set DISPLAY "
                             "(scripts/startup_bench.sh starts a private one)\n");
        return 2;
    }
    try {
        compare(options);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "startup_bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
