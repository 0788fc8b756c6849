#include "navigation/click_area.h"

#include <QMouseEvent>
#include <QPainter>

namespace vimo {

ClickArea::ClickArea(QWidget* parent, const QRect& geometry) : QWidget(parent) {
    setGeometry(geometry);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
}

void ClickArea::paintEvent(QPaintEvent*) {
    if (!m_hover) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 60));
    painter.drawRoundedRect(rect(), 6, 6);
}

void ClickArea::enterEvent(QEnterEvent*) {
    m_hover = true;
    update();
}

void ClickArea::leaveEvent(QEvent*) {
    m_hover = false;
    update();
}

void ClickArea::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

} // namespace vimo
