#include "controls/TransparentButton.h"
#include "controls/UniLabel.h"
#include "controls/message_window.h"
#include "picture_fixtures.h"
#include "support/modal.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace vimo {
namespace {

using test::when_modal_shown;

class MessageWindow : public ::testing::Test {
protected:
    void SetUp() override {
        course.make_folder("Lang_r/0/gfx_r");
        course.make_folder("Lang_r/0/but_r");
        QImage background(440, 120, QImage::Format_RGB32);
        background.fill(Qt::darkCyan);
        ASSERT_TRUE(test::save_picture(course, "Lang_r/0/gfx_r/info.bmp", background));
        ASSERT_TRUE(
            test::save_picture(course, "Lang_r/0/but_r/0.bmp", test::make_strip(20, 20, 2)));
        config.course_root = course.root();
        config.window_caption = "Kurs";
        load_button_pictures(buttons, config.language_path(""));
    }

    test::TempCourse course;
    Config config;
    TMyImageList buttons;
};

TEST_F(MessageWindow, ShowsTheMessageOverTheInfoPicture) {
    TForm20 window(config, &buttons, 0);
    EXPECT_EQ(window.size(), QSize(440, 120));
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window.windowTitle(), "Kurs");
    EXPECT_EQ(window.closeButton().toolTip(), "Wyjście");
    when_modal_shown([](QWidget& modal) {
        auto& form = static_cast<TForm20&>(modal);
        EXPECT_EQ(form.label().shownText(), "Brak nagrania");
        EXPECT_TRUE(form.label().wordWrap());
        EXPECT_EQ(form.label().height(), 61);
        EXPECT_EQ(form.grab().toImage().pixelColor(2, 110), QColor(Qt::darkCyan));
        QTest::keyClick(&modal, Qt::Key_Escape);
    });
    EXPECT_EQ(window.show_message(uni_widen("Brak nagrania")), QDialog::Rejected);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(MessageWindow, CloseButtonCloses) {
    TForm20 window(config, &buttons, 0);
    when_modal_shown([](QWidget& modal) {
        auto& form = static_cast<TForm20&>(modal);
        QTest::mouseClick(&form.closeButton(), Qt::LeftButton, {}, QPoint(5, 5));
    });
    EXPECT_EQ(window.show_message(uni_widen("x")), QDialog::Accepted);
}

TEST_F(MessageWindow, EnterClosesOnlyWhileTheCloseButtonIsShown) {
    TForm20 window(config, &buttons, 0);
    window.closeButton().hide();
    when_modal_shown([](QWidget& modal) {
        QTest::keyClick(&modal, Qt::Key_Return);
        EXPECT_TRUE(modal.isVisible()) << "Enter closed a window without its close button";
        static_cast<TForm20&>(modal).closeButton().show();
        QTest::keyClick(&modal, Qt::Key_Return);
    });
    EXPECT_EQ(window.show_message(uni_widen("x")), QDialog::Accepted);
}

TEST_F(MessageWindow, AMissingInfoPictureStillShowsTheWindow) {
    config.language_folder = "Lang_r\\5\\";
    TForm20 window(config, &buttons, 0);
    when_modal_shown([](QWidget& modal) { QTest::keyClick(&modal, Qt::Key_Enter); });
    EXPECT_EQ(window.show_message(uni_widen("x")), QDialog::Accepted);
}

} // namespace
} // namespace vimo
