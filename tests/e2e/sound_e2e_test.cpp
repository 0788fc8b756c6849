// The program's sound as a learner hears it: the first press of Play in the media
// window of a lesson's recording must bring sound to the sink, from the first opening
// of the task on, and leaving the task must silence it. Heard on the test run's null
// sink, not read off the player.
#include "e2e/demo_session.h"
#include "e2e/sink_monitor.h"

#include <gtest/gtest.h>

namespace vimo {
namespace {

using namespace test;

constexpr QPoint kPlayInMediaWindow{8 + 11, 4 + 11}; // the middle of btn_play
constexpr int kSoundWaitMs = 5000;
// Longer than any pause of the demo recording's speech (about 0.7 s).
constexpr int kSilenceMs = 1200;

class FirstPress : public DemoSession {
protected:
    void SetUp() override {
        DemoSession::SetUp();
        write_learner_list("1=Ewa\r\n");
        ASSERT_TRUE(sink.started()) << "parec delivered nothing from the sink's monitor";
    }
    // Opens the first text's first task from the unfolded chooser; the first-task
    // notice that comes with the first opening of a run is dismissed.
    void open_the_task(bool with_notice) {
        if (!with_notice) {
            task = open_first_task();
            ASSERT_FALSE(task.isEmpty());
            return;
        }
        open_first_task_past_its_notice(task);
    }
    // Presses Play once, with the sink quiet before, and listens.
    void press_play_once_and_hear() {
        const QString media = wait_for_new_window(program, kRecordingWindow);
        ASSERT_FALSE(media.isEmpty()) << "the recording's media window did not open";
        ASSERT_TRUE(sink.silence_after(sink.mark(), kSilenceMs, 15000))
            << "the sink never went quiet before the press";
        const std::size_t pressed = sink.mark();
        const QPoint play = window_position(media) + kPlayInMediaWindow;
        click_at(play.x(), play.y());
        EXPECT_TRUE(sink.sound_after(pressed, kSoundWaitMs))
            << "one press of Play brought no sound to the sink";
    }

    SinkMonitor sink;
    QString task;
};

TEST_F(FirstPress, PlaysInEachOfTenProgramStarts) {
    for (int start_number = 1; start_number <= 10; ++start_number) {
        SCOPED_TRACE("program start " + std::to_string(start_number));
        ASSERT_NO_FATAL_FAILURE(start_at_the_main_menu());
        ASSERT_NO_FATAL_FAILURE(open_lessons_at_the_first_text());
        ASSERT_NO_FATAL_FAILURE(open_the_task(true));
        ASSERT_NO_FATAL_FAILURE(press_play_once_and_hear());
        stop();
    }
}

TEST_F(FirstPress, PlaysInEachOfTenOpeningsAndLeavingTheTaskSilencesIt) {
    ASSERT_NO_FATAL_FAILURE(start_at_the_main_menu());
    ASSERT_NO_FATAL_FAILURE(open_lessons_at_the_first_text());
    for (int opening = 1; opening <= 10; ++opening) {
        SCOPED_TRACE("opening " + std::to_string(opening));
        ASSERT_NO_FATAL_FAILURE(open_the_task(opening == 1));
        ASSERT_NO_FATAL_FAILURE(press_play_once_and_hear());
        const std::size_t left = sink.mark();
        click_at(kLeaveTask.x(), kLeaveTask.y());
        ASSERT_TRUE(wait_until_gone(program, task));
        EXPECT_TRUE(sink.silence_after(left, kSilenceMs, 4000))
            << "the recording played on after the task was left";
    }
}

} // namespace
} // namespace vimo
