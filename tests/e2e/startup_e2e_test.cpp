// The program itself under the X server that the test script starts: a real window,
// real clicks through xdotool.
#include "support/temp_course.h"

#include <QImage>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

namespace vimo {
namespace {

QString xdotool_output(const QStringList& arguments) {
    QProcess xdotool;
    xdotool.start("xdotool", arguments);
    xdotool.waitForFinished(10000);
    return QString::fromUtf8(xdotool.readAllStandardOutput()).trimmed();
}

void click_at(int x, int y) {
    xdotool_output({"mousemove", "--sync", QString::number(x), QString::number(y), "click", "1"});
}

// Waits until a visible window whose name contains name exists.
bool wait_for_window(const QString& name, int timeout_ms = 20000) {
    for (int waited = 0; waited < timeout_ms; waited += 200) {
        if (!xdotool_output({"search", "--onlyvisible", "--name", name}).isEmpty()) return true;
        QThread::msleep(200);
    }
    return false;
}

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
    ASSERT_TRUE(wait_for_window("Kurs E2E")) << program.readAllStandardError().toStdString();

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
        xdotool_output({"search", "--sync", "--onlyvisible", "--name", "Lexaro"});
    ASSERT_FALSE(window.isEmpty());
    xdotool_output({"key", "--window", window.split('\n').first(), "Return"});
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitCode(), 1);
}

} // namespace
} // namespace vimo
