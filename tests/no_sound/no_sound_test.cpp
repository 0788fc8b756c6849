// A machine without any sound: this test program runs with PULSE_SERVER naming a
// socket that does not exist and the sound server's autospawn off, so no output
// device is there. The program must say so once and work on silently; a waiting
// playback must return at once (the program's ctest time-out catches a hang).
#include "audio/voice_recorder.h"
#include "controls/MyImageList.h"
#include "core/sound.h"
#include "e2e/demo_session.h"
#include "help/multimedia.h"
#include "help/multimedia_window.h"
#include "support/temp_course.h"
#include "support/tone_wav.h"
#include "support/wait.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace vimo {
namespace {

using namespace test;

bool no_output_device() {
    return QMediaDevices::defaultAudioOutput().isNull();
}

// Without a sound server there is no microphone either: the first press of a record
// button says so once, whichever recorder it uses, and nothing is saved.
TEST(NoSoundDevice, RecordingTellsOfTheMissingMicrophoneOnceAndSavesNothing) {
    ASSERT_TRUE(QMediaDevices::defaultAudioInput().isNull());
    TempCourse files;
    std::vector<QString> messages;
    const auto show = [&](const QString& m) { messages.push_back(m); };
    VoiceRecorder recorder_a(VoiceRecorder::Reports::each_failure, show, [] { return 0; });
    VoiceRecorder recorder_b(VoiceRecorder::Reports::none, show, [] { return 1; });
    EXPECT_FALSE(VoiceRecorder::input_available());
    EXPECT_FALSE(recorder_a.rec_start());
    EXPECT_FALSE(recorder_a.rec_start());
    EXPECT_FALSE(recorder_b.rec_start());
    EXPECT_EQ(messages, std::vector<QString>{"Brak mikrofonu Open"});
    EXPECT_FALSE(recorder_a.rec_stop_save(files.path("tmp1.Wav"), 200).recorded);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(files.path("tmp1.Wav"))));
}

TEST(NoSoundDevice, BothPlayersGoOnSilentlyAfterOneNotice) {
    ASSERT_TRUE(no_output_device()) << "this test needs a machine without sound output";
    TempCourse course;
    course.write_bytes("wav_r/long.wav", tone_wav(3.0, 8000));
    course.write_bytes("media/Teksty_wav/1.wav", tone_wav(2.0, 8000));
    Config config;
    config.course_root = course.root();
    config.media_root = course.root() + "media\\";
    std::vector<std::string> notices;
    std::vector<std::string> messages;
    SoundOutputs outputs{[&](const std::string& text) { notices.push_back(text); }};
    SoundService sound{outputs, [&](const std::string& text) { messages.push_back(text); }};
    int ends = 0;
    QObject::connect(&sound, &SoundService::playback_ended, [&] { ++ends; });
    QTimer screen_timer;
    screen_timer.setSingleShot(true);
    screen_timer.setInterval(60000);
    sound.register_screen_timer(&screen_timer);

    // A waiting playback of a three-second recording returns at once: the screen goes
    // on as after the recording.
    sound.play_sound(course.root() + "wav_r\\long.wav", true);
    EXPECT_TRUE(screen_timer.isActive());
    EXPECT_FALSE(sound.is_playing());
    EXPECT_EQ(ends, 0) << "nothing started, so nothing ended";
    sound.play_sound(course.root() + "wav_r\\long.wav", false);
    sound.stop_sound();

    TMyImageList buttons;
    TMultimediaForm form{config, buttons, outputs};
    form.setLinks({.open_reading = {},
                   .show_message = [&](const std::string& text) { messages.push_back(text); },
                   .main_window_origin = {}});
    form.media_open(kMediaSound, media_file(kMediaSound, config, "1"));
    EXPECT_TRUE(form.is_open()) << "the window opens without sound too";
    QTest::mouseClick(form.findChild<QWidget*>("btn_play"), Qt::LeftButton, {}, QPoint(2, 2));
    ASSERT_TRUE(wait_until([&] { return form.player()->position() > 300; }))
        << "the recording did not play on silently";
    form.media_close();

    ASSERT_TRUE(wait_until([&] { return !notices.empty(); })) << "no notice came";
    // A second notice would have been queued alongside the first.
    QCoreApplication::processEvents();
    EXPECT_EQ(notices, std::vector<std::string>{kNoSoundNotice});
    EXPECT_TRUE(messages.empty()) << messages.front();
}

// The whole program on the demo course: the notice once, a multiple-choice task done
// and its result kept.
class NoSoundProgram : public DemoSession {
protected:
    // The program's windows on the screen that are none of the program's own sizes:
    // plain message boxes.
    QStringList message_boxes() {
        QStringList boxes;
        for (const QString& window : shown_windows(program)) {
            const QSize size = window_size(window);
            if (size != kMainWindow && size != kNoticeWindow && size != kLearnerWindow &&
                size != kRecordingWindow && size != kExitWindow && !size.isEmpty())
                boxes.push_back(window);
        }
        return boxes;
    }
};

TEST_F(NoSoundProgram, ShowsTheNoticeOnceAndACompletedTaskIsKept) {
    write_learner_list("1=Ewa\r\n");
    ASSERT_NO_FATAL_FAILURE(start_at_the_main_menu());
    // The main menu's greeting is the first sound wanted.
    QStringList boxes;
    ASSERT_TRUE(poll([&] { return !(boxes = message_boxes()).isEmpty(); }))
        << "no notice that sound is not available";
    ASSERT_EQ(boxes.size(), 1);
    ASSERT_TRUE(wait_for_keys(program, boxes.first()));
    key("Return");
    ASSERT_TRUE(wait_until_gone(program, boxes.first()));

    ASSERT_NO_FATAL_FAILURE(open_lessons_at_the_first_text());
    QString task;
    ASSERT_NO_FATAL_FAILURE(open_first_task_past_its_notice(task));
    const QString media = wait_for_new_window(program, kRecordingWindow);
    ASSERT_FALSE(media.isEmpty()) << "the recording's window opens without sound too";
    const QPoint play = window_position(media) + QPoint(8 + 11, 4 + 11);
    click_at(play.x(), play.y());
    click_at(35 + 60, 150 + 24 + 8); // the first answer of the first question
    click_at(935 + 40, 198 + 25);    // check
    click_at(kLeaveTask.x(), kLeaveTask.y());
    ASSERT_TRUE(wait_until_gone(program, task));
    // A second opening asks for sound again and says nothing more.
    task = open_first_task();
    ASSERT_FALSE(task.isEmpty());
    ASSERT_FALSE(wait_for_new_window(program, kRecordingWindow).isEmpty());
    click_at(kLeaveTask.x(), kLeaveTask.y());
    ASSERT_TRUE(wait_until_gone(program, task));
    EXPECT_TRUE(message_boxes().isEmpty()) << "a second message about sound";
    ASSERT_TRUE(wait_for_keys(program, lessons));
    key("Escape");
    ASSERT_TRUE(wait_until_gone(program, lessons));
    const QString exit_window = opened_by(program, kExitWindow, [] { click_at(1010, 10); });
    ASSERT_TRUE(wait_for_keys(program, exit_window));
    key("Return");
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitCode(), 0);

    const QString results =
        run(VIMO_COURSE_TOOL, {"results", QString::fromStdString(course.path("1/v1r2_55"))});
    const QString first = results.split('\n').value(0);
    EXPECT_TRUE(first.contains("\"name\":\"tek_1\"")) << first.toStdString();
    EXPECT_TRUE(first.contains("\"completed\":1")) << first.toStdString();
}

} // namespace
} // namespace vimo
