#include "app/app_context.h"

#include "audio/analyser.h"
#include "audio/voice_recorder.h"
#include "controls/answer_popup.h"
#include "controls/button_pictures.h"
#include "controls/image_strip.h"
#include "controls/message_window.h"
#include "core/atomic_file.h"
#include "core/course_loaders.h"
#include "core/dates.h"
#include "core/paths.h"
#include "core/qt_text.h"
#include "core/sound.h"
#include "core/text_file.h"
#include "dictionary/dictionary_screen.h"
#include "exercises/stand_alone/information_window.h"
#include "exercises/stand_alone/item_result.h"
#include "exercises/tasks/options_screen.h"
#include "exercises/tasks/task_screen.h"
#include "exercises/tasks/translation_window.h"
#include "help/help_window.h"
#include "help/multimedia.h"
#include "help/multimedia_window.h"
#include "help/reading_window.h"
#include "html/printing.h"
#include "navigation/backdrop_screen.h"
#include "navigation/chooser_screen.h"
#include "navigation/delete_repetitions_screen.h"
#include "navigation/exit_window_screen.h"
#include "navigation/learner_chooser_screen.h"
#include "navigation/main_menu_screen.h"
#include "navigation/new_learner_screen.h"
#include "navigation/results_printout.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>

namespace vimo {

namespace {

void show_plain_message(const StartupMessage& message) {
    QMessageBox box(message.warning ? QMessageBox::Warning : QMessageBox::Critical,
                    QGuiApplication::applicationDisplayName(), QString::fromStdString(message.text),
                    QMessageBox::Ok);
    if (!message.detail.empty()) box.setInformativeText(QString::fromStdString(message.detail));
    box.exec();
}

// The notice after a printout went out.
constexpr int kTextPrinted = 128;

QSize display_size() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize();
}

} // namespace

AppContext::AppContext() = default;
AppContext::~AppContext() = default;

void AppContext::create_screens() {
    const auto plain_message = [](const std::string& message) {
        show_plain_message({message, {}, false});
    };
    m_sound_outputs = std::make_unique<SoundOutputs>([](const std::string& notice) {
        show_plain_message({notice, {}, true});
    });
    m_sound = std::make_unique<SoundService>(*m_sound_outputs, plain_message);
    // The configuration already ran on the main window's behalf. The windows every
    // screen reaches (messages, help, media) are made first, so the screens can hold
    // them.
    m_message_window = std::make_unique<TForm20>(m_state.config, &m_buttons, button_picture::exit);
    m_help_window = std::make_unique<THelpForm>(m_state, m_buttons, *m_message_window);
    m_printing = std::make_unique<Printing>(print_dialog_provider(), [this] {
        m_message_window->show_message(m_state.texts.text(kTextPrinted));
    });
    m_printing->set_course_root(m_state.config.course_root);
    m_reading_window = std::make_unique<THtml_SmallForm>(m_state, m_buttons, *m_message_window);
    m_media_window = std::make_unique<TMultimediaForm>(m_state.config, m_buttons, *m_sound_outputs);
    m_information = std::make_unique<TInformacjaForm>(m_state.config, &m_buttons);
    m_help = std::make_unique<HelpWindowLinks>(
        *m_help_window, [this](const UniString& key) { m_information->show_text(key); });
    HelpLinks& help = *m_help;
    m_exit_window = std::make_unique<TForm24>(m_state);
    m_main_form = std::make_unique<TMainForm>(m_state, m_learner.results, m_learner.repetitions,
                                              m_clock, m_buttons, *m_sound, help, *m_exit_window);
    m_help_window->setMediaWindowHooks([this] { return m_media_window->hide_for_help(); },
                                       [this] { m_media_window->show_after_help(); });
    m_media_window->setLinks({
        .open_reading = [this](const std::string& file) { m_reading_window->reading_open(file); },
        .show_message = plain_message,
        .main_window_origin = [this] { return m_main_form->pos(); },
    });
    m_backdrop = std::make_unique<TPodkladForm>();
    m_confirm_delete_repetitions = std::make_unique<Tkas_powt_Form>(m_state, m_buttons);
    m_chooser = std::make_unique<TWyborForm>(m_state, m_learner.results, m_learner.repetitions,
                                             m_clock, m_buttons, *m_message_window,
                                             *m_confirm_delete_repetitions, help);
    m_dictionary_window = std::make_unique<TSlownikForm>(m_state, m_buttons, m_dictionary);
    m_translation_window = std::make_unique<TTekstTlumaczForm>(m_state, m_buttons);
    const auto interface_language = [this] { return m_state.config.language_number; };
    const auto recorder_message = [plain_message](const QString& message) {
        plain_message(message.toStdString());
    };
    m_recorder_a = std::make_unique<VoiceRecorder>(VoiceRecorder::Reports::each_failure,
                                                   recorder_message, interface_language);
    m_recorder_b = std::make_unique<VoiceRecorder>(VoiceRecorder::Reports::none, recorder_message,
                                                   interface_language);
    m_analyser = std::make_unique<TWavWievForm>(m_state, m_buttons, *m_sound, help,
                                                *m_message_window, *m_recorder_b);
    m_information->set_look_up([this](const UniString& word) { look_up(word, 0); });

    m_new_learner =
        std::make_unique<TForm10>(m_state, m_learner.learners, m_buttons, *m_message_window, help);
    m_learner_chooser =
        std::make_unique<TForm9>(m_state, m_learner.learners, m_buttons, *m_new_learner, help);
    m_options = std::make_unique<TOpcjeForm>(m_state, m_learner.settings, m_buttons,
                                             *m_message_window, help);

    m_services = std::make_unique<ScreenServices>(ScreenServices{
        .course = m_state,
        .pictures = m_buttons,
        .help = help,
        .messages = *m_message_window,
        .instructions = m_instructions,
        .random = m_random,
        .clock = m_clock,
        .sound = *m_sound,
        .settings = m_learner.settings,
    });
    m_answer_popup = std::make_unique<TForm6>(m_state.config, &m_buttons, button_picture::ok);
    m_stand_alone = std::make_unique<StandAloneServices>(StandAloneServices{
        .screen = *m_services,
        .recorder_a = *m_recorder_a,
        .recorder_b = *m_recorder_b,
        .answer_popup = *m_answer_popup,
        .links = {
            .record = [this](const ItemResult& result) { record_item(result); },
            .closed = [this] { m_chooser->refresh(); },
            .look_up = [this](const UniString& word, int mode) { look_up(word, mode); },
            .dictionary = [this] { m_dictionary_window->slownik_open(kFullWindow); },
        },
    });
    m_tasks = std::make_unique<TaskRunner>(m_state, m_learner, m_clock, task_links());
    m_kind_screens = std::make_unique<KindScreens>(
        *m_tasks, [this] { show_message(kScreenNotAvailableMessage); });
    m_kind_screens->create(*m_stand_alone);

    m_learner_chooser->on_choose([this](int position) {
        return make_learner_current(position, m_state.config.language_number);
    });
    m_new_learner->on_learner_added([this](int position, int language) {
        set_interface_language(m_state.config, language);
        return make_learner_current(position, language);
    });
    m_options->on_save([this](const Settings& settings) {
        settings_save(settings_file_path(m_state.config), settings);
    });
    m_options->on_language_changed([this](int language) { change_language(language); });
    m_main_form->setLinks({
        .open_chooser = [this](int mode) { open_chooser(mode); },
        .open_options = [this] { m_options->run(); },
        .open_web_site = [](const QString& address) { QDesktopServices::openUrl(QUrl(address)); },
        .activated = [this] { m_media_window->media_close(); },
    });
    m_chooser->setLinks({
        .open = [this](const OpenContext& context) { open_row(context); },
        .print =
            [this] {
                m_printing->print(results_printout(m_chooser->chooser().root(),
                                                   m_state.config.language_number,
                                                   m_state.config.course_root));
            },
        .all_repetitions_deleted = [this] { m_main_form->hide_repetitions_button(); },
    });
}

TaskRunner::Links AppContext::task_links() {
    return {
        .show_text = [this](int text) { m_message_window->show_message(m_state.texts.text(text)); },
        .show_message = [this](const std::string& message) { show_message(message); },
        .stop_sound = [this] { m_sound->stop_sound(); },
        .open_media = [this](const LessonContext& lesson) { open_media(lesson); },
        .hide_media = [this] { m_media_window->media_close(); },
        .glossary = [this](const TaskEntry& task) { show_glossary(task); },
        .dictionary = [this] { m_dictionary_window->slownik_open(kFullWindow); },
        .look_up = [this](const UniString& word, int mode) { look_up(word, mode); },
        .print = [this](const QString& document) { m_printing->print(document); },
        .open_translation =
            [this](const std::string& file_name) {
                m_translation_window->open_translation(file_name);
            },
        .task_closed = [this] { m_chooser->refresh(); },
    };
}

void AppContext::open_chooser(int mode) {
    m_chooser->open(mode);
}

void AppContext::open_media(const LessonContext& lesson) {
    const TaskEntry* task = lesson.task(lesson.current_tab);
    m_media_window->set_marks(task ? jump_marks(task->times_ms) : JumpMarks{});
    const int kind = media_kind(lesson.media);
    m_media_window->media_open(kind, media_file(kind, m_state.config, lesson.media_name));
}

void AppContext::look_up(const UniString& word, int mode) {
    m_dictionary_window->slownik_open(mode, word);
}

void AppContext::show_glossary(const TaskEntry& task) {
    // A number no note has shows an empty text.
    m_information->show_text(glossary_note(m_state.tables.glossary, task.glossary_number()));
}

void AppContext::show_message(const std::string& text) {
    m_message_window->show_message(qstring_to_uni(QString::fromStdString(text)));
}

bool AppContext::make_learner_current(int position, int default_language) {
    try {
        for (const std::string& notice :
             choose_learner(m_state, m_learner, position, default_language, m_clock))
            show_message(notice);
    } catch (const CourseFileError& error) {
        show_message(error.what());
        return false;
    } catch (const FileWriteError& error) {
        show_message(error.what());
        return false;
    }
    change_language(m_state.config.language_number);
    return true;
}

void AppContext::change_language(int language) {
    set_interface_language(m_state.config, language);
    CourseProblems problems;
    load_language_resources(problems);
    if (const CourseProblem* problem = problems.first_error())
        show_message(startup_message(*problem));
}

void AppContext::open_row(const OpenContext& context) {
    open_item(context.item_row(), m_state, m_learner.results, *m_kind_screens);
}

void AppContext::record_item(const ItemResult& result) {
    record_item_result(result, m_learner.results, m_learner.repetitions,
                       repetition_settings(m_learner.settings), m_clock);
    try {
        save_learner_files(m_state.config, m_learner);
    } catch (const FileWriteError& error) {
        show_message(error.what());
    }
}

void AppContext::load_language_resources(CourseProblems& problems) {
    m_main_form->reload_background();
    m_message_window->load_language_resources();
    m_answer_popup->load_language_resources();
    m_information->load_language_resources();
    load_language_tables(m_state, problems);
    const std::string language_folder = m_state.config.course_root + m_state.config.language_folder;
    try {
        load_button_pictures(m_buttons, language_folder);
    } catch (const ImageListError& error) {
        problems.error(course_relative_name(m_state.config.course_root, language_folder + "but_r"),
                       0, error.what());
    }
}

int AppContext::start(const std::string& program_folder,
                      const std::vector<std::string>& arguments) {
    const CourseRootChoice root = find_course_root(program_folder, arguments);
    if (root.failure) {
        show_plain_message(*root.failure);
        return 1;
    }

    Configuration configuration = configure(root.root);
    m_state.config = configuration.config;
    for (const StartupMessage& message : configuration.messages)
        show_plain_message(message);
    if (configuration.stop == StartupStop::exit_now) return 1;
    apply_fixed_number_format();

    create_screens();
    set_interface_language(m_state.config, startup_language(m_state.config));
    CourseProblems problems;
    try {
        m_learner.learners.load(learner_list_path(m_state.config));
    } catch (const CourseFileError& error) {
        problems.error(error.file(), error.line(), error.problem());
    }
    load_language_resources(problems);
    load_course_tables(m_state.config, m_state.tables, problems);
    const DictionaryLoad dictionary = slownik_load(m_state.config, m_dictionary, problems);
    // Told as the file is read; the program still ends only once start-up has finished.
    if (dictionary.message) show_plain_message(*dictionary.message);
    if (const CourseProblem* problem = problems.first_error()) {
        // A course file the screens cannot do without, or one that is malformed.
        show_plain_message({startup_message(*problem), {}, false});
        return 1;
    }

    const QSize display = display_size();
    if (!display_is_sufficient(display.width(), display.height())) {
        show_plain_message({display_too_small_message, {}, false});
        return 1;
    }

    m_backdrop->show_over_desktop();
    decide_network_mode(m_state.config);
    // The network login window is not part of the program yet: a course with dd.t
    // goes on stand-alone, as after a cancelled login.
    if (m_state.config.network_mode == 1) m_state.config.network_mode = -1;

    if (configuration.stop == StartupStop::terminate || dictionary.stop == StartupStop::terminate)
        return 1;
    if (m_learner_chooser->run() == TForm9::Outcome::terminate) return 0;
    m_main_form->show();
    m_main_form->raise();
    m_main_form->activateWindow();
    return -1;
}

} // namespace vimo
