#include "demo_builder/art_painting.h"
#include "demo_builder/artwork.h"
#include "demo_builder/screen_art.h"

namespace vimo {

namespace {

constexpr QSize k_size{420, 220};

const QColor k_ink = art_colour::ink;

void paint_question(QPainter& painter, const QString& question) {
    // Centred between the caption strip and the buttons.
    const QRectF box(24, 40, k_size.width() - 48, 100);
    draw_text_block(painter, box, question, art_font(17, QFont::Bold), k_ink);
}

void paint_buttons(QPainter& painter, const ArtWording& wording) {
    paint_window_button(painter, exit_window_area::yes_button, wording.yes, true);
    paint_window_button(painter, exit_window_area::no_button, wording.no, false);
}

} // namespace

QImage draw_exit_window(const ArtWording& wording) {
    QImage image(k_size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // The program paints the window caption in white on the dark strip along the top.
    paint_window_ground(painter, k_size, exit_window_area::caption_strip.height());
    paint_question(painter, wording.quit_question);
    paint_buttons(painter, wording);
    paint_window_frame(painter, k_size);
    painter.end();
    // A 24-bit picture, as the course's other bitmaps are.
    return image.convertToFormat(QImage::Format_RGB888);
}

} // namespace vimo
