#include "controls/fcs_image1.h"

#include <QMouseEvent>
#include <QPainter>

namespace vimo {

TFCSImage1::TFCSImage1(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::PointingHandCursor);
    connect(&m_timer, &QTimer::timeout, this, &TFCSImage1::timer_fired);
}

void TFCSImage1::setPicture(const QImage& picture) {
    m_picture = picture;
    resize(picture.size());
    update();
}

void TFCSImage1::setRepeatPauses(int initial_pause, int repeat_pause) {
    m_repeat = AutoRepeat(initial_pause, repeat_pause);
}

void TFCSImage1::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_picture);
}

void TFCSImage1::mousePressEvent(QMouseEvent*) {
    m_timer.start(m_repeat.press());
}

void TFCSImage1::mouseReleaseEvent(QMouseEvent* event) {
    m_timer.stop();
    m_repeat.release();
    // The ordinary click of a release over the picture follows the repeats.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

void TFCSImage1::timer_fired() {
    m_timer.setInterval(m_repeat.fire());
    emit clicked();
}

} // namespace vimo
