#pragma once
// Recording the learner's voice from the default sound input into a WAV file of the
// recording format (22050 Hz, mono, 16 bits). A take is kept in memory while the
// button is held; when it ends it replaces its file only if it lasts at least the
// caller's minimum, so a failed or too-short take leaves the earlier recording as it
// was. Two reporting styles: recorder A tells the learner of each failing step, recorder
// B stays silent and the caller notices a missing take.

#include <QAudioSource>
#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

class QBuffer;

namespace vimo {

// How the samples a device gives are laid out.
enum class PcmSample { u8, s16, s32, f32 };
struct PcmLayout {
    int sample_rate = 22050;
    int channels = 1;
    PcmSample sample = PcmSample::s16;
};

// raw in the layout from, as the recording format's samples: channels averaged into
// one, each sample made 16-bit, the rate changed by linear interpolation.
std::string to_recording_pcm(std::string_view raw, const PcmLayout& from);

// What a finished take came to.
struct RecordingTake {
    bool recorded = false;     // the take ran to its end (the device did not fail)
    long long duration_ms = 0; // their length, from the WAV header they were given
    bool saved = false;        // long enough: the file now holds them
};

// Writes the samples of a take that ran (the recording format's) as a WAV file to
// target (resolved) when they last at least minimum_ms; shorter ones, none among them,
// leave target as it was. Throws FileWriteError when the file cannot be written.
RecordingTake save_take(std::string_view samples, const std::string& target, int minimum_ms);

// The message for a machine without a sound input, in interface language 0 .. 4
// (Polish, English, German, Russian, Spanish).
QString no_microphone_text(int interface_language);

// The recorder behind the record buttons. Tests of the press-and-hold protocol put a
// recorder of fixed takes in its place.
class Recorder {
public:
    virtual ~Recorder() = default;
    virtual bool is_recording() const = 0;
    // Starts a take; false when one runs already or the input cannot be opened.
    virtual bool rec_start() = 0;
    // Ends the take and saves it as save_take does. Without a running take: nothing.
    virtual RecordingTake rec_stop_save(const std::string& target, int minimum_ms) = 0;
};

class VoiceRecorder final : public QObject, public Recorder {
    Q_OBJECT
public:
    enum class Reports {
        each_failure, // recorder A: a message naming the failing step (Open, Record, Save)
        none,         // recorder B
    };
    using MessageSink = std::function<void(const QString& message)>;

    // show: where messages go; interface_language chooses the no-microphone wording.
    VoiceRecorder(Reports reports, MessageSink show, std::function<int()> interface_language,
                  QObject* parent = nullptr);
    ~VoiceRecorder() override;

    bool is_recording() const override { return m_source != nullptr; }
    bool rec_start() override;
    RecordingTake rec_stop_save(const std::string& target, int minimum_ms) override;

    // Whether the machine has a sound input now.
    static bool input_available();

private:
    void fail(const QString& what, const char* step);

    Reports m_reports;
    MessageSink m_show;
    std::function<int()> m_interface_language;
    QPointer<QAudioSource> m_source;
    std::unique_ptr<QBuffer> m_buffer;
    QByteArray m_bytes;
    PcmLayout m_layout;
    bool m_failed = false;
};

} // namespace vimo
