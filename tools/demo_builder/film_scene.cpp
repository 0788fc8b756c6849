#include "demo_builder/film_scene.h"

#include "demo_builder/art_painting.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>

namespace vimo {

namespace {

constexpr int k_road_top = 178;
constexpr int k_bus_width = 128;
constexpr int k_bus_height = 50;
// Where the bus stops: in front of the town hall, by the right edge.
constexpr double k_bus_stop_left = 150;
// The bus arrives during the first 60 % of the film and then stands.
constexpr double k_arrival = 0.6;

void paint_sky(QPainter& painter, double progress) {
    QLinearGradient sky(0, 0, 0, k_road_top);
    sky.setColorAt(0, QColor(120, 186, 230));
    sky.setColorAt(1, QColor(214, 236, 248));
    painter.fillRect(QRect(0, 0, k_film_size.width(), k_road_top), sky);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 214, 90));
    painter.drawEllipse(QPointF(40, 34), 18, 18);
    // One cloud drifting slowly to the right.
    const double x = 70 + progress * 60;
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawEllipse(QPointF(x, 40), 22, 12);
    painter.drawEllipse(QPointF(x + 18, 34), 16, 12);
    painter.drawEllipse(QPointF(x + 34, 42), 18, 10);
}

struct House {
    int left;
    int width;
    int height;
    QColor wall;
};

void paint_house(QPainter& painter, const House& house) {
    const int top = k_road_top - house.height;
    painter.setPen(QPen(QColor(90, 80, 70), 1));
    painter.setBrush(house.wall);
    painter.drawRect(house.left, top, house.width, house.height);
    QPainterPath roof;
    roof.moveTo(house.left - 3, top);
    roof.lineTo(house.left + house.width / 2.0, top - 16);
    roof.lineTo(house.left + house.width + 3, top);
    roof.closeSubpath();
    painter.setBrush(QColor(168, 72, 52));
    painter.drawPath(roof);
    painter.setBrush(QColor(236, 244, 250));
    for (int y = top + 8; y < k_road_top - 22; y += 20) {
        for (int x = house.left + 6; x + 10 < house.left + house.width; x += 16) {
            painter.drawRect(x, y, 9, 11);
        }
    }
}

void paint_town_hall(QPainter& painter) {
    const QRect body(214, 92, 100, k_road_top - 92);
    painter.setPen(QPen(QColor(110, 100, 90), 1));
    painter.setBrush(QColor(232, 222, 196));
    painter.drawRect(body);
    painter.drawRect(250, 58, 28, 34);
    painter.setBrush(QColor(60, 110, 80));
    QPainterPath spire;
    spire.moveTo(246, 58);
    spire.lineTo(264, 30);
    spire.lineTo(282, 58);
    spire.closeSubpath();
    painter.drawPath(spire);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(264, 74), 9, 9);
    painter.drawLine(QPointF(264, 74), QPointF(264, 68));
    painter.drawLine(QPointF(264, 74), QPointF(269, 74));
    painter.setBrush(QColor(120, 84, 60));
    painter.drawRect(254, 146, 20, 32);
}

void paint_street(QPainter& painter) {
    const std::array houses{
        House{0, 54, 70, QColor(244, 205, 140)}, House{58, 46, 86, QColor(182, 214, 170)},
        House{108, 52, 64, QColor(240, 170, 160)}, House{164, 44, 78, QColor(170, 196, 228)}};
    for (const House& house : houses) {
        paint_house(painter, house);
    }
    paint_town_hall(painter);
    painter.fillRect(QRect(0, k_road_top, k_film_size.width(), 8), QColor(190, 190, 186));
    painter.fillRect(QRect(0, k_road_top + 8, k_film_size.width(), 54), QColor(86, 90, 96));
    painter.setPen(QPen(QColor(240, 240, 230), 3, Qt::DashLine));
    painter.drawLine(0, 222, k_film_size.width(), 222);
}

void paint_bus(QPainter& painter, double left) {
    const QRectF body(left, k_road_top - 16, k_bus_width, k_bus_height);
    painter.setPen(QPen(QColor(120, 20, 20), 1.5));
    painter.setBrush(QColor(214, 40, 40));
    painter.drawRoundedRect(body, 8, 8);
    painter.setBrush(QColor(200, 230, 246));
    for (int i = 0; i < 4; ++i) {
        painter.drawRoundedRect(QRectF(left + 8 + i * 24, body.top() + 7, 19, 15), 3, 3);
    }
    painter.drawRoundedRect(QRectF(left + 106, body.top() + 7, 16, 24), 3, 3);
    painter.setBrush(QColor(250, 220, 80));
    painter.drawRect(QRectF(left + 8, body.top() + 28, 30, 12));
    draw_text(painter, QRectF(left + 8, body.top() + 27, 30, 14), QStringLiteral("12"),
              art_font(11, QFont::Bold), QColor(40, 30, 20));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 30, 34));
    for (const double x : {left + 26, left + 100}) {
        painter.drawEllipse(QPointF(x, body.bottom()), 10, 10);
    }
}

// Eases in towards the stop so that the bus slows down before it halts.
double bus_left(double progress) {
    const double start = -k_bus_width;
    const double p = std::clamp(progress / k_arrival, 0.0, 1.0);
    const double eased = 1 - (1 - p) * (1 - p);
    return start + (k_bus_stop_left - start) * eased;
}

} // namespace

QImage draw_film_frame(double progress) {
    QImage frame(k_film_size, QImage::Format_RGB32);
    QPainter painter(&frame);
    painter.setRenderHint(QPainter::Antialiasing);
    paint_sky(painter, progress);
    paint_street(painter);
    paint_bus(painter, bus_left(progress));
    painter.end();
    return frame;
}

} // namespace vimo
