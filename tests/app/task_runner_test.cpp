#include "app/task_runner.h"
#include "controls/TransparentButton.h"
#include "controls/picture_controls.h"
#include "core/dates.h"
#include "core/qt_text.h"
#include "exercises/tasks/multiple_choice_screen.h"
#include "exercises/tasks/true_false_screen.h"
#include "exercises/tasks/typing_screen.h"
#include "support/screen_services_fixture.h"

#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

namespace vimo {
namespace {

using namespace std::chrono;

// A screen of the typing kind that prints what it is told to, as the typing screen's
// print button will.
class PrintingScreen final : public TaskScreen {
public:
    explicit PrintingScreen(ScreenServices& services) : TaskScreen(services, "WP") {}
    const TaskAttempt& attempt() const override { return m_attempt; }
    void print(const QString& document) const { print_document(document); }

protected:
    AreaDefaults area_defaults() const override { return {50, 150, -1, -1}; }
    void load_content(const TaskEntry&, const TaskLayout&) override {}
    void evaluate() override {}

private:
    TaskAttempt m_attempt;
};

// A text with a multiple-choice and a true/false task, their two results records, the
// learner's folder, and the runner with both screens.
class Runner : public ::testing::Test, protected test::ScreenServicesFixture {
protected:
    Runner() {
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
        runner.add_screen(mc);
        runner.add_screen(tf);
        lesson.text_number = 1;
        lesson.tasks = {&tasks[0], &tasks[1]};
        lesson.item_keys = {1, 2};
    }

    bool results_file_written() const {
        return QFile::exists(QString::fromStdString(results_file_path(course.config)));
    }

    LearnerState learner;
    std::array<TaskEntry, 2> tasks;
    ComprehensionLesson lesson;
    std::vector<int> texts_shown;
    std::vector<std::string> messages_shown;
    std::vector<std::pair<std::string, int>> looked_up;
    std::vector<QString> printed;
    int closed = 0;
    TaskRunner runner{
        course, learner, clock,
        TaskRunner::Links{
            .show_text = [this](int text) { texts_shown.push_back(text); },
            .show_message =
                [this](const std::string& message) { messages_shown.push_back(message); },
            .look_up =
                [this](const UniString& word, int mode) {
                    looked_up.emplace_back(uni_to_qstring(word).toStdString(), mode);
                },
            .print = [this](const QString& document) { printed.push_back(document); },
            .task_closed = [this] { ++closed; },
        }};
    TC_MC_Form mc{services};
    TC_TF_Form tf{services};
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

TEST_F(Runner, ARightClickedInstructionWordReachesTheProgramsLookUp) {
    runner.open_lesson(lesson, 1);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&mc));
    InstructionBox& box = mc.instruction_box();
    box.repaint(); // fills the table of painted words
    const InstructionWordTable& table = box.table();
    // "Choose.": the table holds the word and the pen steps around it.
    const InstructionEntry* found = nullptr;
    for (int i = 0; i < table.count(); ++i)
        if (uni_to_qstring(table.entry(i).word) == "Choose.") found = &table.entry(i);
    ASSERT_NE(found, nullptr) << table.count() << " words";
    const QPoint middle((found->left + found->right) / 2, (found->top + found->bottom) / 2);
    QTest::mouseClick(&box, Qt::LeftButton, {}, middle);
    EXPECT_TRUE(looked_up.empty()) << "only a right click looks up";
    QTest::mouseClick(&box, Qt::RightButton, {}, middle);
    EXPECT_EQ(looked_up, (std::vector<std::pair<std::string, int>>{{"Choose.", 0}}));
}

TEST_F(Runner, AScreensPrintoutReachesTheProgramsPrinting) {
    PrintingScreen typing{services};
    runner.add_screen(typing);
    tasks[1].kind = "WP";
    runner.open_lesson(lesson, 2);
    ASSERT_EQ(runner.open_screen(), &typing);
    typing.print("<p>gaps</p>");
    EXPECT_EQ(printed, (std::vector<QString>{"<p>gaps</p>"}));
}

TEST_F(Runner, ATypingTaskWithoutItsFileIsRefusedAndTheLearnerStaysOnTheirTask) {
    TCW_Wpisywanie1Form typing{services};
    runner.add_screen(typing);
    tasks[1].kind = "WP";
    tasks[1].kind_line = uni_widen("WP#nie_ma");
    runner.open_lesson(lesson, 1);
    ASSERT_EQ(runner.open_screen(), &mc);
    QTest::mouseClick(&mc.tab(2), Qt::LeftButton);
    EXPECT_EQ(runner.open_screen(), &mc);
    EXPECT_TRUE(mc.isVisible());
    EXPECT_FALSE(typing.isVisible());
    ASSERT_EQ(messages_shown.size(), 1u);
    EXPECT_NE(messages_shown[0].find("nie_mau.fcs"), std::string::npos) << messages_shown[0];
    EXPECT_EQ(closed, 0) << "the task the learner was doing stays open";
}

TEST_F(Runner, ATaskKindWithoutItsScreenSaysSoAndOpensNothing) {
    tasks[1].kind = "DD";
    runner.open_lesson(lesson, 2);
    EXPECT_EQ(runner.open_screen(), nullptr);
    EXPECT_EQ(messages_shown, (std::vector<std::string>{kScreenNotAvailableMessage}));
    runner.go_to_tab(1); // the text's other task still opens
    EXPECT_EQ(runner.open_screen(), &mc);
    // Its tab leaves the learner where they were.
    QTest::mouseClick(&mc.tab(2), Qt::LeftButton);
    EXPECT_EQ(messages_shown.size(), 2u);
    EXPECT_EQ(runner.open_screen(), &mc);
    EXPECT_TRUE(mc.isVisible());
    EXPECT_EQ(closed, 0) << "nothing was closed or reported";
}

} // namespace
} // namespace vimo
