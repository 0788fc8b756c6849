#include "controls/TransparentButton.h"
#include "controls/fcs_image1.h"
#include "controls/panel1.h"
#include "controls/picture_controls.h"
#include "core/qt_text.h"
#include "exercises/tasks/multiple_choice_screen.h"
#include "support/screen_services_fixture.h"

#include <QTest>
#include <gtest/gtest.h>

namespace vimo {
namespace {

class McScreen : public ::testing::Test, protected test::ScreenServicesFixture {
protected:
    McScreen() : ScreenServicesFixture({1, 2, 0, 1}) {
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

    TaskEntry task;
    LessonContext lesson;
    TC_MC_Form form{services};
};

TEST_F(McScreen, AnsweringByClicksAndCheckingShowsTheScore) {
    open();
    EXPECT_TRUE(form.check_button().isVisible());
    EXPECT_FALSE(form.again_button().isVisible());
    EXPECT_TRUE(form.tab(1).isVisible());
    EXPECT_TRUE(form.tab(2).isVisible());
    EXPECT_FALSE(form.tab(3).isVisible());
    EXPECT_EQ(form.list().geometry(), QRect(35, 150, 835, 575));

    click_answer(0, "There");
    click_answer(0, "Here"); // the second click replaces the first
    click_answer(1, "Ann");
    EXPECT_TRUE(form.attempt().acted);
    QTest::mouseClick(&form.check_button(), Qt::LeftButton);
    EXPECT_TRUE(form.attempt().checked);
    EXPECT_EQ(form.attempt().score(), 50);
    EXPECT_FALSE(form.check_button().isVisible());
    EXPECT_TRUE(form.again_button().isVisible());
    EXPECT_TRUE(form.score_panel().isVisible());
    EXPECT_EQ(form.score_panel().wynik(), 50);

    // Frozen after checking.
    click_answer(1, "Tom");
    EXPECT_EQ(form.attempt().score(), 50);

    // Again: a fresh attempt that has done nothing.
    QTest::mouseClick(&form.again_button(), Qt::LeftButton);
    EXPECT_FALSE(form.attempt().acted);
    EXPECT_FALSE(form.attempt().checked);
    EXPECT_TRUE(form.check_button().isVisible());
    EXPECT_FALSE(form.score_panel().isVisible());
}

// Where word text of the list is painted: its middle.
QPoint middle_of(const std::vector<McWord>& words, const std::string& text) {
    for (const McWord& word : words)
        if (uni_to_qstring(word.text).toStdString() == text)
            return {word.x + word.width / 2, word.y + 8};
    ADD_FAILURE() << "no word " << text;
    return {};
}

TEST_F(McScreen, ARightClickOnAWordOfTheListLooksItUpAndChoosesNothing) {
    std::vector<std::pair<std::string, int>> looked_up;
    form.set_links({.look_up = [&](const UniString& word, int mode) {
        looked_up.emplace_back(uni_to_qstring(word).toStdString(), mode);
    }});
    open();
    const std::vector<McWord>& words = form.list().layout().words;
    QTest::mouseClick(&form.list(), Qt::RightButton, {}, middle_of(words, "Where?"));
    QTest::mouseClick(&form.list(), Qt::RightButton, {}, middle_of(words, "Nowhere"));
    const std::vector<std::pair<std::string, int>> expected{{"Where?", 0}, {"Nowhere", 0}};
    EXPECT_EQ(looked_up, expected);
    EXPECT_FALSE(form.attempt().acted);

    // Beside the text nothing is looked up.
    const QPoint beside = middle_of(words, "Nowhere") + QPoint(200, 0);
    QTest::mouseClick(&form.list(), Qt::RightButton, {}, beside);
    EXPECT_EQ(looked_up.size(), 2u);
}

TEST_F(McScreen, ALongListScrollsByWholeLines) {
    std::string content = "MC#";
    for (int q = 0; q < 10; ++q)
        content += "Question " + std::to_string(q) + "?=T_yes=no=maybe=never#";
    task.kind_line = uni_widen(content);
    task.parameters[9] = 200; // a short task area
    open();
    EXPECT_FALSE(form.up_button().isVisible());
    ASSERT_TRUE(form.down_button().isVisible());
    const int first_top = form.list().layout().answers.front().top;
    QTest::mouseClick(&form.down_button(), Qt::LeftButton);
    EXPECT_EQ(form.scroll(), 1);
    EXPECT_TRUE(form.up_button().isVisible());
    EXPECT_EQ(form.list().layout().answers.front().top, first_top - 24);
}

TEST_F(McScreen, F1AndTheHelpButtonAskForTheTasksHelp) {
    open();
    QTest::keyClick(&form, Qt::Key_F1);
    QTest::mouseClick(form.findChild<TTransparentButton*>("btn_help"), Qt::LeftButton);
    EXPECT_EQ(help.pages, (std::vector<std::string>{"Htm_r\\h_comp.html#filmy"}));
    EXPECT_EQ(help.keys.size(), 1u);
}

} // namespace
} // namespace vimo
