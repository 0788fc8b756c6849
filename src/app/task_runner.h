#pragma once
// Running the tasks of a comprehension text: the lesson the chooser opened, which
// tab is current, the screen of each task kind, and closing a task with its report
// and the saving of the learner's files.

#include "app/learner_session.h"
#include "core/clock.h"
#include "core/course_state.h"
#include "exercises/tasks/exercise_frame.h"
#include "exercises/tasks/text_painter.h"
#include "navigation/open_item.h"

#include <QString>
#include <functional>
#include <map>
#include <string>

namespace vimo {

class TaskScreen;

// What the learner is told when a task's kind has no screen in the program yet.
inline constexpr const char* kScreenNotAvailableMessage =
    "Ten rodzaj ćwiczenia nie jest jeszcze dostępny w programie.";

class TaskRunner {
public:
    struct Links {
        std::function<void(int text)> show_text; // a notice: an interface text
        std::function<void(const std::string& message)> show_message;
        std::function<void()> stop_sound;
        // The lesson's film, page or recording (the media button, or at once for a
        // recording when a task shows), and hiding it when the task closes.
        std::function<void(const LessonContext& lesson)> open_media;
        std::function<void()> hide_media;
        std::function<void(const TaskEntry& task)> glossary; // the task's glossary note
        std::function<void()> dictionary;                    // the dictionary button
        DictionaryOpen look_up;                              // a right-clicked word
        std::function<void(const QString& document)> print;  // a screen's printout
        // A text's translation (a file under "Wpisywania\"), in the translation window.
        std::function<void(const std::string& file_name)> open_translation;
        // The task's screen closed: the screen underneath shows the new marks.
        std::function<void()> task_closed;
    };

    TaskRunner(CourseState& course, LearnerState& learner, const Clock& clock, Links links);

    // The screen that shows the tasks of its kind; its frame's buttons come back here.
    void add_screen(TaskScreen& screen);

    // The chooser opened a text on the task of ordinal (1-based).
    void open_lesson(const ComprehensionLesson& lesson, int ordinal);
    // A tab of the open lesson.
    void go_to_tab(int tab);
    // Leaving the screen: the open task is reported and the files are saved.
    void close_task();

    const LessonContext& lesson() const { return m_lesson; }
    TaskScreen* open_screen() const { return m_open; }

private:
    TaskScreen* screen_for(const TaskEntry& task) const;
    void save_files();

    CourseState& m_course;
    LearnerState& m_learner;
    const Clock& m_clock;
    Links m_links;
    std::map<char, TaskScreen*> m_screens; // by kind code
    LessonContext m_lesson;
    TaskScreen* m_open = nullptr;
    int m_open_tab = 0; // the tab whose task m_open shows
};

} // namespace vimo
