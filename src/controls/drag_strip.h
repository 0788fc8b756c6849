#pragma once
// A transparent strip along the top of a frameless window by which the learner
// drags the window.
#include <QPoint>
#include <QWidget>

namespace vimo {

// Where the window goes: its position at the press moved by the pointer's travel.
QPoint dragged_window_position(QPoint window_at_press, QPoint pointer_at_press, QPoint pointer_now);

class DragStrip : public QWidget {
    Q_OBJECT
public:
    DragStrip(QWidget* parent, const QRect& geometry);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_dragging = false;
    QPoint m_pointer_at_press;
    QPoint m_window_at_press;
};

} // namespace vimo
