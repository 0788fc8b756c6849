#pragma once
// The program-wide context: the course state, the clock and random source the
// engine receives, and every screen, created once at start-up and shown and hidden
// until the process ends.

#include "app/kind_screens.h"
#include "app/learner_session.h"
#include "app/task_runner.h"
#include "controls/MyImageList.h"
#include "core/clock.h"
#include "core/course_state.h"
#include "core/help_links.h"
#include "core/random.h"
#include "core/startup.h"
#include "dictionary/dictionary.h"
#include "exercises/tasks/text_painter.h"
#include "navigation/chooser.h"
#include "navigation/open_item.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vimo {

class SoundOutputs;
class SoundService;
class TMainForm;
class TForm6;
class TForm20;
class TForm24;
class TPodkladForm;
class TWyborForm;
class Tkas_powt_Form;
class TForm9;
class TForm10;
class TOpcjeForm;
class THelpForm;
class TInformacjaForm;
class THtml_SmallForm;
class TMultimediaForm;
class TSlownikForm;
class TTekstTlumaczForm;
class TWavWievForm;
class VoiceRecorder;
class Printing;

class AppContext {
public:
    AppContext();
    ~AppContext();
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    // Start-up from the program's folder and its arguments up to the main window on
    // screen. Returns the process status to end with at once, or -1 when the event
    // loop should run.
    int start(const std::string& program_folder, const std::vector<std::string>& arguments);

    // Reloads everything that depends on the language folder; problems of its files
    // go to problems.
    void load_language_resources(CourseProblems& problems);

    CourseState& state() { return m_state; }
    LearnerState& learner() { return m_learner; }

private:
    void create_screens();
    void open_chooser(int mode);
    void open_row(const OpenContext& context);
    TaskRunner::Links task_links();
    void open_media(const LessonContext& lesson);
    void show_glossary(const TaskEntry& task);
    // The dictionary window: mode 0 the small window on word, 1 the full window.
    void look_up(const UniString& word, int mode);
    // Makes the learner at position current with their files; false (after telling
    // the learner) when a file cannot be read or written.
    bool make_learner_current(int position, int default_language);
    // Reloads the language resources after a change of the interface language and
    // reports problems of its files.
    void change_language(int language);
    void show_message(const std::string& text);
    // A stand-alone exercise's result: stored, and the learner's files saved.
    void record_item(const ItemResult& result);

    CourseState m_state;
    LearnerState m_learner;
    TMyImageList m_buttons;       // the shared picture list of every screen's buttons
    DictionaryTable m_dictionary; // slowniku.txt, loaded once at start-up
    SystemClock m_clock;
    ClockSeededRandom m_random{m_clock};
    std::unique_ptr<SoundOutputs> m_sound_outputs; // the sound device, for both players
    std::unique_ptr<SoundService> m_sound;
    std::unique_ptr<TForm20> m_message_window;
    std::unique_ptr<THelpForm> m_help_window;
    std::unique_ptr<Printing> m_printing; // every printout of the program
    std::unique_ptr<THtml_SmallForm> m_reading_window;
    std::unique_ptr<TMultimediaForm> m_media_window;
    std::unique_ptr<TInformacjaForm> m_information;
    std::unique_ptr<HelpLinks> m_help;          // F1 and the help buttons of every screen
    InstructionWordTable m_instructions;        // what the open task screen's instruction painted
    std::unique_ptr<ScreenServices> m_services; // what every exercise screen is made with
    std::unique_ptr<TForm6> m_answer_popup;     // the learner's answer, on the drill and sentences
    std::unique_ptr<StandAloneServices> m_stand_alone; // the stand-alone screens' further parts
    std::unique_ptr<TaskRunner> m_tasks;
    std::unique_ptr<KindScreens> m_kind_screens; // the screens the chooser's rows open
    std::unique_ptr<Tkas_powt_Form> m_confirm_delete_repetitions;
    std::unique_ptr<TWyborForm> m_chooser;
    std::unique_ptr<TSlownikForm> m_dictionary_window;
    std::unique_ptr<TTekstTlumaczForm> m_translation_window;
    // Recorder A (sentence building, the vocabulary drill) tells of each failing step;
    // recorder B (sentence recording, dialogues, the analyser) stays silent.
    std::unique_ptr<VoiceRecorder> m_recorder_a;
    std::unique_ptr<VoiceRecorder> m_recorder_b;
    std::unique_ptr<TWavWievForm> m_analyser; // opened by the screens' analyser buttons
    std::unique_ptr<TForm10> m_new_learner;
    std::unique_ptr<TForm9> m_learner_chooser;
    std::unique_ptr<TOpcjeForm> m_options;
    std::unique_ptr<TForm24> m_exit_window;
    std::unique_ptr<TMainForm> m_main_form;
    std::unique_ptr<TPodkladForm> m_backdrop;
};

} // namespace vimo
