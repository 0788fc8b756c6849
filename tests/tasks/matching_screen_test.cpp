#include "controls/TransparentButton.h"
#include "controls/panel1.h"
#include "core/qt_text.h"
#include "exercises/tasks/matching_screen.h"
#include "support/screen_services_fixture.h"
#include "support/task_text.h"

#include <QTest>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>

namespace vimo {
namespace {

using test::utf8;

QColor colour(const QWidget& label) {
    return label.palette().color(QPalette::WindowText);
}

constexpr MatchColumn L = MatchColumn::left;
constexpr MatchColumn R = MatchColumn::right;

class HhScreen : public ::testing::Test, protected test::ScreenServicesFixture {
protected:
    HhScreen() : ScreenServicesFixture({1, 2, 0, 3}) {
        task.kind = "HH";
        task.header = uni_widen("T1#1#bg#Match the pairs.#x#Match the pairs.#");
        task.kind_line = uni_widen(
            "HH#railway station*dworzec kolejowy#town hall*ratusz#square*plac#seat*miejsce#");
        lesson = make_lesson_context("tek_1", {&task}, {1}, TextMedia::film, "1");
        start_task(lesson, 1, {});
    }
    void open() {
        form.open_task(lesson, task);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    void click(MatchColumn column, int row, Qt::MouseButton button = Qt::LeftButton,
               QPoint at = {4, 6}) {
        QTest::mouseClick(&form.label(column, row), button, {}, at);
    }
    std::string shown(MatchColumn column, int row) {
        return form.label(column, row).shownText().toStdString();
    }
    int row_of(MatchColumn column, int item) {
        for (int row = 0; row < form.engine().rows(); ++row)
            if (form.engine().item(column, row) == item) return row;
        ADD_FAILURE() << "no item " << item;
        return -1;
    }

    TaskEntry task;
    LessonContext lesson;
    TC_HForm form{services};
};

TEST_F(HhScreen, ItsOwnFrameWithTwoColumnsOfTheTasksItems) {
    open();
    EXPECT_EQ(form.check_button().pos(), QPoint(710, 360));
    EXPECT_TRUE(form.check_button().isVisible());
    EXPECT_EQ(form.again_button().pos(), QPoint(700, 200));
    EXPECT_FALSE(form.again_button().isVisible());
    const auto* leave = form.findChild<TTransparentButton*>("lbl_exit");
    ASSERT_NE(leave, nullptr);
    EXPECT_EQ(leave->pos(), QPoint(775, 0));
    EXPECT_TRUE(leave->isVisible());
    for (const char* absent : {"btn_tlumacz", "btn_slownik", "btn_help"})
        EXPECT_FALSE(form.findChild<TTransparentButton*>(absent)->isVisible()) << absent;
    EXPECT_FALSE(form.score_panel().isVisible());

    for (int row = 0; row < Matching::kMaxPairs; ++row) {
        EXPECT_EQ(form.label(L, row).isVisible(), row < 4) << row;
        EXPECT_EQ(form.label(R, row).isVisible(), row < 4) << row;
    }
    // Every item is shown once, the columns at their common widths and 24 pixels apart.
    std::vector<std::string> lefts;
    for (int row = 0; row < 4; ++row) {
        lefts.push_back(shown(L, row));
        EXPECT_EQ(form.label(L, row).width(), form.label(L, 0).width());
        EXPECT_EQ(form.label(R, row).y(), 200 + 24 * row);
        EXPECT_EQ(form.label(R, row).x(), form.label(L, 0).x() + form.label(L, 0).width() + 80);
        EXPECT_EQ(form.label(L, row).cursor().shape(), Qt::PointingHandCursor);
    }
    std::sort(lefts.begin(), lefts.end());
    EXPECT_EQ(lefts, (std::vector<std::string>{"railway station", "seat", "square", "town hall"}));
}

TEST_F(HhScreen, ASecondClickMovesItsItemNextToTheFirstAndTheDisplacedOneTakesItsRow) {
    open();
    const std::string right_0 = shown(R, 0);
    const std::string right_2 = shown(R, 2);
    const std::string left_0 = shown(L, 0);

    click(L, 0);
    EXPECT_EQ(form.engine().selected(L), 0);
    EXPECT_EQ(colour(form.label(L, 0)), QColor(255, 0, 0)) << "the selection is red";
    EXPECT_EQ(shown(R, 0), right_0) << "one click moves nothing";

    click(R, 2);
    EXPECT_EQ(shown(L, 0), left_0);
    EXPECT_EQ(shown(R, 0), right_2);
    EXPECT_EQ(shown(R, 2), right_0);
    EXPECT_EQ(colour(form.label(L, 0)), QColor(Qt::black));
    EXPECT_EQ(colour(form.label(R, 2)), QColor(Qt::black));
    EXPECT_FALSE(form.engine().selected(L));
    EXPECT_TRUE(form.attempt().acted);

    // The other way round the left item moves.
    const std::string left_3 = shown(L, 3);
    const std::string left_1 = shown(L, 1);
    click(R, 1);
    click(L, 3);
    EXPECT_EQ(shown(L, 1), left_3);
    EXPECT_EQ(shown(L, 3), left_1);
}

TEST_F(HhScreen, CheckingColoursTheRowsAndKeepsTheScoreForTheReport) {
    open();
    // Pair every left item with its own partner, then swap the partners of rows 1 and 3.
    for (int row = 0; row < 4; ++row) {
        click(L, row);
        click(R, row_of(R, form.engine().item(L, row)));
    }
    click(L, 1);
    click(R, 3);
    const std::string wrong_1 = shown(R, 1);

    QTest::mouseClick(&form.check_button(), Qt::LeftButton);
    EXPECT_TRUE(form.attempt().checked);
    EXPECT_EQ(form.attempt().score(), 50);
    EXPECT_FALSE(form.check_button().isVisible());
    EXPECT_TRUE(form.again_button().isVisible());
    EXPECT_FALSE(form.score_panel().isVisible()) << "this screen has no score panel";
    for (int row = 0; row < 4; ++row) {
        const QColor expected = row == 1 || row == 3 ? QColor(255, 0, 0) : QColor(0, 255, 0);
        EXPECT_EQ(colour(form.label(L, row)), expected) << row;
        EXPECT_EQ(colour(form.label(R, row)), expected) << row;
        EXPECT_EQ(form.label(L, row).cursor().shape(), Qt::ArrowCursor);
    }
    // The wrong row shows the partner of its left item.
    const int own = form.engine().item(L, 1);
    EXPECT_EQ(shown(R, 1), utf8(form.engine().pairs()[static_cast<std::size_t>(own)].right));
    EXPECT_NE(shown(R, 1), wrong_1);

    // Clicks after checking move nothing.
    const std::string right_0 = shown(R, 0);
    click(L, 2);
    click(R, 0);
    EXPECT_EQ(shown(R, 0), right_0);
    EXPECT_EQ(form.attempt().score(), 50);

    // Again: a fresh attempt, everything black and clickable.
    QTest::mouseClick(&form.again_button(), Qt::LeftButton);
    EXPECT_FALSE(form.attempt().acted);
    EXPECT_FALSE(form.attempt().checked);
    EXPECT_TRUE(form.check_button().isVisible());
    EXPECT_EQ(colour(form.label(R, 1)), QColor(Qt::black));
    EXPECT_EQ(form.label(R, 1).cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(HhScreen, InputDuringThePauseDoesNothing) {
    open();
    click(R, 3);
    const std::string left_3 = shown(L, 3);
    const std::string left_1 = shown(L, 1);
    bool fired_in_pause = false;
    QTimer::singleShot(TC_HForm::kPauseMs / 3, &form, [&] {
        fired_in_pause = form.pausing();
        click(L, 2);
        click(R, 0);
        QTest::mouseClick(&form.check_button(), Qt::LeftButton);
        QTest::keyClick(&form, Qt::Key_F1);
    });
    click(L, 1); // after its pause it moves next to the selected right item
    ASSERT_TRUE(fired_in_pause) << "the timer did not run while the screen paused";
    EXPECT_EQ(shown(L, 3), left_1);
    EXPECT_EQ(shown(L, 1), left_3);
    EXPECT_FALSE(form.engine().selected(L)) << "the click in the pause selected nothing";
    EXPECT_FALSE(form.engine().selected(R));
    EXPECT_FALSE(form.attempt().checked);
    EXPECT_TRUE(form.check_button().isVisible());
    EXPECT_TRUE(help.pages.empty());

    // After the pause the screen takes clicks again.
    click(L, 2);
    EXPECT_EQ(form.engine().selected(L), 2);
}

TEST_F(HhScreen, ARightClickLooksTheWordUpAndPairsNothing) {
    std::vector<std::pair<std::string, int>> looked_up;
    form.set_links({.look_up = [&](const UniString& word, int mode) {
        looked_up.emplace_back(utf8(word), mode);
    }});
    open();
    const int row = row_of(L, 0); // "railway station"
    click(L, row, Qt::RightButton, {4, 6});
    ASSERT_EQ(looked_up.size(), 1u);
    EXPECT_EQ(looked_up[0], (std::pair<std::string, int>{"railway", 0}));
    EXPECT_FALSE(form.engine().selected(L));
    EXPECT_FALSE(form.attempt().acted);
}

TEST_F(HhScreen, F1OpensTheMatchingHelpPage) {
    open();
    QTest::keyClick(&form, Qt::Key_F1);
    EXPECT_EQ(help.pages, (std::vector<std::string>{"Htm_r\\h_comp.html#h"}));
}

} // namespace
} // namespace vimo
