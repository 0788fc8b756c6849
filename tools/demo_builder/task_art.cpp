#include "demo_builder/task_art.h"

#include "demo_builder/art_painting.h"
#include "demo_builder/demo_course.h"
#include "demo_builder/source_text.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace vimo {

namespace {

using namespace art_colour;

constexpr QSize kPanelSize{100, 768};
constexpr QSize kTabSize{80, 20};
constexpr int kScoreFrame = 22;
constexpr int kScoreFrames = 13;
constexpr QSize kBoxSize{18, 18};
constexpr QSize kExclamationSize{14, 18};
constexpr QSize kOrderingScoreSize{64, 32};

QColor with_alpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

QImage draw_panel() {
    QImage image(kPanelSize, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient ground(0, 0, 0, kPanelSize.height());
    ground.setColorAt(0, night);
    ground.setColorAt(1, sea);
    painter.fillRect(image.rect(), ground);
    painter.setPen(QPen(with_alpha(teal, 90), 1));
    painter.drawLine(0, 0, 0, kPanelSize.height());
    // A quiet band behind the tabs and one behind the lower buttons.
    painter.fillRect(QRect(6, 14, 88, 176), with_alpha(paper, 18));
    painter.fillRect(QRect(6, 590, 88, 80), with_alpha(paper, 12));
    return image;
}

enum class BoxLook { normal, checked, bad };

QImage draw_box(BoxLook look) {
    QImage canvas = transparent_canvas(kBoxSize);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor border = look == BoxLook::bad ? coral : action;
    painter.setPen(QPen(border, 1.6));
    painter.setBrush(paper);
    painter.drawRoundedRect(QRectF(1.5, 1.5, 15, 15), 3, 3);
    if (look != BoxLook::normal) {
        QPainterPath mark;
        if (look == BoxLook::checked) {
            mark.moveTo(4.5, 9.5);
            mark.lineTo(7.8, 12.8);
            mark.lineTo(13.5, 5.5);
        } else {
            mark.moveTo(5, 5);
            mark.lineTo(13, 13);
            mark.moveTo(13, 5);
            mark.lineTo(5, 13);
        }
        painter.setPen(QPen(border, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(mark);
    }
    painter.end();
    return keyed_picture(canvas, paper);
}

QImage draw_mark(bool ok) {
    QImage canvas = transparent_canvas(kBoxSize);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ok ? leaf : coral);
    painter.drawEllipse(QRectF(2, 2, 14, 14));
    painter.setPen(QPen(paper, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (ok) {
        painter.drawPolyline(QPolygonF({{5.5, 9.0}, {8.0, 11.5}, {12.5, 6.5}}));
    } else {
        painter.drawLine(QPointF(6.5, 6.5), QPointF(11.5, 11.5));
        painter.drawLine(QPointF(11.5, 6.5), QPointF(6.5, 11.5));
    }
    painter.end();
    return keyed_picture(canvas, paper);
}

// The ordering screen puts it left of a row in the wrong place, over the task's
// background; the light halo keeps it readable on a dark one.
QImage draw_exclamation() {
    QImage canvas = transparent_canvas(kExclamationSize);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath mark;
    mark.addRoundedRect(QRectF(4.5, 1, 5, 11), 2.5, 2.5);
    mark.addEllipse(QRectF(4.25, 13, 5.5, 4.5));
    painter.setPen(QPen(paper, 1.5));
    painter.setBrush(coral);
    painter.drawPath(mark);
    painter.end();
    return keyed_picture(canvas, paper);
}

// The ordering screen centres the score in it in black bold: the middle stays light and
// plain.
QImage draw_ordering_score_panel() {
    QImage canvas = transparent_canvas(kOrderingScoreSize);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient ground(0, 0, 0, kOrderingScoreSize.height());
    ground.setColorAt(0, paper);
    ground.setColorAt(1, pale);
    painter.setPen(QPen(ink, 1.5));
    painter.setBrush(ground);
    painter.drawRoundedRect(
        QRectF(1, 1, kOrderingScoreSize.width() - 2, kOrderingScoreSize.height() - 2), 7, 7);
    painter.setPen(QPen(amber, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(10, 4.5), QPointF(kOrderingScoreSize.width() - 10, 4.5));
    painter.end();
    return keyed_picture(canvas, pale);
}

QImage draw_score_panel() {
    QImage image(QSize(200, 34), QImage::Format_RGB32);
    image.fill(pale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(line, 1));
    painter.setBrush(paper);
    painter.drawRoundedRect(QRectF(0.5, 0.5, 199, 33), 8, 8);
    // A small trophy cup at the left: the score reads beside it.
    painter.setPen(Qt::NoPen);
    painter.setBrush(amber);
    painter.drawRoundedRect(QRectF(14, 8, 16, 12), 3, 3);
    painter.drawRect(QRectF(20, 20, 4, 4));
    painter.drawRoundedRect(QRectF(15, 24, 14, 3), 1, 1);
    painter.setBrush(deep_amber);
    painter.drawEllipse(QRectF(10, 9, 6, 8));
    painter.drawEllipse(QRectF(28, 9, 6, 8));
    painter.setBrush(amber);
    painter.drawRoundedRect(QRectF(14, 8, 16, 12), 3, 3);
    return image;
}

} // namespace

QImage draw_task_tab(int k, bool current) {
    QImage canvas = transparent_canvas(kTabSize);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    const ButtonFace face{current ? amber : paper, current ? deep_amber : line, ink, 6, 12};
    draw_button(painter, QRectF(0.5, 0.5, kTabSize.width() - 1, kTabSize.height() - 1),
                QString::number(k), face);
    painter.end();
    return keyed_picture(canvas, night);
}

QImage draw_score_strip() {
    QImage canvas = transparent_canvas(QSize(kScoreFrame * kScoreFrames, kScoreFrame));
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int n = 0; n < kScoreFrames; ++n) {
        const QRectF disc(n * kScoreFrame + 2, 2, kScoreFrame - 4, kScoreFrame - 4);
        painter.setPen(QPen(line, 1));
        painter.setBrush(pale);
        painter.drawEllipse(disc);
        if (n == 0) continue;
        painter.setPen(Qt::NoPen);
        painter.setBrush(n == 12 ? leaf : n >= 6 ? deep_teal : amber);
        // Qt counts angles in sixteenths of a degree, anticlockwise from three o'clock.
        painter.drawPie(disc, 90 * 16, -n * 30 * 16);
    }
    painter.end();
    return keyed_picture(canvas, paper);
}

QStringList write_task_pictures(const QString& course_root) {
    QStringList written;
    for (const char letter : {'a', 'n', 'f', 'p'})
        written << write_picture(course_root +
                                     QStringLiteral("gfx_r/panel_prawy_teksty_%1.bmp").arg(letter),
                                 draw_panel(), "BMP");
    for (int k = 1; k <= 8; ++k) {
        written << write_picture(course_root + QStringLiteral("but_r/zakl/_%1.bmp").arg(k),
                                 draw_task_tab(k, false), "BMP");
        written << write_picture(course_root + QStringLiteral("but_r/zakl/_%1a.bmp").arg(k),
                                 draw_task_tab(k, true), "BMP");
    }
    written << write_picture(course_root + QStringLiteral("gfx_r/torcik.bmp"), draw_score_strip(),
                             "BMP");
    written << write_picture(course_root + QStringLiteral("gfx_r/img_normal.bmp"),
                             draw_box(BoxLook::normal), "BMP");
    written << write_picture(course_root + QStringLiteral("gfx_r/img_checked.bmp"),
                             draw_box(BoxLook::checked), "BMP");
    written << write_picture(course_root + QStringLiteral("gfx_r/img_bad.bmp"),
                             draw_box(BoxLook::bad), "BMP");
    written << write_picture(course_root + QStringLiteral("gfx_r/stan_ok.bmp"), draw_mark(true),
                             "BMP");
    written << write_picture(course_root + QStringLiteral("gfx_r/stan_bad.bmp"), draw_mark(false),
                             "BMP");
    written << write_picture(course_root + QStringLiteral("gfx_r/wykrzyknik.bmp"),
                             draw_exclamation(), "BMP");
    written << write_picture(course_root + QStringLiteral("gfx_r/ptoc_panel.bmp"),
                             draw_ordering_score_panel(), "BMP");
    return written;
}

QStringList write_task_language_pictures(const QString& language_gfx_folder) {
    return {write_picture(language_gfx_folder + QStringLiteral("panel_wynik.bmp"),
                          draw_score_panel(), "BMP")};
}

} // namespace vimo
