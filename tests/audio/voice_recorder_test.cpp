#include "audio/voice_recorder.h"
#include "audio/wav_file.h"
#include "support/microphone_tone.h"
#include "support/temp_course.h"
#include "support/tone_wav.h"

#include <QFile>
#include <QTest>
#include <QTimer>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>
#include <vector>

namespace vimo {
namespace {

QByteArray read(const std::string& path) {
    QFile in(QString::fromStdString(path));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

int loudest(std::string_view samples) {
    int peak = 0;
    for (std::size_t at = 0; at + 1 < samples.size(); at += 2)
        peak = std::max(peak,
                        std::abs(static_cast<int>(qFromLittleEndian<qint16>(samples.data() + at))));
    return peak;
}

using test::MicrophoneTone;

TEST(VoiceRecording, ATakeFromTheMicrophoneIsSavedInTheRecordingFormat) {
    ASSERT_TRUE(VoiceRecorder::input_available())
        << "no sound input: the tests need the microphone that test.sh starts";
    ASSERT_FALSE(MicrophoneTone::pipe().isEmpty()) << "no microphone pipe in VIMO_MIC_PIPE";
    const MicrophoneTone tone;
    test::TempCourse files;
    std::vector<QString> messages;
    VoiceRecorder recorder(
        VoiceRecorder::Reports::each_failure, [&](const QString& m) { messages.push_back(m); },
        [] { return 0; });

    ASSERT_TRUE(recorder.rec_start());
    EXPECT_TRUE(recorder.is_recording());
    EXPECT_FALSE(recorder.rec_start()) << "a second take while one runs";
    // The button is held while 1.5 s of the tone go into the microphone.
    ASSERT_TRUE(QTest::qWaitFor([&] { return tone.fed_ms() >= 1500; }, 10000))
        << "the microphone took only " << tone.fed_ms() << " ms of the tone";
    const RecordingTake take = recorder.rec_stop_save(files.path("tmp1.Wav"), 200);

    EXPECT_TRUE(messages.empty()) << messages.front().toStdString();
    EXPECT_TRUE(take.recorded);
    EXPECT_TRUE(take.saved) << take.duration_ms << " ms";
    EXPECT_FALSE(recorder.is_recording());
    const QByteArray bytes = read(files.path("tmp1.Wav"));
    const std::string_view wav(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    ASSERT_GE(wav.size(), 44u);
    EXPECT_EQ(wav.substr(0, 4), "RIFF");
    EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(wav.substr(36, 4), "data");
    const std::optional<WavLayout> layout = read_wav_layout(wav);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->data_offset, 44u);
    EXPECT_EQ(layout->format.sample_rate, 22050);
    EXPECT_EQ(layout->format.channels, 1);
    EXPECT_EQ(layout->format.bits, 16);
    // Close to the 1.5 s held: a device starts and ends a little late or early.
    EXPECT_NEAR(static_cast<double>(take.duration_ms), 1500.0, 400.0);
    EXPECT_EQ(take.duration_ms, wav_duration_ms(*layout));
    EXPECT_GT(loudest(wav.substr(44)), 2000) << "the tone did not come back";
}

TEST(VoiceRecording, WithoutATakeNothingIsSaved) {
    test::TempCourse files;
    VoiceRecorder recorder(VoiceRecorder::Reports::none, {}, [] { return 0; });
    const RecordingTake take = recorder.rec_stop_save(files.path("tmp1.Wav"), 200);
    EXPECT_FALSE(take.recorded);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(files.path("tmp1.Wav"))));
}

// Devices that give another format: their samples become 22050 Hz, mono, 16 bits.
TEST(RecordingFormat, OtherLayoutsAreConverted) {
    const auto s16 = [](std::initializer_list<int> values) {
        std::string out;
        for (const int v : values) {
            char le[2];
            qToLittleEndian<qint16>(static_cast<qint16>(v), le);
            out.append(le, 2);
        }
        return out;
    };
    const auto values = [](const std::string& pcm) {
        std::vector<int> out;
        for (std::size_t at = 0; at + 1 < pcm.size(); at += 2)
            out.push_back(qFromLittleEndian<qint16>(pcm.data() + at));
        return out;
    };
    // The recording format itself passes unchanged, a dangling byte dropped.
    EXPECT_EQ(to_recording_pcm(s16({1, -2, 3}) + "x", {22050, 1, PcmSample::s16}), s16({1, -2, 3}));
    // Stereo: the channels' mean.
    EXPECT_EQ(values(to_recording_pcm(s16({1000, 3000, -400, 0}), {22050, 2, PcmSample::s16})),
              (std::vector<int>{2000, -200}));
    // 44100 Hz: every second frame.
    EXPECT_EQ(values(to_recording_pcm(s16({100, 150, 200, 250}), {44100, 1, PcmSample::s16})),
              (std::vector<int>{100, 200}));
    // 11025 Hz: twice as many, the new ones between their neighbours.
    EXPECT_EQ(values(to_recording_pcm(s16({0, 1000}), {11025, 1, PcmSample::s16})),
              (std::vector<int>{0, 500, 1000, 1000}));
    // 8-bit unsigned and float samples.
    EXPECT_EQ(values(to_recording_pcm(std::string("\x80\xC0\x00", 3), {22050, 1, PcmSample::u8})),
              (std::vector<int>{0, 16384, -32768}));
    float floats[] = {0.5f, -1.0f, 2.0f, std::nanf("")};
    const std::string raw(reinterpret_cast<const char*>(floats), sizeof floats);
    EXPECT_EQ(values(to_recording_pcm(raw, {22050, 1, PcmSample::f32})),
              (std::vector<int>{16384, -32768, 32767, 0}));
    EXPECT_TRUE(to_recording_pcm("", {48000, 2, PcmSample::f32}).empty());
}

TEST(RecordingFormat, TheNoMicrophoneMessageSpeaksTheInterfaceLanguage) {
    EXPECT_EQ(no_microphone_text(0), "Brak mikrofonu");
    EXPECT_EQ(no_microphone_text(1), "No microphone");
    EXPECT_EQ(no_microphone_text(4), QString::fromUtf8("No hay micrófono"));
    EXPECT_EQ(no_microphone_text(9), "Brak mikrofonu");
}

} // namespace
} // namespace vimo
