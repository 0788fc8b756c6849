// The program itself under the X server that the test script starts: a real window,
// real clicks through xdotool.
#include "e2e/x_session.h"
#include "support/temp_course.h"

#include <QImage>
#include <QProcess>
#include <gtest/gtest.h>

namespace vimo {
namespace {

using namespace test;

class ProgramUnderX : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(qEnvironmentVariableIsEmpty("DISPLAY"))
            << "the end-to-end tests need the X server that test.sh starts";
        course.write_minimal_course();
        course.write_8bit("prof_r.txt", {"Kurs E2E", "1", "0"});
        QImage picture(420, 220, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        course.make_folder("Lang_r/0/gfx_r");
        picture.save(QString::fromStdString(course.path("Lang_r/0/gfx_r/koniec.bmp")));
        course.write_8bit("usr.t", {"1=Ewa"});
    }
    void TearDown() override {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished(5000);
        }
    }
    void start(const QString& course_root) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "xcb");
        program.setProcessEnvironment(environment);
        program.start(VIMO_PROGRAM, {"--course-root", course_root});
        ASSERT_TRUE(program.waitForStarted(10000));
    }

    test::TempCourse course;
    QProcess program;
};

// The main window is centred on the 1024x768 screen, so window and screen
// coordinates agree; the exit window (420x220) is centred too.
constexpr int exit_button_x = 1010, exit_button_y = 10;
constexpr int exit_window_x = (1024 - 420) / 2, exit_window_y = (768 - 220) / 2;

TEST_F(ProgramUnderX, MainWindowAppearsAndConfirmedExitEndsWithStatusZero) {
    start(QString::fromStdString(course.root()));
    const QString chooser = wait_for_new_window(program, kLearnerWindow);
    ASSERT_FALSE(chooser.isEmpty()) << program.readAllStandardError().toStdString();
    // The learner chooser comes first, with the last learner selected.
    ASSERT_TRUE(wait_for_keys(program, chooser));
    ASSERT_FALSE(opened_by(program, kMainWindow, [] { key("Return"); }).isEmpty());

    // Refusing closes the exit window and keeps the program running: it opens the
    // exit window once more.
    const auto open_exit_window = [this] {
        return opened_by(program, kExitWindow, [] { click_at(exit_button_x, exit_button_y); });
    };
    const QString refused = open_exit_window();
    ASSERT_FALSE(refused.isEmpty()) << "the exit button opened no exit window";
    click_at(exit_window_x + 230 + 65, exit_window_y + 150 + 22);
    ASSERT_TRUE(wait_until_gone(program, refused)) << "the exit window stayed after no";
    EXPECT_FALSE(program.waitForFinished(0));
    ASSERT_EQ(program.state(), QProcess::Running);

    ASSERT_FALSE(open_exit_window().isEmpty()) << "the program no longer answers";
    click_at(exit_window_x + 60 + 65, exit_window_y + 150 + 22);
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
}

TEST_F(ProgramUnderX, MissingConfigurationShowsAMessageAndEndsWithStatusOne) {
    test::TempCourse empty;
    start(QString::fromStdString(empty.root()));
    QStringList shown;
    ASSERT_TRUE(poll([&] {
        shown = shown_windows(program);
        return !shown.isEmpty() || program.waitForFinished(0);
    }));
    ASSERT_FALSE(shown.isEmpty()) << "ended without showing the message";
    ASSERT_TRUE(wait_for_keys(program, shown.first()));
    key("Return");
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitCode(), 1);
}

} // namespace
} // namespace vimo
