#include "controls/TransparentButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <utility>

namespace vimo {

TTransparentButton::TTransparentButton(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::PointingHandCursor);
    fit_to_strip();
}

void TTransparentButton::setImageList(const TMyImageList* list) {
    m_list = list;
    fit_to_strip();
    update();
}

void TTransparentButton::setBitmapNormal(int index) {
    m_bitmap = index;
    fit_to_strip();
    update();
}

void TTransparentButton::setStan(int state) {
    m_state = state;
    update();
}

void TTransparentButton::setStyle(unsigned style) {
    m_style = style;
    fit_to_strip();
    update();
}

void TTransparentButton::setHideNormal(bool hide) {
    m_hide_normal = hide;
    update();
}

void TTransparentButton::fit_to_strip() {
    const TMyImageList empty;
    const TMyImageList& list = m_list != nullptr ? *m_list : empty;
    if ((m_style & tbs_DefPos) != 0) {
        move(list.default_left(m_bitmap), list.default_top(m_bitmap));
    }
    resize(list.frame_width(m_bitmap), list.height(m_bitmap));
}

void TTransparentButton::showEvent(QShowEvent* event) {
    fit_to_strip();
    QWidget::showEvent(event);
}

void TTransparentButton::paintEvent(QPaintEvent*) {
    if (m_list == nullptr) return;
    const int frame = button_frame(m_state, m_style, m_hide_normal);
    if (frame == kNoFrame) return;
    QPainter painter(this);
    m_list->draw(painter, m_bitmap, frame);
}

void TTransparentButton::enterEvent(QEnterEvent*) {
    if (!isEnabled()) return;
    setStan(state_after_enter(m_state, m_style));
    emit mouseEntered();
}

void TTransparentButton::leaveEvent(QEvent*) {
    setStan(state_after_leave(m_state, m_style));
    emit mouseLeft();
}

void TTransparentButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    m_left_down = true;
    setStan(state_after_press(m_state, m_style));
}

void TTransparentButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const bool was_down = std::exchange(m_left_down, false);
    setStan(state_after_release(m_state, m_style));
    if (was_down && rect().contains(event->position().toPoint())) emit clicked();
}

TTransparentButton* make_picture_button(QWidget* parent, const TMyImageList& list, int picture,
                                        QPoint position, const char* name) {
    auto* button = new TTransparentButton(parent);
    button->setObjectName(name);
    button->setImageList(&list);
    button->setBitmapNormal(picture);
    button->setCursor(Qt::PointingHandCursor);
    button->move(position);
    return button;
}

} // namespace vimo
