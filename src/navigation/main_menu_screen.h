#pragma once
// TMainForm, the main window: a frameless 1024x768 picture window centred on the
// display, in front of the black backdrop, leading to the lessons, the repetitions,
// help, the options, the about page and the maker's web site. Closing it (its exit
// button or the system's close) runs the shutdown: the exit window decides whether
// the program ends.

#include "controls/MyImageList.h"
#include "core/clock.h"
#include "core/course_state.h"
#include "core/help_links.h"
#include "repetitions/repetition_store.h"
#include "results/results_store.h"

#include <QPixmap>
#include <QWidget>
#include <functional>

namespace vimo {

class ClickArea;
class SoundService;
class TForm24;
class TTransparentButton;

class TMainForm : public QWidget {
    Q_OBJECT
public:
    struct Links {
        std::function<void(int mode)> open_chooser; // 1 lessons, 2 repetitions
        std::function<void()> open_options;
        std::function<void(const QString& address)> open_web_site;
        // The window is active again (the chooser or an exercise closed).
        std::function<void()> activated;
    };

    TMainForm(const CourseState& state, const ResultsStore& results,
              const RepetitionStore& repetitions, const Clock& clock, const TMyImageList& buttons,
              SoundService& sound, HelpLinks& help, TForm24& exit_window);

    static constexpr QSize window_size{1024, 768};
    static constexpr QRect help_area{44, 736, 69, 29};
    static constexpr QRect options_area{148, 736, 101, 29};
    static constexpr QRect about_area{716, 108, 289, 133};
    static constexpr QRect web_site_area{718, 668, 233, 49};

    void setLinks(Links links) { m_links = std::move(links); }

    // Reloads "gfx_r\Main_rozum.jpg" from the language folder.
    void reload_background();
    // The shutdown: true when the learner confirmed and the application is ending.
    bool shutdown();
    // Hides the repetition button (every repetition was deleted).
    void hide_repetitions_button();
    // The help index of the interface language, empty for languages without one.
    static std::string help_index_page(int interface_language);

    TTransparentButton& lessonsButton() { return *m_subj; }
    TTransparentButton& repetitionsButton() { return *m_repetitions_button; }
    TTransparentButton& exitButton() { return *m_exit; }

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void open_help_index();

    const CourseState& m_state;
    const ResultsStore& m_results;
    const RepetitionStore& m_repetitions;
    const Clock& m_clock;
    SoundService& m_sound;
    HelpLinks& m_help;
    TForm24& m_exit_window;
    Links m_links;
    QPixmap m_background;
    TTransparentButton* m_subj = nullptr;
    TTransparentButton* m_repetitions_button = nullptr;
    TTransparentButton* m_exit = nullptr;
    bool m_asking = false;
};

} // namespace vimo
