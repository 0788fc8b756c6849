#include "controls/TransparentButton.h"
#include "controls/UniLabel.h"
#include "controls/panel1.h"
#include "controls/picture_controls.h"
#include "core/qt_text.h"
#include "exercises/tasks/definitions_screen.h"
#include "support/screen_services_fixture.h"
#include "support/task_text.h"

#include <QTest>
#include <gtest/gtest.h>

namespace vimo {
namespace {

using test::read_line;

class DefScreen : public ::testing::Test, protected test::ScreenServicesFixture {
protected:
    // Four pairs: four swaps of the first two labels leave the task's order.
    DefScreen() : ScreenServicesFixture({0}) {
        // Interface text lines: number, "=", variant, "=", the text.
        std::vector<UniString> texts(177, read_line("0=0=-"));
        texts[175] = read_line("176=0=Not this one:");
        texts[176] = read_line("177=0=Nothing here");
        course.texts.set_lines(texts);
        task.kind = "DF";
        task.header = uni_widen("T1#1#bg#Drag the words.#x#Drag the words.#");
        task.kind_line =
            read_line("DF#crane*an old machine#amber*a yellow stone#pier*a long structure#"
                      "tram*an electric vehicle#");
        lesson = make_lesson_context("tek_1", {&task, &task}, {1, 2}, TextMedia::film, "1");
        start_task(lesson, 1, {});
    }
    void open() {
        form.open_task(lesson, task);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    // Drags term label k with the mouse and lets it go at a point of the screen.
    void drag(int k, QPoint to) { test::drag_label(form, form.term_label(k), to); }
    QPoint slot_centre(int i) { return form.slot(i).geometry().center(); }
    std::string caption(int k) {
        return uni_to_qstring(form.term_label(k).captionNormal()).toStdString();
    }

    TaskEntry task;
    LessonContext lesson;
    TC_DefForm form{services};
};

TEST_F(DefScreen, ShowsTheTermsAboveASlotPerDefinition) {
    open();
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(form.term_label(i).isVisible()) << i;
        EXPECT_TRUE(form.slot(i).isVisible()) << i;
        EXPECT_TRUE(form.dash(i).isVisible()) << i;
        EXPECT_FALSE(form.mark(i).isVisible()) << i;
        EXPECT_EQ(form.slot(i).x(), 50);
        EXPECT_EQ(form.term_label(i).y(), 150);
        EXPECT_EQ(form.term_label(i).cursor().shape(), Qt::PointingHandCursor);
    }
    EXPECT_FALSE(form.term_label(4).isVisible());
    EXPECT_FALSE(form.slot(4).isVisible());
    EXPECT_EQ(caption(0), "crane");
    EXPECT_EQ(form.box().y(), 230);
    EXPECT_LT(form.slot(0).y(), form.slot(1).y());
    EXPECT_EQ(form.instruction_box().geometry().right() + 1, 865);
}

TEST_F(DefScreen, ASlotHoldingAnotherTermRefusesAndTheTermGoesHome) {
    open();
    const QPoint home = form.term_label(1).pos();
    drag(0, slot_centre(1));
    EXPECT_EQ(form.engine().slot_of(0), 1);
    EXPECT_TRUE(form.slot(1).geometry().contains(form.term_label(0).geometry().center()));
    EXPECT_TRUE(form.attempt().acted);

    drag(1, slot_centre(1));
    EXPECT_EQ(form.term_label(1).pos(), home);
    EXPECT_EQ(form.engine().slot_of(1), -1);
    EXPECT_EQ(form.engine().label_in(1), 0);
}

TEST_F(DefScreen, APlacedTermMovedToAnEmptySlotFreesTheFirst) {
    open();
    drag(0, slot_centre(0));
    ASSERT_EQ(form.engine().slot_of(0), 0);
    drag(0, slot_centre(2));
    EXPECT_EQ(form.engine().slot_of(0), 2);
    EXPECT_TRUE(form.slot(2).geometry().contains(form.term_label(0).geometry().center()));
    // The freed slot takes another term.
    drag(1, slot_centre(0));
    EXPECT_EQ(form.engine().slot_of(1), 0);
    EXPECT_TRUE(form.slot(0).geometry().contains(form.term_label(1).geometry().center()));
}

TEST_F(DefScreen, DroppedBesideTheSlotsATermGoesHome) {
    open();
    const QPoint home = form.term_label(2).pos();
    drag(2, slot_centre(3));
    drag(2, QPoint(600, 700));
    EXPECT_EQ(form.term_label(2).pos(), home);
    EXPECT_EQ(form.engine().label_in(3), -1);
}

TEST_F(DefScreen, CheckingMarksTheSlotsScoresAndCorrects) {
    open();
    drag(0, slot_centre(0)); // crane: right
    drag(1, slot_centre(2)); // amber on the pier's definition
    QTest::mouseClick(&form.check_button(), Qt::LeftButton);
    EXPECT_TRUE(form.attempt().checked);
    EXPECT_EQ(form.attempt().score(), 25);
    EXPECT_EQ(form.score_panel().wynik(), 25);
    EXPECT_TRUE(form.score_panel().isVisible());
    EXPECT_FALSE(form.check_button().isVisible());
    EXPECT_TRUE(form.again_button().isVisible());

    const AnswerPictures pictures = AnswerPictures::load(course.config);
    EXPECT_EQ(form.mark(0).picture(), pictures.mark_ok);
    EXPECT_TRUE(form.mark(0).toolTip().isEmpty());
    for (int i = 1; i < 4; ++i) {
        EXPECT_TRUE(form.mark(i).isVisible()) << i;
        EXPECT_EQ(form.mark(i).picture(), pictures.mark_bad) << i;
        // 25 pixels left of its slot, centred on it.
        EXPECT_EQ(form.mark(i).x(), 25);
        EXPECT_EQ(form.mark(i).y(),
                  form.slot(i).y() + (form.slot(i).height() - form.mark(i).height()) / 2)
            << i;
    }
    EXPECT_EQ(form.mark(2).toolTip(), "Not this one: amber");
    EXPECT_EQ(form.mark(1).toolTip(), "Nothing here");
    EXPECT_EQ(form.mark(2).toolTipDuration(), TC_DefForm::kHintMs);
    // Every term now stands in its own slot, and none can be dragged.
    for (int k = 0; k < 4; ++k)
        EXPECT_TRUE(form.slot(k).geometry().contains(form.term_label(k).geometry().center())) << k;
    const QPoint before = form.term_label(3).pos();
    drag(3, QPoint(600, 700));
    EXPECT_EQ(form.term_label(3).pos(), before);
    EXPECT_EQ(form.attempt().score(), 25);

    // Again: the marks go and the terms are back in the pool.
    QTest::mouseClick(&form.again_button(), Qt::LeftButton);
    EXPECT_FALSE(form.mark(1).isVisible());
    EXPECT_FALSE(form.attempt().acted);
    EXPECT_EQ(form.term_label(0).y(), 150);
}

TEST_F(DefScreen, ARightClickLooksUpTheWordOfATermOrADefinition) {
    std::vector<std::pair<std::string, int>> looked_up;
    form.set_links({.look_up = [&](const UniString& word, int mode) {
        looked_up.emplace_back(uni_to_qstring(word).toStdString(), mode);
    }});
    open();
    TUniLabel& label = form.term_label(3);
    const QPoint home = label.pos();
    QTest::mouseClick(&label, Qt::RightButton, {}, QPoint(3, label.height() / 2));
    const DefWord& word = form.engine().words().at(1); // "old"
    QTest::mouseClick(&form.box(), Qt::RightButton, {},
                      QPoint(word.x + word.width / 2, word.y + 6));
    const std::vector<std::pair<std::string, int>> expected{{"tram", 0}, {"old", 0}};
    EXPECT_EQ(looked_up, expected);
    EXPECT_EQ(label.pos(), home);
    EXPECT_FALSE(form.attempt().acted);
}

} // namespace
} // namespace vimo
