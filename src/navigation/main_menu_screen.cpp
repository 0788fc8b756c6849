#include "navigation/main_menu_screen.h"

#include "core/paths.h"
#include "core/qt_text.h"
#include "navigation/click_area.h"
#include "navigation/exit_window_screen.h"
#include "navigation/window_placement.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPainter>

namespace vimo {

TMainForm::TMainForm(CourseState& state, TForm24& exit_window)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_state(state),
      m_exit_window(exit_window) {
    setObjectName("TMainForm");
    setFixedSize(window_size);
    m_lbl_exit = new ClickArea(this, exit_area);
    m_lbl_exit->setObjectName("lbl_exit");
    connect(m_lbl_exit, &ClickArea::clicked, this, &QWidget::close);
}

void TMainForm::reload_background() {
    const std::string path = resolve_path(m_state.config.language_path("gfx_r\\Main_rozum.jpg"));
    m_background = QPixmap(QString::fromStdString(path));
    update();
}

void TMainForm::showEvent(QShowEvent* event) {
    setWindowTitle(cp1250_to_qstring(m_state.config.window_caption));
    reload_background();
    center_on_screen(*this);
    QWidget::showEvent(event);
}

void TMainForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_background.isNull()) {
        painter.fillRect(rect(), QColor(24, 32, 48));
    } else {
        painter.drawPixmap(0, 0, m_background);
    }
    // The exit button's face: a cross on a dark square.
    const QRect face = exit_area.adjusted(3, 3, -3, -3);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 24, 32, 200));
    painter.drawRoundedRect(face, 4, 4);
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(face.topLeft() + QPoint(5, 5), face.bottomRight() - QPoint(5, 5));
    painter.drawLine(face.topRight() + QPoint(-5, 5), face.bottomLeft() + QPoint(5, -5));
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
