#include "controls/TransparentButton.h"
#include "controls/UniLabel.h"
#include "controls/panel1.h"
#include "core/qt_text.h"
#include "exercises/tasks/sorting_screen.h"
#include "support/screen_services_fixture.h"
#include "support/task_text.h"

#include <QTest>
#include <gtest/gtest.h>

namespace vimo {
namespace {

using test::read_line;

class DdScreen : public ::testing::Test, protected test::ScreenServicesFixture {
protected:
    // Each swap exchanges the first two words, an even number of times: file order.
    DdScreen() : ScreenServicesFixture({0}) {
        task.kind = "DD";
        task.header = uni_widen("T1#1#bg#Sort the words.#x#Sort the words.#");
        task.kind_line =
            read_line("DD#3#2#At home#On the bus#At work#shower*1#ticket*2#desk*3#coffee*1#"
                      "seat*2#");
        lesson = make_lesson_context("tek_1", {&task}, {1}, TextMedia::film, "1");
        start_task(lesson, 1, {});
        form.open_task(lesson, task);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    // Drags word label k with the mouse and lets it go at a point of the screen.
    void drag(int k, QPoint to) { test::drag_label(form, form.word_label(k), to); }
    QPoint column_centre(int c) {
        const AreaRect area = form.engine().drop_area(c);
        return {area.left + area.width / 2, area.top + area.height / 2};
    }
    // The cell a label's centre lies in: {column, row}, {0, 0} for none.
    std::pair<int, int> cell_under(int k) {
        const QPoint at = form.word_label(k).geometry().center();
        const Sorting& dd = form.engine();
        for (int c = 1; c <= dd.columns(); ++c)
            for (int row = 1; row <= dd.rows(); ++row)
                if (at.x() >= dd.column_left(c) && at.x() < dd.column_left(c) + dd.column_width() &&
                    at.y() >= dd.cell_top(row) && at.y() < dd.cell_top(row) + 20)
                    return {c, row};
        return {0, 0};
    }

    TaskEntry task;
    LessonContext lesson;
    TC_DDForm form{services};
};

TEST_F(DdScreen, ShowsThePoolAboveTheTitledColumnsOnPlainGrey) {
    for (int k = 0; k < 5; ++k) {
        EXPECT_TRUE(form.word_label(k).isVisible()) << k;
        EXPECT_EQ(form.word_label(k).y(), 150) << k;
        EXPECT_EQ(form.word_label(k).cursor().shape(), Qt::PointingHandCursor);
    }
    EXPECT_FALSE(form.word_label(5).isVisible());
    for (int c = 1; c <= 3; ++c) {
        EXPECT_TRUE(form.title_label(c).isVisible()) << c;
        EXPECT_EQ(form.title_label(c).y(), form.engine().table_top() + 3);
    }
    EXPECT_FALSE(form.title_label(4).isVisible());
    EXPECT_EQ(uni_to_qstring(form.title_label(2).captionNormal()), "On the bus");
    // No background picture: the screen's grey shows at the table.
    const QImage shot = form.grab().toImage();
    EXPECT_EQ(shot.pixelColor(400, 400), form.palette().color(QPalette::Button));
}

TEST_F(DdScreen, ADropOnAFullColumnSendsTheWordHome) {
    drag(0, column_centre(1));
    drag(3, column_centre(1));
    EXPECT_EQ(cell_under(0), std::make_pair(1, 1));
    EXPECT_EQ(cell_under(3), std::make_pair(1, 2));
    const QPoint home = form.word_label(1).pos();
    drag(1, column_centre(1));
    EXPECT_EQ(form.word_label(1).pos(), home);
    EXPECT_EQ(form.engine().column_of(1), 0);
    EXPECT_TRUE(form.attempt().acted);
}

TEST_F(DdScreen, APlacedWordDraggedAwayFreesItsCell) {
    drag(0, column_centre(1));
    drag(0, column_centre(2));
    EXPECT_EQ(cell_under(0), std::make_pair(2, 1));
    drag(3, column_centre(1));
    EXPECT_EQ(cell_under(3), std::make_pair(1, 1));
    // Dropped beside the table a word goes back to its place in the pool.
    const QPoint home(form.engine().home(0).left, form.engine().home(0).top);
    drag(0, QPoint(500, 700));
    EXPECT_EQ(form.word_label(0).pos(), home);
}

TEST_F(DdScreen, CheckingCorrectsMarksAndShowsRemarks) {
    drag(0, column_centre(1)); // shower: right
    drag(1, column_centre(3)); // ticket in At work: wrong
    QTest::mouseClick(&form.check_button(), Qt::LeftButton);
    EXPECT_TRUE(form.attempt().checked);
    EXPECT_EQ(form.attempt().score(), 20);
    EXPECT_EQ(form.score_panel().wynik(), 20);
    EXPECT_TRUE(form.score_panel().isVisible());
    EXPECT_TRUE(form.again_button().isVisible());
    EXPECT_FALSE(form.check_button().isVisible());
    EXPECT_EQ(cell_under(1), std::make_pair(2, 1));
    EXPECT_EQ(cell_under(2), std::make_pair(3, 1)); // desk where ticket was
    EXPECT_EQ(cell_under(3), std::make_pair(1, 2));
    EXPECT_EQ(form.word_label(1).cursor().shape(), Qt::ArrowCursor);

    // The bad mark of a wrong cell is drawn at its left and names the word put there.
    const Sorting& dd = form.engine();
    const QPoint mark(dd.column_left(3) + 5, dd.cell_top(1) + 5);
    const QImage shot = form.grab().toImage();
    EXPECT_NE(shot.pixelColor(mark), form.palette().color(QPalette::Button));
    EXPECT_EQ(uni_to_qstring(dd.remark_at(mark.x(), mark.y()).value_or(UniString())), "ticket");
    QTest::mouseMove(&form, mark);
    EXPECT_EQ(form.cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(&form, QPoint(600, 600));
    EXPECT_EQ(form.cursor().shape(), Qt::ArrowCursor);

    // No dragging once checked.
    const QPoint placed = form.word_label(0).pos();
    drag(0, column_centre(2));
    EXPECT_EQ(form.word_label(0).pos(), placed);
}

TEST_F(DdScreen, AgainStartsAfreshWithEveryWordInThePool) {
    drag(0, column_centre(1));
    QTest::mouseClick(&form.check_button(), Qt::LeftButton);
    QTest::mouseClick(&form.again_button(), Qt::LeftButton);
    EXPECT_FALSE(form.attempt().checked);
    EXPECT_TRUE(form.check_button().isVisible());
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(form.word_label(k).y(), 150) << k;
}

TEST_F(DdScreen, ARightClickOnAWordOrATitleLooksItUp) {
    std::vector<std::string> looked_up;
    form.set_links({.look_up = [&](const UniString& word, int) {
        looked_up.push_back(uni_to_qstring(word).toStdString());
    }});
    TUniLabel& word = form.word_label(1);
    QTest::mousePress(&word, Qt::RightButton, {}, QPoint(3, word.height() / 2));
    TUniLabel& title = form.title_label(2);
    QTest::mousePress(&title, Qt::RightButton, {}, QPoint(title.width() - 3, title.height() / 2));
    EXPECT_EQ(looked_up, (std::vector<std::string>{"ticket", "bus"}));
    EXPECT_EQ(form.engine().column_of(1), 0);
}

} // namespace
} // namespace vimo
