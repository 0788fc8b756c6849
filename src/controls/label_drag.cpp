#include "controls/label_drag.h"

#include <QEvent>
#include <QMouseEvent>

namespace vimo {

LabelDrag::LabelDrag(QWidget& area, Handlers handlers, int x_shift)
    : QObject(&area), m_area(area), m_handlers(std::move(handlers)), m_x_shift(x_shift) {}

void LabelDrag::add(QWidget& label) {
    label.installEventFilter(this);
}

QPoint LabelDrag::follow_position(QPoint pointer, QSize size, int x_shift) {
    return {pointer.x() - size.width() / 2 + x_shift, pointer.y() - size.height() / 2};
}

QPoint LabelDrag::in_area(const QWidget& label, QPointF at) const {
    return label.mapTo(&m_area, at.toPoint());
}

bool LabelDrag::eventFilter(QObject* watched, QEvent* event) {
    auto* label = qobject_cast<QWidget*>(watched);
    if (!label) return false;
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);

    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        if (mouse->button() != Qt::LeftButton || m_dragged) return m_dragged != nullptr;
        if (m_handlers.start && !m_handlers.start(*label)) return true;
        m_dragged = label;
        label->raise();
        return true;
    }
    if (label != m_dragged) return false;

    const QPoint pointer = in_area(*label, mouse->position());
    if (type == QEvent::MouseMove) {
        label->move(follow_position(pointer, label->size(), m_x_shift));
        if (m_handlers.over) m_handlers.over(*label, pointer);
        return true;
    }
    if (mouse->button() != Qt::LeftButton) return true;
    m_dragged = nullptr;
    if (m_handlers.end) m_handlers.end(*label, pointer);
    return true;
}

} // namespace vimo
