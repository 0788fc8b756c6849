#pragma once
// Driving the program under the X server that the test script starts: xdotool for
// the pointer and the keys, ImageMagick's import for what is on the screen.

#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QThread>

namespace vimo::test {

inline QString run(const QString& program, const QStringList& arguments,
                   QByteArray* output = nullptr) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(20000);
    const QByteArray out = process.readAllStandardOutput();
    if (output) *output = out;
    return QString::fromUtf8(out).trimmed();
}

inline QString xdotool(const QStringList& arguments) { return run("xdotool", arguments); }

inline void click_at(int x, int y) {
    xdotool({"mousemove", "--sync", QString::number(x), QString::number(y), "click", "1"});
}

inline void key(const QString& name) { xdotool({"key", name}); }

// Waits until a visible window whose name contains name exists.
inline bool wait_for_window(const QString& name, int timeout_ms = 20000) {
    for (int waited = 0; waited < timeout_ms; waited += 200) {
        if (!xdotool({"search", "--onlyvisible", "--name", name}).isEmpty()) return true;
        QThread::msleep(200);
    }
    return false;
}

// Waits until a visible window of this size is on the screen.
inline bool wait_for_window_of_size(int width, int height, int timeout_ms = 20000) {
    const QString wanted = QString("Geometry: %1x%2").arg(width).arg(height);
    for (int waited = 0; waited < timeout_ms; waited += 200) {
        const QStringList windows =
            xdotool({"search", "--onlyvisible", "--name", "."}).split('\n', Qt::SkipEmptyParts);
        for (const QString& window : windows)
            if (xdotool({"getwindowgeometry", window}).contains(wanted)) return true;
        QThread::msleep(200);
    }
    return false;
}

inline QImage screen() {
    QByteArray png;
    run("import", {"-window", "root", "png:-"}, &png);
    return QImage::fromData(png, "PNG");
}

// The top-left corner of a window centred on the 1024x768 screen.
inline QPoint centred(QSize window) {
    return {(1024 - window.width()) / 2, (768 - window.height()) / 2};
}

inline constexpr QSize kLearnerWindow{460, 300};
inline constexpr QSize kMainWindow{1024, 768};

} // namespace vimo::test
