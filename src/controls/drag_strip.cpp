#include "controls/drag_strip.h"

#include <QMouseEvent>

namespace vimo {

QPoint dragged_window_position(QPoint window_at_press, QPoint pointer_at_press,
                               QPoint pointer_now) {
    return window_at_press + (pointer_now - pointer_at_press);
}

DragStrip::DragStrip(QWidget* parent, const QRect& geometry) : QWidget(parent) {
    setGeometry(geometry);
    setCursor(Qt::PointingHandCursor);
}

void DragStrip::mousePressEvent(QMouseEvent* event) {
    m_dragging = true;
    m_pointer_at_press = event->globalPosition().toPoint();
    m_window_at_press = window()->pos();
}

void DragStrip::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging) return;
    window()->move(dragged_window_position(m_window_at_press, m_pointer_at_press,
                                           event->globalPosition().toPoint()));
}

void DragStrip::mouseReleaseEvent(QMouseEvent*) {
    m_dragging = false;
}

} // namespace vimo
