#pragma once
// The screens of the exercise kinds, made in one place from the services they share,
// and the chooser's way to them: a row opens the screen of its kind, or tells the
// learner that the program has no such screen yet.

#include "app/task_runner.h"
#include "core/exercise_kinds.h"
#include "exercises/stand_alone/stand_alone_services.h"
#include "exercises/tasks/screen_services.h"
#include "navigation/open_item.h"

#include <functional>
#include <map>
#include <memory>
#include <span>
#include <vector>

namespace vimo {

class TaskScreen;

// A task screen of a comprehension text; the screen states its kind itself.
struct TaskScreenMaker {
    std::unique_ptr<TaskScreen> (*make)(ScreenServices& services);
};
// A stand-alone exercise screen, reached through the chooser's hooks of its kind.
struct ItemScreenMaker {
    KindScreen screen;
    std::unique_ptr<ItemScreens> (*make)(StandAloneServices& services);
};

// The screens in the order the program makes them.
std::span<const TaskScreenMaker> task_screen_makers();
std::span<const ItemScreenMaker> item_screen_makers();

class KindScreens final : public ItemScreens {
public:
    // not_available: tells the learner that a kind's screen is not there yet.
    KindScreens(TaskRunner& tasks, std::function<void()> not_available);

    // Makes every screen of the makers; the task screens join the runner.
    void create(StandAloneServices& services);
    // The screen that opens the rows of kind screen (one per kind screen).
    void add(KindScreen screen, ItemScreens& opener);

    const std::vector<std::unique_ptr<TaskScreen>>& task_screens() const { return m_task_screens; }
    const std::vector<std::unique_ptr<ItemScreens>>& item_screens() const { return m_item_screens; }

    void open_comprehension(const ComprehensionLesson& lesson, int ordinal) override;
    void open_sentences(int section, int mode) override;
    void open_dialogue(int dialogue, int mode) override;
    void open_listening(int item) override;
    void open_sentence_recording(int item) override;
    void open_sentence_drag_drop(int item) override;
    void open_curiosity(int item) override;
    void open_letter(const std::string& page, int parameter) override;
    void open_vocabulary(const std::string& item, const std::string& file, int mode) override;

private:
    // Hands the request to the screen of kind screen, or says it is not there.
    void reach(KindScreen screen, const std::function<void(ItemScreens&)>& open);

    TaskRunner& m_tasks;
    std::function<void()> m_not_available;
    std::vector<std::unique_ptr<TaskScreen>> m_task_screens;
    std::vector<std::unique_ptr<ItemScreens>> m_item_screens;
    std::map<KindScreen, ItemScreens*> m_openers;
};

} // namespace vimo
