#pragma once
// The program's way to the sound device. The players of the shared sound service and
// of the media window are made here when a sound or film is first wanted, so nothing
// of the media back-end loads before then; every file opened plays on the device that
// is the sound server's default at that moment; a machine without any output device
// gets one notice in the program's whole run and silence.

#include <QObject>
#include <functional>
#include <string>

class QAudioDevice;
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
    // shown once control is back in the event loop, so that the caller (a screen being
    // shown, a waiting playback) goes on at once; later calls say nothing. Asked anew
    // each time: a device plugged in later brings the sound back.
    bool available();

    struct Player {
        QMediaPlayer* player = nullptr;
        QAudioOutput* output = nullptr;
    };
    // A player with its audio output, both children of parent, on the device that is
    // the sound server's default now (a headset plugged in since the last player).
    // The multimedia back-end does not learn of a new default by itself, so the
    // server is asked; without a server that answers, or while the back-end does not
    // list that device yet, the back-end's default is taken. Both players make a new
    // one for every file: a device cannot be changed under a loaded file, the
    // back-end would wait for data that never flows. A file already open follows the
    // default by itself, moved by the sound server.
    static Player make_player(QObject* parent);
    // The input the sound server records from now (a headset's microphone plugged in
    // since), as the back-end lists it; the back-end's default without a server that
    // answers; a null device when there is no input at all.
    static QAudioDevice default_input();

    bool notice_shown() const { return m_notice_shown; }

private:
    MessageSink m_show_message;
    bool m_notice_shown = false;
    QObject m_notice_context; // ends a notice still waiting when the outputs go
};

} // namespace vimo
