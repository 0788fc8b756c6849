#include "app/task_runner.h"
#include "controls/TransparentButton.h"
#include "controls/picture_controls.h"
#include "core/dates.h"
#include "core/qt_text.h"
#include "exercises/tasks/multiple_choice_screen.h"
#include "exercises/tasks/true_false_screen.h"
#include "support/fixed_sources.h"
#include "support/temp_course.h"

#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

namespace vimo {
namespace {

using namespace std::chrono;

// A text with a multiple-choice and a true/false task, their two results records, the
// learner's folder, and the runner with both screens.
class Runner : public ::testing::Test {
protected:
    Runner() {
        course.config.course_root = files.root();
        files.make_folder("1");
        course.config.learner_folder = files.path("1/");
        learner.settings.first_task_notice = false;
        tasks[0].kind = "MC";
        tasks[0].header = uni_widen("T1#1#bg#Choose.#x#Choose.#");
        tasks[0].kind_line = uni_widen("MC#Q?=T_a=b#");
        tasks[1].kind = "TF";
        tasks[1].header = uni_widen("T1#1#bg#Tick.#x#Tick.#");
        tasks[1].kind_line = uni_widen("TF#P#T#W#V#F#F#F#F#T_s#");
        for (std::uint8_t key : {1, 2}) {
            cw_Info record;
            record.name = "tek_1";
            record.kind = key == 1 ? 40 : 41;
            record.key = key;
            learner.results.append(record);
        }
        runner.add_screen("MC", mc);
        runner.add_screen("TF", tf);
        lesson.text_number = 1;
        lesson.tasks = {&tasks[0], &tasks[1]};
        lesson.item_keys = {1, 2};
    }

    bool results_file_written() const {
        return QFile::exists(QString::fromStdString(results_file_path(course.config)));
    }

    test::TempCourse files;
    CourseState course;
    LearnerState learner;
    test::FixedClock clock{sys_days{2026y / 12 / 10} + 12h};
    test::ScriptedRandom random{{0}};
    NoHelp help;
    TMyImageList buttons;
    InstructionWordTable instructions;
    std::array<TaskEntry, 2> tasks;
    ComprehensionLesson lesson;
    std::vector<int> texts_shown;
    int closed = 0;
    TaskRunner runner{course, learner, clock,
                      TaskRunner::Links{
                          .show_text = [this](int text) { texts_shown.push_back(text); },
                          .task_closed = [this] { ++closed; },
                      }};
    TC_MC_Form mc{course, buttons, help, instructions, random};
    TC_TF_Form tf{course, buttons, help, instructions, random};
};

TEST_F(Runner, SwitchingTabsReportsTheTaskThatWasDone) {
    runner.open_lesson(lesson, 1);
    ASSERT_EQ(runner.open_screen(), &mc);
    EXPECT_TRUE(mc.isVisible());
    const McAnswerPlace& first = mc.list().layout().answers.at(0);
    QTest::mouseClick(&mc.list(), Qt::LeftButton, {},
                      QPoint((first.left + first.right) / 2, (first.top + first.bottom) / 2));
    ASSERT_TRUE(mc.attempt().acted);

    QTest::mouseClick(&mc.tab(2), Qt::LeftButton);
    EXPECT_EQ(runner.open_screen(), &tf);
    EXPECT_FALSE(mc.isVisible());
    EXPECT_EQ(learner.results.record(1)->count, 1) << "the choice counts, unchecked";
    EXPECT_EQ(learner.results.record(1)->completed, 0);
    EXPECT_TRUE(results_file_written());
    EXPECT_EQ(closed, 1);

    // Leaving a task in which nothing was done records nothing but still saves.
    QTest::mouseClick(tf.findChild<TTransparentButton*>("lbl_exit"), Qt::LeftButton);
    EXPECT_EQ(runner.open_screen(), nullptr);
    EXPECT_FALSE(tf.isVisible());
    EXPECT_EQ(learner.results.record(2)->count, 0);
    EXPECT_EQ(closed, 2);
}

TEST_F(Runner, TheFirstTaskNoticeShowsOnceAndALockedTypingTaskIsRefused) {
    learner.settings.first_task_notice = true;
    learner.settings.block_access = true;
    tasks[1].kind = "WP"; // a typing task on tab 2 of two: open after one other tab
    runner.open_lesson(lesson, 2);
    EXPECT_EQ(texts_shown, (std::vector<int>{kTypingLockedText}));
    EXPECT_EQ(runner.open_screen(), nullptr);
    runner.go_to_tab(1);
    runner.go_to_tab(1); // the current tab: nothing happens
    EXPECT_EQ(texts_shown, (std::vector<int>{kTypingLockedText, 63}));
    EXPECT_FALSE(learner.settings.first_task_notice);
}

} // namespace
} // namespace vimo
