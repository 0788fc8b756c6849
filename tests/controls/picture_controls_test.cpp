#include "controls/picture_controls.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace vimo {
namespace {

QImage filled(QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

void send_enter(QWidget& widget) {
    QEnterEvent event(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&widget, &event);
}

void send_leave(QWidget& widget) {
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&widget, &event);
}

TEST(FOM_Cb, ShowsThePictureOfItsStateAndTakesItsSize) {
    TFOM_Cb box;
    box.setRysunek(filled({10, 12}, Qt::red));
    box.setRysunekChecked(filled({14, 16}, Qt::green));
    box.setRysunekOm(filled({20, 20}, Qt::blue));
    EXPECT_EQ(box.size(), QSize(10, 12));
    box.setAktywny(true);
    EXPECT_EQ(box.size(), QSize(14, 16));
    EXPECT_EQ(box.grab().toImage().pixelColor(2, 2), QColor(Qt::green));
    box.setAktywny(false);
    EXPECT_EQ(box.grab().toImage().pixelColor(2, 2), QColor(Qt::red));
}

TEST(FOM_Cb, ADoubleClickIsTwoClicks) {
    TFOM_Cb box;
    box.setRysunek(filled({10, 10}, Qt::red));
    box.show();
    QSignalSpy clicked(&box, &TFOM_Cb::clicked);
    // The second press of a double click arrives as a double-click event alone.
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(3, 3));
    QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(3, 3), box.mapToGlobal(QPointF(3, 3)),
                       Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &second);
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(clicked.count(), 2);
}

TEST(MImage, ReportsTheMouseAndClicks) {
    TMImage image;
    image.setPicture(filled({10, 10}, Qt::red));
    image.show();
    QSignalSpy entered(&image, &TMImage::mouseEntered);
    QSignalSpy left(&image, &TMImage::mouseLeft);
    QSignalSpy clicked(&image, &TMImage::clicked);
    send_enter(image);
    QTest::mouseClick(&image, Qt::LeftButton, {}, QPoint(3, 3));
    send_leave(image);
    EXPECT_EQ(entered.count(), 1);
    EXPECT_EQ(left.count(), 1);
    EXPECT_EQ(clicked.count(), 1);
}

TEST(MLabel, ReportsTheMouse) {
    TMLabel label;
    QSignalSpy entered(&label, &TMLabel::mouseEntered);
    QSignalSpy left(&label, &TMLabel::mouseLeft);
    send_enter(label);
    send_leave(label);
    EXPECT_EQ(entered.count(), 1);
    EXPECT_EQ(left.count(), 1);
}

TEST(FreshOnMouseImage, IsAMouseReportingPicture) {
    TFreshOnMouseImage image;
    QSignalSpy entered(&image, &TMImage::mouseEntered);
    send_enter(image);
    EXPECT_EQ(entered.count(), 1);
}

} // namespace
} // namespace vimo
