#include "navigation/main_menu_screen.h"

#include "controls/TransparentButton.h"
#include "controls/button_pictures.h"
#include "controls/window_placement.h"
#include "core/paths.h"
#include "core/qt_text.h"
#include "core/sound.h"
#include "navigation/click_area.h"
#include "navigation/exit_window_screen.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>

namespace vimo {

namespace {

constexpr QPoint kLessonsAt{46, 620};
constexpr QPoint kRepetitionsAt{170, 620};
constexpr QPoint kExitAt{999, 0};
constexpr int kRepetitionsHint = 183;

} // namespace

TMainForm::TMainForm(const CourseState& state, const ResultsStore& results,
                     const RepetitionStore& repetitions, const Clock& clock,
                     const TMyImageList& buttons, SoundService& sound, HelpLinks& help,
                     TForm24& exit_window)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_state(state), m_results(results),
      m_repetitions(repetitions), m_clock(clock), m_sound(sound), m_help(help),
      m_exit_window(exit_window) {
    setObjectName("TMainForm");
    setFixedSize(window_size);
    m_subj = make_picture_button(this, buttons, button_picture::lessons, kLessonsAt, "m_subj");
    m_repetitions_button = make_picture_button(this, buttons, button_picture::repetitions,
                                               kRepetitionsAt, "l_powtorki");
    m_repetitions_button->hide();
    m_exit = make_picture_button(this, buttons, button_picture::exit, kExitAt, "lbl_exit");
    const auto area = [&](const QRect& geometry, const char* name) {
        auto* made = new ClickArea(this, geometry);
        made->setObjectName(name);
        return made;
    };
    ClickArea* help_button = area(help_area, "lbl_pomoc");
    ClickArea* options = area(options_area, "lbl_opcje");
    ClickArea* about = area(about_area, "lbl_autorzy");
    ClickArea* web_site = area(web_site_area, "lbl_serwisy");

    connect(m_subj, &TTransparentButton::clicked, this, [this] {
        if (m_links.open_chooser) m_links.open_chooser(1);
    });
    connect(m_repetitions_button, &TTransparentButton::clicked, this, [this] {
        if (m_links.open_chooser) m_links.open_chooser(2);
    });
    connect(m_exit, &TTransparentButton::clicked, this, &QWidget::close);
    connect(help_button, &ClickArea::clicked, this, &TMainForm::open_help_index);
    connect(options, &ClickArea::clicked, this, [this] {
        if (m_links.open_options) m_links.open_options();
    });
    connect(about, &ClickArea::clicked, this,
            [this] { m_help.open_help_page("Htm_r\\h_dorvi.html"); });
    connect(web_site, &ClickArea::clicked, this, [this] {
        if (m_links.open_web_site && !m_state.config.web_site.empty())
            m_links.open_web_site(QString::fromStdString(m_state.config.web_site));
    });
}

std::string TMainForm::help_index_page(int interface_language) {
    switch (interface_language) {
    case 0:
        return "Htm_r\\h_index.html";
    case 1:
        return "Htm_r\\h_index_en.html";
    case 4:
        return "Htm_r\\h_index_sp.html";
    default:
        return {};
    }
}

void TMainForm::open_help_index() {
    // Languages without a help index open the help window on no page.
    m_help.open_help_page(help_index_page(m_state.config.language_number));
}

void TMainForm::reload_background() {
    const std::string path = resolve_path(m_state.config.language_path("gfx_r\\Main_rozum.jpg"));
    m_background = QPixmap(QString::fromStdString(path));
    update();
}

void TMainForm::hide_repetitions_button() {
    m_repetitions_button->hide();
}

void TMainForm::showEvent(QShowEvent* event) {
    setWindowTitle(cp1250_to_qstring(m_state.config.window_caption));
    reload_background();
    m_repetitions_button->setToolTip(uni_to_qstring(m_state.texts.text(kRepetitionsHint)));
    // The opening sound greets; a course without it opens the menu silently instead of
    // stopping the learner with a missing-file message every time.
    m_sound.play_sound_quiet(m_state.config.course_root + "wav_r\\r_open.wav", false);
    m_repetitions_button->setVisible(m_state.config.network_mode != 1 &&
                                     m_repetitions.powt_any_due(m_results, m_clock));
    center_on_screen(*this);
    QWidget::showEvent(event);
}

void TMainForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_background.isNull()) {
        painter.fillRect(rect(), QColor(24, 32, 48));
        return;
    }
    painter.drawPixmap(0, 0, m_background);
}

void TMainForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        open_help_index();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TMainForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_links.activated)
        m_links.activated();
    QWidget::changeEvent(event);
}

bool TMainForm::shutdown() {
    if (m_asking) return false;
    m_asking = true;
    const bool confirmed = m_exit_window.ask();
    m_asking = false;
    if (!confirmed) return false;
    repaint();
    QCoreApplication::quit();
    return true;
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // The window itself never closes: the program ends as a whole or goes on.
    event->ignore();
    shutdown();
}

} // namespace vimo
