#pragma once
// Drags labels about inside the widget that holds them, by the mouse: a left press on
// a registered label asks the screen whether it may go; while the button is held the
// label follows the pointer (centred on it, in front of its siblings) and every move
// is reported; the release reports the drop point, and the screen decides where the
// label ends up (placed by the screen, or sent back to its home). Other buttons pass
// through to the label, so a right click can still look a word up.
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace vimo {

class LabelDrag : public QObject {
    Q_OBJECT
public:
    struct Handlers {
        // A press on label: whether the drag may start (false: nothing moves).
        std::function<bool(QWidget& label)> start;
        // The pointer over area while label is dragged (optional).
        std::function<void(QWidget& label, QPoint pointer)> over;
        // The button released at drop (in area coordinates); the label must be put
        // where it belongs now.
        std::function<void(QWidget& label, QPoint drop)> end;
    };

    // area: the widget whose coordinates every point is given in, an ancestor of the
    // labels. x_shift moves the dragged label right of the centred position (the
    // sorting screen keeps its labels a little right of the pointer).
    LabelDrag(QWidget& area, Handlers handlers, int x_shift = 0);

    // Makes label draggable (it stays so until it is destroyed).
    void add(QWidget& label);
    // The label being dragged, or nullptr.
    QWidget* dragged() const { return m_dragged; }

    // Where a label of size goes while the pointer is at pointer: centred on it.
    static QPoint follow_position(QPoint pointer, QSize size, int x_shift);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPoint in_area(const QWidget& label, QPointF at) const;

    QWidget& m_area;
    Handlers m_handlers;
    int m_x_shift = 0;
    QPointer<QWidget> m_dragged;
};

} // namespace vimo
