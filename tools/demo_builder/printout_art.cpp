#include "demo_builder/printout_art.h"

#include "demo_builder/art_painting.h"
#include "demo_builder/pictograms.h"

#include <QLinearGradient>
#include <array>

namespace vimo {

namespace {

using namespace art_colour;
using P = Pictogram;

template <typename Paint> QImage on_white(QSize size, Paint paint) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(paper);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    painter.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

// The pictogram of a kind on a pale rounded tile, so that the icons read as one set on
// the printed table.
QImage kind_icon(Pictogram pictogram, const QColor& accent) {
    return on_white(k_printout_icon, [&](QPainter& painter) {
        painter.setPen(QPen(line, 1));
        painter.setBrush(pale);
        painter.drawRoundedRect(QRectF(0.5, 0.5, 23, 23), 5, 5);
        draw_pictogram(painter, pictogram, QRectF(4, 4, 16, 16), {ink, accent, paper});
    });
}

// A row of four dots, the first level of them filled.
QImage level_icon(int level) {
    return on_white(k_printout_level, [level](QPainter& painter) {
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < 4; ++i) {
            const QRectF dot(2 + 11 * i, 3, 10, 10);
            if (i < level) {
                painter.setBrush(action);
                painter.drawEllipse(dot);
            } else {
                painter.setPen(QPen(QColor(190, 204, 218), 1.2));
                painter.setBrush(Qt::NoBrush);
                painter.drawEllipse(dot.adjusted(0.6, 0.6, -0.6, -0.6));
                painter.setPen(Qt::NoPen);
            }
        }
    });
}

QImage done_icon(bool done) {
    return on_white(k_printout_icon, [done](QPainter& painter) {
        if (!done) {
            painter.setPen(QPen(QColor(160, 175, 190), 1.6));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(QPointF(12, 12), 8, 8);
            return;
        }
        QLinearGradient fill(0, 2, 0, 22);
        fill.setColorAt(0, leaf.lighter(115));
        fill.setColorAt(1, leaf.darker(110));
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawEllipse(QPointF(12, 12), 10, 10);
        draw_pictogram(painter, P::tick, QRectF(5, 5, 14, 14), {paper, paper, leaf});
    });
}

struct KindPicture {
    const char* file = "";
    Pictogram pictogram = P::page;
    QColor accent;
};

// The files the printout names for the node kinds and kind codes, each with the drawing
// the chooser shows for that kind.
const std::array k_kind_pictures{
    KindPicture{"1_film.jpg", P::film, amber},
    KindPicture{"2_nagranie.jpg", P::headphones, amber},
    KindPicture{"3_tekst.jpg", P::page, deep_amber},
    KindPicture{"7_slowka.jpg", P::card_stack, QColor(250, 222, 170)},
    KindPicture{"11_mchoice.jpg", P::choice_list, deep_amber},
    KindPicture{"8_truefalse.jpg", P::true_false, deep_amber},
    KindPicture{"9_wpisywanie.jpg", P::gap_typing, deep_amber},
    KindPicture{"10_pary.jpg", P::definition, deep_amber},
    KindPicture{"12_ddrop.jpg", P::sentence_drop, deep_amber},
    KindPicture{"15_wpisywanie.jpg", P::dictation, deep_amber},
    KindPicture{"18_prezentacja.jpg", P::picture_listening, deep_teal},
    KindPicture{"13_NAGRYWANIE.jpg", P::microphone, deep_teal},
    KindPicture{"5_letters.jpg", P::envelope, deep_amber},
    KindPicture{"6_ciekawostka.jpg", P::bulb, amber},
    KindPicture{"14_rozumienie.jpg", P::ear_question, deep_amber},
    KindPicture{"16_dyktando.jpg", P::word_dictation, deep_amber},
};

} // namespace

std::vector<PrintoutPicture> draw_printout_pictures() {
    std::vector<PrintoutPicture> pictures;
    for (const KindPicture& kind : k_kind_pictures)
        pictures.push_back(
            {QString::fromLatin1(kind.file), kind_icon(kind.pictogram, kind.accent)});
    for (int level = 1; level <= 4; ++level)
        pictures.push_back({QStringLiteral("poziom%1.jpg").arg(level), level_icon(level)});
    pictures.push_back({QStringLiteral("ruszone.jpg"), done_icon(true)});
    pictures.push_back({QStringLiteral("ruszonenie.jpg"), done_icon(false)});
    return pictures;
}

QStringList write_printout_pictures(const QString& course_root) {
    QStringList written;
    for (const PrintoutPicture& picture : draw_printout_pictures())
        written << write_picture(course_root + QStringLiteral("Htm_r/") + picture.file,
                                 picture.image, "JPG");
    return written;
}

} // namespace vimo
