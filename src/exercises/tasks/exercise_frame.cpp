#include "exercises/tasks/exercise_frame.h"

#include "core/exercise_kinds.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vimo {

namespace {

// The layout line's positions (1-based) the frame reads; -1 is "default".
int given_or(const TaskEntry& task, int position, int fallback) {
    const int value = task.parameters[static_cast<std::size_t>(position - 1)];
    return value > 0 ? value : fallback;
}

} // namespace

const TaskEntry* LessonContext::task(int tab) const {
    if (tab < 1 || tab > tab_count()) return nullptr;
    return tasks[static_cast<std::size_t>(tab - 1)];
}

std::optional<std::uint8_t> LessonContext::task_id(int tab) const {
    if (tab < 1 || tab > static_cast<int>(task_ids.size())) return std::nullopt;
    return task_ids[static_cast<std::size_t>(tab - 1)];
}

LessonContext make_lesson_context(std::string lesson_key, std::vector<const TaskEntry*> tasks,
                                  std::vector<std::optional<std::uint8_t>> task_ids,
                                  TextMedia media, std::string media_name) {
    if (tasks.size() > kMaxTabs) tasks.resize(kMaxTabs);
    if (task_ids.size() > kMaxTabs) task_ids.resize(kMaxTabs);
    LessonContext lesson;
    lesson.lesson_key = std::move(lesson_key);
    lesson.visited.assign(tasks.size(), false);
    lesson.tasks = std::move(tasks);
    lesson.task_ids = std::move(task_ids);
    lesson.media = media;
    lesson.media_name = std::move(media_name);
    return lesson;
}

TabStart start_task(LessonContext& lesson, int tab, const TabRules& rules) {
    const TaskEntry* task = lesson.task(tab);
    if (!task) return TabStart::none;
    const int visited = static_cast<int>(std::ranges::count(lesson.visited, true));
    const ExerciseKind* kind = exercise_kind_for_task(task->kind);
    const bool typing = kind && kind->screen == KindScreen::typing;
    if (typing && rules.block_access && visited < lesson.tab_count() - 1) return TabStart::locked;
    if (typing && rules.network && !rules.network_allows_typing) return TabStart::locked;
    if (tab == lesson.current_tab) return TabStart::current;
    lesson.visited[static_cast<std::size_t>(tab - 1)] = true;
    lesson.current_tab = tab;
    return TabStart::opened;
}

TaskLayout task_layout(const TaskEntry& task, const AreaDefaults& defaults) {
    TaskLayout layout;
    layout.instruction_left = given_or(task, 3, 50);
    layout.instruction_top = given_or(task, 4, 50);
    layout.area_left = given_or(task, 5, defaults.left);
    layout.area_top = given_or(task, 6, defaults.top);
    layout.pool_top = given_or(task, 8, 150);
    layout.area_width = given_or(task, 9, defaults.width);
    layout.area_height = given_or(task, 10, defaults.height);
    return layout;
}

int task_score(int correct, int wrong) {
    const int total = correct + wrong;
    if (total <= 0 || correct <= 0) return 0;
    // 100 × c / total in whole numbers: 12.5 (1 of 8) rounds to the even 12.
    const long long product = 100LL * correct;
    long long score = product / total;
    const long long twice_rest = 2 * (product % total);
    if (twice_rest > total || (twice_rest == total && score % 2 != 0)) ++score;
    return static_cast<int>(std::min<long long>(score, 100));
}

void TaskAttempt::check(int right, int wrong_answers) {
    acted = true;
    checked = true;
    correct = right;
    wrong = wrong_answers;
}

std::optional<std::uint8_t> task_code(const TaskEntry& task) {
    const std::optional<char> code = kind_code_for_task(task.kind);
    if (!code) return std::nullopt;
    return static_cast<std::uint8_t>(*code);
}

bool report_task(const TaskAttempt& attempt, const LessonContext& lesson, int tab,
                 ResultsStore& results, RepetitionStore& repetitions,
                 const RepetitionSettings& settings, const Clock& clock) {
    if (!attempt.acted) return false;
    const TaskEntry* task = lesson.task(tab);
    const std::optional<std::uint8_t> id = lesson.task_id(tab);
    if (!task || !id) return false;
    const ExerciseKind* kind = exercise_kind_for_task(task->kind);
    if (!kind) return false;
    const int score = attempt.score();
    const auto code = static_cast<std::uint8_t>(kind->code);
    results.results_record(score, lesson.lesson_key, code, *id, attempt.checked, clock);
    if (const std::optional<int> position = repetition_position(*kind, tab))
        repetitions.powt_record_result(score, lesson.lesson_key, code, attempt.checked, *id,
                                       *position, settings, clock);
    return true;
}

} // namespace vimo
