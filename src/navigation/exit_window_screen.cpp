#include "navigation/exit_window_screen.h"

#include "controls/window_caption.h"
#include "controls/window_placement.h"
#include "core/paths.h"
#include "core/qt_text.h"
#include "navigation/click_area.h"

#include <QKeyEvent>
#include <QPainter>

namespace vimo {

namespace {
constexpr QSize fallback_size{420, 220};
} // namespace

TForm24::TForm24(const CourseState& state, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_state(state) {
    setObjectName("TForm24");
    setModal(true);
    m_yes = new ClickArea(this, yes_area);
    m_yes->setObjectName("btn_tak");
    m_no = new ClickArea(this, no_area);
    m_no->setObjectName("btn_nie");
    connect(m_yes, &ClickArea::clicked, this, &QDialog::accept);
    connect(m_no, &ClickArea::clicked, this, &QDialog::reject);
}

void TForm24::load_picture() {
    const std::string path = resolve_path(m_state.config.language_path("gfx_r\\koniec.bmp"));
    m_picture = QPixmap(QString::fromStdString(path));
    setFixedSize(m_picture.isNull() ? fallback_size : m_picture.size());
}

bool TForm24::ask() {
    load_picture();
    setWindowTitle(cp1250_to_qstring(m_state.config.window_caption));
    center_on_screen(*this);
    return exec() == QDialog::Accepted;
}

void TForm24::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_picture.isNull()) {
        painter.fillRect(rect(), QColor(40, 48, 64));
    } else {
        painter.drawPixmap(0, 0, m_picture);
    }
    paint_window_caption(painter, width(), windowTitle());
}

void TForm24::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event); // Escape rejects
}

} // namespace vimo
