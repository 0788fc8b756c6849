#include "audio/fixed_take_recorder.h"
#include "audio/record_hold.h"
#include "audio/wav_file.h"
#include "core/config.h"
#include "support/temp_course.h"

#include <QFile>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vimo {
namespace {

using test::FixedTakeRecorder;

class Hold : public ::testing::Test {
protected:
    Hold() {
        config.course_root = files.root();
        button.resize(40, 40);
    }
    RecordHold& attach(RecordCaller caller) {
        hold = std::make_unique<RecordHold>(
            button, recorder, std::move(caller),
            RecordHold::Hooks{
                .show_recording = [this](bool on) { pictures.push_back(on ? "on" : "off"); },
                .stop_playback = [this] { events.push_back("stop playback"); },
                .accepted = [this](const RecordingTake&) { events.push_back("take"); },
                .show_text =
                    [this](int text) { events.push_back("text " + std::to_string(text)); }});
        return *hold;
    }
    void click(Qt::MouseButton button_down, Qt::MouseButton button_up) {
        QTest::mousePress(&button, button_down, {}, QPoint(5, 5));
        QTest::mouseRelease(&button, button_up, {}, QPoint(5, 5));
    }
    QByteArray file(const std::string& name) {
        QFile in(QString::fromStdString(files.path(name)));
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    test::TempCourse files;
    Config config;
    QWidget button;
    FixedTakeRecorder recorder;
    std::unique_ptr<RecordHold> hold;
    std::vector<std::string> events;
    std::vector<std::string> pictures;
};

TEST_F(Hold, TheCallerTableNamesFilesLimitsAndNotices) {
    const RecordCaller sentences = sentence_building_caller(config);
    EXPECT_EQ(sentences.target, config.course_path("tmp1.Wav"));
    EXPECT_EQ(sentences.auto_stop_ms, 15000);
    EXPECT_EQ(sentences.minimum_ms, 200);
    EXPECT_FALSE(sentences.any_release);
    EXPECT_EQ(vocabulary_caller(config).target, sentences.target);
    const RecordCaller sentence = sentence_recording_caller(config, 7);
    EXPECT_EQ(sentence.target, config.course_path("savez_7.Wav"));
    EXPECT_EQ(sentence.auto_stop_ms, 0);
    EXPECT_EQ(sentence.minimum_ms, 300);
    EXPECT_TRUE(sentence.any_release);
    const RecordCaller dialogue = dialogue_caller(config, 3);
    EXPECT_EQ(dialogue.target, config.course_path("save_3.Wav"));
    EXPECT_EQ(dialogue.too_short_text, 82);
    const RecordCaller analyser = analyser_caller(config);
    EXPECT_EQ(analyser.target, config.course_path("temp1.Wav"));
    EXPECT_EQ(analyser.minimum_ms, 200);
    EXPECT_EQ(analyser.auto_stop_ms, 0);
}

// Takes of exact sample counts either side of the inclusive minimums: a short take
// brings the notice and leaves the earlier take's file as it was.
TEST_F(Hold, TakesAreKeptFromTheirMinimumOn) {
    const struct {
        const char* name;
        bool dialogue;
        int samples;
        bool kept;
    } cases[] = {{"199 ms", false, 4388, false},
                 {"200 ms", false, 4410, true},
                 {"299 ms", true, 6593, false},
                 {"300 ms", true, 6615, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const RecordCaller caller =
            c.dialogue ? dialogue_caller(config, 1) : sentence_building_caller(config);
        const std::string name = c.dialogue ? "save_1.Wav" : "tmp1.Wav";
        files.write_bytes(name, "earlier take");
        events.clear();
        attach(caller);
        recorder.samples = c.samples;
        click(Qt::LeftButton, Qt::LeftButton);
        EXPECT_EQ(hold->own_recording(), c.kept);
        const std::string notice = c.dialogue ? "text 82" : "text 81";
        EXPECT_EQ(events, (std::vector<std::string>{"stop playback", c.kept ? "take" : notice}));
        const QByteArray saved = file(name);
        if (c.kept) {
            EXPECT_EQ(saved.size(), 44 + 2 * c.samples);
            const std::optional<WavLayout> layout =
                read_wav_layout(std::string_view(saved.constData(), saved.size()));
            ASSERT_TRUE(layout);
            EXPECT_GE(wav_duration_ms(*layout), caller.minimum_ms);
        } else {
            EXPECT_EQ(saved, "earlier take");
        }
    }
}

TEST_F(Hold, AnExistingTakeWhoseNameDiffersInCaseIsReplaced) {
    files.write_bytes("TMP1.WAV", "earlier take");
    attach(sentence_building_caller(config));
    recorder.samples = 4410;
    click(Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(file("TMP1.WAV").size(), 44 + 2 * 4410);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(files.path("tmp1.Wav"))))
        << "a second file beside the earlier take";
}

TEST_F(Hold, OnlyTheLeftButtonStartsAndItsReleaseEndsTheTake) {
    attach(sentence_building_caller(config));
    recorder.samples = 4410;
    click(Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(recorder.starts, 0);
    EXPECT_TRUE(pictures.empty());

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(hold->recording());
    QTest::mouseRelease(&button, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_TRUE(hold->recording()) << "on this screen only the left release ends it";
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(hold->recording());
    EXPECT_EQ(pictures, (std::vector<std::string>{"on", "off"}));
}

TEST_F(Hold, OnTheNumberedScreensAnyReleaseEndsTheTake) {
    attach(sentence_recording_caller(config, 2));
    recorder.samples = 6615;
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&button, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_FALSE(hold->recording());
    EXPECT_TRUE(hold->own_recording());
    EXPECT_EQ(file("savez_2.Wav").size(), 44 + 2 * 6615);
}

TEST_F(Hold, TheAutoStopEndsTheTakeAndTheLaterReleaseDoesNothingMore) {
    RecordCaller caller = sentence_building_caller(config);
    caller.auto_stop_ms = 50; // the screens' 15 s, shortened
    attach(caller);
    recorder.samples = 4410;
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !hold->recording(); }, 5000));
    EXPECT_TRUE(hold->own_recording());
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(recorder.stops, 1);
    EXPECT_EQ(events, (std::vector<std::string>{"stop playback", "take"}));
}

TEST_F(Hold, ARecordingThatCannotStartSavesNothingAndTellsNothingMore) {
    attach(sentence_building_caller(config));
    recorder.refuse = true;
    click(Qt::LeftButton, Qt::LeftButton);
    EXPECT_FALSE(hold->own_recording());
    EXPECT_TRUE(file("tmp1.Wav").isEmpty());
    EXPECT_TRUE(pictures.empty());
    EXPECT_EQ(events, (std::vector<std::string>{"stop playback"}));
}

TEST_F(Hold, ANewTakeClearsTheOwnRecordingUntilItIsKept) {
    attach(sentence_building_caller(config));
    recorder.samples = 4410;
    click(Qt::LeftButton, Qt::LeftButton);
    ASSERT_TRUE(hold->own_recording());
    recorder.samples = 100;
    click(Qt::LeftButton, Qt::LeftButton);
    EXPECT_FALSE(hold->own_recording()) << "the short take is not this run's recording";
}

} // namespace
} // namespace vimo
