#include "controls/TransparentButton.h"
#include "controls/UniLabel.h"
#include "controls/answer_popup.h"
#include "picture_fixtures.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace vimo {
namespace {

class AnswerPopup : public ::testing::Test {
protected:
    void SetUp() override {
        course.make_folder("Lang_r/0/gfx_r");
        course.make_folder("Lang_r/0/but_r");
        QImage background(500, 150, QImage::Format_RGB32);
        background.fill(Qt::darkYellow);
        ASSERT_TRUE(test::save_picture(course, "Lang_r/0/gfx_r/twoja_odp_2.bmp", background));
        ASSERT_TRUE(
            test::save_picture(course, "Lang_r/0/but_r/0.bmp", test::make_strip(20, 20, 2)));
        config.course_root = course.root();
        load_button_pictures(buttons, config.language_path(""));
    }

    test::TempCourse course;
    Config config;
    TMyImageList buttons;
};

TEST_F(AnswerPopup, ShowsTheAnswerOverItsPicture) {
    TForm6 popup(config, &buttons, 0);
    EXPECT_EQ(popup.size(), QSize(500, 150));
    EXPECT_EQ(popup.windowTitle(), QString::fromUtf8("Twoja odpowiedź"));
    popup.show_answer(uni_widen("I am here"));
    QTRY_VERIFY(popup.isVisible());
    EXPECT_EQ(popup.answerLabel().shownText(), "I am here");
    EXPECT_EQ(popup.grab().toImage().pixelColor(2, 2), QColor(Qt::darkYellow));
}

TEST_F(AnswerPopup, ClosesOnEachOfItsKeysAndItsButton) {
    TForm6 popup(config, &buttons, 0);
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        popup.show_answer(uni_widen("x"));
        QTRY_VERIFY(popup.isVisible());
        QTest::keyClick(&popup, key);
        QTRY_VERIFY(!popup.isVisible());
    }
    popup.show_answer(uni_widen("x"));
    QTRY_VERIFY(popup.isVisible());
    QTest::mouseClick(&popup.okButton(), Qt::LeftButton, {}, QPoint(5, 5));
    QTRY_VERIFY(!popup.isVisible());
}

TEST_F(AnswerPopup, F1AsksForTheHelpPage) {
    TForm6 popup(config, &buttons, 0);
    QSignalSpy help(&popup, &TForm6::helpRequested);
    popup.show_answer(uni_widen("x"));
    QTRY_VERIFY(popup.isVisible());
    QTest::keyClick(&popup, Qt::Key_F1);
    ASSERT_EQ(help.count(), 1);
    EXPECT_EQ(help[0][0].toString(), "Htm_r\\h_pomoc.html");
    EXPECT_TRUE(popup.isVisible());
}

TEST_F(AnswerPopup, LosingTheFocusClosesIt) {
    TForm6 popup(config, &buttons, 0);
    QWidget other;
    other.show();
    popup.show_answer(uni_widen("x"));
    QTRY_VERIFY(popup.isActiveWindow());
    other.activateWindow();
    QTRY_VERIFY(!popup.isVisible());
}

} // namespace
} // namespace vimo
