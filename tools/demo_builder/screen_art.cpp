#include "demo_builder/screen_art.h"

#include "demo_builder/art_painting.h"
#include "demo_builder/pictograms.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace vimo {

namespace {

using namespace art_colour;

// Every window picture is drawn into one of these, anti-aliased, and handed out as a
// 24-bit picture like the course's other bitmaps.
class Canvas {
public:
    explicit Canvas(QSize size) : m_image(size, QImage::Format_RGB32), m_painter(&m_image) {
        m_painter.setRenderHint(QPainter::Antialiasing);
        m_painter.setRenderHint(QPainter::TextAntialiasing);
    }
    QPainter& painter() { return m_painter; }
    QImage finish() {
        m_painter.end();
        return m_image.convertToFormat(QImage::Format_RGB888);
    }

private:
    QImage m_image;
    QPainter m_painter;
};

// A person: the learner windows' mark.
void paint_person(QPainter& painter, QPointF centre, qreal radius) {
    painter.setPen(Qt::NoPen);
    QLinearGradient fill(centre - QPointF(0, radius), centre + QPointF(0, radius));
    fill.setColorAt(0, deep_teal.lighter(115));
    fill.setColorAt(1, deep_teal);
    painter.setBrush(fill);
    painter.drawEllipse(centre, radius, radius);
    painter.save();
    painter.setClipRegion(QRegion(QRect((centre - QPointF(radius, radius)).toPoint(),
                                        QSize(int(2 * radius) + 1, int(2 * radius) + 1)),
                                  QRegion::Ellipse));
    painter.setBrush(paper);
    painter.drawEllipse(centre + QPointF(0, -radius * 0.22), radius * 0.32, radius * 0.32);
    painter.drawEllipse(centre + QPointF(0, radius * 0.72), radius * 0.62, radius * 0.5);
    painter.restore();
}

void paint_learner_frame(QPainter& painter) {
    namespace area = learner_window_area;
    paint_window_ground(painter, area::size, area::caption_height);
    paint_window_footer(painter, area::size, area::footer_top);
}

// Waveform bars like the main menu's, in the chooser's title band.
void paint_band_waveform(QPainter& painter, qreal left, qreal right, qreal centre_y) {
    QLinearGradient colours(left, 0, right, 0);
    colours.setColorAt(0, QColor(teal.red(), teal.green(), teal.blue(), 40));
    colours.setColorAt(0.5, teal);
    colours.setColorAt(1, amber);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours);
    constexpr qreal bar = 4;
    constexpr qreal step = 8;
    for (qreal x = left; x + bar <= right; x += step) {
        const qreal t = (x - left) / (right - left);
        const qreal swell = std::exp(-std::pow((t - 0.55) / 0.28, 2));
        const qreal ripple = 0.5 + 0.5 * std::abs(std::sin(t * 37.0));
        const qreal height = std::max(4.0, 40 * swell * ripple);
        painter.drawRoundedRect(QRectF(x, centre_y - height / 2, bar, height), 2, 2);
    }
}

void paint_chooser_band(QPainter& painter, const ArtWording& wording) {
    constexpr int band_height = 66;
    QLinearGradient band(0, 0, chooser_area::size.width(), 0);
    band.setColorAt(0, night);
    band.setColorAt(1, sea);
    painter.fillRect(QRect(0, 0, chooser_area::size.width(), band_height), band);
    QRadialGradient glow(QPointF(840, 30), 260);
    glow.setColorAt(0, QColor(teal.red(), teal.green(), teal.blue(), 50));
    glow.setColorAt(1, QColor(teal.red(), teal.green(), teal.blue(), 0));
    painter.fillRect(QRect(0, 0, chooser_area::size.width(), band_height), glow);
    painter.fillRect(QRect(0, band_height, 760, 2), amber);
    painter.fillRect(QRect(760, band_height, chooser_area::size.width() - 760, 2), teal);
    draw_text(painter, chooser_area::title, wording.chooser_title, art_font(30, QFont::Bold), paper,
              Qt::AlignLeft | Qt::AlignVCenter);
    // Kept clear of the exit button in the top right-hand corner.
    paint_band_waveform(painter, 760, 980, 36);
}

void paint_column_headings(QPainter& painter, const ArtWording& wording) {
    const QRect& list = chooser_area::list;
    const QRectF strip(list.left(), chooser_area::heading_top, list.width(),
                       chooser_area::heading_bottom - chooser_area::heading_top);
    QLinearGradient fill(strip.topLeft(), strip.bottomLeft());
    fill.setColorAt(0, action.lighter(112));
    fill.setColorAt(1, action.darker(105));
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    // Rounded at the top only.
    painter.save();
    painter.setClipRect(strip);
    painter.drawRoundedRect(strip.adjusted(0, 0, 0, 6), 6, 6);
    painter.restore();
    // A white gap between the headings and the list: the picture is a JPEG, and a dark
    // edge right above the list would ring into its plain rows.
    painter.fillRect(QRectF(strip.left() - 1, strip.bottom(), strip.width() + 2, 3), paper);
    const QString headings[] = {wording.column_exercise, wording.column_level, wording.column_done,
                                wording.column_repetition, wording.column_score};
    const int count = static_cast<int>(std::size(headings));
    for (int i = 0; i < count; ++i) {
        const int left = list.left() + chooser_area::column_x[i];
        const int right =
            i + 1 < count ? list.left() + chooser_area::column_x[i + 1] : list.right();
        draw_text(painter, QRectF(left, strip.top(), right - left - 6, strip.height()), headings[i],
                  art_font(13, QFont::Bold), paper, Qt::AlignLeft | Qt::AlignVCenter);
    }
}

void paint_chooser_body(QPainter& painter) {
    const QSize size = chooser_area::size;
    QLinearGradient paper_ground(0, 66, 0, size.height());
    paper_ground.setColorAt(0, QColor(246, 249, 252));
    paper_ground.setColorAt(1, QColor(226, 236, 244));
    painter.fillRect(QRect(0, 66, size.width(), size.height() - 66), paper_ground);
    // Soft hills along the bottom, as on the lessons' pages.
    QPainterPath hills;
    hills.moveTo(0, 768);
    hills.cubicTo(240, 700, 520, 770, 760, 724);
    hills.cubicTo(880, 702, 960, 720, 1024, 706);
    hills.lineTo(1024, 768);
    hills.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(teal.red(), teal.green(), teal.blue(), 45));
    painter.drawPath(hills);
    // A shadow under the list lifts it off the page; the list itself stays plain white.
    const QRectF list(chooser_area::list);
    painter.setBrush(QColor(11, 34, 56, 28));
    painter.drawRoundedRect(list.adjusted(-2, -24, 4, 6), 8, 8);
    paint_field_place(painter, chooser_area::list);
    const QRectF panel(chooser_area::side_panel);
    painter.setPen(QPen(line, 1));
    painter.setBrush(QColor(255, 255, 255, 170));
    painter.drawRoundedRect(panel.adjusted(0.5, 0.5, -0.5, -0.5), 12, 12);
}

// The course's name below the list, where nothing else is painted.
void paint_brand(QPainter& painter, const ArtWording& wording) {
    const QRectF mark(44, 660, 30, 30);
    draw_pictogram(painter, Pictogram::headphones, mark, {action, amber, paper});
    draw_text(painter, QRectF(84, 656, 300, 22), wording.title, art_font(17, QFont::Bold), sea,
              Qt::AlignLeft | Qt::AlignVCenter);
    draw_text(painter, QRectF(84, 677, 300, 18), wording.subtitle, art_font(13), action,
              Qt::AlignLeft | Qt::AlignVCenter);
}

} // namespace

QImage draw_learner_chooser(const ArtWording& wording) {
    namespace area = learner_window_area;
    Canvas canvas(area::size);
    QPainter& painter = canvas.painter();
    paint_learner_frame(painter);
    const QRectF question(area::question);
    paint_person(painter, QPointF(question.left() + 24, question.center().y()), 18);
    draw_text(painter, question.adjusted(56, 0, 0, 0), wording.learner_question,
              art_font(20, QFont::Bold), ink, Qt::AlignLeft | Qt::AlignVCenter);
    paint_field_place(painter, area::list);
    paint_window_frame(painter, area::size);
    return canvas.finish();
}

QImage draw_new_learner(const ArtWording& wording) {
    namespace area = learner_window_area;
    Canvas canvas(area::size);
    QPainter& painter = canvas.painter();
    paint_learner_frame(painter);
    draw_text(painter, area::name_label, wording.learner_name, art_font(15, QFont::Bold), ink,
              Qt::AlignLeft | Qt::AlignVCenter);
    paint_field_place(painter, area::name_field);
    paint_field_place(painter, area::language_list);
    paint_window_frame(painter, area::size);
    return canvas.finish();
}

QImage draw_chooser(const ArtWording& wording) {
    Canvas canvas(chooser_area::size);
    QPainter& painter = canvas.painter();
    paint_chooser_body(painter);
    paint_chooser_band(painter, wording);
    paint_column_headings(painter, wording);
    paint_brand(painter, wording);
    return canvas.finish();
}

QImage draw_delete_repetitions() {
    constexpr QSize size{300, 100};
    Canvas canvas(size);
    QPainter& painter = canvas.painter();
    paint_window_ground(painter, size, 0);
    paint_window_frame(painter, size);
    return canvas.finish();
}

QImage draw_options() {
    namespace area = options_area;
    Canvas canvas(area::size);
    QPainter& painter = canvas.painter();
    paint_window_ground(painter, area::size, area::caption_height);
    paint_window_footer(painter, area::size, area::footer_top);
    // The controls stand on one plain white card.
    paint_field_place(painter, area::controls);
    paint_window_frame(painter, area::size);
    return canvas.finish();
}

QImage draw_message_window() {
    constexpr QSize size{440, 120};
    Canvas canvas(size);
    QPainter& painter = canvas.painter();
    paint_window_ground(painter, size, 30);
    paint_window_frame(painter, size);
    return canvas.finish();
}

QImage draw_answer_popup() {
    constexpr QSize size{500, 150};
    Canvas canvas(size);
    QPainter& painter = canvas.painter();
    paint_window_ground(painter, size, 30);
    paint_window_frame(painter, size);
    return canvas.finish();
}

} // namespace vimo
