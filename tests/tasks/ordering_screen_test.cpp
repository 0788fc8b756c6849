#include "controls/TransparentButton.h"
#include "controls/UniLabel.h"
#include "controls/panel1.h"
#include "controls/picture_controls.h"
#include "core/qt_text.h"
#include "exercises/tasks/ordering_screen.h"
#include "support/screen_services_fixture.h"
#include "support/task_text.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace vimo {
namespace {

using test::read_line;

class DvScreen : public ::testing::Test, protected test::ScreenServicesFixture {
protected:
    // Each swap exchanges the first two words, an even number of times: file order.
    DvScreen() : ScreenServicesFixture({0}) {
        std::vector<UniString> texts(73, read_line("0=0=-"));
        texts[71] = read_line("72=0=Well done!");
        texts[72] = read_line("73=0=Look at the right order.");
        course.texts.set_lines(texts);
        task.kind = "DV";
        task.header = uni_widen("T1#1#bg#Put them in order.#x#Put them in order.#");
        task.kind_line = read_line("DV#first*1#second*2#third*3#fourth*4#fifth*5#");
        lesson = make_lesson_context("tek_1", {&task}, {1}, TextMedia::film, "1");
        start_task(lesson, 1, {});
        form.open_task(lesson, task);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    void drag(int k, QPoint to) { test::drag_label(form, form.word_label(k), to); }
    QPoint row_centre(int row) {
        const Ordering& dv = form.engine();
        return {dv.table_left() + dv.column_width() / 2,
                dv.table_top() + Ordering::kRowHeight * (row - 1) + 12};
    }
    // The captions from the top row down, as the labels stand on the screen.
    std::vector<std::string> shown_order() {
        std::vector<std::pair<int, std::string>> by_top;
        for (int k = 0; k < form.engine().count(); ++k)
            by_top.emplace_back(form.word_label(k).y(),
                                uni_to_qstring(form.word_label(k).captionNormal()).toStdString());
        std::sort(by_top.begin(), by_top.end());
        std::vector<std::string> order;
        for (const auto& [top, caption] : by_top)
            order.push_back(caption);
        return order;
    }

    TaskEntry task;
    LessonContext lesson;
    TC_DDVForm form{services};
};

TEST_F(DvScreen, ADragMovesTheRowsBetween) {
    drag(0, row_centre(3));
    EXPECT_EQ(shown_order(),
              (std::vector<std::string>{"second", "third", "first", "fourth", "fifth"}));
    drag(4, row_centre(1));
    EXPECT_EQ(shown_order(),
              (std::vector<std::string>{"fifth", "second", "third", "first", "fourth"}));
    // Dropped beside the table, the word keeps its row.
    drag(1, QPoint(100, 700));
    EXPECT_EQ(shown_order(),
              (std::vector<std::string>{"fifth", "second", "third", "first", "fourth"}));
    EXPECT_TRUE(form.attempt().acted);
}

TEST_F(DvScreen, CheckingMarksTheWrongRowsAndShowsTheScoreBesideItsPicture) {
    drag(0, row_centre(2)); // second, first, third, fourth, fifth
    const int second_row_top = form.word_label(0).y();
    QTest::mouseClick(&form.check_button(), Qt::LeftButton);
    EXPECT_EQ(form.attempt().score(), 60);
    EXPECT_EQ(shown_order(),
              (std::vector<std::string>{"first", "second", "third", "fourth", "fifth"}));
    EXPECT_TRUE(form.mark(1).isVisible());
    EXPECT_TRUE(form.mark(2).isVisible());
    EXPECT_FALSE(form.mark(3).isVisible());
    EXPECT_EQ(form.mark(2).toolTip(), "first");
    EXPECT_EQ(form.mark(1).toolTip(), "second");
    EXPECT_EQ(form.mark(2).pos(), QPoint(form.engine().table_left() - 18, second_row_top));
    EXPECT_FALSE(form.mark(2).picture().isNull());
    EXPECT_EQ(form.comment().text(), "Look at the right order.");
    EXPECT_EQ(form.comment().palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_TRUE(form.comment().isVisible());
    EXPECT_EQ(form.score_label().text(), "60%");
    EXPECT_TRUE(form.score_label().isVisible());
    EXPECT_TRUE(form.score_picture().isVisible());
    EXPECT_FALSE(form.score_panel().isVisible());
    EXPECT_TRUE(form.again_button().isVisible());
}

TEST_F(DvScreen, AListAlreadyInOrderScoresAHundredWithTheBlackPraise) {
    QTest::mouseClick(&form.check_button(), Qt::LeftButton);
    EXPECT_EQ(form.score_label().text(), "100%");
    EXPECT_EQ(form.comment().text(), "Well done!");
    EXPECT_EQ(form.comment().palette().color(QPalette::WindowText), QColor(Qt::black));
    for (int row = 1; row <= 5; ++row)
        EXPECT_FALSE(form.mark(row).isVisible()) << row;

    // Again hides the marks, the comment and the score, with a fresh list.
    QTest::mouseClick(&form.again_button(), Qt::LeftButton);
    EXPECT_FALSE(form.comment().isVisible());
    EXPECT_FALSE(form.score_label().isVisible());
    EXPECT_FALSE(form.score_picture().isVisible());
    EXPECT_TRUE(form.check_button().isVisible());
}

} // namespace
} // namespace vimo
