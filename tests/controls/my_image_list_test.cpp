#include "controls/MyImageList.h"
#include "controls/image_strip.h"
#include "picture_fixtures.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace vimo {
namespace {

using test::make_strip;
using test::save_picture;

class MyImageList : public ::testing::Test {
protected:
    void SetUp() override { course.make_folder("Lang_r/0/but_r"); }

    std::string saved(const std::string& relative, const QImage& image) {
        EXPECT_TRUE(save_picture(course, relative, image));
        return course.path(relative);
    }

    // Draws frame of index onto a white canvas.
    QImage drawn(int index, int frame, QSize size = {40, 20}) const {
        QImage canvas(size, QImage::Format_RGB32);
        canvas.fill(Qt::white);
        QPainter painter(&canvas);
        list.draw(painter, index, frame);
        return canvas;
    }

    test::TempCourse course;
    TMyImageList list;
};

TEST_F(MyImageList, AddReturnsIndicesAndKeepsTheMetrics) {
    EXPECT_EQ(list.add(saved("a.bmp", make_strip(20, 10, 2)), 2, 0, 0), 0);
    EXPECT_EQ(list.add(saved("b.bmp", make_strip(15, 8, 3)), 3, 7, 9), 1);
    EXPECT_EQ(list.frame_width(0), 20);
    EXPECT_EQ(list.height(0), 10);
    EXPECT_EQ(list.frame_width(1), 15);
    EXPECT_EQ(list.default_left(1), 7);
    EXPECT_EQ(list.default_top(1), 9);
}

TEST_F(MyImageList, AnIndexBeyondTheListMeasures33) {
    list.add(saved("a.bmp", make_strip(20, 10, 2)), 2, 0, 0);
    for (const int index : {1, -1, 100}) {
        EXPECT_EQ(list.frame_width(index), 33) << index;
        EXPECT_EQ(list.height(index), 33) << index;
        EXPECT_EQ(list.default_left(index), 33) << index;
        EXPECT_EQ(list.default_top(index), 33) << index;
    }
}

TEST_F(MyImageList, AMissingFileNamesItInTheError) {
    const std::string file = course.path("Lang_r/0/but_r/9.bmp");
    try {
        list.add(file, 2, 0, 0);
        FAIL() << "no error";
    } catch (const ImageListError& error) {
        EXPECT_EQ(error.what(), "Nie moge otworzyc pliku : \"" + file + "\"");
    }
    EXPECT_EQ(list.count(), 0);
}

TEST_F(MyImageList, AFileThatIsNoPictureCannotBeOpened) {
    course.write_bytes("bad.bmp", "not a bitmap");
    EXPECT_THROW(list.add(course.path("bad.bmp"), 2, 0, 0), ImageListError);
}

TEST_F(MyImageList, AStrip101WideRefusesTwoFrames) {
    QImage odd(101, 10, QImage::Format_RGB32);
    odd.fill(Qt::red);
    try {
        list.add(saved("odd.bmp", odd), 2, 0, 0);
        FAIL() << "no error";
    } catch (const ImageListError& error) {
        EXPECT_STREQ(error.what(), "Dlugosc obrazka nie dzieli sie przez podana liczbe klatek");
    }
    EXPECT_EQ(list.count(), 0);
}

TEST_F(MyImageList, BackslashPathsResolveCaseInsensitively) {
    saved("Lang_r/0/but_r/0.bmp", make_strip(20, 10, 2));
    EXPECT_EQ(list.add(course.root() + "LANG_R\\0\\BUT_R\\0.BMP", 2, 0, 0), 0);
}

TEST_F(MyImageList, DrawCopiesTheFrameAndMasksTheKeyColour) {
    list.add(saved("a.bmp", make_strip(20, 10, 2)), 2, 0, 0);
    const QImage second = drawn(0, 1);
    EXPECT_EQ(second.pixelColor(0, 0), QColor(Qt::green));
    EXPECT_EQ(second.pixelColor(19, 8), QColor(Qt::green));
    EXPECT_EQ(second.pixelColor(5, 9), QColor(Qt::white)) << "key colour drawn";
    EXPECT_EQ(second.pixelColor(25, 0), QColor(Qt::white)) << "drawn beyond one frame";
    EXPECT_EQ(drawn(0, 0).pixelColor(3, 3), QColor(Qt::red));
}

TEST_F(MyImageList, DrawStaysInsideTheClip) {
    list.add(saved("a.bmp", make_strip(20, 10, 2)), 2, 0, 0);
    QImage canvas(40, 20, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.setClipRect(QRect(0, 0, 10, 10));
    list.draw(painter, 0, 0);
    painter.end();
    EXPECT_EQ(canvas.pixelColor(5, 5), QColor(Qt::red));
    EXPECT_EQ(canvas.pixelColor(15, 5), QColor(Qt::white));
}

TEST_F(MyImageList, DrawBeyondTheListOrTheStripDrawsNothing) {
    list.add(saved("a.bmp", make_strip(20, 10, 2)), 2, 0, 0);
    const QImage white = drawn(5, 0);
    EXPECT_EQ(white.pixelColor(3, 3), QColor(Qt::white));
    EXPECT_EQ(drawn(0, 2).pixelColor(3, 3), QColor(Qt::white));
}

TEST_F(MyImageList, ClearEmptiesTheList) {
    list.add(saved("a.bmp", make_strip(20, 10, 2)), 2, 0, 0);
    list.clear();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.frame_width(0), 33);
}

TEST_F(MyImageList, ButtonPicturesLoadInOrderUpToTheFirstGap) {
    saved("Lang_r/0/but_r/0.bmp", make_strip(20, 10, 2));
    saved("Lang_r/0/but_r/1.bmp", make_strip(30, 12, 2));
    saved("Lang_r/0/but_r/3.bmp", make_strip(40, 14, 2));
    list.add(saved("old.bmp", make_strip(5, 5, 2)), 2, 0, 0);
    EXPECT_EQ(load_button_pictures(list, course.root() + "Lang_r\\0\\"), 2);
    EXPECT_EQ(list.frame_width(0), 20);
    EXPECT_EQ(list.frame_width(1), 30);
    EXPECT_EQ(list.default_left(1), 0);
}

TEST_F(MyImageList, ABrokenButtonPictureStopsTheLoadWithItsName) {
    QImage odd(41, 10, QImage::Format_RGB32);
    odd.fill(Qt::red);
    saved("Lang_r/0/but_r/0.bmp", odd);
    EXPECT_THROW(load_button_pictures(list, course.root() + "Lang_r\\0\\"), ImageListError);
}

TEST(ButtonPicturePath, NumbersTheFileUnderTheLanguageFolder) {
    EXPECT_EQ(button_picture_path("C:/k/Lang_r\\1\\", 12), "C:/k/Lang_r\\1\\but_r\\12.bmp");
}

} // namespace
} // namespace vimo
