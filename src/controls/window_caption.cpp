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

} // namespace vimo
