#include "core/dates.h"
#include "exercises/tasks/exercise_frame.h"
#include "support/fixed_sources.h"
#include "support/named_case.h"

#include <gtest/gtest.h>

namespace vimo {
namespace {

VIMO_PRINT_CASES_BY_NAME()

using namespace std::chrono;

TaskEntry task_of_kind(const std::string& kind) {
    TaskEntry task;
    task.kind = kind;
    return task;
}

struct ScoreCase {
    std::string name;
    int correct;
    int wrong;
    int score;
};

class TaskScore : public ::testing::TestWithParam<ScoreCase> {};

TEST_P(TaskScore, RoundsHalvesToTheEvenNeighbour) {
    const ScoreCase& c = GetParam();
    EXPECT_EQ(task_score(c.correct, c.wrong), c.score);
}

INSTANTIATE_TEST_SUITE_P(
    Scores, TaskScore,
    ::testing::Values(ScoreCase{"OneOfTwo", 1, 1, 50}, ScoreCase{"OneOfEight", 1, 7, 12},
                      ScoreCase{"ThreeOfEight", 3, 5, 38}, ScoreCase{"FiveOfEight", 5, 3, 62},
                      ScoreCase{"TwoOfThree", 2, 1, 67}, ScoreCase{"AllRight", 4, 0, 100},
                      ScoreCase{"NoAnswers", 0, 0, 0}, ScoreCase{"AllWrong", 0, 3, 0}),
    [](const auto& info) { return info.param.name; });

class Lesson : public ::testing::Test {
protected:
    Lesson() {
        for (const char* kind : {"MC", "TF", "WP", "DD"})
            entries.push_back(task_of_kind(kind));
        lesson = make_lesson_context("tek_3", {&entries[0], &entries[1], &entries[2], &entries[3]},
                                     {11, 12, 13, 14}, TextMedia::recording, "3");
    }
    std::vector<TaskEntry> entries;
    LessonContext lesson;
};

TEST_F(Lesson, TheCurrentTabDoesNothingAndAnotherOpens) {
    EXPECT_EQ(lesson.current_tab, kNoTab);
    EXPECT_EQ(start_task(lesson, 1, {}), TabStart::opened);
    EXPECT_EQ(start_task(lesson, 1, {}), TabStart::current);
    EXPECT_EQ(start_task(lesson, 2, {}), TabStart::opened);
    EXPECT_EQ(lesson.current_tab, 2);
    EXPECT_EQ(lesson.visited, (std::vector<bool>{true, true, false, false}));
    EXPECT_EQ(start_task(lesson, 5, {}), TabStart::none);
    EXPECT_EQ(start_task(lesson, 0, {}), TabStart::none);
    EXPECT_EQ(lesson.current_tab, 2);
}

TEST_F(Lesson, BlockAccessOpensTheTypingTaskAfterThreeOfFourTabs) {
    const TabRules rules{.block_access = true};
    ASSERT_EQ(start_task(lesson, 1, rules), TabStart::opened);
    ASSERT_EQ(start_task(lesson, 2, rules), TabStart::opened);
    EXPECT_EQ(start_task(lesson, 3, rules), TabStart::locked);
    EXPECT_EQ(lesson.current_tab, 2) << "a locked tab leaves the open task as it is";
    EXPECT_FALSE(lesson.visited[2]);
    ASSERT_EQ(start_task(lesson, 4, rules), TabStart::opened);
    EXPECT_EQ(start_task(lesson, 3, rules), TabStart::opened);
    // Without the option the typing task opens at once.
    LessonContext fresh =
        make_lesson_context("tek_3", lesson.tasks, lesson.task_ids, TextMedia::recording, "3");
    EXPECT_EQ(start_task(fresh, 3, {}), TabStart::opened);
}

TEST_F(Lesson, NetworkModeRefusesTypingUnlessTheServerAllowsIt) {
    for (int tab : {1, 2, 4})
        ASSERT_EQ(start_task(lesson, tab, {.network = true}), TabStart::opened);
    EXPECT_EQ(start_task(lesson, 3, {.network = true}), TabStart::locked);
    EXPECT_EQ(start_task(lesson, 3, {.network = true, .network_allows_typing = true}),
              TabStart::opened);
}

TEST_F(Lesson, MoreThanEightTasksShowEightTabs) {
    std::vector<const TaskEntry*> many(10, &entries[0]);
    const LessonContext big = make_lesson_context(
        "tek_1", many, std::vector<std::optional<std::uint8_t>>(10, 1), TextMedia::film, "1");
    EXPECT_EQ(big.tab_count(), 8);
    EXPECT_EQ(big.visited.size(), 8u);
}

TEST(TaskLayout, GivenPlacesReplaceTheDefaultsOnly) {
    TaskEntry task;
    // "0=0=80=120=": the loader holds 0 and blanks as -1.
    task.parameters = {-1, -1, 80, 120, -1, -1, -1, -1, -1, -1};
    const TaskLayout layout =
        task_layout(task, {.left = 50, .top = 200, .width = 700, .height = 400});
    EXPECT_EQ(layout.instruction_left, 80);
    EXPECT_EQ(layout.instruction_top, 120);
    EXPECT_EQ(layout.area_left, 50);
    EXPECT_EQ(layout.area_top, 200);
    EXPECT_EQ(layout.area_width, 700);
    EXPECT_EQ(layout.area_height, 400);
    EXPECT_EQ(layout.pool_top, 150);

    task.parameters = {3, -1, -1, -1, 60, 210, -1, 300, 640, 380};
    const TaskLayout given =
        task_layout(task, {.left = 50, .top = 200, .width = 700, .height = 400});
    EXPECT_EQ(given.instruction_left, 50);
    EXPECT_EQ(given.instruction_top, 50);
    EXPECT_EQ(given.area_left, 60);
    EXPECT_EQ(given.area_top, 210);
    EXPECT_EQ(given.pool_top, 300);
    EXPECT_EQ(given.area_width, 640);
    EXPECT_EQ(given.area_height, 380);
}

class Reporting : public Lesson {
protected:
    Reporting() {
        for (std::uint8_t key = 11; key <= 14; ++key) {
            cw_Info record;
            record.name = "tek_3";
            record.kind = static_cast<std::uint8_t>(*task_code(entries[key - 11]));
            record.key = key;
            results.append(record);
        }
        start_task(lesson, 2, {});
    }
    ResultsStore results;
    RepetitionStore repetitions;
    test::FixedClock clock{sys_days{2026y / 12 / 10} + 12h};
};

TEST_F(Reporting, AnAttemptWithNothingDoneRecordsNothing) {
    const std::vector<cw_Info> before = results.records();
    EXPECT_FALSE(report_task(TaskAttempt{}, lesson, 2, results, repetitions, {}, clock));
    EXPECT_EQ(results.records(), before);
    EXPECT_FALSE(
        repetitions.powt_is_due("tek_3", ')', 2, test::FixedClock{clock.now() + 400 * 24h}));
}

TEST_F(Reporting, ACheckedAttemptRecordsItsScoreOnTheTabsRecordAndRepetition) {
    TaskAttempt attempt;
    attempt.check(1, 7);
    ASSERT_TRUE(report_task(attempt, lesson, 2, results, repetitions, {}, clock));
    const cw_Info& record = *results.record(2); // tab 2: the true/false task, key 12
    EXPECT_EQ(record.score, 12);
    EXPECT_EQ(record.count, 1);
    EXPECT_EQ(record.completed, 1);
    EXPECT_EQ(results.record(1)->count, 0);
    // Below the threshold: due after the first interval, under the tab's position.
    EXPECT_EQ(repetitions.powt_due_text("tek_3", ')', 2), "2026-12-13");
}

TEST_F(Reporting, AnsweringWithoutCheckingRecordsAnUncompletedResult) {
    TaskAttempt attempt;
    attempt.acted = true;
    attempt.correct = 1;
    attempt.wrong = 1;
    ASSERT_TRUE(report_task(attempt, lesson, 2, results, repetitions, {}, clock));
    EXPECT_EQ(results.record(2)->score, 50);
    EXPECT_EQ(results.record(2)->completed, 0);
}

TEST(TaskKinds, ATaskCarriesTheCodeOfItsKind) {
    EXPECT_EQ(task_code(task_of_kind("MC")), std::optional<std::uint8_t>(40));
    EXPECT_EQ(task_code(task_of_kind("DV")), std::optional<std::uint8_t>(46));
    EXPECT_EQ(task_code(task_of_kind("mc")), std::nullopt);
}

} // namespace
} // namespace vimo
