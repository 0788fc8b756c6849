#pragma once
// The program on a copy of the demo course under the X server that the test script
// starts, with the steps most flows begin with: the learner chooser, the main menu,
// the lessons chooser and the first text's first task.

#include "e2e/x_session.h"
#include "support/temp_course.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

namespace vimo::test {

inline void copy_folder(const QString& from, const QString& to) {
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

inline constexpr QRect kChooserList{40, 98, 825, 537};
inline constexpr QPoint kLessonsButton{46 + 20, 620 + 20};
inline constexpr QPoint kLeaveTask{1010, 10};     // a task screen's exit: back to the chooser
inline constexpr QSize kRecordingWindow{290, 33}; // the media window of a recording with marks

// Row 0 of the lessons chooser is the first group, row 1 its first text once unfolded,
// row 2 the text's first task (multiple choice in the demo course).
inline int chooser_row_y(int row) {
    return kChooserList.y() + 20 * row + 8;
}

class DemoSession : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(qEnvironmentVariableIsEmpty("DISPLAY"))
            << "the end-to-end tests need the X server that test.sh starts";
        copy_folder(VIMO_DEMO_COURSE, QString::fromStdString(course.root()));
        QFile::remove(QString::fromStdString(course.path("usr.t")));
        QDir(QString::fromStdString(course.path("1"))).removeRecursively();
    }
    void TearDown() override { stop(); }

    void start(const QProcessEnvironment& extra = {}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert(extra);
        program.setProcessEnvironment(environment);
        program.start(VIMO_PROGRAM, {"--course-root", QString::fromStdString(course.root())});
        ASSERT_TRUE(program.waitForStarted(10000));
    }
    void stop() {
        if (program.state() == QProcess::NotRunning) return;
        program.kill();
        program.waitForFinished(5000);
    }
    void write_learner_list(const QByteArray& lines) {
        QFile users(QString::fromStdString(course.path("usr.t")));
        ASSERT_TRUE(users.open(QIODevice::WriteOnly));
        users.write(lines);
    }
    // Starts the program with a learner list and chooses its selected learner: the
    // main menu.
    void start_at_the_main_menu(const QProcessEnvironment& extra = {}) {
        start(extra);
        const QString learner_chooser = wait_for_new_window(program, kLearnerWindow);
        ASSERT_FALSE(learner_chooser.isEmpty()) << program.readAllStandardError().toStdString();
        ASSERT_TRUE(wait_for_keys(program, learner_chooser));
        ASSERT_FALSE(opened_by(program, kMainWindow, [] { key("Return"); }).isEmpty());
    }
    // From the main menu: the lessons chooser with the first group and its first text
    // unfolded.
    void open_lessons_at_the_first_text() {
        lessons = opened_by(program, kMainWindow,
                            [] { click_at(kLessonsButton.x(), kLessonsButton.y()); });
        ASSERT_FALSE(lessons.isEmpty()) << "the lessons button opened no chooser";
        click_at(kChooserList.x() + 6, chooser_row_y(0));
        click_at(kChooserList.x() + 24, chooser_row_y(1));
    }
    // From the unfolded chooser: the task of a chooser row (the first task's by
    // default). The task's window id.
    QString open_first_task(int row = 2) {
        const QStringList before = shown_windows(program);
        click_at(kChooserList.x() + 80, chooser_row_y(row));
        return wait_for_new_window(program, kMainWindow, before);
    }

    // As open_first_task, with the first-task notice that comes with the first opening
    // of a run over it, dismissed; the task's window id in task.
    void open_first_task_past_its_notice(QString& task, int row = 2) {
        const QString notice =
            opened_by(program, kNoticeWindow, [&] { task = open_first_task(row); });
        ASSERT_FALSE(task.isEmpty());
        ASSERT_FALSE(notice.isEmpty()) << "the first task did not open with its notice";
        ASSERT_TRUE(wait_for_keys(program, notice));
        key("Escape");
        ASSERT_TRUE(wait_until_gone(program, notice));
    }

    TempCourse course;
    QProcess program;
    QString lessons; // the lessons chooser's window
};

} // namespace vimo::test
