// The shared sound player with real recordings through the sound device: the test
// run's PulseAudio daemon plays into a null sink whose monitor comes back as the input
// "loopmic", so a test can also listen to what was played.
#include "core/sound.h"
#include "support/named_case.h"
#include "support/second_sink.h"
#include "support/temp_course.h"
#include "support/tone_wav.h"
#include "support/wait.h"

#include <QAudioFormat>
#include <QAudioSource>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMetaEnum>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vimo {

void PrintTo(SoundService::PlaybackEnd how, std::ostream* os) {
    *os << QMetaEnum::fromType<SoundService::PlaybackEnd>().valueToKey(static_cast<int>(how));
}

namespace {

VIMO_PRINT_CASES_BY_NAME()

using End = SoundService::PlaybackEnd;

constexpr int sample_rate = 22050;
constexpr int loud_amplitude = 8000; // a sine of this amplitude has RMS 5657
constexpr int soft_amplitude = 2000; // RMS 1414
constexpr qint64 long_ms = 1200;
constexpr qint64 short_ms = 600;
// The player reports its position in steps: a finished playback's last position may
// fall this much short of the length, and the first one lie this far past the start.
constexpr qint64 position_step_ms = 100;

using test::wait_until;

// The input that hears the sink the player plays into.
QAudioDevice sink_loopback() {
    for (const QAudioDevice& device : QMediaDevices::audioInputs())
        if (device.id() == "loopmic") return device;
    return QMediaDevices::defaultAudioInput();
}

// Listens to the sink's loopback and keeps the RMS level of every 20 ms of it.
class SinkListener {
public:
    enum class Level { silent, soft, loud, other };

    SinkListener() {
        QAudioFormat format;
        format.setSampleRate(sample_rate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        m_source = std::make_unique<QAudioSource>(sink_loopback(), format);
        m_input = m_source->start();
        QObject::connect(&m_poll, &QTimer::timeout, [this] { read(); });
        m_poll.start(10);
    }

    // True once the device delivers samples.
    bool live() const { return !m_levels.empty(); }
    bool heard(Level level) const { return !m_levels.empty() && m_levels.back() == level; }
    std::size_t count() const { return m_levels.size(); }
    const std::vector<Level>& levels() const { return m_levels; }

private:
    static constexpr int block_bytes = sample_rate / 50 * 2;

    static Level classify(double rms) {
        if (rms < 100) return Level::silent;
        if (rms > 900 && rms < 2000) return Level::soft;
        if (rms > 4000) return Level::loud;
        return Level::other;
    }

    void read() {
        if (m_input == nullptr) return;
        m_pending += m_input->readAll();
        while (m_pending.size() >= block_bytes) {
            const auto* samples = reinterpret_cast<const qint16*>(m_pending.constData());
            double sum = 0;
            for (int i = 0; i < block_bytes / 2; ++i)
                sum += double(samples[i]) * samples[i];
            m_levels.push_back(classify(std::sqrt(sum / (block_bytes / 2))));
            m_pending.remove(0, block_bytes);
        }
    }

    std::unique_ptr<QAudioSource> m_source;
    QIODevice* m_input = nullptr; // owned by m_source
    QTimer m_poll;
    QByteArray m_pending;
    std::vector<Level> m_levels;
};

// Suspends the daemon's default sink while it lives: a stream playing into it stops
// taking samples, as it does when a sound device fails.
class SuspendedSink {
public:
    SuspendedSink() : m_ok(pactl_suspend("1")) {}
    ~SuspendedSink() { pactl_suspend("0"); }
    SuspendedSink(const SuspendedSink&) = delete;
    SuspendedSink& operator=(const SuspendedSink&) = delete;
    bool ok() const { return m_ok; }

private:
    static bool pactl_suspend(const char* state) {
        return QProcess::execute("pactl", {"suspend-sink", "@DEFAULT_SINK@", state}) == 0;
    }
    bool m_ok = false;
};

class Sound : public ::testing::Test {
protected:
    void SetUp() override {
        course.write_bytes("wav_r/long.wav",
                           test::tone_wav(long_ms / 1000.0, loud_amplitude, sample_rate));
        course.write_bytes("wav_r/short.wav",
                           test::tone_wav(short_ms / 1000.0, soft_amplitude, sample_rate));
        QObject::connect(&sound, &SoundService::playback_ended, &sound, [this](End how) {
            ends.push_back(how);
            end_positions.push_back(sound.position_ms());
        });
    }
    // Course paths as the screens pass them, with "\" and any letter case.
    std::string wav(const std::string& name) const { return course.root() + "WAV_R\\" + name; }
    std::string local(const std::string& name) const { return course.path("wav_r/" + name); }
    // Plays with wait and returns the positions the service reported meanwhile.
    std::vector<qint64> waiting_play(const std::string& file) {
        std::vector<qint64> positions;
        QTimer sampler;
        QObject::connect(&sampler, &QTimer::timeout,
                         [&] { positions.push_back(sound.position_ms()); });
        sampler.start(10);
        sound.play_sound(file, true);
        return positions;
    }
    // A waiting play that returns only once the recording, file_ms long, was played
    // whole: from its start, to the end signal at its end.
    ::testing::AssertionResult played_whole(const std::string& file, qint64 file_ms) {
        const std::size_t ends_before = ends.size();
        const std::vector<qint64> positions = waiting_play(file);
        if (ends.size() == ends_before || ends.back() != End::finished)
            return ::testing::AssertionFailure() << "returned before the end was signalled";
        if (std::abs(sound.length_ms() - file_ms) > 10)
            return ::testing::AssertionFailure() << "a length of " << sound.length_ms();
        if (end_positions.back() < file_ms - position_step_ms)
            return ::testing::AssertionFailure() << "ended at " << end_positions.back();
        if (positions.empty() ||
            *std::min_element(positions.begin(), positions.end()) > position_step_ms)
            return ::testing::AssertionFailure() << "did not play from the start";
        return ::testing::AssertionSuccess();
    }
    bool started_playing() {
        return wait_until([this] { return sound.position_ms() > 0; });
    }

    test::TempCourse course;
    std::vector<std::string> messages;
    SoundOutputs outputs{[this](const std::string& message) { messages.push_back(message); }};
    SoundService sound{outputs,
                       [this](const std::string& message) { messages.push_back(message); }};
    std::vector<End> ends;
    std::vector<qint64> end_positions; // where each playback was when it ended
};

TEST_F(Sound, WaitingPlayReturnsAtTheEndOfTheRecordingAndSignalsItOnce) {
    EXPECT_TRUE(played_whole(wav("long.wav"), long_ms));

    EXPECT_EQ(ends, std::vector<End>{End::finished});
    EXPECT_FALSE(sound.is_playing());
    sound.wait_ms(500);
    EXPECT_EQ(ends.size(), 1u) << "one end for one playback";
    EXPECT_EQ(messages, std::vector<std::string>{});
}

TEST_F(Sound, PlayWithoutWaitReturnsAtOnceAndEndsByItself) {
    sound.play_sound(wav("long.wav"), false);

    EXPECT_TRUE(ends.empty()) << "returned before the recording ended";
    EXPECT_TRUE(sound.is_playing());
    ASSERT_TRUE(wait_until([this] { return !ends.empty(); }));
    EXPECT_EQ(ends, std::vector<End>{End::finished});
    EXPECT_GE(end_positions.back(), long_ms - position_step_ms) << "played to the end";
}

TEST_F(Sound, SameFileTwicePlaysTwiceFromTheStartWithoutReopening) {
    EXPECT_TRUE(played_whole(wav("short.wav"), short_ms));
    EXPECT_TRUE(played_whole(wav("short.wav"), short_ms)) << "the second play rewound";

    EXPECT_EQ(sound.openings(), 1);
    EXPECT_EQ(ends, (std::vector<End>{End::finished, End::finished}));
}

TEST_F(Sound, StopClosesTheFileSoTheSamePlayReopensIt) {
    sound.play_sound(wav("long.wav"), false);
    ASSERT_TRUE(started_playing());

    sound.stop_sound();

    EXPECT_EQ(ends, std::vector<End>{End::interrupted});
    EXPECT_FALSE(sound.is_playing());
    EXPECT_EQ(sound.open_file(), "");
    EXPECT_TRUE(played_whole(wav("long.wav"), long_ms));
    EXPECT_EQ(sound.openings(), 2);
    EXPECT_EQ(ends, (std::vector<End>{End::interrupted, End::finished}));
}

TEST_F(Sound, PlayingWhileAnotherPlaysCutsTheFirstOff) {
    sound.play_sound(wav("long.wav"), false);
    ASSERT_TRUE(started_playing());

    EXPECT_TRUE(played_whole(wav("short.wav"), short_ms));

    EXPECT_EQ(ends, (std::vector<End>{End::interrupted, End::finished}));
    EXPECT_EQ(sound.open_file(), local("short.wav"));
    sound.wait_ms(1500);
    EXPECT_EQ(ends.size(), 2u) << "the cut-off recording must not end later";
}

// An output made from the default device stays on it unless moved: the next playback
// after a new default (a headset plugged in) must go to the new device.
TEST_F(Sound, NextPlaybackGoesToTheNewDefaultDevice) {
    sound.play_sound(wav("short.wav"), false);
    ASSERT_TRUE(started_playing());
    EXPECT_EQ(test::sinks_of_streams(), QStringList{"vsink"});
    sound.stop_sound();

    const test::SecondDefaultSink headset;
    ASSERT_TRUE(headset.listed()) << "the back-end never listed the new sink";
    sound.play_sound(wav("long.wav"), false);
    ASSERT_TRUE(started_playing());

    EXPECT_EQ(test::sinks_of_streams(), QStringList{test::SecondDefaultSink::kName});
    sound.stop_sound();
}

TEST_F(Sound, RecordingIsHeardOnTheSoundDeviceUntilStopped) {
    SinkListener listener;
    ASSERT_TRUE(wait_until([&] { return listener.live(); })) << "no input from the sound daemon";

    sound.play_sound(wav("long.wav"), false);
    ASSERT_TRUE(wait_until([&] { return listener.heard(SinkListener::Level::loud); }));
    sound.stop_sound();

    EXPECT_TRUE(wait_until([&] { return listener.heard(SinkListener::Level::silent); }));
    EXPECT_EQ(ends, std::vector<End>{End::interrupted}) << "stopped before its end";
}

TEST_F(Sound, CutOffRecordingIsNotHeardAgain) {
    course.write_bytes("wav_r/three.wav", test::tone_wav(3.0, loud_amplitude, sample_rate));
    SinkListener listener;
    ASSERT_TRUE(wait_until([&] { return listener.live(); })) << "no input from the sound daemon";
    sound.play_sound(wav("three.wav"), false);
    ASSERT_TRUE(wait_until([&] { return listener.heard(SinkListener::Level::loud); }));
    const std::size_t cut = listener.count();

    sound.play_sound(wav("short.wav"), true);
    const auto after_cut = [&] {
        return std::vector<SinkListener::Level>(listener.levels().begin() + cut,
                                                listener.levels().end());
    };
    const auto soft_heard = [&] {
        const std::vector<SinkListener::Level> after = after_cut();
        return std::find(after.begin(), after.end(), SinkListener::Level::soft) != after.end();
    };
    ASSERT_TRUE(wait_until([&] {
        return soft_heard() && listener.heard(SinkListener::Level::silent);
    })) << "the second recording was not heard to its end";

    const std::vector<SinkListener::Level> after = after_cut();
    const auto first_soft = std::find(after.begin(), after.end(), SinkListener::Level::soft);
    EXPECT_EQ(std::find(first_soft, after.end(), SinkListener::Level::loud), after.end())
        << "the first recording went on after the second started";
}

struct NothingPlaysCase {
    const char* name;
    std::string file; // under the course root; "" for an empty name
    bool quiet;
    bool message;
};

class NothingPlays : public Sound, public ::testing::WithParamInterface<NothingPlaysCase> {};

TEST_P(NothingPlays, AndOnlyPlaySoundSaysTheFileIsMissing) {
    course.make_folder("wav_r/folder.wav");
    QTimer screen_timer;
    sound.register_screen_timer(&screen_timer);
    const std::string file = GetParam().file.empty() ? "" : course.root() + GetParam().file;

    if (GetParam().quiet) {
        sound.play_sound_quiet(file, true);
    } else {
        sound.play_sound(file, true);
    }

    const std::vector<std::string> expected_messages =
        GetParam().message ? std::vector<std::string>{"Brak pliku: " + file + "."}
                           : std::vector<std::string>{};
    EXPECT_EQ(messages, expected_messages);
    EXPECT_EQ(sound.openings(), 0);
    EXPECT_TRUE(ends.empty());
    EXPECT_FALSE(screen_timer.isActive());
}

INSTANTIATE_TEST_SUITE_P(
    Files, NothingPlays,
    ::testing::Values(NothingPlaysCase{"missing_file", "wav_r\\brak.wav", false, true},
                      NothingPlaysCase{"missing_file_quietly", "wav_r\\brak.wav", true, false},
                      NothingPlaysCase{"folder_is_no_recording", "wav_r\\folder.wav", false, true},
                      NothingPlaysCase{"empty_name", "", false, false},
                      NothingPlaysCase{"empty_name_quietly", "", true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Sound, UnplayableFileIsReportedAndTheNextFilePlays) {
    course.write_bytes("wav_r/broken.wav", "this is not a recording\r\n");
    // Late errors of a failed file arrive at random moments; a few rounds give them
    // their chance to spoil the next file.
    for (int round = 1; round <= 3; ++round) {
        SCOPED_TRACE(round);
        ends.clear();
        messages.clear();

        sound.play_sound(wav("broken.wav"), true);

        EXPECT_EQ(ends, std::vector<End>{End::failed});
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_NE(messages[0].find(wav("broken.wav")), std::string::npos) << messages[0];
        EXPECT_TRUE(played_whole(wav("long.wav"), long_ms));
        EXPECT_EQ(ends, (std::vector<End>{End::failed, End::finished}));
        EXPECT_EQ(messages.size(), 1u) << messages.back();
    }
}

TEST_F(Sound, UnplayableFileCutOffWhileOpeningDoesNotFailTheNext) {
    course.write_bytes("wav_r/broken.wav", "this is not a recording\r\n");

    sound.play_sound(wav("broken.wav"), false);
    EXPECT_TRUE(played_whole(wav("long.wav"), long_ms));

    EXPECT_EQ(ends, (std::vector<End>{End::interrupted, End::finished}));
    EXPECT_EQ(messages, std::vector<std::string>{});
}

TEST_F(Sound, OnlyPlaySoundStartsTheRegisteredScreenTimer) {
    const std::pair<std::function<void(SoundService&, const std::string&)>, bool> cases[] = {
        {[](SoundService& s, const std::string& f) { s.play_sound(f, false); }, true},
        {[](SoundService& s, const std::string& f) { s.play_sound_quiet(f, false); }, false},
    };
    for (const auto& [play, starts] : cases) {
        QTimer screen_timer;
        sound.register_screen_timer(&screen_timer);
        play(sound, wav("short.wav"));
        EXPECT_EQ(screen_timer.isActive(), starts);
        sound.stop_sound();
    }

    QTimer cleared;
    sound.register_screen_timer(&cleared);
    sound.clear_screen_timer();
    sound.play_sound(wav("short.wav"), false);
    EXPECT_FALSE(cleared.isActive());

    auto gone = std::make_unique<QTimer>();
    sound.register_screen_timer(gone.get());
    gone.reset();
    sound.play_sound(wav("short.wav"), false); // a closed screen's timer is not touched
    sound.stop_sound();
}

TEST_F(Sound, WaitingPlayStartsTheScreenTimerAfterTheEnd) {
    QTimer screen_timer;
    sound.register_screen_timer(&screen_timer);
    bool active_at_end = true;
    QObject::connect(&sound, &SoundService::playback_ended, &sound,
                     [&] { active_at_end = screen_timer.isActive(); });

    sound.play_sound(wav("short.wav"), true);

    EXPECT_FALSE(active_at_end);
    EXPECT_TRUE(screen_timer.isActive());
}

// Timers fire in the order they fall due, so a timer due shortly before the end of
// the wait fires inside it only if the wait both handles events and lasts its time.
TEST_F(Sound, WaitMsHandlesEventsWhileItWaits) {
    bool fired = false;
    QTimer::singleShot(250, Qt::PreciseTimer, [&] { fired = true; });

    sound.wait_ms(300);

    EXPECT_TRUE(fired);
}

TEST_F(Sound, StalledDeviceEndsAWaitingPlayAsFailed) {
    sound.set_stall_margin_ms(500);
    std::optional<SuspendedSink> suspended;
    QTimer::singleShot(300, [&] { suspended.emplace(); });

    sound.play_sound(wav("long.wav"), true);

    ASSERT_TRUE(suspended && suspended->ok()) << "pactl could not suspend the sink";
    EXPECT_EQ(ends, std::vector<End>{End::failed});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find(wav("long.wav")), std::string::npos) << messages[0];

    suspended.reset();
    sound.set_stall_margin_ms(SoundService::default_stall_margin_ms);
    EXPECT_TRUE(played_whole(wav("short.wav"), short_ms)) << "plays again once the device works";
    EXPECT_EQ(ends.back(), End::finished);
}

} // namespace
} // namespace vimo
