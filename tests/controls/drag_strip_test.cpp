#include "controls/drag_strip.h"

#include <QTest>
#include <gtest/gtest.h>

namespace vimo {
namespace {

TEST(DraggedWindowPosition, MovesByThePointerTravel) {
    EXPECT_EQ(dragged_window_position({100, 50}, {120, 60}, {150, 40}), QPoint(130, 30));
    EXPECT_EQ(dragged_window_position({100, 50}, {120, 60}, {120, 60}), QPoint(100, 50));
}

TEST(DragStrip, HeldButtonDragsTheWindowAndReleaseEndsTheDrag) {
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setGeometry(100, 100, 300, 200);
    auto* strip = new DragStrip(&window, QRect(0, 0, 300, 20));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QPoint start = window.pos();
    QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(strip, QPoint(40, 25));
    QTRY_COMPARE(window.pos(), start + QPoint(30, 15));
    QTest::mouseRelease(strip, Qt::LeftButton, {},
                        strip->mapFromGlobal(window.mapToGlobal(QPoint(40, 25))));
    const QPoint after = window.pos();
    QTest::mouseMove(strip, QPoint(5, 5));
    EXPECT_EQ(window.pos(), after);
    EXPECT_EQ(strip->cursor().shape(), Qt::PointingHandCursor);
}

} // namespace
} // namespace vimo
