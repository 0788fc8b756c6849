#include "controls/window_placement.h"

#include <QGuiApplication>
#include <QScreen>

namespace vimo {

void center_on_screen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    window.move(area.x() + (area.width() - window.width()) / 2,
                area.y() + (area.height() - window.height()) / 2);
}

} // namespace vimo
