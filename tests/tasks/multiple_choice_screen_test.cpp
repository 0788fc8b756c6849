#include "controls/TransparentButton.h"
#include "controls/fcs_image1.h"
#include "controls/panel1.h"
#include "controls/picture_controls.h"
#include "core/qt_text.h"
#include "exercises/tasks/multiple_choice_screen.h"
#include "support/fixed_sources.h"
#include "support/recording_help.h"
#include "support/temp_course.h"

#include <QTest>
#include <gtest/gtest.h>

namespace vimo {
namespace {

class McScreen : public ::testing::Test {
protected:
    McScreen() {
        course.config.course_root = files.root();
        task.kind = "MC";
        task.header = uni_widen("T1#1#bg#Listen and choose.#x#Listen and choose.#");
        task.kind_line = uni_widen("MC#Where?=T_Here=There=Nowhere#Who?=T_Tom=Ann#");
        lesson = make_lesson_context("tek_1", {&task, &task}, {1, 2}, TextMedia::film, "1");
        start_task(lesson, 1, {});
    }
    void open() {
        form.open_task(lesson, task);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    // Clicks the middle of the answer of question q whose text is answer.
    void click_answer(int q, const std::string& answer) {
        const MultipleChoice& mc = form.engine();
        const McQuestion& question = mc.questions().at(static_cast<std::size_t>(q));
        for (const McAnswerPlace& place : form.list().layout().answers) {
            if (place.question != q) continue;
            if (uni_to_qstring(question.items[static_cast<std::size_t>(place.item - 1)])
                    .toStdString() != answer)
                continue;
            QTest::mouseClick(
                &form.list(), Qt::LeftButton, {},
                QPoint((place.left + place.right) / 2, (place.top + place.bottom) / 2));
            return;
        }
        ADD_FAILURE() << "no answer " << answer;
    }

    test::TempCourse files;
    CourseState course;
    TMyImageList buttons;
    test::RecordingHelp help;
    test::ScriptedRandom random{{1, 2, 0, 1}};
    TaskEntry task;
    LessonContext lesson;
    InstructionWordTable instructions;
    TC_MC_Form form{course, buttons, help, instructions, random};
};

TEST_F(McScreen, AnsweringByClicksAndCheckingShowsTheScore) {
    open();
    EXPECT_TRUE(form.checkButton().isVisible());
    EXPECT_FALSE(form.againButton().isVisible());
    EXPECT_TRUE(form.tab(1).isVisible());
    EXPECT_TRUE(form.tab(2).isVisible());
    EXPECT_FALSE(form.tab(3).isVisible());
    EXPECT_EQ(form.list().geometry(), QRect(35, 150, 835, 575));

    click_answer(0, "There");
    click_answer(0, "Here"); // the second click replaces the first
    click_answer(1, "Ann");
    EXPECT_TRUE(form.attempt().acted);
    QTest::mouseClick(&form.checkButton(), Qt::LeftButton);
    EXPECT_TRUE(form.attempt().checked);
    EXPECT_EQ(form.attempt().score(), 50);
    EXPECT_FALSE(form.checkButton().isVisible());
    EXPECT_TRUE(form.againButton().isVisible());
    EXPECT_TRUE(form.scorePanel().isVisible());
    EXPECT_EQ(form.scorePanel().wynik(), 50);

    // Frozen after checking.
    click_answer(1, "Tom");
    EXPECT_EQ(form.attempt().score(), 50);

    // Again: a fresh attempt that has done nothing.
    QTest::mouseClick(&form.againButton(), Qt::LeftButton);
    EXPECT_FALSE(form.attempt().acted);
    EXPECT_FALSE(form.attempt().checked);
    EXPECT_TRUE(form.checkButton().isVisible());
    EXPECT_FALSE(form.scorePanel().isVisible());
}

TEST_F(McScreen, ALongListScrollsByWholeLines) {
    std::string content = "MC#";
    for (int q = 0; q < 10; ++q)
        content += "Question " + std::to_string(q) + "?=T_yes=no=maybe=never#";
    task.kind_line = uni_widen(content);
    task.parameters[9] = 200; // a short task area
    open();
    EXPECT_FALSE(form.upButton().isVisible());
    ASSERT_TRUE(form.downButton().isVisible());
    const int first_top = form.list().layout().answers.front().top;
    QTest::mouseClick(&form.downButton(), Qt::LeftButton);
    EXPECT_EQ(form.scroll(), 1);
    EXPECT_TRUE(form.upButton().isVisible());
    EXPECT_EQ(form.list().layout().answers.front().top, first_top - 24);
}

TEST_F(McScreen, F1AndTheHelpButtonAskForTheTasksHelp) {
    open();
    QTest::keyClick(&form, Qt::Key_F1);
    QTest::mouseClick(form.findChild<TTransparentButton*>("btn_help"), Qt::LeftButton);
    EXPECT_EQ(help.pages, (std::vector<std::string>{"Htm_r\\h_comp.html#filmy"}));
    EXPECT_EQ(help.keys.size(), 1u);
}

TEST_F(McScreen, RightClickingAnInstructionWordLooksItUp) {
    std::vector<std::pair<std::string, int>> looked_up;
    TaskScreen::Links links;
    links.look_up = [&](const UniString& word, int mode) {
        looked_up.emplace_back(uni_to_qstring(word).toStdString(), mode);
    };
    form.setLinks(links);
    open();
    InstructionBox& box = form.instructionBox();
    box.repaint(); // fills the table of painted words
    const InstructionWordTable& table = box.table();
    // "Listen and choose.": the table holds the words and the pen steps between them.
    const InstructionEntry* found = nullptr;
    for (int i = 0; i < table.count(); ++i)
        if (uni_to_qstring(table.entry(i).word) == "and") found = &table.entry(i);
    ASSERT_NE(found, nullptr);
    const InstructionEntry& entry = *found;
    const QPoint middle((entry.left + entry.right) / 2, (entry.top + entry.bottom) / 2);
    QTest::mouseClick(&box, Qt::LeftButton, {}, middle);
    QTest::mouseClick(&box, Qt::RightButton, {}, middle);
    EXPECT_EQ(looked_up, (std::vector<std::pair<std::string, int>>{{"and", 0}}));
}

} // namespace
} // namespace vimo
