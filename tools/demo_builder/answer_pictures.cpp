// The answer pictures of the listening comprehension exercises: clocks, price tags
// and a few everyday objects, each on a soft background in a 160 by 200 box.

#include "demo_builder/art_painting.h"
#include "demo_builder/course_pictures.h"

#include <QHash>
#include <QPainterPath>
#include <QRegularExpression>
#include <cmath>
#include <functional>
#include <numbers>

namespace vimo {

namespace {

const QColor k_ink{40, 48, 60};
const QPointF k_centre{80, 100};

using Drawing = std::function<void(QPainter&)>;

void paint_card(QPainter& painter, const QColor& tint) {
    painter.fillRect(QRect(QPoint(0, 0), k_answer_picture_size), Qt::white);
    painter.setPen(QPen(tint.darker(115), 2));
    painter.setBrush(tint);
    painter.drawRoundedRect(QRectF(4, 4, 152, 192), 14, 14);
}

QPointF on_circle(const QPointF& centre, double radius, double turn) {
    const double angle = turn * 2 * std::numbers::pi;
    return centre + QPointF(std::sin(angle) * radius, -std::cos(angle) * radius);
}

void paint_clock(QPainter& painter, int hours, int minutes) {
    paint_card(painter, QColor(236, 242, 250));
    const double radius = 64;
    painter.setPen(QPen(k_ink, 4));
    painter.setBrush(Qt::white);
    painter.drawEllipse(k_centre, radius, radius);
    for (int tick = 0; tick < 12; ++tick) {
        const double turn = tick / 12.0;
        painter.setPen(QPen(k_ink, tick % 3 == 0 ? 4 : 2));
        painter.drawLine(on_circle(k_centre, radius - 4, turn),
                         on_circle(k_centre, radius - 12, turn));
    }
    const int numbers[] = {12, 3, 6, 9};
    for (int i = 0; i < 4; ++i) {
        const QPointF at = on_circle(k_centre, radius - 24, i / 4.0);
        draw_text(painter, QRectF(at.x() - 14, at.y() - 10, 28, 20), QString::number(numbers[i]),
                  art_font(15, QFont::Bold), k_ink);
    }
    const double hour_turn = (hours % 12 + minutes / 60.0) / 12.0;
    painter.setPen(QPen(k_ink, 7, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(k_centre, on_circle(k_centre, 32, hour_turn));
    painter.setPen(QPen(QColor(196, 52, 44), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(k_centre, on_circle(k_centre, 50, minutes / 60.0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(k_ink);
    painter.drawEllipse(k_centre, 5, 5);
}

void paint_price(QPainter& painter, int pence) {
    paint_card(painter, QColor(250, 244, 226));
    QPainterPath tag;
    tag.moveTo(16, 56);
    tag.lineTo(118, 56);
    tag.lineTo(144, 100);
    tag.lineTo(118, 144);
    tag.lineTo(16, 144);
    tag.closeSubpath();
    painter.setPen(QPen(QColor(176, 120, 40), 3));
    painter.setBrush(QColor(255, 214, 120));
    painter.drawPath(tag);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(128, 100), 5, 5);
    painter.drawLine(QPointF(132, 96), QPointF(152, 48));
    const QString text =
        QStringLiteral("£%1.%2").arg(pence / 100).arg(pence % 100, 2, 10, QChar(u'0'));
    draw_text(painter, QRectF(20, 76, 96, 48), text, art_font(26, QFont::Bold), k_ink);
}

void paint_sun(QPainter& painter) {
    paint_card(painter, QColor(214, 236, 252));
    painter.setPen(QPen(QColor(240, 170, 30), 5, Qt::SolidLine, Qt::RoundCap));
    for (int ray = 0; ray < 12; ++ray) {
        painter.drawLine(on_circle(k_centre, 42, ray / 12.0), on_circle(k_centre, 60, ray / 12.0));
    }
    painter.setPen(QPen(QColor(240, 170, 30), 3));
    painter.setBrush(QColor(255, 212, 60));
    painter.drawEllipse(k_centre, 34, 34);
}

void paint_cloud_shape(QPainter& painter, const QPointF& at, const QColor& colour) {
    painter.setPen(QPen(colour.darker(125), 2));
    painter.setBrush(colour);
    QPainterPath cloud;
    cloud.setFillRule(Qt::WindingFill);
    cloud.addEllipse(at + QPointF(-40, -4), 26, 20);
    cloud.addEllipse(at + QPointF(-8, -20), 30, 26);
    cloud.addEllipse(at + QPointF(28, -6), 26, 20);
    cloud.addRoundedRect(QRectF(at.x() - 60, at.y() - 6, 112, 28), 14, 14);
    painter.drawPath(cloud.simplified());
}

void paint_cloud(QPainter& painter) {
    paint_card(painter, QColor(222, 230, 238));
    paint_cloud_shape(painter, QPointF(84, 100), QColor(170, 180, 192));
}

void paint_rain(QPainter& painter) {
    paint_card(painter, QColor(222, 230, 238));
    paint_cloud_shape(painter, QPointF(84, 74), QColor(140, 152, 168));
    painter.setPen(QPen(QColor(40, 110, 200), 4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 6; ++i) {
        const double x = 36 + i * 18;
        const double y = 120 + (i % 2) * 22;
        painter.drawLine(QPointF(x, y), QPointF(x - 6, y + 16));
    }
}

void paint_flake(QPainter& painter, const QPointF& at) {
    for (int arm = 0; arm < 3; ++arm) {
        const double turn = arm / 6.0;
        painter.drawLine(on_circle(at, 9, turn), on_circle(at, 9, turn + 0.5));
    }
}

void paint_snow(QPainter& painter) {
    paint_card(painter, QColor(232, 240, 248));
    paint_cloud_shape(painter, QPointF(84, 74), QColor(196, 206, 218));
    painter.setPen(QPen(QColor(70, 120, 190), 2.5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 5; ++i) {
        paint_flake(painter, QPointF(34 + i * 23, 128 + (i % 2) * 26));
    }
}

void paint_umbrella(QPainter& painter) {
    paint_card(painter, QColor(236, 232, 248));
    QPainterPath canopy;
    canopy.moveTo(22, 100);
    canopy.arcTo(QRectF(22, 40, 116, 120), 180, -180);
    for (int i = 3; i >= 0; --i) {
        canopy.quadTo(QPointF(22 + 29 * i + 14.5, 88), QPointF(22 + 29 * i, 100));
    }
    painter.setPen(QPen(QColor(90, 40, 120), 2));
    painter.setBrush(QColor(150, 80, 190));
    painter.drawPath(canopy);
    painter.setPen(QPen(k_ink, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(80, 96), QPointF(80, 160));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(80, 148, 20, 24), 180 * 16, 180 * 16);
}

void paint_key(QPainter& painter) {
    paint_card(painter, QColor(246, 240, 226));
    painter.setPen(QPen(QColor(150, 110, 30), 3));
    painter.setBrush(QColor(226, 184, 80));
    QPainterPath key;
    key.setFillRule(Qt::WindingFill);
    key.addEllipse(QPointF(50, 100), 24, 24);
    key.addRect(QRectF(70, 94, 66, 12));
    key.addRect(QRectF(112, 106, 8, 14));
    key.addRect(QRectF(126, 106, 8, 18));
    painter.drawPath(key.simplified());
    painter.setBrush(QColor(246, 240, 226));
    painter.drawEllipse(QPointF(50, 100), 9, 9);
}

void paint_ticket(QPainter& painter) {
    paint_card(painter, QColor(228, 242, 232));
    QPainterPath ticket;
    ticket.addRoundedRect(QRectF(20, 64, 120, 72), 6, 6);
    QPainterPath notches;
    notches.addEllipse(QPointF(20, 100), 8, 8);
    notches.addEllipse(QPointF(140, 100), 8, 8);
    painter.setPen(QPen(QColor(40, 120, 70), 2));
    painter.setBrush(QColor(120, 200, 150));
    painter.drawPath(ticket.subtracted(notches));
    painter.setPen(QPen(Qt::white, 2, Qt::DashLine));
    painter.drawLine(QPointF(110, 70), QPointF(110, 130));
    draw_text(painter, QRectF(28, 74, 80, 26), QStringLiteral("TICKET"), art_font(16, QFont::Bold),
              Qt::white);
    draw_text(painter, QRectF(28, 102, 80, 24), QStringLiteral("A → B"), art_font(15), k_ink);
}

void paint_cup(QPainter& painter) {
    paint_card(painter, QColor(248, 236, 228));
    painter.setPen(QPen(QColor(150, 150, 160), 2));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(24, 138, 112, 22));
    painter.setPen(QPen(QColor(40, 90, 150), 3));
    painter.setBrush(QColor(80, 140, 210));
    QPainterPath cup;
    cup.moveTo(40, 84);
    cup.lineTo(112, 84);
    cup.quadTo(110, 146, 76, 146);
    cup.quadTo(42, 146, 40, 84);
    painter.drawPath(cup);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(104, 94, 24, 26));
    painter.setPen(QPen(QColor(170, 170, 180), 3, Qt::SolidLine, Qt::RoundCap));
    for (const double x : {62.0, 78.0, 94.0}) {
        QPainterPath steam;
        steam.moveTo(x, 76);
        steam.cubicTo(x - 8, 64, x + 8, 56, x, 42);
        painter.drawPath(steam);
    }
}

void paint_book(QPainter& painter) {
    paint_card(painter, QColor(238, 236, 226));
    painter.setPen(QPen(QColor(120, 40, 40), 3));
    painter.setBrush(QColor(196, 64, 56));
    painter.drawRoundedRect(QRectF(40, 40, 84, 120), 6, 6);
    painter.setBrush(QColor(250, 246, 232));
    painter.drawRect(QRectF(120, 46, 8, 108));
    painter.setPen(QPen(QColor(250, 230, 160), 3));
    painter.drawLine(QPointF(56, 70), QPointF(108, 70));
    painter.drawLine(QPointF(56, 82), QPointF(96, 82));
}

const QHash<QString, Drawing>& objects() {
    static const QHash<QString, Drawing> table{
        {"sun", paint_sun},       {"cloud", paint_cloud},       {"rain", paint_rain},
        {"snow", paint_snow},     {"umbrella", paint_umbrella}, {"key", paint_key},
        {"ticket", paint_ticket}, {"cup", paint_cup},           {"book", paint_book}};
    return table;
}

std::optional<Drawing> drawing_of(const QString& name) {
    static const QRegularExpression clock(QStringLiteral("^clock_(\\d\\d)(\\d\\d)$"));
    static const QRegularExpression price(QStringLiteral("^price_([1-9]\\d{0,4})$"));
    if (const auto match = clock.match(name); match.hasMatch()) {
        const int hours = match.captured(1).toInt();
        const int minutes = match.captured(2).toInt();
        if (hours < 1 || hours > 12 || minutes > 59) return std::nullopt;
        return [hours, minutes](QPainter& p) { paint_clock(p, hours, minutes); };
    }
    if (const auto match = price.match(name); match.hasMatch()) {
        const int pence = match.captured(1).toInt();
        return [pence](QPainter& p) { paint_price(p, pence); };
    }
    if (const auto it = objects().find(name); it != objects().end()) return it.value();
    return std::nullopt;
}

} // namespace

std::optional<QImage> draw_answer_picture(const QString& name) {
    const std::optional<Drawing> drawing = drawing_of(name);
    if (!drawing) return std::nullopt;
    QImage image(k_answer_picture_size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    (*drawing)(painter);
    painter.end();
    return image;
}

} // namespace vimo
