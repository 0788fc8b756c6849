#include "demo_builder/art_painting.h"
#include "demo_builder/artwork.h"

#include <QLinearGradient>

namespace vimo {

namespace {

constexpr QSize k_size{420, 220};

const QColor k_frame{22, 71, 106};
const QColor k_strip{213, 227, 238};
const QColor k_ink{18, 50, 74};
const QColor k_action{31, 111, 153};
const QColor k_paper{255, 255, 255};

void paint_body(QPainter& painter) {
    QLinearGradient paper(0, 30, 0, k_size.height());
    paper.setColorAt(0, k_paper);
    paper.setColorAt(1, QColor(236, 242, 247));
    painter.fillRect(QRect(QPoint(0, 0), k_size), paper);
    // Kept plain: the program paints the window caption on this strip.
    painter.fillRect(exit_window_area::caption_strip, k_strip);
    painter.fillRect(QRect(0, exit_window_area::caption_strip.bottom() + 1, k_size.width(), 1),
                     k_frame.lighter(160));
}

void paint_question(QPainter& painter, const QString& question) {
    // Centred between the caption strip and the buttons.
    const QRectF box(24, 40, k_size.width() - 48, 100);
    draw_text_block(painter, box, question, art_font(17, QFont::Bold), k_ink);
}

void paint_buttons(QPainter& painter, const ArtWording& wording) {
    const ButtonFace confirm{k_action, k_action.darker(120), k_paper, 8, 17};
    const ButtonFace cancel{k_paper, k_action, k_action, 8, 17};
    draw_button(painter, exit_window_area::yes_button, wording.yes, confirm);
    draw_button(painter, exit_window_area::no_button, wording.no, cancel);
}

void paint_frame(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(k_frame, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(QPoint(0, 0), k_size - QSize(1, 1)));
}

} // namespace

QImage draw_exit_window(const ArtWording& wording) {
    QImage image(k_size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paint_body(painter);
    paint_question(painter, wording.quit_question);
    paint_buttons(painter, wording);
    paint_frame(painter);
    painter.end();
    // A 24-bit picture, as the course's other bitmaps are.
    return image.convertToFormat(QImage::Format_RGB888);
}

} // namespace vimo
