#pragma once
// The engine of the frame that every task screen of a comprehension text shares: the
// lesson context the chooser sets, which tab may open, where the instruction and the
// task area go, the score, and what closing a task reports. No widgets.

#include "core/clock.h"
#include "core/course_tables.h"
#include "repetitions/repetition_store.h"
#include "results/results_store.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vimo {

inline constexpr int kMaxTabs = 8;
inline constexpr int kNoTab = 999; // the current tab before the first opening

// The lesson whose tasks the tabs show.
struct LessonContext {
    std::string lesson_key;              // the item name of the text's records, "tek_3"
    std::vector<const TaskEntry*> tasks; // in task-list order, at most kMaxTabs
    // The key of each task's results record; none for a task that has no record.
    std::vector<std::optional<std::uint8_t>> task_ids;
    TextMedia media = TextMedia::recording;
    std::string media_name; // header field 2: names the film, page or recording
    int current_tab = kNoTab;
    std::vector<bool> visited;

    int tab_count() const { return static_cast<int>(tasks.size()); }
    const TaskEntry* task(int tab) const;
    std::optional<std::uint8_t> task_id(int tab) const;
};

// A lesson of the given tasks and ids (cut to kMaxTabs), nothing visited yet.
LessonContext make_lesson_context(std::string lesson_key, std::vector<const TaskEntry*> tasks,
                                  std::vector<std::optional<std::uint8_t>> task_ids,
                                  TextMedia media, std::string media_name);

struct TabRules {
    bool block_access = false;          // the option: typing only after the other tasks
    bool network = false;               // network mode
    bool network_allows_typing = false; // the server's login reply permits typing tasks
};

enum class TabStart {
    opened,  // the tab is now current and visited; the caller closes the open task first
    current, // the tab is already the current one: nothing happens
    locked,  // a typing task not open yet: interface text kTypingLockedText is shown
    none,    // no task on that tab
};
inline constexpr int kTypingLockedText = 84;

// start_task's rules for tab (1-based).
TabStart start_task(LessonContext& lesson, int tab, const TabRules& rules);

// A place on a task screen: a label's home, a slot, a drop area.
struct AreaRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    // Bounds inclusive, as a drop on an edge still lands inside.
    bool contains(int x, int y) const {
        return x >= left && x <= left + width && y >= top && y <= top + height;
    }
    friend bool operator==(const AreaRect&, const AreaRect&) = default;
};

// The layout line's places with a screen's defaults.
struct AreaDefaults {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};
struct TaskLayout {
    int instruction_left = 50;
    int instruction_top = 50;
    int area_left = 0;
    int area_top = 0;
    int area_width = 0;
    int area_height = 0;
    int pool_top = 150; // the word pool of the sorting screen
};
TaskLayout task_layout(const TaskEntry& task, const AreaDefaults& defaults);

// round(100 × correct / (correct + wrong)), halves to the even neighbour; 0 for none.
int task_score(int correct, int wrong);

// What the learner did on the open task.
struct TaskAttempt {
    bool acted = false;   // something that counts was done
    bool checked = false; // the check button was pressed
    int correct = 0;
    int wrong = 0;

    int score() const { return task_score(correct, wrong); }
    void check(int right, int wrong_answers);
};

// The kind code a task's results records carry ("MC" gives 40), or nullopt for a task
// kind that opens no screen.
std::optional<std::uint8_t> task_code(const TaskEntry& task);

// Closing the task of tab: an attempt with something done is recorded in the results
// and the repetitions (at the task position its kind gives, the tab); nothing is
// recorded otherwise. The
// caller then saves both files whatever was recorded. Returns whether it recorded.
bool report_task(const TaskAttempt& attempt, const LessonContext& lesson, int tab,
                 ResultsStore& results, RepetitionStore& repetitions,
                 const RepetitionSettings& settings, const Clock& clock);

} // namespace vimo
