#include "audio/voice_recorder.h"

#include "audio/wav_file.h"
#include "core/atomic_file.h"
#include "core/paths.h"
#include "core/sound_outputs.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSource>
#include <QBuffer>
#include <QMediaDevices>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace vimo {

namespace {

int sample_bytes(PcmSample sample) {
    switch (sample) {
    case PcmSample::u8:
        return 1;
    case PcmSample::s16:
        return 2;
    case PcmSample::s32:
    case PcmSample::f32:
        return 4;
    }
    return 2;
}

// One sample as a value in -1 .. 1.
double sample_value(const char* at, PcmSample sample) {
    switch (sample) {
    case PcmSample::u8:
        return (static_cast<unsigned char>(*at) - 128) / 128.0;
    case PcmSample::s16:
        return qFromLittleEndian<qint16>(at) / 32768.0;
    case PcmSample::s32:
        return qFromLittleEndian<qint32>(at) / 2147483648.0;
    case PcmSample::f32: {
        const quint32 bits = qFromLittleEndian<quint32>(at);
        float value = 0;
        std::memcpy(&value, &bits, sizeof value);
        return std::isfinite(value) ? value : 0.0;
    }
    }
    return 0;
}

qint16 to_s16(double value) {
    return static_cast<qint16>(std::lround(std::clamp(value, -1.0, 32767.0 / 32768.0) * 32768.0));
}

PcmLayout layout_of(const QAudioFormat& format) {
    PcmLayout layout{format.sampleRate(), format.channelCount(), PcmSample::s16};
    switch (format.sampleFormat()) {
    case QAudioFormat::UInt8:
        layout.sample = PcmSample::u8;
        break;
    case QAudioFormat::Int32:
        layout.sample = PcmSample::s32;
        break;
    case QAudioFormat::Float:
        layout.sample = PcmSample::f32;
        break;
    default:
        layout.sample = PcmSample::s16;
        break;
    }
    return layout;
}

QAudioFormat wanted_format() {
    const WavFormat wav = recording_format();
    QAudioFormat format;
    format.setSampleRate(wav.sample_rate);
    format.setChannelCount(wav.channels);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

// The message for a machine without a microphone comes once in a run: every press of
// a record button would repeat it otherwise.
bool g_no_microphone_shown = false;

} // namespace

std::string to_recording_pcm(std::string_view raw, const PcmLayout& from) {
    const int target_rate = recording_format().sample_rate;
    const int channels = std::max(from.channels, 1);
    const std::size_t frame = static_cast<std::size_t>(sample_bytes(from.sample) * channels);
    const std::size_t frames = raw.size() / frame;
    const bool direct =
        from.sample == PcmSample::s16 && channels == 1 && from.sample_rate == target_rate;
    if (direct) return std::string(raw.substr(0, frames * frame));

    std::vector<double> mono(frames);
    for (std::size_t f = 0; f < frames; ++f) {
        double sum = 0;
        for (int c = 0; c < channels; ++c)
            sum += sample_value(raw.data() + f * frame +
                                    static_cast<std::size_t>(c * sample_bytes(from.sample)),
                                from.sample);
        mono[f] = sum / channels;
    }
    if (frames == 0 || from.sample_rate <= 0) return {};
    const std::size_t out_frames =
        static_cast<std::size_t>(static_cast<long double>(frames) * target_rate / from.sample_rate);
    std::string out(out_frames * 2, '\0');
    const double step = static_cast<double>(from.sample_rate) / target_rate;
    for (std::size_t i = 0; i < out_frames; ++i) {
        const double at = static_cast<double>(i) * step;
        const std::size_t left = std::min(static_cast<std::size_t>(at), frames - 1);
        const std::size_t right = std::min(left + 1, frames - 1);
        const double part = at - static_cast<double>(left);
        qToLittleEndian<qint16>(to_s16(mono[left] * (1 - part) + mono[right] * part),
                                out.data() + 2 * i);
    }
    return out;
}

RecordingTake save_take(std::string_view samples, const std::string& target, int minimum_ms) {
    RecordingTake take;
    take.recorded = true;
    const std::string wav = wav_bytes(recording_format(), samples);
    const std::optional<WavLayout> layout = read_wav_layout(wav);
    take.duration_ms = layout ? wav_duration_ms(*layout) : 0;
    if (samples.empty() || take.duration_ms < minimum_ms) return take;
    write_file_atomically(resolve_path(target), wav);
    take.saved = true;
    return take;
}

QString no_microphone_text(int interface_language) {
    switch (interface_language) {
    case 1:
        return "No microphone";
    case 2:
        return "Kein Mikrofon";
    case 3:
        return QString::fromUtf8("Нет микрофона");
    case 4:
        return QString::fromUtf8("No hay micrófono");
    default:
        return "Brak mikrofonu";
    }
}

VoiceRecorder::VoiceRecorder(Reports reports, MessageSink show,
                             std::function<int()> interface_language, QObject* parent)
    : QObject(parent), m_reports(reports), m_show(std::move(show)),
      m_interface_language(std::move(interface_language)) {}

VoiceRecorder::~VoiceRecorder() {
    if (m_source) m_source->stop();
}

bool VoiceRecorder::input_available() {
    return !QMediaDevices::defaultAudioInput().isNull();
}

void VoiceRecorder::fail(const QString& what, const char* step) {
    m_failed = true;
    if (m_reports == Reports::each_failure && m_show) m_show(what + ' ' + step);
}

bool VoiceRecorder::rec_start() {
    if (is_recording()) return false;
    m_failed = false;
    const QAudioDevice device = SoundOutputs::default_input();
    const int language = m_interface_language ? m_interface_language() : 0;
    if (device.isNull()) {
        // Recorder B tells nothing of its failures, but a missing microphone is not a
        // failure of one take: the learner is told once, by whichever recorder.
        if (!g_no_microphone_shown && m_show) {
            g_no_microphone_shown = true;
            const QString text = no_microphone_text(language);
            m_show(m_reports == Reports::each_failure ? text + " Open" : text);
        }
        return false;
    }
    QAudioFormat format = wanted_format();
    if (!device.isFormatSupported(format)) format = device.preferredFormat();
    m_layout = layout_of(format);
    m_bytes.clear();
    m_buffer = std::make_unique<QBuffer>(&m_bytes);
    m_buffer->open(QIODevice::WriteOnly);
    m_source = new QAudioSource(device, format, this);
    m_source->start(m_buffer.get());
    if (m_source->error() != QAudio::NoError) {
        delete m_source.data();
        m_buffer.reset();
        fail(no_microphone_text(language), "Open");
        return false;
    }
    connect(m_source, &QAudioSource::stateChanged, this, [this](QAudio::State state) {
        if (state == QAudio::StoppedState && m_source && m_source->error() != QAudio::NoError &&
            !m_failed)
            fail(no_microphone_text(m_interface_language ? m_interface_language() : 0), "Record");
    });
    return true;
}

RecordingTake VoiceRecorder::rec_stop_save(const std::string& target, int minimum_ms) {
    if (!is_recording()) return {};
    // What the device still holds comes in with the stop.
    m_source->stop();
    m_source->deleteLater();
    m_source = nullptr;
    m_buffer->close();
    m_buffer.reset();
    const std::string samples = to_recording_pcm(
        std::string_view(m_bytes.constData(), static_cast<std::size_t>(m_bytes.size())), m_layout);
    m_bytes.clear();
    // A device that failed has told (recorder A) or is noticed by the missing take.
    if (m_failed) return {};
    try {
        return save_take(samples, target, minimum_ms);
    } catch (const FileWriteError& error) {
        if (m_reports == Reports::each_failure && m_show)
            m_show(QString::fromStdString(error.what()) + " Save");
        return {};
    }
}

} // namespace vimo
