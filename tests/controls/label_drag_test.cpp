#include "controls/label_drag.h"

#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace vimo {
namespace {

// A label that notes the presses that reach it.
class PressNotingLabel : public QWidget {
public:
    using QWidget::QWidget;
    std::vector<Qt::MouseButton> presses;

protected:
    void mousePressEvent(QMouseEvent* event) override { presses.push_back(event->button()); }
};

class LabelDragTest : public ::testing::Test {
protected:
    LabelDragTest() {
        area.resize(400, 300);
        first->setGeometry(20, 20, 60, 16);
        second->setGeometry(200, 100, 60, 16);
        drag.add(*first);
        drag.add(*second);
        area.show();
    }
    // Moves the held pointer to a point of the area; the events go to the label, as
    // the window's implicit grab sends them there.
    void move_to(QWidget& label, QPoint in_area) {
        QTest::mouseMove(&label, label.mapFrom(&area, in_area));
    }
    void release_at(QWidget& label, QPoint in_area) {
        QTest::mouseRelease(&label, Qt::LeftButton, {}, label.mapFrom(&area, in_area));
    }

    QWidget area;
    PressNotingLabel* first = new PressNotingLabel(&area);
    PressNotingLabel* second = new PressNotingLabel(&area);
    bool allow = true;
    std::vector<QWidget*> started;
    std::vector<QPoint> overs;
    std::vector<std::pair<QWidget*, QPoint>> drops;
    LabelDrag drag{
        area,
        {.start =
             [this](QWidget& label) {
                 started.push_back(&label);
                 return allow;
             },
         .over = [this](QWidget&, QPoint pointer) { overs.push_back(pointer); },
         .end = [this](QWidget& label, QPoint drop) { drops.emplace_back(&label, drop); }}};
};

TEST_F(LabelDragTest, TheLabelFollowsThePointerAndTheReleaseReportsTheDropPoint) {
    QTest::mousePress(first, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(drag.dragged(), first);
    move_to(*first, {150, 80});
    EXPECT_EQ(first->pos(), QPoint(150 - 30, 80 - 8));
    move_to(*first, {230, 108}); // over the other label
    EXPECT_EQ(first->pos(), QPoint(200, 100));
    // Brought to the front: the dragged label covers the one it is over.
    EXPECT_EQ(area.childAt(230, 108), first);
    release_at(*first, {230, 108});

    EXPECT_EQ(started, std::vector<QWidget*>{first});
    EXPECT_EQ(overs, (std::vector<QPoint>{{150, 80}, {230, 108}}));
    ASSERT_EQ(drops.size(), 1u);
    EXPECT_EQ(drops[0].first, first);
    EXPECT_EQ(drops[0].second, QPoint(230, 108));
    EXPECT_EQ(drag.dragged(), nullptr);
    EXPECT_TRUE(first->presses.empty()); // the drag took the press

    // After the release, moves no longer carry the label.
    QTest::mouseMove(first, QPoint(2, 2));
    EXPECT_EQ(first->pos(), QPoint(200, 100));
}

TEST_F(LabelDragTest, ARefusedStartLeavesTheLabelWhereItIs) {
    allow = false;
    QTest::mousePress(second, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(drag.dragged(), nullptr);
    move_to(*second, {50, 250});
    release_at(*second, {50, 250});
    EXPECT_EQ(second->pos(), QPoint(200, 100));
    EXPECT_EQ(started, std::vector<QWidget*>{second});
    EXPECT_TRUE(overs.empty());
    EXPECT_TRUE(drops.empty());
}

TEST_F(LabelDragTest, ARightPressReachesTheLabelAndStartsNoDrag) {
    QTest::mousePress(first, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(first->presses, std::vector<Qt::MouseButton>{Qt::RightButton});
    EXPECT_EQ(drag.dragged(), nullptr);
    EXPECT_TRUE(started.empty());
    QTest::mouseRelease(first, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_TRUE(drops.empty());
}

TEST_F(LabelDragTest, EachDragReportsItsOwnLabel) {
    QTest::mousePress(second, Qt::LeftButton, {}, QPoint(30, 8));
    release_at(*second, {230, 108}); // a release without a move drops where it was
    QTest::mousePress(first, Qt::LeftButton, {}, QPoint(30, 8));
    move_to(*first, {300, 200});
    release_at(*first, {300, 200});
    ASSERT_EQ(drops.size(), 2u);
    EXPECT_EQ(drops[0], std::make_pair(static_cast<QWidget*>(second), QPoint(230, 108)));
    EXPECT_EQ(drops[1], std::make_pair(static_cast<QWidget*>(first), QPoint(300, 200)));
}

TEST(LabelDragFollow, CentresTheLabelOnThePointerPlusTheShift) {
    EXPECT_EQ(LabelDrag::follow_position({100, 50}, {40, 16}, 0), QPoint(80, 42));
    EXPECT_EQ(LabelDrag::follow_position({100, 50}, {41, 17}, 9), QPoint(89, 42));
}

} // namespace
} // namespace vimo
