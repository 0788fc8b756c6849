#pragma once
// The press-and-hold protocol of a record button: the left button pressed starts a
// take, its release (or the caller's auto-stop) ends it, and the take is kept when it
// reaches the caller's minimum; a shorter one brings the caller's notice. What a
// screen records and how it answers is its row of the caller table below.

#include "audio/voice_recorder.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <string>

class QWidget;

namespace vimo {

struct Config;

// A screen's way of recording.
struct RecordCaller {
    std::string target;   // the saved file, a course path
    int auto_stop_ms = 0; // 0: none
    int minimum_ms = 200; // inclusive
    int too_short_text = 81;
    bool any_release = false; // any button's release ends the take, not only the left
};

// The caller table.
RecordCaller sentence_building_caller(const Config& config);
RecordCaller vocabulary_caller(const Config& config);
RecordCaller sentence_recording_caller(const Config& config, int sentence);
RecordCaller dialogue_caller(const Config& config, int line);
RecordCaller analyser_caller(const Config& config);

class RecordHold : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        // The button's recording picture (true) or its normal one (false).
        std::function<void(bool recording)> show_recording;
        // Whatever plays stops before a take starts: a take made while the model plays
        // would record it through the speakers.
        std::function<void()> stop_playback;
        // The take reached the minimum: the caller's own recording is available.
        std::function<void(const RecordingTake& take)> accepted;
        // Interface text n in the program's message window.
        std::function<void(int text)> show_text;
    };

    // Attaches the protocol to button; recorder outlives it.
    RecordHold(QWidget& button, Recorder& recorder, RecordCaller caller, Hooks hooks);
    // For a screen whose record buttons are painted areas: it calls press and release
    // itself.
    RecordHold(QObject* parent, Recorder& recorder, RecordCaller caller, Hooks hooks);

    // A take of this screen's run reached the minimum; cleared when the next starts.
    bool own_recording() const { return m_own_recording; }
    bool recording() const { return m_recording; }
    const RecordCaller& caller() const { return m_caller; }
    void set_caller(RecordCaller caller) { m_caller = std::move(caller); }

    // The two halves, as the button's mouse drives them.
    void press();
    void release();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Recorder& m_recorder;
    RecordCaller m_caller;
    Hooks m_hooks;
    QTimer m_auto_stop;
    bool m_recording = false;
    bool m_own_recording = false;
};

} // namespace vimo
