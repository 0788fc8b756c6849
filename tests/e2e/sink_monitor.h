#pragma once
// What reaches the test run's null sink: parec reads the sink's monitor and every
// 20 ms of it is kept as a loud or a silent block. The player's own position is no
// proof of sound: it can move while nothing reaches the device. A reader of the
// monitor also keeps the sink running, so a new stream starts at once instead of
// waiting for the idle sink's next round.

#include "support/wait.h"

#include <QProcess>
#include <QString>
#include <cmath>
#include <cstdint>
#include <vector>

namespace vimo::test {

class SinkMonitor {
public:
    static constexpr int kRate = 22050;
    static constexpr int kBlockBytes = kRate / 50 * 2; // 20 ms of 16-bit mono
    static constexpr double kLoudRms = 500;            // speech of the demo course: thousands
    static constexpr double kSilentRms = 50;

    explicit SinkMonitor(const QString& sink = "vsink") {
        m_parec.start("parec", {"-d", sink + ".monitor", "--format=s16le", "--channels=1",
                                "--rate=" + QString::number(kRate), "--raw", "--latency-msec=20"});
    }
    ~SinkMonitor() {
        m_parec.kill();
        m_parec.waitForFinished(3000);
    }
    SinkMonitor(const SinkMonitor&) = delete;
    SinkMonitor& operator=(const SinkMonitor&) = delete;

    // True once parec delivers blocks (the monitor runs).
    bool started(int timeout_ms = 10000) {
        return wait_until([this] { return read() > 0; }, timeout_ms);
    }
    // The number of blocks read so far: a mark to listen from.
    std::size_t mark() { return read(); }
    // Whether a loud block came after from within timeout_ms.
    bool sound_after(std::size_t from, int timeout_ms) {
        return wait_until([&] { return loud_since(from); }, timeout_ms);
    }
    // Whether, after from, silence_ms of silent blocks in a row came within timeout_ms.
    bool silence_after(std::size_t from, int silence_ms, int timeout_ms) {
        const std::size_t needed = static_cast<std::size_t>(silence_ms / 20);
        return wait_until(
            [&] {
                read();
                std::size_t run = 0;
                for (std::size_t k = from; k < m_rms.size(); ++k) {
                    run = m_rms[k] < kSilentRms ? run + 1 : 0;
                    if (run >= needed) return true;
                }
                return false;
            },
            timeout_ms);
    }

private:
    bool loud_since(std::size_t from) {
        read();
        for (std::size_t k = from; k < m_rms.size(); ++k)
            if (m_rms[k] > kLoudRms) return true;
        return false;
    }
    // Test programs without an event loop read the process by waiting on it.
    std::size_t read() {
        m_parec.waitForReadyRead(5);
        m_pending += m_parec.readAllStandardOutput();
        while (m_pending.size() >= kBlockBytes) {
            const auto* samples = reinterpret_cast<const std::int16_t*>(m_pending.constData());
            double sum = 0;
            for (int i = 0; i < kBlockBytes / 2; ++i)
                sum += double(samples[i]) * samples[i];
            m_rms.push_back(std::sqrt(sum / (kBlockBytes / 2)));
            m_pending.remove(0, kBlockBytes);
        }
        return m_rms.size();
    }

    QProcess m_parec;
    QByteArray m_pending;
    std::vector<double> m_rms;
};

} // namespace vimo::test
