#include "audio/record_hold.h"

#include "core/config.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

namespace vimo {

namespace {

constexpr int kAutoStopMs = 15000;
constexpr int kShortTake = 200;
constexpr int kNumberedTake = 300;
constexpr int kTooShort = 81;
constexpr int kDialogueTooShort = 82;

} // namespace

RecordCaller sentence_building_caller(const Config& config) {
    return {config.course_path("tmp1.Wav"), kAutoStopMs, kShortTake, kTooShort, false};
}

RecordCaller vocabulary_caller(const Config& config) {
    return sentence_building_caller(config);
}

RecordCaller sentence_recording_caller(const Config& config, int sentence) {
    return {config.course_path("savez_" + std::to_string(sentence) + ".Wav"), 0, kNumberedTake,
            kTooShort, true};
}

RecordCaller dialogue_caller(const Config& config, int line) {
    return {config.course_path("save_" + std::to_string(line) + ".Wav"), 0, kNumberedTake,
            kDialogueTooShort, true};
}

RecordCaller analyser_caller(const Config& config) {
    return {config.course_path("temp1.Wav"), 0, kShortTake, kTooShort, false};
}

RecordHold::RecordHold(QWidget& button, Recorder& recorder, RecordCaller caller, Hooks hooks)
    : RecordHold(static_cast<QObject*>(&button), recorder, std::move(caller), std::move(hooks)) {
    button.installEventFilter(this);
}

RecordHold::RecordHold(QObject* parent, Recorder& recorder, RecordCaller caller, Hooks hooks)
    : QObject(parent), m_recorder(recorder), m_caller(std::move(caller)),
      m_hooks(std::move(hooks)) {
    m_auto_stop.setSingleShot(true);
    // The auto-stop acts as the release.
    connect(&m_auto_stop, &QTimer::timeout, this, &RecordHold::release);
}

void RecordHold::press() {
    if (m_recording || m_recorder.is_recording()) return;
    m_own_recording = false;
    if (m_hooks.stop_playback) m_hooks.stop_playback();
    if (!m_recorder.rec_start()) return;
    m_recording = true;
    if (m_hooks.show_recording) m_hooks.show_recording(true);
    if (m_caller.auto_stop_ms > 0) m_auto_stop.start(m_caller.auto_stop_ms);
}

void RecordHold::release() {
    m_auto_stop.stop();
    if (!m_recording) return;
    m_recording = false;
    const RecordingTake take = m_recorder.rec_stop_save(m_caller.target, m_caller.minimum_ms);
    if (m_hooks.show_recording) m_hooks.show_recording(false);
    if (take.saved) {
        m_own_recording = true;
        if (m_hooks.accepted) m_hooks.accepted(take);
    } else if (take.recorded && m_hooks.show_text) {
        m_hooks.show_text(m_caller.too_short_text);
    }
}

bool RecordHold::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const bool left = mouse->button() == Qt::LeftButton;
    if (event->type() == QEvent::MouseButtonPress) {
        if (left) press();
        return false;
    }
    if (left || m_caller.any_release) release();
    return false;
}

} // namespace vimo
