#include "demo_builder/dictionary_art.h"

#include "demo_builder/art_painting.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace vimo {

namespace {

using namespace art_colour;

// The index letters are painted silver, and the chosen one black: both read on this.
const QColor k_index_band{84, 124, 156};

QImage new_canvas(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(paper);
    return image;
}

QImage finished(QImage image) {
    return image.convertToFormat(QImage::Format_RGB888);
}

void set_up(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

QLinearGradient dark_gradient(qreal left, qreal right) {
    QLinearGradient strip(left, 0, right, 0);
    strip.setColorAt(0, night);
    strip.setColorAt(1, sea);
    return strip;
}

// A dark tab in the top left-hand corner, rounded at its bottom right, for the caption
// the window paints there.
void paint_caption_tab(QPainter& painter, const QRect& strip) {
    QPainterPath tab;
    const qreal r = 10;
    tab.moveTo(0, 0);
    tab.lineTo(strip.right() + 1, 0);
    tab.lineTo(strip.right() + 1, strip.bottom() + 1 - r);
    tab.quadTo(strip.right() + 1, strip.bottom() + 1, strip.right() + 1 - r, strip.bottom() + 1);
    tab.lineTo(0, strip.bottom() + 1);
    tab.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(dark_gradient(0, strip.right()));
    painter.drawPath(tab);
}

// The dark ground the close cross (button 43) is drawn for.
void paint_close_corner(QPainter& painter, const QRect& button, QSize window) {
    const QRectF corner(button.left() - 4, 0, window.width() - button.left() + 4,
                        button.bottom() + 5);
    QPainterPath path;
    path.addRoundedRect(corner.adjusted(0, -8, 8, 0), 8, 8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(sea);
    painter.drawPath(path);
}

// A card a little darker than the window, with a thin outline, behind a group of controls.
void paint_card(QPainter& painter, const QRectF& card) {
    painter.setPen(QPen(line, 1));
    painter.setBrush(QColor(246, 249, 252));
    painter.drawRoundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
}

void paint_index_band(QPainter& painter, const QRect& row, int width) {
    const QRectF band(2, row.top() - 4, width - 4, row.height() + 8);
    QLinearGradient fill(band.topLeft(), band.bottomLeft());
    fill.setColorAt(0, k_index_band.lighter(108));
    fill.setColorAt(1, k_index_band.darker(104));
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(band, 5, 5);
}

// The slot the scroll bar stands in; the bar itself is the program's.
void paint_scroll_slot(QPainter& painter, const QRect& bar) {
    painter.setPen(QPen(line, 1));
    painter.setBrush(pale);
    painter.drawRoundedRect(QRectF(bar).adjusted(-1.5, -1.5, 1.5, 1.5), 4, 4);
}

} // namespace

QImage draw_dictionary() {
    namespace area = dictionary_area;
    QImage image = new_canvas(area::full_size);
    QPainter painter(&image);
    set_up(painter);
    paint_window_ground(painter, area::full_size, 0);
    paint_caption_tab(painter, area::drag_strip);
    paint_close_corner(painter, area::close_button, area::full_size);
    // The search field, its button and the letter panel on one card, the check boxes and
    // their captions on another.
    const QRect search_controls =
        area::search_field.united(area::search_button).united(area::letter_panel);
    paint_card(painter, QRectF(search_controls.adjusted(-8, -6, 72, 13)));
    paint_card(painter, QRectF(area::captions.adjusted(-10, -4, 2, 8)));
    paint_field_place(painter, area::search_field);
    paint_index_band(painter, area::index_row, area::full_size.width());
    paint_field_place(painter, area::list);
    paint_scroll_slot(painter, area::scroll_bar);
    paint_window_frame(painter, area::full_size);
    painter.end();
    return finished(image);
}

QImage draw_dictionary_small() {
    namespace area = dictionary_area;
    QImage image = new_canvas(area::small_size);
    QPainter painter(&image);
    set_up(painter);
    paint_window_ground(painter, area::small_size, area::drag_strip.height());
    paint_field_place(painter, area::small_list);
    paint_window_frame(painter, area::small_size);
    painter.end();
    return finished(image);
}

QImage draw_translation_window() {
    namespace area = translation_area;
    QImage image = new_canvas(area::size);
    QPainter painter(&image);
    set_up(painter);
    paint_window_ground(painter, area::size, 40);
    painter.fillRect(QRect(0, 40, area::size.width(), 2), amber);
    // A soft shadow lifts the page off the window.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(11, 34, 56, 30));
    painter.drawRoundedRect(QRectF(area::page).adjusted(-2, -2, 4, 4), 4, 4);
    paint_field_place(painter, area::page);
    paint_window_frame(painter, area::size);
    painter.end();
    return finished(image);
}

QStringList write_dictionary_language_pictures(const QString& gfx) {
    return {
        write_picture(gfx + QStringLiteral("slownik.bmp"), draw_dictionary(), "BMP"),
        write_picture(gfx + QStringLiteral("slownik_small.bmp"), draw_dictionary_small(), "BMP"),
        write_picture(gfx + QStringLiteral("tlumaczenie.bmp"), draw_translation_window(), "BMP"),
    };
}

} // namespace vimo
