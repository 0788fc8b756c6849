#pragma once
// Stands in for the sound input, which cannot give takes of exact lengths: each take
// "records" the number of samples the test sets (a loud square wave) and is saved as
// the device's would be. The real input is tested on its own.

#include "audio/voice_recorder.h"

#include <string>

namespace vimo::test {

class FixedTakeRecorder final : public Recorder {
public:
    int samples = 4410;
    bool refuse = false; // as a machine without a microphone
    int starts = 0;
    int stops = 0;

    bool is_recording() const override { return m_recording; }
    bool rec_start() override {
        if (m_recording || refuse) return false;
        m_recording = true;
        ++starts;
        return true;
    }
    RecordingTake rec_stop_save(const std::string& target, int minimum_ms) override {
        if (!m_recording) return {};
        m_recording = false;
        ++stops;
        std::string pcm(static_cast<std::size_t>(2 * samples), '\0');
        for (std::size_t at = 0; at + 1 < pcm.size(); at += 2)
            pcm[at + 1] = static_cast<char>(at % 8 < 4 ? 0x40 : 0xC0);
        return save_take(pcm, target, minimum_ms);
    }

private:
    bool m_recording = false;
};

} // namespace vimo::test
