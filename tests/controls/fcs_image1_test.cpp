#include "controls/fcs_image1.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace vimo {
namespace {

TEST(FCSImage1, DefaultsRepeatAfter250ThenEvery75) {
    TFCSImage1 image;
    EXPECT_EQ(image.repeat().initial_pause(), 250);
    EXPECT_EQ(image.repeat().repeat_pause(), 75);
}

TEST(FCSImage1, HeldButtonRepeatsTheClickUntilReleased) {
    TFCSImage1 image;
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    image.setPicture(picture);
    image.setRepeatPauses(20, 10);
    image.show();
    QSignalSpy clicked(&image, &TFCSImage1::clicked);
    QTest::mousePress(&image, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(image.repeating());
    EXPECT_EQ(clicked.count(), 0) << "the first repeat waits for the initial pause";
    QTRY_VERIFY(clicked.count() >= 3);
    QTest::mouseRelease(&image, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(image.repeating()) << "the release stops the repeats";
    EXPECT_FALSE(image.repeat().held());
}

TEST(FCSImage1, QuickClickIsOneOrdinaryClick) {
    TFCSImage1 image;
    image.resize(16, 16);
    image.show();
    QSignalSpy clicked(&image, &TFCSImage1::clicked);
    QTest::mouseClick(&image, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_FALSE(image.repeating());
}

} // namespace
} // namespace vimo
