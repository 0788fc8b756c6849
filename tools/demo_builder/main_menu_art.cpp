#include "demo_builder/art_painting.h"
#include "demo_builder/artwork.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cmath>

namespace vimo {

namespace {

constexpr QSize k_size{1024, 768};

const QColor k_night{11, 34, 56};
const QColor k_sea{22, 82, 112};
const QColor k_white{255, 255, 255};
const QColor k_mist{168, 230, 240};
const QColor k_amber{244, 184, 96};
const QColor k_teal{95, 211, 198};

QColor with_alpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

void paint_background(QPainter& painter) {
    QLinearGradient sky(0, 0, 380, k_size.height());
    sky.setColorAt(0, k_night);
    sky.setColorAt(1, k_sea);
    painter.fillRect(QRect(QPoint(0, 0), k_size), sky);
    // A soft light behind the decoration keeps the large plain areas from looking flat.
    QRadialGradient glow(QPointF(560, 470), 520);
    glow.setColorAt(0, with_alpha(k_teal, 60));
    glow.setColorAt(1, with_alpha(k_teal, 0));
    painter.fillRect(QRect(QPoint(0, 0), k_size), glow);
}

void paint_title(QPainter& painter, const ArtWording& wording) {
    const QRectF title_box(60, 96, 620, 92);
    draw_text(painter, title_box, wording.title, art_font(76, QFont::Bold), k_white,
              Qt::AlignLeft | Qt::AlignVCenter);
    const QRectF subtitle_box(64, 190, 620, 46);
    draw_text(painter, subtitle_box, wording.subtitle, art_font(32), k_mist,
              Qt::AlignLeft | Qt::AlignVCenter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(k_amber);
    painter.drawRoundedRect(QRectF(66, 252, 96, 6), 3, 3);
    painter.setBrush(k_teal);
    painter.drawRoundedRect(QRectF(170, 252, 30, 6), 3, 3);
}

// Loudness of a spoken phrase along t in 0..1: three syllable-like swells.
double phrase_envelope(double t) {
    constexpr std::array<std::array<double, 3>, 3> swells{{
        {0.18, 0.10, 0.75}, // centre, width, height
        {0.48, 0.13, 1.00},
        {0.80, 0.09, 0.60},
    }};
    double level = 0.06;
    for (const auto& swell : swells) {
        const double d = (t - swell[0]) / swell[1];
        level += swell[2] * std::exp(-d * d);
    }
    return std::min(level, 1.0);
}

void paint_waveform(QPainter& painter) {
    constexpr double left = 64;
    constexpr double right = 620;
    constexpr double centre_y = 476;
    constexpr double bar = 7;
    constexpr double step = 12;
    constexpr double tallest = 150;
    QLinearGradient colours(left, 0, right, 0);
    colours.setColorAt(0, k_teal);
    colours.setColorAt(1, k_amber);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours);
    for (double x = left; x + bar <= right; x += step) {
        const double t = (x - left) / (right - left);
        const double ripple = 0.55 + 0.45 * std::abs(std::sin(t * 41.0 + std::sin(t * 9.0)));
        const double height = std::max(6.0, tallest * phrase_envelope(t) * ripple);
        painter.drawRoundedRect(QRectF(x, centre_y - height / 2, bar, height), bar / 2, bar / 2);
    }
}

// Concentric arcs opening towards direction_degrees, as sound leaving a speaker.
void paint_sound_arcs(QPainter& painter, QPointF centre, double direction_degrees) {
    constexpr std::array radii{16.0, 28.0, 40.0};
    constexpr int spread = 70;
    const int start = static_cast<int>((direction_degrees - spread / 2.0) * 16);
    for (std::size_t i = 0; i < radii.size(); ++i) {
        const double r = radii[i];
        painter.setPen(QPen(with_alpha(k_mist, 220 - static_cast<int>(i) * 60), 4, Qt::SolidLine,
                            Qt::RoundCap));
        painter.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), start, spread * 16);
    }
}

void paint_ear_cup(QPainter& painter, QPointF centre) {
    const QRectF cup(centre.x() - 24, centre.y() - 44, 48, 88);
    QLinearGradient shade(cup.topLeft(), cup.bottomRight());
    shade.setColorAt(0, k_amber);
    shade.setColorAt(1, k_amber.darker(130));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawRoundedRect(cup, 22, 22);
    painter.setBrush(with_alpha(k_night, 90));
    painter.drawRoundedRect(cup.adjusted(12, 16, -12, -16), 10, 10);
}

void paint_headphones(QPainter& painter) {
    constexpr QPointF band_centre(820, 424);
    constexpr double radius = 110;
    const QRectF band(band_centre.x() - radius, band_centre.y() - radius, 2 * radius, 2 * radius);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(k_white, 16, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(band, 0, 180 * 16);
    painter.setPen(QPen(with_alpha(k_sea, 200), 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(band, 12 * 16, 156 * 16);
    // The cups sit on the waveform's centre line, as if the phrase flowed into them.
    const QPointF left_cup(band_centre.x() - radius, 476);
    const QPointF right_cup(band_centre.x() + radius, 476);
    painter.setPen(QPen(k_white, 10, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(left_cup.x(), band_centre.y()), left_cup - QPointF(0, 36));
    painter.drawLine(QPointF(right_cup.x(), band_centre.y()), right_cup - QPointF(0, 36));
    paint_ear_cup(painter, left_cup);
    paint_ear_cup(painter, right_cup);
    paint_sound_arcs(painter, left_cup - QPointF(30, 0), 180);
    paint_sound_arcs(painter, right_cup + QPointF(30, 0), 0);
}

// A rounded bubble with a small tail towards its speaker, below or above it.
void paint_bubble(QPainter& painter, QPointF anchor, const QString& text, bool tail_down,
                  const QColor& fill) {
    const QFont font = art_font(19, QFont::Bold);
    const double width = QFontMetricsF(font).horizontalAdvance(text) + 40;
    const QRectF box(anchor, QSizeF(width, 46));
    QPainterPath shape;
    shape.addRoundedRect(box, 16, 16);
    const double tail_x = box.left() + 26;
    const double edge = tail_down ? box.bottom() : box.top();
    const double tip = tail_down ? edge + 14 : edge - 14;
    QPainterPath tail;
    tail.moveTo(tail_x, edge - (tail_down ? 2 : -2));
    tail.lineTo(tail_x, tip);
    tail.lineTo(tail_x + 18, edge - (tail_down ? 2 : -2));
    tail.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(shape.united(tail));
    draw_text(painter, box, text, font, k_night);
}

void paint_speech_bubbles(QPainter& painter, const QStringList& greetings) {
    struct Spot {
        QPointF anchor;
        bool tail_down = true;
    };
    constexpr std::array spots{
        Spot{{92, 322}, true},
        Spot{{420, 330}, true},
        Spot{{318, 574}, false},
        Spot{{520, 586}, false},
    };
    const std::array fills{k_white, k_teal, k_amber, k_white};
    const auto count = std::min<std::size_t>(spots.size(), greetings.size());
    for (std::size_t i = 0; i < count; ++i) {
        paint_bubble(painter, spots[i].anchor, greetings[static_cast<qsizetype>(i)],
                     spots[i].tail_down, with_alpha(fills[i], 235));
    }
}

// Info mark, heading and an arrow: the panel reads as something to click.
void paint_about_heading(QPainter& painter, const QRectF& panel, const QString& heading) {
    const QRectF icon(panel.left() + 18, panel.top() + 18, 30, 30);
    painter.setPen(Qt::NoPen);
    painter.setBrush(k_amber);
    painter.drawEllipse(icon);
    draw_text(painter, icon, QStringLiteral("i"), art_font(20, QFont::Bold), k_night);
    const QRectF heading_box(icon.right() + 12, icon.top() - 2, 190, 34);
    draw_text(painter, heading_box, heading, art_font(21, QFont::Bold), k_white,
              Qt::AlignLeft | Qt::AlignVCenter);
    const QPointF arrow(panel.right() - 24, icon.center().y());
    painter.setPen(QPen(k_amber, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF{arrow + QPointF(-6, -8), arrow, arrow + QPointF(-6, 8)});
}

void paint_about_panel(QPainter& painter, const ArtWording& wording) {
    const QRectF panel = QRectF(main_menu_area::about).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(with_alpha(k_white, 110), 1));
    painter.setBrush(with_alpha(k_white, 28));
    painter.drawRoundedRect(panel, 16, 16);
    paint_about_heading(painter, panel, wording.about_heading);
    const double text_left = panel.left() + 18;
    const double text_right = panel.right() - 18;
    painter.setPen(QPen(with_alpha(k_white, 70), 1));
    painter.drawLine(QPointF(text_left, 174.5), QPointF(text_right, 174.5));
    const double text_width = text_right - text_left;
    draw_text(painter, QRectF(text_left, 184, text_width, 22), wording.about_line1, art_font(15),
              k_white, Qt::AlignLeft | Qt::AlignVCenter);
    draw_text(painter, QRectF(text_left, 208, text_width, 22), wording.about_line2, art_font(14),
              k_mist, Qt::AlignLeft | Qt::AlignVCenter);
}

void paint_globe(QPainter& painter, QPointF centre, double radius, const QColor& ink) {
    painter.setPen(QPen(ink, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius, radius);
    painter.drawEllipse(centre, radius * 0.45, radius);
    painter.drawLine(centre - QPointF(radius, 0), centre + QPointF(radius, 0));
    const double chord = radius * std::sqrt(1 - 0.55 * 0.55);
    painter.drawLine(centre + QPointF(-chord, -radius * 0.55),
                     centre + QPointF(chord, -radius * 0.55));
    painter.drawLine(centre + QPointF(-chord, radius * 0.55),
                     centre + QPointF(chord, radius * 0.55));
}

// Globe and label as one group centred on the button, the label shrunk if needed.
void paint_website_button(QPainter& painter, const QString& label) {
    const QRectF box = QRectF(main_menu_area::website).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, k_amber.lighter(110));
    fill.setColorAt(1, k_amber);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(box, box.height() / 2, box.height() / 2);
    constexpr double globe_radius = 12;
    constexpr double gap = 10;
    constexpr double padding = 20;
    const double room = box.width() - 2 * padding - 2 * globe_radius - gap;
    const QFont font = fitted_font(art_font(17, QFont::Bold), label, room);
    const double text_width = QFontMetricsF(font).horizontalAdvance(label);
    const double left = box.center().x() - (2 * globe_radius + gap + text_width) / 2;
    paint_globe(painter, QPointF(left + globe_radius, box.center().y()), globe_radius, k_night);
    const QRectF text_box(left + 2 * globe_radius + gap, box.top(), text_width + 1, box.height());
    draw_text(painter, text_box, label, font, k_night, Qt::AlignLeft | Qt::AlignVCenter);
}

void paint_footer(QPainter& painter, const ArtWording& wording) {
    const QRectF strip(0, 728, k_size.width(), k_size.height() - 728);
    painter.fillRect(strip, with_alpha(Qt::black, 70));
    painter.setPen(QPen(with_alpha(k_white, 45), 1));
    painter.drawLine(QPointF(0, 728.5), QPointF(k_size.width(), 728.5));
    const ButtonFace link{with_alpha(k_white, 34), with_alpha(k_white, 140), k_white, 14.5, 14};
    draw_button(painter, main_menu_area::help, wording.help, link);
    draw_button(painter, main_menu_area::options, wording.options, link);
}

} // namespace

QImage draw_main_menu(const ArtWording& wording) {
    QImage image(k_size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paint_background(painter);
    paint_title(painter, wording);
    paint_waveform(painter);
    paint_headphones(painter);
    paint_speech_bubbles(painter, wording.greetings);
    paint_about_panel(painter, wording);
    paint_website_button(painter, wording.website);
    paint_footer(painter, wording);
    return image;
}

} // namespace vimo
