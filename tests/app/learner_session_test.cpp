#include "app/learner_session.h"
#include "core/course_loaders.h"
#include "core/startup.h"
#include "support/fixed_sources.h"
#include "support/temp_course.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace vimo {
namespace {

using namespace std::chrono;

class ChooseLearner : public ::testing::Test {
protected:
    void SetUp() override {
        course_files.write_minimal_course();
        course_files.write_8bit("rozumienia_a.txt", {"1=1=1=My morning=", "2=2=1=Weekend="});
        course_files.write_utf16("St_au.txt",
                                 {"T1#1#bg#i#", "MC#Q=T_a=b#", "0=", "-", "T1#1#bg#i#", "TF#x#",
                                  "0=", "-", "T2#2#bg#i#", "WP#x#", "0=", "-"});
        course_files.write_8bit("usr.t", {"1=Ala", "5=Bartek"});
        course.config = configure(course_files.root()).config;
        QDir::setCurrent(m_previous);
        CourseProblems problems;
        load_language_tables(course, problems);
        load_course_tables(course.config, course.tables, problems);
        ASSERT_FALSE(problems.has_errors()) << problems.first_error()->text();
        learner.learners.load(learner_list_path(course.config));
    }

    test::TempCourse course_files;
    CourseState course;
    LearnerState learner;
    test::FixedClock clock{sys_days{2026y / 12 / 10} + 9h};

private:
    QString m_previous = QDir::currentPath();
};

TEST_F(ChooseLearner, ANewLearnerGetsRecordsSettingsAndTheirFolder) {
    const auto notices = choose_learner(course, learner, 1, 0, clock);
    EXPECT_TRUE(notices.empty());
    EXPECT_EQ(course.config.learner_name, "Bartek");
    EXPECT_TRUE(QFileInfo(QString::fromStdString(course_files.path("5"))).isDir());
    EXPECT_EQ(learner.results.count(), 3); // three tasks of two texts
    EXPECT_TRUE(QFile::exists(QString::fromStdString(course_files.path("5/v1r2_55"))));
    EXPECT_EQ(QFileInfo(QString::fromStdString(course_files.path("5/v1r2_55"))).size(), 3 * 560);

    QFile settings(QString::fromStdString(course_files.path("5/ustaw_v1r2_55.txt")));
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_EQ(settings.readAll(),
              "0\r\nT\r\nT\r\nT\r\nN\r\nT\r\nT\r\nT\r\nT\r\n1\r\n61\r\n3\r\n0\r\nT\r\n");
    EXPECT_EQ(course.config.language_folder, "Lang_r\\0\\");
}

TEST_F(ChooseLearner, AReturningLearnerKeepsTheirResultsAndLanguage) {
    choose_learner(course, learner, 0, 0, clock);
    ASSERT_EQ(learner.results.results_record(80, "TEK_1", 41, 2, true, clock), 2);
    learner.results.results_save(results_file_path(course.config));
    course_files.write_8bit("1/ustaw_v1r2_55.txt", {"1", "T", "T", "T", "N", "T", "T", "T", "T",
                                                    "1", "61", "3", "0", "T"});

    LearnerState again;
    again.learners.load(learner_list_path(course.config));
    choose_learner(course, again, 0, 0, clock);
    ASSERT_EQ(again.results.count(), 3);
    EXPECT_EQ(again.results.record(2)->score, 80);
    EXPECT_EQ(again.results.record(2)->count, 1);
    EXPECT_EQ(again.results.records(), learner.results.records());
    EXPECT_EQ(course.config.language_number, 1);
    EXPECT_EQ(again.settings.language, 1);
}

TEST_F(ChooseLearner, ADamagedResultsFileIsKeptAsideAndItsWholeRecordsStay) {
    choose_learner(course, learner, 0, 0, clock);
    QFile results(QString::fromStdString(course_files.path("1/v1r2_55")));
    ASSERT_TRUE(results.open(QIODevice::Append));
    results.write("torn");
    results.close();

    LearnerState again;
    again.learners.load(learner_list_path(course.config));
    const auto notices = choose_learner(course, again, 0, 0, clock);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(again.results.count(), 3);
    const QStringList kept = QDir(QString::fromStdString(course_files.path("1")))
                                 .entryList({"v1r2_55.damaged-*"}, QDir::Files);
    EXPECT_EQ(kept.size(), 1);
}

TEST_F(ChooseLearner, APositionOutsideTheListIsRefused) {
    EXPECT_THROW(choose_learner(course, learner, 2, 0, clock), std::out_of_range);
    EXPECT_THROW(choose_learner(course, learner, -1, 0, clock), std::out_of_range);
}

} // namespace
} // namespace vimo
