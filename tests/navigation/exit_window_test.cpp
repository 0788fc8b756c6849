#include "navigation/click_area.h"
#include "navigation/exit_window_screen.h"
#include "support/modal.h"
#include "support/temp_course.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace vimo {
namespace {

using test::when_modal_shown;

void click_child(QWidget& window, const char* name) {
    auto* area = window.findChild<ClickArea*>(name);
    ASSERT_NE(area, nullptr) << name;
    QTest::mouseClick(area, Qt::LeftButton);
}

class ExitWindow : public ::testing::Test {
protected:
    void SetUp() override {
        QImage picture(420, 220, QImage::Format_RGB32);
        picture.fill(Qt::darkBlue);
        course.make_folder("Lang_r/0/gfx_r");
        ASSERT_TRUE(picture.save(QString::fromStdString(course.path("Lang_r/0/gfx_r/koniec.bmp"))));
        state.config.course_root = course.root();
        state.config.window_caption = "Kurs";
    }
    test::TempCourse course;
    CourseState state;
};

TEST_F(ExitWindow, YesConfirmsNoAndEscapeCancel) {
    TForm24 window(state);
    const std::pair<std::function<void(QWidget&)>, bool> cases[] = {
        {[](QWidget& w) { click_child(w, "btn_tak"); }, true},
        {[](QWidget& w) { click_child(w, "btn_nie"); }, false},
        {[](QWidget& w) { QTest::keyClick(&w, Qt::Key_Escape); }, false},
        {[](QWidget& w) { QTest::keyClick(&w, Qt::Key_Return); }, true},
    };
    for (const auto& [action, confirmed] : cases) {
        when_modal_shown(action);
        EXPECT_EQ(window.ask(), confirmed);
    }
    EXPECT_EQ(window.size(), QSize(420, 220));
    EXPECT_EQ(window.windowTitle(), "Kurs");
}

TEST_F(ExitWindow, MissingPictureStillGivesAUsableWindow) {
    state.config.course_root = course.path("elsewhere/");
    TForm24 window(state);
    when_modal_shown([](QWidget& w) { click_child(w, "btn_nie"); });
    EXPECT_FALSE(window.ask());
    EXPECT_EQ(window.size(), QSize(420, 220));
}

} // namespace
} // namespace vimo
