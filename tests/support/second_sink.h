#pragma once
// A second null sink in the test run's sound daemon, made the default while it lives,
// as when a headset is plugged in. At its end the first sink is the default again and
// the module is unloaded, so later tests still hear the loopback of the first one.

#include "support/wait.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace vimo::test {

inline QString pactl(const QStringList& arguments) {
    QProcess process;
    process.start("pactl", arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// The names of the sinks that the daemon's playback streams go to, one per stream.
inline QStringList sinks_of_streams() {
    QStringList names_by_index;
    for (const QString& line : pactl({"list", "short", "sinks"}).split('\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split('\t');
        if (fields.size() < 2) continue;
        const int index = fields[0].toInt();
        if (names_by_index.size() <= index) names_by_index.resize(index + 1);
        names_by_index[index] = fields[1];
    }
    QStringList sinks;
    for (const QString& line :
         pactl({"list", "short", "sink-inputs"}).split('\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split('\t');
        if (fields.size() < 2) continue;
        sinks.push_back(names_by_index.value(fields[1].toInt()));
    }
    return sinks;
}

class SecondDefaultSink {
public:
    static constexpr const char* kName = "vsink_headset";

    SecondDefaultSink() : m_first(pactl({"get-default-sink"})) {
        m_module = pactl({"load-module", "module-null-sink", QString("sink_name=") + kName});
        pactl({"set-default-sink", kName});
    }
    ~SecondDefaultSink() {
        pactl({"set-default-sink", m_first});
        if (!m_module.isEmpty()) pactl({"unload-module", m_module});
    }
    SecondDefaultSink(const SecondDefaultSink&) = delete;
    SecondDefaultSink& operator=(const SecondDefaultSink&) = delete;

    // Whether the multimedia back-end lists the new device: it learns of it from the
    // daemon a moment after it came, as of a headset plugged in.
    bool listed() const {
        return wait_until([] {
            for (const QAudioDevice& device : QMediaDevices::audioOutputs())
                if (device.id() == kName) return true;
            return false;
        });
    }

private:
    QString m_first;
    QString m_module;
};

} // namespace vimo::test
