#include "demo_builder/information_art.h"

#include "demo_builder/art_painting.h"
#include "demo_builder/demo_course.h"
#include "demo_builder/pictograms.h"
#include "demo_builder/source_text.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <optional>

namespace vimo {

namespace {

using namespace art_colour;
using P = Pictogram;

constexpr QSize k_window{455, 266};
constexpr int k_strip_height = 33; // the drag strip the caption is painted in
constexpr QRect k_text_area{12, 52, 381, 201};
constexpr QSize k_arrow{22, 22};
constexpr QSize k_icon{16, 16};
constexpr QSize k_level{20, 16};
constexpr QSize k_stat{40, 22};
constexpr QSize k_last_stat{34, 20};

template <typename Paint> QImage keyed(QSize size, Paint paint) {
    QImage canvas = transparent_canvas(size);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paint(painter);
    painter.end();
    return keyed_picture(canvas, paper);
}

QImage arrow(bool up) {
    return keyed(k_arrow, [up](QPainter& painter) {
        QLinearGradient fill(0, 0, 0, k_arrow.height());
        fill.setColorAt(0, action.lighter(120));
        fill.setColorAt(1, action.darker(110));
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawRoundedRect(QRectF(1, 1, 20, 20), 5, 5);
        QPainterPath head;
        if (up) {
            head.moveTo(11, 6);
            head.lineTo(17, 14);
            head.lineTo(5, 14);
        } else {
            head.moveTo(5, 8);
            head.lineTo(17, 8);
            head.lineTo(11, 16);
        }
        head.closeSubpath();
        painter.setBrush(paper);
        painter.drawPath(head);
    });
}

// Rising bars, the first level of them filled, as in the chooser's level column.
QImage level(int filled) {
    return keyed(k_level, [filled](QPainter& painter) {
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < 4; ++i) {
            const qreal height = 4 + 3 * i;
            painter.setBrush(i < filled ? action : QColor(200, 212, 224));
            painter.drawRoundedRect(QRectF(1 + 5 * i, 15 - height, 3, height), 1, 1);
        }
    });
}

QImage pictogram_icon(Pictogram pictogram, const QColor& accent) {
    return keyed(k_icon, [&](QPainter& painter) {
        draw_pictogram(painter, pictogram, QRectF(QPointF(0, 0), QSizeF(k_icon)),
                       {ink, accent, paper});
    });
}

QImage done_mark(bool done) {
    return keyed(k_icon, [done](QPainter& painter) {
        if (!done) {
            painter.setPen(QPen(QColor(160, 175, 190), 1.4));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(QPointF(8, 8), 6, 6);
            return;
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(leaf);
        painter.drawEllipse(QPointF(8, 8), 7, 7);
        draw_pictogram(painter, P::tick, QRectF(2.5, 2.5, 11, 11), {paper, paper, leaf});
    });
}

// A badge of the statistics window: a coloured pill with a white sign or short text.
QImage stat_badge(QSize size, const QColor& colour, std::optional<Pictogram> sign,
                  const QString& text) {
    return keyed(size, [&](QPainter& painter) {
        const QRectF pill(0.5, 0.5, size.width() - 1, size.height() - 2);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawRoundedRect(pill, pill.height() / 2, pill.height() / 2);
        if (sign) {
            const qreal side = pill.height() - 6;
            const QRectF box(pill.center().x() - side / 2, pill.top() + 3, side, side);
            draw_pictogram(painter, *sign, box, {paper, paper, colour});
            return;
        }
        draw_text(painter, pill, text, art_font(12, QFont::Bold), paper);
    });
}

} // namespace

QImage draw_information_background(bool help) {
    QImage image(k_window, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paint_window_ground(painter, k_window, k_strip_height);
    // A help text sits on a teal band, a glossary note on an amber one; the text area
    // is framed in the same colour.
    const QColor band = help ? deep_teal : deep_amber;
    painter.fillRect(QRect(0, k_strip_height, k_window.width(), 4), band);
    paint_field_place(painter, k_text_area);
    painter.setPen(QPen(band, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(k_text_area).adjusted(-2.5, -2.5, 1.5, 1.5));
    paint_window_frame(painter, k_window);
    painter.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

std::vector<InformationPicture> draw_information_pictures() {
    std::vector<InformationPicture> pictures{
        {QStringLiteral("up.bmp"), arrow(true)},
        {QStringLiteral("down.bmp"), arrow(false)},
        {QStringLiteral("zda_dyk.bmp"), pictogram_icon(P::dictation, amber)},
        {QStringLiteral("zda_roz.bmp"), pictogram_icon(P::picture_listening, teal)},
        {QStringLiteral("zda_tek.bmp"), pictogram_icon(P::page, teal)},
        {QStringLiteral("img_rpg.bmp"), pictogram_icon(P::repeat, amber)},
        {QStringLiteral("img_dia.bmp"), pictogram_icon(P::dialogue_listening, deep_teal)},
        {QStringLiteral("rob_yes.bmp"), done_mark(true)},
        {QStringLiteral("rob_no.bmp"), done_mark(false)},
        {QStringLiteral("stat_1.bmp"), stat_badge(k_stat, leaf, P::tick, {})},
        {QStringLiteral("stat_2.bmp"), stat_badge(k_stat, coral, P::cross, {})},
        {QStringLiteral("stat_3.bmp"),
         stat_badge(k_stat, action, std::nullopt, QStringLiteral("%"))},
        {QStringLiteral("stat_4.bmp"),
         stat_badge(k_stat, deep_amber, std::nullopt, QStringLiteral("abc"))},
        {QStringLiteral("stat_5.bmp"), stat_badge(k_last_stat, sea, P::next, {})},
    };
    for (int n = 1; n <= 4; ++n)
        pictures.push_back({QStringLiteral("poz_%1.bmp").arg(n), level(n)});
    return pictures;
}

namespace {

void write_bmp(QStringList& written, const QString& path, const QImage& image) {
    written << write_picture(path, image, "BMP");
}

} // namespace

QStringList write_information_language_pictures(const QString& gfx) {
    QStringList written;
    write_bmp(written, gfx + QStringLiteral("help.bmp"), draw_information_background(true));
    write_bmp(written, gfx + QStringLiteral("tlumaczenia.bmp"), draw_information_background(false));
    return written;
}

QStringList write_information_pictures(const QString& course_root) {
    QStringList written;
    for (const InformationPicture& picture : draw_information_pictures())
        write_bmp(written, course_root + QStringLiteral("gfx_r/informacja/") + picture.file,
                  picture.image);
    return written;
}

} // namespace vimo
