#pragma once
// Driving the program under the X server that the test script starts: xdotool for
// the pointer, the keys and the program's windows, ImageMagick's import for what is
// on the screen. Every step waits for what it needs to see on the screen; the X
// server delivers clicks and keys in order, so steps within one window need no wait.

#include "support/wait.h"

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <functional>

namespace vimo::test {

// Generous: a loaded machine may take seconds to start the program or open a window.
inline constexpr int kWindowTimeoutMs = 20000;
inline constexpr int kPollStepMs = 50;

inline QString run(const QString& program, const QStringList& arguments,
                   QByteArray* output = nullptr) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(20000);
    const QByteArray out = process.readAllStandardOutput();
    if (output) *output = out;
    return QString::fromUtf8(out).trimmed();
}

inline QString xdotool(const QStringList& arguments) {
    return run("xdotool", arguments);
}

// The X server moves the pointer before it presses the button, so nothing waits for
// the move (mousemove --sync waits for a motion that never comes when the pointer is
// already there).
inline void click_at(int x, int y) {
    xdotool({"mousemove", QString::number(x), QString::number(y), "click", "1"});
}

inline void key(const QString& name) {
    xdotool({"key", name});
}

inline bool poll(const std::function<bool()>& condition) {
    return wait_until(condition, kWindowTimeoutMs, kPollStepMs);
}

// The X ids of the program's windows that are on the screen (mapped).
inline QStringList shown_windows(const QProcess& program) {
    return xdotool({"search", "--onlyvisible", "--pid", QString::number(program.processId())})
        .split('\n', Qt::SkipEmptyParts);
}

inline QSize window_size(const QString& window) {
    static const QRegularExpression geometry("Geometry: (\\d+)x(\\d+)");
    const QRegularExpressionMatch match = geometry.match(xdotool({"getwindowgeometry", window}));
    if (!match.hasMatch()) return {};
    return {match.captured(1).toInt(), match.captured(2).toInt()};
}

inline QPoint window_position(const QString& window) {
    static const QRegularExpression position("Position: (-?\\d+),(-?\\d+)");
    const QRegularExpressionMatch match = position.match(xdotool({"getwindowgeometry", window}));
    if (!match.hasMatch()) return {};
    return {match.captured(1).toInt(), match.captured(2).toInt()};
}

// Waits until a window of the program of this size that is not among before is on the
// screen; its id, or an empty string when none came.
inline QString wait_for_new_window(const QProcess& program, QSize size,
                                   const QStringList& before = {}) {
    QString found;
    poll([&] {
        for (const QString& window : shown_windows(program)) {
            if (before.contains(window) || window_size(window) != size) continue;
            found = window;
            return true;
        }
        return false;
    });
    return found;
}

// Runs action and waits for the window of this size that it opens.
inline QString opened_by(const QProcess& program, QSize size, const std::function<void()>& action) {
    const QStringList before = shown_windows(program);
    action();
    return wait_for_new_window(program, size, before);
}

inline bool wait_until_gone(const QProcess& program, const QString& window) {
    return poll([&] { return !shown_windows(program).contains(window); });
}

// The top-level window under the pointer.
inline QString pointer_window() {
    static const QRegularExpression window("^WINDOW=(\\d+)$", QRegularExpression::MultilineOption);
    return window.match(xdotool({"getmouselocation", "--shell"})).captured(1);
}

// Waits until the next keys go to window: it has the focus, or none of the program's
// windows has it (a hidden window handed it back to the screen) and the X server gives
// the keys to the window under the pointer.
inline bool wait_for_keys(const QProcess& program, const QString& window) {
    return poll([&] {
        const QString focus = xdotool({"getwindowfocus", "-f"});
        if (focus == window) return true;
        return !shown_windows(program).contains(focus) && pointer_window() == window;
    });
}

inline QImage screen() {
    QByteArray png;
    run("import", {"-window", "root", "png:-"}, &png);
    return QImage::fromData(png, "PNG");
}

// What region shows once it differs from unlike (what was there before a window
// opened) and has stopped changing, that is, once the window has been painted; a null
// image when it never settles.
inline QImage settled_picture(QRect region, const QImage& unlike) {
    QImage last;
    QImage settled;
    poll([&] {
        const QImage now = screen().copy(region);
        if (!now.isNull() && now != unlike && now == last) settled = now;
        last = now;
        return !settled.isNull();
    });
    return settled;
}

// Waits until region shows something other than before.
inline bool picture_changes(QRect region, const QImage& before) {
    return poll([&] {
        const QImage now = screen().copy(region);
        return !now.isNull() && now != before;
    });
}

// The top-left corner of a window centred on the 1024x768 screen.
inline QPoint centred(QSize window) {
    return {(1024 - window.width()) / 2, (768 - window.height()) / 2};
}

inline constexpr QSize kLearnerWindow{460, 300};
inline constexpr QSize kMainWindow{1024, 768};
inline constexpr QSize kExitWindow{420, 220};
inline constexpr QSize kNoticeWindow{440, 120};

} // namespace vimo::test
