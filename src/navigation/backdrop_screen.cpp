#include "navigation/backdrop_screen.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>

namespace vimo {

TPodkladForm::TPodkladForm() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName("TPodkladForm");
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    setEnabled(false);
}

void TPodkladForm::show_over_desktop() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(screen->geometry());
    }
    show();
}

} // namespace vimo
