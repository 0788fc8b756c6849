#include "controls/TransparentButton.h"
#include "picture_fixtures.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace vimo {
namespace {

// Enter and leave events as the window system sends them when the pointer crosses.
void send_enter(QWidget& widget) {
    QEnterEvent event(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&widget, &event);
}

void send_leave(QWidget& widget) {
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&widget, &event);
}

class TransparentButton : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::save_picture(course, "a.bmp", test::make_strip(30, 20, 2)));
        ASSERT_TRUE(test::save_picture(course, "b.bmp", test::make_strip(10, 15, 2)));
        list.add(course.path("a.bmp"), 2, 0, 0);
        list.add(course.path("b.bmp"), 2, 50, 60);
        window.resize(200, 200);
        button = new TTransparentButton(&window);
        button->setImageList(&list);
        window.show();
    }

    QColor shown_at(QPoint point) { return test::painted(*button).pixelColor(point); }

    test::TempCourse course;
    TMyImageList list;
    QWidget window;
    TTransparentButton* button = nullptr;
};

TEST_F(TransparentButton, SizesItselfToTheFrame) {
    EXPECT_EQ(button->size(), QSize(30, 20));
    button->setBitmapNormal(1);
    EXPECT_EQ(button->size(), QSize(10, 15));
}

TEST_F(TransparentButton, RefitsWhenShownAfterTheListWasReloaded) {
    window.hide();
    list.clear();
    ASSERT_TRUE(test::save_picture(course, "c.bmp", test::make_strip(25, 9, 2)));
    list.add(course.path("c.bmp"), 2, 0, 0);
    window.show();
    EXPECT_EQ(button->size(), QSize(25, 9));
}

TEST_F(TransparentButton, PictureBeyondTheListIs33By33AndDrawsNothing) {
    button->setBitmapNormal(7);
    EXPECT_EQ(button->size(), QSize(33, 33));
    const QImage shown = test::painted(*button);
    for (const QPoint point : {QPoint(0, 0), QPoint(5, 5), QPoint(32, 32)}) {
        EXPECT_EQ(shown.pixelColor(point).alpha(), 0) << point.x() << "," << point.y();
    }
}

TEST_F(TransparentButton, DefaultPositionStyleMovesToTheStripPosition) {
    button->move(5, 5);
    button->setBitmapNormal(1);
    EXPECT_EQ(button->pos(), QPoint(5, 5));
    button->setStyle(tbs_Highlighted | tbs_DefPos);
    EXPECT_EQ(button->pos(), QPoint(50, 60));
}

TEST_F(TransparentButton, MouseOverHighlightsAndRaisesTheEvents) {
    QSignalSpy entered(button, &TTransparentButton::mouseEntered);
    QSignalSpy left(button, &TTransparentButton::mouseLeft);
    EXPECT_EQ(shown_at({3, 3}), QColor(Qt::red));
    send_enter(*button);
    EXPECT_EQ(button->stan(), 1);
    EXPECT_EQ(shown_at({3, 3}), QColor(Qt::green));
    send_leave(*button);
    EXPECT_EQ(button->stan(), 0);
    EXPECT_EQ(entered.count(), 1);
    EXPECT_EQ(left.count(), 1);
}

TEST_F(TransparentButton, ADisabledButtonIgnoresTheMouseEntering) {
    QSignalSpy entered(button, &TTransparentButton::mouseEntered);
    button->setEnabled(false);
    send_enter(*button);
    EXPECT_EQ(button->stan(), 0);
    EXPECT_EQ(entered.count(), 0);
}

TEST_F(TransparentButton, PressedStyleShowsStateTwoWhileDown) {
    button->setStyle(tbs_Pressed);
    QSignalSpy clicked(button, &TTransparentButton::clicked);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(button->stan(), 2);
    // Without the highlight style a pressed button shows the highlighted frame.
    EXPECT_EQ(shown_at({3, 3}), QColor(Qt::green));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(button->stan(), 0);
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(TransparentButton, ReleaseOutsideIsNoClick) {
    QSignalSpy clicked(button, &TTransparentButton::clicked);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_EQ(clicked.count(), 0);
}

TEST_F(TransparentButton, HideNormalDrawsNothingUntilHighlighted) {
    button->setHideNormal(true);
    EXPECT_EQ(shown_at({3, 3}).alpha(), 0);
    button->setStan(1);
    EXPECT_EQ(shown_at({3, 3}), QColor(Qt::green));
}

TEST_F(TransparentButton, KeyColourStaysTransparent) {
    EXPECT_EQ(shown_at({3, 19}).alpha(), 0);
}

TEST_F(TransparentButton, ShowsTheHandCursor) {
    EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor);
}

} // namespace
} // namespace vimo
