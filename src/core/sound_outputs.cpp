#include "core/sound_outputs.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QTimer>
#include <chrono>
#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/mainloop.h>

namespace vimo {

namespace {

// A sound server that does not answer within this is taken as absent.
constexpr auto kServerTimeout = std::chrono::milliseconds(500);

struct ServerAnswer {
    std::string default_sink;
    std::string default_source;
    bool done = false;
};

void take_server_info(pa_context*, const pa_server_info* info, void* data) {
    auto* answer = static_cast<ServerAnswer*>(data);
    if (info && info->default_sink_name) answer->default_sink = info->default_sink_name;
    if (info && info->default_source_name) answer->default_source = info->default_source_name;
    answer->done = true;
}

// Runs the loop until the answer came, the connection failed or the time is up.
void run_until_answered(pa_mainloop* loop, pa_context* context, ServerAnswer& answer) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + kServerTimeout;
    bool asked = false;
    while (!answer.done) {
        const pa_context_state_t state = pa_context_get_state(context);
        if (!PA_CONTEXT_IS_GOOD(state)) return;
        if (state == PA_CONTEXT_READY && !asked) {
            pa_operation* operation =
                pa_context_get_server_info(context, take_server_info, &answer);
            if (!operation) return;
            pa_operation_unref(operation);
            asked = true;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now());
        if (left.count() <= 0) return;
        if (pa_mainloop_prepare(loop, static_cast<int>(left.count())) < 0) return;
        if (pa_mainloop_poll(loop) < 0 || pa_mainloop_dispatch(loop) < 0) return;
    }
}

// The sound server's default sink and source, asked on a connection of its own; empty
// when no PulseAudio-compatible server (PulseAudio, PipeWire's) answers.
ServerAnswer server_defaults() {
    ServerAnswer answer;
    pa_mainloop* loop = pa_mainloop_new();
    if (!loop) return answer;
    pa_context* context = pa_context_new(pa_mainloop_get_api(loop), "lexaro-vimo");
    if (context) {
        if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0)
            run_until_answered(loop, context, answer);
        pa_context_disconnect(context);
        pa_context_unref(context);
    }
    pa_mainloop_free(loop);
    return answer;
}

// The device the server sends new streams to, as the back-end lists it.
QAudioDevice default_device() {
    const QByteArray sink = QByteArray::fromStdString(server_defaults().default_sink);
    if (!sink.isEmpty())
        for (const QAudioDevice& device : QMediaDevices::audioOutputs())
            if (device.id() == sink) return device;
    return QMediaDevices::defaultAudioOutput();
}

} // namespace

QAudioDevice SoundOutputs::default_input() {
    const QAudioDevice fallback = QMediaDevices::defaultAudioInput();
    // Without any input listed the server need not be asked (nor waited for).
    if (fallback.isNull()) return fallback;
    const QByteArray source = QByteArray::fromStdString(server_defaults().default_source);
    if (!source.isEmpty())
        for (const QAudioDevice& device : QMediaDevices::audioInputs())
            if (device.id() == source) return device;
    return fallback;
}

bool SoundOutputs::available() {
    if (!QMediaDevices::defaultAudioOutput().isNull()) return true;
    if (!m_notice_shown) {
        m_notice_shown = true;
        if (m_show_message)
            QTimer::singleShot(0, &m_notice_context, [this] { m_show_message(kNoSoundNotice); });
    }
    return false;
}

SoundOutputs::Player SoundOutputs::make_player(QObject* parent) {
    Player made;
    made.output = new QAudioOutput(default_device(), parent);
    made.player = new QMediaPlayer(parent);
    made.player->setAudioOutput(made.output);
    return made;
}

} // namespace vimo
