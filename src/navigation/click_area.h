#pragma once
// A transparent clickable region over a window's picture: hand cursor, a soft
// highlight while the mouse is over it, clicked() on a left-button release inside.

#include <QWidget>

namespace vimo {

class ClickArea : public QWidget {
    Q_OBJECT
public:
    ClickArea(QWidget* parent, const QRect& geometry);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_hover = false;
};

} // namespace vimo
