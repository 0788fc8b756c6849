#pragma once
// The program's one shared sound player: course recordings play one at a time, a new
// one cutting off the one before, either waiting for the real end of the recording
// or returning at once; every playback started here signals how it ended. Its player
// is made at the first playback; without any sound device nothing plays and a waiting
// playback returns at once.

#include "core/sound_outputs.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <string>

namespace vimo {

class SoundService : public QObject {
    Q_OBJECT

public:
    enum class PlaybackEnd {
        finished,    // played to its end
        interrupted, // cut off by stop_sound or by the next playback
        failed,      // the player reported an error, or the device never finished
    };
    Q_ENUM(PlaybackEnd)

    // Shows a message to the learner (the program: a plain message box).
    using MessageSink = std::function<void(const std::string& message)>;

    // A waiting playback gives up this long after the recording should have ended.
    static constexpr int default_stall_margin_ms = 10000;

    // outputs outlives the service.
    SoundService(SoundOutputs& outputs, MessageSink show_message, QObject* parent = nullptr);

    // Plays the WAV file (a course path, resolved). An empty name does nothing; a
    // missing file shows "Brak pliku: " + file + "." and plays nothing. The same file
    // as the one open plays on from where it is, from the start once it has ended;
    // another file is opened first. With wait the call returns when the playback has
    // ended, handling no user input meanwhile. The registered screen timer is then
    // started. Without a sound device the call returns at once, signals nothing and
    // starts the screen timer as if the recording had been heard.
    void play_sound(const std::string& file, bool wait);
    // As play_sound, without the missing-file message and without the screen timer.
    void play_sound_quiet(const std::string& file, bool wait);
    // Cuts off what plays and closes the file, so the next play opens it again.
    void stop_sound();
    // Waits milliseconds while every event, user input included, is handled.
    void wait_ms(int milliseconds);

    // The timer of the screen that is open, or none. Not owned.
    void register_screen_timer(QTimer* timer) { m_screen_timer = timer; }
    void clear_screen_timer() { m_screen_timer = nullptr; }

    // The local path of the open file; empty when closed.
    std::string open_file() const;
    // How many times a file was opened since construction.
    int openings() const { return m_openings; }
    bool is_playing() const;

    // Position and length of the open file in milliseconds, for the screens that
    // follow the playback; 0 when nothing is open.
    qint64 position_ms() const { return m_player ? m_player->position() : 0; }
    qint64 length_ms() const { return m_player ? m_player->duration() : 0; }

    // How long a waiting play waits beyond the recording's remaining length before it
    // takes the device for failed.
    void set_stall_margin_ms(int milliseconds) { m_stall_margin_ms = milliseconds; }

signals:
    // Once for every playback this service started, on the user-interface thread.
    void playback_ended(vimo::SoundService::PlaybackEnd how);

private:
    void play(const std::string& file, bool wait, bool quiet);
    void create_player();
    void open(const std::string& local_path);
    void start_playing();
    void wait_for_end();
    void end_playback(PlaybackEnd how);
    void on_status(QMediaPlayer::MediaStatus status);
    void on_error(const QString& reason);
    void fail(const std::string& reason);
    void report(const std::string& message) const;

    SoundOutputs& m_outputs;
    MessageSink m_show_message;
    // Children of this service, made afresh for every file opened: the pipeline of a
    // failed or cut-off file may still deliver its errors or its end, which would end
    // the next file too. None before the first playback.
    QMediaPlayer* m_player = nullptr;
    QAudioOutput* m_output = nullptr;
    bool m_player_failed = false;
    QPointer<QTimer> m_screen_timer;
    std::string m_playing_file; // as the caller named it, for messages
    bool m_active = false;      // a playback started here has not ended yet
    int m_openings = 0;
    int m_stall_margin_ms = default_stall_margin_ms;
};

} // namespace vimo
