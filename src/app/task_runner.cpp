#include "app/task_runner.h"

#include "core/atomic_file.h"
#include "exercises/tasks/task_screen.h"

namespace vimo {

namespace {

constexpr int kFirstTaskNotice = 63;

} // namespace

TaskRunner::TaskRunner(CourseState& course, LearnerState& learner, const Clock& clock, Links links)
    : m_course(course), m_learner(learner), m_clock(clock), m_links(std::move(links)) {}

void TaskRunner::add_screen(TaskScreen& screen) {
    m_screens[screen.kind().code] = &screen;
    TaskScreen::Links links;
    links.tab_clicked = [this](int tab) { go_to_tab(tab); };
    links.leave = [this] { close_task(); };
    links.stop_sound = [this] {
        if (m_links.stop_sound) m_links.stop_sound();
    };
    links.media = [this] {
        if (m_links.open_media) m_links.open_media(m_lesson);
    };
    links.glossary = [this] {
        const TaskEntry* task = m_lesson.task(m_open_tab);
        if (task && m_links.glossary) m_links.glossary(*task);
    };
    links.dictionary = [this] {
        if (m_links.dictionary) m_links.dictionary();
    };
    links.look_up = [this](const UniString& word, int mode) {
        if (m_links.look_up) m_links.look_up(word, mode);
    };
    links.print = [this](const QString& document) {
        if (m_links.print) m_links.print(document);
    };
    links.open_translation = [this](const std::string& file_name) {
        if (m_links.open_translation) m_links.open_translation(file_name);
    };
    screen.set_links(std::move(links));
}

void TaskRunner::open_lesson(const ComprehensionLesson& lesson, int ordinal) {
    close_task();
    m_lesson = make_lesson_context("tek_" + std::to_string(lesson.text_number), lesson.tasks,
                                   lesson.item_keys, lesson.media, lesson.media_name);
    go_to_tab(ordinal);
}

TaskScreen* TaskRunner::screen_for(const TaskEntry& task) const {
    const ExerciseKind* kind = exercise_kind_for_task(task.kind);
    const auto found = kind ? m_screens.find(kind->code) : m_screens.end();
    return found == m_screens.end() ? nullptr : found->second;
}

void TaskRunner::go_to_tab(int tab) {
    const TabRules rules{.block_access = m_learner.settings.block_access,
                         .network = m_course.config.network_mode == 1,
                         .network_allows_typing = false};
    const LessonContext before = m_lesson;
    const TabStart start = start_task(m_lesson, tab, rules);
    if (start == TabStart::locked && m_links.show_text) m_links.show_text(kTypingLockedText);
    if (start != TabStart::opened) return;
    const TaskEntry* task = m_lesson.task(tab);
    TaskScreen* screen = task ? screen_for(*task) : nullptr;
    if (!screen) {
        // The learner stays on the task they were doing, and the tab stays unvisited.
        m_lesson = before;
        if (m_links.show_message) m_links.show_message(kScreenNotAvailableMessage);
        return;
    }
    if (const std::optional<std::string> problem = screen->content_problem(*task)) {
        // Bad exercise data refuses the task, as a missing screen does.
        m_lesson = before;
        if (m_links.show_message) m_links.show_message(*problem);
        return;
    }
    if (m_links.stop_sound) m_links.stop_sound();
    // The task that was open is reported before the next one loads.
    close_task();
    screen->open_task(m_lesson, *task);
    m_open = screen;
    m_open_tab = tab;
    // A recording has no button: its player opens with the task.
    if (m_lesson.media == TextMedia::recording && m_links.open_media) m_links.open_media(m_lesson);
    if (m_learner.settings.first_task_notice) {
        // Once per run: the setting is written back with the next save of the options.
        m_learner.settings.first_task_notice = false;
        if (m_links.show_text) m_links.show_text(kFirstTaskNotice);
    }
}

void TaskRunner::close_task() {
    if (!m_open) return;
    TaskScreen* screen = m_open;
    m_open = nullptr;
    report_task(screen->attempt(), m_lesson, m_open_tab, m_learner.results, m_learner.repetitions,
                repetition_settings(m_learner.settings), m_clock);
    save_files();
    // Nothing of the task plays on once it is left.
    if (m_links.stop_sound) m_links.stop_sound();
    if (m_links.hide_media) m_links.hide_media();
    screen->hide();
    if (m_links.task_closed) m_links.task_closed();
}

void TaskRunner::save_files() {
    try {
        save_learner_files(m_course.config, m_learner);
    } catch (const FileWriteError& error) {
        if (m_links.show_message) m_links.show_message(error.what());
    }
}

} // namespace vimo
