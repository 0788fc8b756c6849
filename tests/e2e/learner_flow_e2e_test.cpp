// A whole first session on a copy of the demo course, driven through xdotool under
// the X server that the test script starts: a new learner, the main menu, the
// chooser, the exit; then a second start that finds what the first one wrote.
#include "e2e/x_session.h"
#include "support/temp_course.h"

#include <QDate>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace vimo {
namespace {

using namespace test;

void copy_folder(const QString& from, const QString& to) {
    QDirIterator entries(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QString path = entries.next();
        const QString target = to + "/" + QDir(from).relativeFilePath(path);
        if (entries.fileInfo().isDir())
            QDir().mkpath(target);
        else
            QFile::copy(path, target);
    }
}

constexpr QRect kChooserList{40, 98, 825, 537};

class FirstSession : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(qEnvironmentVariableIsEmpty("DISPLAY"))
            << "the end-to-end tests need the X server that test.sh starts";
        copy_folder(VIMO_DEMO_COURSE, QString::fromStdString(course.root()));
        QFile::remove(QString::fromStdString(course.path("usr.t")));
        QDir(QString::fromStdString(course.path("1"))).removeRecursively();
    }
    void TearDown() override {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished(5000);
        }
    }
    void start() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "xcb");
        program.setProcessEnvironment(environment);
        program.start(VIMO_PROGRAM, {"--course-root", QString::fromStdString(course.root())});
        ASSERT_TRUE(program.waitForStarted(10000));
    }
    void exit_program() {
        click_at(1010, 10);
        QThread::msleep(500);
        key("Return"); // the exit window's yes
        ASSERT_TRUE(program.waitForFinished(10000));
        EXPECT_EQ(program.exitCode(), 0);
    }
    QByteArray file(const std::string& relative) const {
        QFile in(QString::fromStdString(course.path(relative)));
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    test::TempCourse course;
    QProcess program;
};

TEST_F(FirstSession, NewLearnerReachesTheChooserAndFindsTheirFilesNextTime) {
    start();
    ASSERT_TRUE(wait_for_window_of_size(kLearnerWindow.width(), kLearnerWindow.height()))
        << program.readAllStandardError().toStdString();
    const QPoint chooser = centred(kLearnerWindow);
    click_at(chooser.x() + 60, chooser.y() + 168); // new learner
    QThread::msleep(700);
    const QPoint new_learner = centred(kLearnerWindow);
    click_at(new_learner.x() + 100, new_learner.y() + 104); // the name field
    xdotool({"type", "--delay", "50", "Anna"});
    key("Return");

    ASSERT_TRUE(wait_for_window_of_size(kMainWindow.width(), kMainWindow.height()))
        << program.readAllStandardError().toStdString();
    QThread::msleep(500);
    click_at(46 + 20, 620 + 20); // lessons
    QThread::msleep(1000);
    const QImage folded = screen().copy(kChooserList);
    click_at(kChooserList.x() + 6, kChooserList.y() + 10); // the first group's plus
    QThread::msleep(700);
    const QImage unfolded = screen().copy(kChooserList);
    ASSERT_FALSE(folded.isNull());
    EXPECT_NE(folded, unfolded) << "unfolding the first group changed nothing on the screen";
    key("Escape"); // leaves the chooser
    QThread::msleep(500);
    exit_program();

    EXPECT_EQ(file("usr.t").trimmed(), "1=Anna");
    const QString items = run(VIMO_COURSE_TOOL, {"items", QString::fromStdString(course.root())});
    const qsizetype records = items.split('\n', Qt::SkipEmptyParts).size();
    ASSERT_GT(records, 0);
    EXPECT_EQ(file("1/v1r2_55").size(), records * 560);
    // English is preselected for a new learner of the English course.
    EXPECT_EQ(file("1/ustaw_v1r2_55.txt"),
              "1\r\nT\r\nT\r\nT\r\nN\r\nT\r\nT\r\nT\r\nT\r\n1\r\n61\r\n3\r\n0\r\nT\r\n");

    // The second start lists the learner, whose name is selected: Enter goes on.
    start();
    ASSERT_TRUE(wait_for_window_of_size(kLearnerWindow.width(), kLearnerWindow.height()));
    QThread::msleep(500);
    click_at(chooser.x() + 230, chooser.y() + 20); // the window takes the keys
    key("Return");
    ASSERT_TRUE(wait_for_window_of_size(kMainWindow.width(), kMainWindow.height()));
    QThread::msleep(500);
    exit_program();
    EXPECT_EQ(file("1/v1r2_55").size(), records * 560);
}

TEST_F(FirstSession, AMultipleChoiceResultReachesTheResultsAndTheRepetitions) {
    QFile users(QString::fromStdString(course.path("usr.t")));
    ASSERT_TRUE(users.open(QIODevice::WriteOnly));
    users.write("1=Ewa\r\n");
    users.close();
    start();
    ASSERT_TRUE(wait_for_window_of_size(kLearnerWindow.width(), kLearnerWindow.height()));
    QThread::msleep(500);
    const QPoint chooser = centred(kLearnerWindow);
    click_at(chooser.x() + 230, chooser.y() + 15);
    key("Return");
    ASSERT_TRUE(wait_for_window_of_size(kMainWindow.width(), kMainWindow.height()));
    QThread::msleep(500);
    click_at(46 + 20, 620 + 20); // lessons
    QThread::msleep(1000);
    // Row 0 the first group, row 1 its first text, row 2 the text's first task.
    const auto row_y = [](int row) { return kChooserList.y() + 20 * row + 8; };
    click_at(kChooserList.x() + 6, row_y(0));
    QThread::msleep(300);
    click_at(kChooserList.x() + 24, row_y(1));
    QThread::msleep(300);
    click_at(kChooserList.x() + 80, row_y(2));
    QThread::msleep(1500);
    key("Escape"); // the first-task notice
    QThread::msleep(500);
    click_at(35 + 60, 150 + 24 + 8); // the first answer of the first question
    QThread::msleep(300);
    click_at(935 + 40, 198 + 25);    // check
    QThread::msleep(500);
    click_at(1010, 10);              // leave: the chooser is back
    QThread::msleep(1000);
    key("Escape");                   // leaves the chooser
    QThread::msleep(500);
    exit_program();

    const QString results = run(VIMO_COURSE_TOOL, {"results", QString::fromStdString(course.path("1/v1r2_55"))});
    const QString first = results.split('\n').value(0);
    EXPECT_TRUE(first.contains("\"name\":\"tek_1\"")) << first.toStdString();
    EXPECT_TRUE(first.contains("\"kind\":40"));
    EXPECT_TRUE(first.contains("\"count\":1")) << first.toStdString();
    EXPECT_TRUE(first.contains("\"completed\":1"));
    // At most one of five questions was right: the task comes back in three days.
    const QString repetitions =
        run(VIMO_COURSE_TOOL, {"repetitions", QString::fromStdString(course.path("1/powt_v1r2_55"))});
    const QString due = QDate::currentDate().addDays(3).toString("yyyy-MM-dd");
    EXPECT_TRUE(repetitions.contains("\"name\":\"tek_1\"")) << repetitions.toStdString();
    EXPECT_TRUE(repetitions.contains("\"due\":\"" + due)) << repetitions.toStdString();
}

} // namespace
} // namespace vimo
