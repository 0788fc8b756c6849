#pragma once
// TFCSImage1: a picture that repeats its click while a mouse button is held on it
// (the scrolling arrows).
#include "controls/auto_repeat.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

namespace vimo {

class TFCSImage1 : public QWidget {
    Q_OBJECT
public:
    explicit TFCSImage1(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    // Repeatpause and InitRepeatpause, in ms; they apply from the next press.
    void setRepeatPauses(int initial_pause, int repeat_pause);
    const AutoRepeat& repeat() const { return m_repeat; }
    bool repeating() const { return m_timer.isActive(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void timer_fired();

    QImage m_picture;
    AutoRepeat m_repeat;
    QTimer m_timer;
};

} // namespace vimo
