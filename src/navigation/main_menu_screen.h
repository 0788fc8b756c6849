#pragma once
// TMainForm, the main window: a frameless 1024x768 picture window centred on the
// display, in front of the black backdrop. Closing it (its exit button or the
// system's close) runs the shutdown: the exit window decides whether the program ends.

#include "core/course_state.h"

#include <QPixmap>
#include <QWidget>

namespace vimo {

class ClickArea;
class TForm24;

class TMainForm : public QWidget {
    Q_OBJECT
public:
    TMainForm(CourseState& state, TForm24& exit_window);

    static constexpr QSize window_size{1024, 768};
    static constexpr QRect exit_area{999, 0, 25, 25};

    // Reloads "gfx_r\Main_rozum.jpg" from the language folder.
    void reload_background();
    // The shutdown: true when the learner confirmed and the application is ending.
    bool shutdown();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    CourseState& m_state;
    TForm24& m_exit_window;
    QPixmap m_background;
    ClickArea* m_lbl_exit = nullptr;
    bool m_asking = false;
};

} // namespace vimo
