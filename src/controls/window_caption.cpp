#include "controls/window_caption.h"

#include <QFont>

namespace vimo {

void paint_window_caption(QPainter& painter, int window_width, const QString& caption) {
    QFont font("Verdana");
    font.setPixelSize(13);
    font.setBold(true);
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(12, 0, window_width - 24, kCaptionStripHeight),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption);
    painter.restore();
}

void paint_picture_window(QPainter& painter, const QWidget& window, const QImage& picture) {
    if (picture.isNull()) {
        painter.fillRect(window.rect(), QColor(236, 240, 244));
        painter.fillRect(QRect(0, 0, window.width(), kCaptionStripHeight), QColor(24, 48, 72));
    } else {
        painter.drawImage(QPoint(0, 0), picture);
    }
    paint_window_caption(painter, window.width(), window.windowTitle());
}

} // namespace vimo
