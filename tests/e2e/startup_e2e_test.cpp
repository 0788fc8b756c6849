// The program itself under the X server that the test script starts: a real window,
// real clicks through xdotool.
#include "e2e/x_session.h"
#include "support/temp_course.h"

#include <QImage>
#include <QProcess>
#include <QThread>
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
    ASSERT_TRUE(wait_for_window_of_size(kLearnerWindow.width(), kLearnerWindow.height()))
        << program.readAllStandardError().toStdString();
    // The learner chooser comes first, with the last learner selected.
    const QPoint chooser = centred(kLearnerWindow);
    click_at(chooser.x() + 230, chooser.y() + 15);
    key("Return");
    ASSERT_TRUE(wait_for_window_of_size(kMainWindow.width(), kMainWindow.height()));
    QThread::msleep(500);

    // Refusing keeps the program running.
    click_at(exit_button_x, exit_button_y);
    QThread::msleep(500);
    click_at(exit_window_x + 230 + 65, exit_window_y + 150 + 22);
    EXPECT_FALSE(program.waitForFinished(1500));
    EXPECT_EQ(program.state(), QProcess::Running);

    click_at(exit_button_x, exit_button_y);
    QThread::msleep(500);
    click_at(exit_window_x + 60 + 65, exit_window_y + 150 + 22);
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
}

TEST_F(ProgramUnderX, MissingConfigurationShowsAMessageAndEndsWithStatusOne) {
    test::TempCourse empty;
    start(QString::fromStdString(empty.root()));
    ASSERT_FALSE(program.waitForFinished(1000)) << "ended without showing the message";
    const QString window =
        xdotool({"search", "--sync", "--onlyvisible", "--name", "Lexaro"});
    ASSERT_FALSE(window.isEmpty());
    xdotool({"key", "--window", window.split('\n').first(), "Return"});
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitCode(), 1);
}

} // namespace
} // namespace vimo
