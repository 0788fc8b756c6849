// The waveform view's envelope of a minute-long recording, the longest the analyser
// draws: 16-bit mono at 22050 Hz over the analyser's 600 graph columns; the same read
// from its file by the view; and the analyser window from its opening to its showing.
#include "audio/MyWavViewer.h"
#include "audio/analyser.h"
#include "audio/wav_envelope.h"
#include "audio/wav_file.h"
#include "controls/button_pictures.h"
#include "controls/message_window.h"
#include "core/help_links.h"
#include "core/sound.h"
#include "core/sound_outputs.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <benchmark/benchmark.h>
#include <cmath>
#include <numbers>

namespace {

std::string minute_recording() {
    const vimo::WavFormat format = vimo::recording_format();
    const int frames = 60 * format.sample_rate;
    std::string samples(static_cast<std::size_t>(2 * frames), '\0');
    for (int i = 0; i < frames; ++i) {
        // A 440 Hz tone whose loudness swells and fades twice a second.
        const double t = static_cast<double>(i) / format.sample_rate;
        const double swell = 0.5 + 0.5 * std::sin(2 * std::numbers::pi * 2 * t);
        const auto value =
            static_cast<qint16>(20000 * swell * std::sin(2 * std::numbers::pi * 440 * t));
        qToLittleEndian<qint16>(value, samples.data() + 2 * i);
    }
    return vimo::wav_bytes(format, samples);
}

void envelope_of_a_minute(benchmark::State& state) {
    const std::string wav = minute_recording();
    const vimo::WavLayout layout = *vimo::read_wav_layout(wav);
    for (auto _ : state)
        benchmark::DoNotOptimize(vimo::compute_envelope(layout, wav, 600));
    state.SetBytesProcessed(state.iterations() * static_cast<long long>(layout.data_size));
}
BENCHMARK(envelope_of_a_minute)->Unit(benchmark::kMillisecond);

// A folder with the minute's recording in it, for the benchmarks that read files.
struct MinuteFile {
    QTemporaryDir folder;
    QString path = folder.filePath("minute.wav");
    MinuteFile() {
        QFile file(path);
        const std::string wav = minute_recording();
        if (file.open(QIODevice::WriteOnly))
            file.write(wav.data(), static_cast<qint64>(wav.size()));
    }
};

void load_wav_of_a_minute(benchmark::State& state) {
    const MinuteFile minute;
    vimo::TMyWavViewer view;
    view.resize(420, 128);
    for (auto _ : state)
        benchmark::DoNotOptimize(view.LoadWav(minute.path));
}
BENCHMARK(load_wav_of_a_minute)->Unit(benchmark::kMillisecond);

// Never records: the benchmark only opens the window.
class NoRecorder final : public vimo::Recorder {
public:
    bool is_recording() const override { return false; }
    bool rec_start() override { return false; }
    vimo::RecordingTake rec_stop_save(const std::string&, int) override { return {}; }
};

void analyser_opening(benchmark::State& state) {
    const MinuteFile minute;
    vimo::CourseState course;
    course.config.course_root = minute.folder.path().toStdString() + "/";
    const vimo::TMyImageList buttons;
    vimo::SoundOutputs outputs{[](const std::string&) {}};
    vimo::SoundService sound(outputs, [](const std::string&) {});
    vimo::NoHelp help;
    vimo::TForm20 messages(course.config, &buttons, vimo::button_picture::exit);
    NoRecorder recorder;
    vimo::TWavWievForm analyser(course, buttons, sound, help, messages, recorder);
    for (auto _ : state) {
        analyser.wav_view_open(minute.path.toStdString());
        QCoreApplication::processEvents();
        state.PauseTiming();
        analyser.hide();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(analyser_opening)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
