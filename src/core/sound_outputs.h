#pragma once
// The program's way to the sound device. The players of the shared sound service and
// of the media window are made here when a sound or film is first wanted, so nothing
// of the media back-end loads before then; every playback goes to the output device
// that is the default at that moment; a machine without any output device gets one
// notice in the program's whole run and silence.

#include <QObject>
#include <functional>
#include <string>

class QAudioOutput;
class QMediaPlayer;

namespace vimo {

// Shown once when sound is wanted and no output device exists.
inline constexpr const char* kNoSoundNotice =
    "Dźwięk nie jest dostępny: nie znaleziono urządzenia do odtwarzania dźwięku. "
    "Program działa dalej bez dźwięku.";

class SoundOutputs {
public:
    using MessageSink = std::function<void(const std::string& message)>;

    explicit SoundOutputs(MessageSink show_message) : m_show_message(std::move(show_message)) {}

    // True when an output device exists. The first time it does not, the notice is
    // shown; later calls say nothing. Asked anew each time: a device plugged in later
    // brings the sound back.
    bool available();

    struct Player {
        QMediaPlayer* player = nullptr;
        QAudioOutput* output = nullptr;
    };
    // A player with its audio output on the default device, both children of parent.
    static Player make_player(QObject* parent);

    // Before a playback: moves output to the default device when that is another one
    // now (a headset plugged in). An output made from the default device otherwise
    // stays on the device it was made with.
    static void follow_default(QAudioOutput& output);

    bool notice_shown() const { return m_notice_shown; }

private:
    MessageSink m_show_message;
    bool m_notice_shown = false;
};

} // namespace vimo
