#include "controls/picture_controls.h"

#include <QMouseEvent>
#include <QPainter>

namespace vimo {

void TMLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    emit mouseEntered();
}

void TMLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    emit mouseLeft();
}

void TMImage::setPicture(const QImage& picture) {
    m_picture = picture;
    resize(picture.size());
    update();
}

void TMImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_picture);
}

void TMImage::enterEvent(QEnterEvent*) {
    emit mouseEntered();
}

void TMImage::leaveEvent(QEvent*) {
    emit mouseLeft();
}

void TMImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) m_left_down = true;
}

void TMImage::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_left_down) return;
    m_left_down = false;
    if (rect().contains(event->position().toPoint())) emit clicked();
}

void TFOM_Cb::setAktywny(bool checked) {
    m_checked = checked;
    show_state();
}

void TFOM_Cb::setRysunek(const QImage& picture) {
    m_unchecked = picture;
    show_state();
}

void TFOM_Cb::setRysunekChecked(const QImage& picture) {
    m_checked_picture = picture;
    show_state();
}

void TFOM_Cb::show_state() {
    setPicture(m_checked ? m_checked_picture : m_unchecked);
}

} // namespace vimo
