#include "app/kind_screens.h"

#include "exercises/stand_alone/vocabulary_screen.h"
#include "exercises/tasks/definitions_screen.h"
#include "exercises/tasks/matching_screen.h"
#include "exercises/tasks/multiple_choice_screen.h"
#include "exercises/tasks/ordering_screen.h"
#include "exercises/tasks/sorting_screen.h"
#include "exercises/tasks/true_false_screen.h"
#include "exercises/tasks/typing_screen.h"

namespace vimo {

namespace {

template <typename Screen> std::unique_ptr<TaskScreen> make_task_screen(ScreenServices& services) {
    return std::make_unique<Screen>(services);
}

constexpr TaskScreenMaker kTaskScreens[] = {
    {&make_task_screen<TC_MC_Form>},
    {&make_task_screen<TC_TF_Form>},
    {&make_task_screen<TCW_Wpisywanie1Form>},
    {&make_task_screen<TC_DefForm>},
    {&make_task_screen<TC_HForm>},
    {&make_task_screen<TC_DDForm>},
    {&make_task_screen<TC_DDVForm>},
};

template <typename Screen>
std::unique_ptr<ItemScreens> make_item_screen(StandAloneServices& services) {
    return std::make_unique<Screen>(services);
}

constexpr ItemScreenMaker kItemScreens[] = {
    {KindScreen::vocabulary_drill, &make_item_screen<TForm4>},
};

} // namespace

std::span<const TaskScreenMaker> task_screen_makers() {
    return kTaskScreens;
}

std::span<const ItemScreenMaker> item_screen_makers() {
    // The stand-alone exercise screens join here as they are written.
    return kItemScreens;
}

KindScreens::KindScreens(TaskRunner& tasks, std::function<void()> not_available)
    : m_tasks(tasks), m_not_available(std::move(not_available)) {}

void KindScreens::create(StandAloneServices& services) {
    for (const TaskScreenMaker& maker : task_screen_makers()) {
        m_task_screens.push_back(maker.make(services.screen));
        m_tasks.add_screen(*m_task_screens.back());
    }
    for (const ItemScreenMaker& maker : item_screen_makers()) {
        m_item_screens.push_back(maker.make(services));
        add(maker.screen, *m_item_screens.back());
    }
}

void KindScreens::add(KindScreen screen, ItemScreens& opener) {
    m_openers[screen] = &opener;
}

void KindScreens::reach(KindScreen screen, const std::function<void(ItemScreens&)>& open) {
    const auto found = m_openers.find(screen);
    if (found != m_openers.end()) {
        open(*found->second);
        return;
    }
    if (m_not_available) m_not_available();
}

void KindScreens::open_comprehension(const ComprehensionLesson& lesson, int ordinal) {
    // The runner picks the task screen by the task's kind, and says when there is none.
    m_tasks.open_lesson(lesson, ordinal);
}

void KindScreens::open_sentences(int section, int mode) {
    reach(KindScreen::sentence_building, [&](ItemScreens& s) { s.open_sentences(section, mode); });
}

void KindScreens::open_dialogue(int dialogue, int mode) {
    reach(KindScreen::dialogue, [&](ItemScreens& s) { s.open_dialogue(dialogue, mode); });
}

void KindScreens::open_listening(int item) {
    reach(KindScreen::listening_comprehension, [&](ItemScreens& s) { s.open_listening(item); });
}

void KindScreens::open_sentence_recording(int item) {
    reach(KindScreen::sentence_recording, [&](ItemScreens& s) { s.open_sentence_recording(item); });
}

void KindScreens::open_sentence_drag_drop(int item) {
    reach(KindScreen::sentence_drag_drop, [&](ItemScreens& s) { s.open_sentence_drag_drop(item); });
}

void KindScreens::open_curiosity(int item) {
    reach(KindScreen::curiosity_text, [&](ItemScreens& s) { s.open_curiosity(item); });
}

void KindScreens::open_letter(const std::string& page, int parameter) {
    reach(KindScreen::letters, [&](ItemScreens& s) { s.open_letter(page, parameter); });
}

void KindScreens::open_vocabulary(const std::string& item, const std::string& file, int mode) {
    reach(KindScreen::vocabulary_drill,
          [&](ItemScreens& s) { s.open_vocabulary(item, file, mode); });
}

} // namespace vimo
