#pragma once
// A tone spoken into the test sound server's microphone, for the tests that record
// through the real input.

#include "support/tone_wav.h"

#include <QByteArray>
#include <QTimer>
#include <algorithm>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace vimo::test {

// Speaks into the microphone of the sound server that the test script starts: the
// samples of a tone written into its pipe in real time, 20 ms at a time. The server
// opens the pipe while the microphone records, so it is opened without waiting and
// again until that succeeds.
class MicrophoneTone {
public:
    MicrophoneTone() : m_samples(tone_wav(5.0, 12000).substr(44)) {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { feed(); });
        m_timer.start(20);
    }
    ~MicrophoneTone() {
        if (m_fd >= 0) ::close(m_fd);
    }
    MicrophoneTone(const MicrophoneTone&) = delete;
    MicrophoneTone& operator=(const MicrophoneTone&) = delete;

    static QByteArray pipe() { return qgetenv("VIMO_MIC_PIPE"); }
    // How much of the tone the microphone has taken, in milliseconds.
    long long fed_ms() const { return static_cast<long long>(m_at) * 1000 / 44100; }

private:
    void feed() {
        if (m_fd < 0) m_fd = ::open(pipe().constData(), O_WRONLY | O_NONBLOCK);
        if (m_fd < 0 || m_at >= m_samples.size()) return;
        const std::size_t chunk = std::min<std::size_t>(882, m_samples.size() - m_at);
        const ssize_t written = ::write(m_fd, m_samples.data() + m_at, chunk);
        if (written > 0) m_at += static_cast<std::size_t>(written);
    }

    std::string m_samples;
    std::size_t m_at = 0;
    int m_fd = -1;
    QTimer m_timer;
};

} // namespace vimo::test
