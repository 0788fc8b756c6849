#include "demo_builder/art_painting.h"
#include "demo_builder/pictograms.h"
#include "demo_builder/screen_art.h"

#include <QLinearGradient>
#include <array>

namespace vimo {

namespace {

using namespace art_colour;
using P = Pictogram;

constexpr QSize k_icon{16, 16};
constexpr QSize k_level_icon{20, 16};
constexpr QSize k_bar_ground{100, 12};
constexpr QSize k_bar{98, 12};
constexpr QSize k_arrow{32, 32};

// The icons are drawn over the list's white rows (and its light blue highlight bar).
const QColor k_list_ground{255, 255, 255};

const QColor k_line_ink{22, 66, 100};

// An icon drawn by paint into a transparent canvas of size, keyed for the list.
template <typename Paint> QImage icon(QSize size, Paint paint) {
    QImage canvas = transparent_canvas(size);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paint(painter);
    painter.end();
    return keyed_picture(canvas, k_list_ground);
}

QImage pictogram_icon(Pictogram pictogram, const QColor& accent) {
    return icon(k_icon, [&](QPainter& painter) {
        draw_pictogram(painter, pictogram, QRectF(QPointF(0, 0), QSizeF(k_icon)),
                       {k_line_ink, accent, paper});
    });
}

QImage expander(bool folded) {
    return icon(k_icon, [folded](QPainter& painter) {
        QLinearGradient fill(0, 2, 0, 14);
        fill.setColorAt(0, paper);
        fill.setColorAt(1, pale);
        painter.setPen(QPen(action, 1));
        painter.setBrush(fill);
        painter.drawRoundedRect(QRectF(2.5, 2.5, 11, 11), 2.5, 2.5);
        draw_pictogram(painter, folded ? P::plus : P::minus, QRectF(3, 3, 10, 10),
                       {action.darker(110), action, paper});
    });
}

// The exercise kinds, by the code their results records carry.
struct KindIcon {
    int code = 0;
    Pictogram pictogram = P::page;
    QColor accent;
};

const std::array k_kind_icons{
    KindIcon{40, P::choice_list, deep_amber},         // multiple choice
    KindIcon{41, P::true_false, deep_amber},          // true or false
    KindIcon{42, P::sorting, deep_amber},             // sorting words
    KindIcon{44, P::gap_typing, deep_amber},          // typing into gaps
    KindIcon{45, P::definition, deep_amber},          // definitions
    KindIcon{46, P::ordering, deep_amber},            // putting in order
    KindIcon{47, P::text_gap, deep_amber},            // completing the sentences of a text
    KindIcon{50, P::puzzle, deep_amber},              // sentence puzzle
    KindIcon{51, P::dictation, deep_amber},           // sentence dictation
    KindIcon{52, P::sentence_translation, deep_teal}, // sentence translation
    KindIcon{54, P::picture_listening, deep_teal},    // listening with pictures
    KindIcon{56, P::microphone, deep_teal},           // recording sentences
    KindIcon{57, P::envelope, deep_amber},            // letters
    KindIcon{58, P::bulb, amber},                     // curiosities
    KindIcon{59, P::sentence_drop, deep_amber},       // completing sentences
    KindIcon{60, P::word_list, deep_teal},            // word list
    KindIcon{61, P::ear_question, deep_amber},        // recognising by ear
    KindIcon{62, P::meaning, deep_teal},              // word meanings
    KindIcon{63, P::word_dictation, deep_amber},      // word dictation
    KindIcon{64, P::word_translation, deep_teal},     // translating words
    KindIcon{70, P::dialogue_listening, deep_teal},   // dialogue, listening
    KindIcon{71, P::dialogue_speaking, deep_teal},    // dialogue, speaking
    KindIcon{73, P::dialogue_question, deep_teal},    // dialogue, comprehension
    KindIcon{74, P::dialogue_gap, deep_teal},         // dialogue, filling the gaps
};

// Rising bars, the first level of them filled.
QImage level_icon(int level) {
    return icon(k_level_icon, [level](QPainter& painter) {
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < 4; ++i) {
            const qreal height = 4 + 3 * i;
            const QRectF bar(1 + 5 * i, 15 - height, 3, height);
            painter.setBrush(i < level ? action : QColor(200, 212, 224));
            painter.drawRoundedRect(bar, 1, 1);
        }
    });
}

QImage done_icon(bool done) {
    return icon(k_icon, [done](QPainter& painter) {
        if (done) {
            QLinearGradient fill(0, 1, 0, 15);
            fill.setColorAt(0, leaf.lighter(115));
            fill.setColorAt(1, leaf.darker(110));
            painter.setPen(Qt::NoPen);
            painter.setBrush(fill);
            painter.drawEllipse(QPointF(8, 8), 7, 7);
            draw_pictogram(painter, P::tick, QRectF(2.5, 2.5, 11, 11), {paper, paper, leaf});
            return;
        }
        painter.setPen(QPen(QColor(160, 175, 190), 1.4));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(8, 8), 6, 6);
    });
}

QImage bar_ground() {
    return icon(k_bar_ground, [](QPainter& painter) {
        QLinearGradient fill(0, 0, 0, k_bar_ground.height());
        fill.setColorAt(0, QColor(214, 222, 230));
        fill.setColorAt(1, QColor(236, 240, 245));
        painter.setPen(QPen(QColor(176, 190, 204), 1));
        painter.setBrush(fill);
        painter.drawRoundedRect(QRectF(0.5, 0.5, 99, 11), 4, 4);
    });
}

// A bar the program cuts from the left; only its left end is rounded, so a short piece
// and the whole bar look alike.
QImage bar(const QColor& colour) {
    return icon(k_bar, [colour](QPainter& painter) {
        QLinearGradient fill(0, 0, 0, k_bar.height());
        fill.setColorAt(0, colour.lighter(125));
        fill.setColorAt(0.5, colour);
        fill.setColorAt(1, colour.darker(112));
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawRoundedRect(QRectF(0, 1, 98, 10), 3.5, 3.5);
        painter.fillRect(QRectF(90, 1, 8, 10), fill);
    });
}

QImage arrow(bool up) {
    return icon(k_arrow, [up](QPainter& painter) {
        QLinearGradient fill(0, 1, 0, 31);
        fill.setColorAt(0, action.lighter(118));
        fill.setColorAt(1, action.darker(108));
        painter.setPen(QPen(action.darker(135), 1));
        painter.setBrush(fill);
        painter.drawEllipse(QRectF(1.5, 1.5, 29, 29));
        const qreal tip = up ? 11 : 21;
        const qreal back = up ? 19 : 13;
        painter.setPen(QPen(paper, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(QPolygonF{{9.5, back}, {16, tip}, {22.5, back}});
    });
}

} // namespace

std::vector<IconPicture> draw_chooser_icons() {
    std::vector<IconPicture> icons{
        {QStringLiteral("plus.bmp"), expander(true)},
        {QStringLiteral("minus.bmp"), expander(false)},
        {QStringLiteral("node_1.bmp"), pictogram_icon(P::film, amber)},
        {QStringLiteral("node_2.bmp"), pictogram_icon(P::headphones, amber)},
        {QStringLiteral("node_3.bmp"), pictogram_icon(P::page, deep_amber)},
        {QStringLiteral("node_5.bmp"), pictogram_icon(P::card_stack, QColor(250, 222, 170))},
        {QStringLiteral("done.bmp"), done_icon(true)},
        {QStringLiteral("not_done.bmp"), done_icon(false)},
        {QStringLiteral("bar_back.bmp"), bar_ground()},
        {QStringLiteral("up.bmp"), arrow(true)},
        {QStringLiteral("down.bmp"), arrow(false)},
    };
    for (const KindIcon& kind : k_kind_icons) {
        icons.push_back({QStringLiteral("code_%1.bmp").arg(kind.code),
                         pictogram_icon(kind.pictogram, kind.accent)});
    }
    for (int level = 1; level <= 4; ++level)
        icons.push_back({QStringLiteral("level_%1.bmp").arg(level), level_icon(level)});
    // Red, orange, yellow-green and green, from the lowest score to the highest.
    const std::array bar_colours{QColor(214, 72, 62), QColor(240, 142, 48), QColor(168, 196, 56),
                                 QColor(60, 164, 88)};
    for (std::size_t i = 0; i < bar_colours.size(); ++i)
        icons.push_back({QStringLiteral("bar_%1.bmp").arg(i + 1), bar(bar_colours[i])});
    return icons;
}

} // namespace vimo
