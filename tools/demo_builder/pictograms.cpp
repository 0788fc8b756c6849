#include "demo_builder/pictograms.h"

#include "demo_builder/art_painting.h"

#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace vimo {

namespace {

QPen stroke(const QColor& colour, qreal width) {
    return {colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin};
}

void line(QPainter& p, QPointF from, QPointF to, const QColor& colour, qreal width = 1.6) {
    p.setPen(stroke(colour, width));
    p.drawLine(from, to);
}

void solid(QPainter& p, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
}

void outlined(QPainter& p, const QColor& edge, const QColor& fill, qreal width = 1.2) {
    p.setPen(stroke(edge, width));
    p.setBrush(fill);
}

// A letter drawn in the grid's units, centred in box.
void letter(QPainter& p, const QRectF& box, const QString& text, qreal size, const QColor& colour) {
    QFont font = art_font(qMax(1, qRound(size)), QFont::Bold);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
}

void arrow_head(QPainter& p, QPointF tip, QPointF back_a, QPointF back_b, const QColor& colour,
                qreal width) {
    p.setPen(stroke(colour, width));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF{back_a, tip, back_b});
}

void speaker(QPainter& p, QPointF at, const PictogramInk& ink) {
    solid(p, ink.main);
    p.drawPolygon(QPolygonF{at + QPointF(0, -1.6), at + QPointF(1.8, -1.6), at + QPointF(4, -3.8),
                            at + QPointF(4, 3.8), at + QPointF(1.8, 1.6), at + QPointF(0, 1.6)});
}

void sound_arcs(QPainter& p, QPointF centre, int count, const QColor& colour) {
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= count; ++i) {
        const qreal r = 1.8 * i + 0.4;
        p.setPen(stroke(colour, 1.2));
        p.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
    }
}

// Lines of text, laid on whole pixels at the icons' own size so that they stay crisp: a
// thin line on a pixel row, a thick one on two.
void text_lines(QPainter& p, qreal left, qreal right, std::initializer_list<qreal> ys,
                const QColor& colour, qreal width = 1.3) {
    const bool thin = width < 1.5;
    for (const qreal y : ys) {
        const qreal row = thin ? std::floor(y) + 0.5 : std::round(y);
        p.setPen(QPen(colour, thin ? 1 : 2, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(std::round(left), row), QPointF(std::round(right), row));
    }
}

void bubble(QPainter& p, const QRectF& box, bool tail_left, const QColor& fill) {
    QPainterPath shape;
    shape.addRoundedRect(box, 2.2, 2.2);
    QPainterPath tail;
    const qreal x = tail_left ? box.left() + 2 : box.right() - 2;
    const qreal dx = tail_left ? 2.4 : -2.4;
    tail.moveTo(x, box.bottom() - 0.5);
    tail.lineTo(x - dx * 0.3, box.bottom() + 2.2);
    tail.lineTo(x + dx, box.bottom() - 0.5);
    tail.closeSubpath();
    solid(p, fill);
    p.drawPath(shape.united(tail));
}

// The two bubbles of the dialogue pictograms, up and to the right, leaving the lower left
// corner to the mode's badge.
void dialogue(QPainter& p, const PictogramInk& ink) {
    bubble(p, QRectF(4.5, 0.8, 8, 5.4), true, ink.main);
    bubble(p, QRectF(7.5, 6.8, 8, 5.2), false, ink.accent);
}

void badge(QPainter& p, const PictogramInk& ink) {
    outlined(p, ink.paper, ink.paper, 1);
    p.drawEllipse(QPointF(4.2, 11.8), 4.2, 4.2);
}

void page_outline(QPainter& p, const QRectF& box, const PictogramInk& ink) {
    QPainterPath page;
    page.moveTo(box.topLeft());
    page.lineTo(box.right() - 2.5, box.top());
    page.lineTo(box.right(), box.top() + 2.5);
    page.lineTo(box.bottomRight());
    page.lineTo(box.bottomLeft());
    page.closeSubpath();
    outlined(p, ink.main, ink.paper);
    p.drawPath(page);
}

void pencil(QPainter& p, QPointF tip, const PictogramInk& ink) {
    p.save();
    p.translate(tip);
    p.rotate(-45);
    solid(p, ink.accent);
    p.drawRect(QRectF(2.2, -1.3, 7, 2.6));
    solid(p, ink.main);
    p.drawPolygon(QPolygonF{{0, 0}, {2.4, -1.3}, {2.4, 1.3}});
    p.restore();
}

void microphone(QPainter& p, QPointF centre, qreal scale, const PictogramInk& ink) {
    p.save();
    p.translate(centre);
    p.scale(scale, scale);
    solid(p, ink.main);
    p.drawRoundedRect(QRectF(-2.5, -6.5, 5, 8.5), 2.5, 2.5);
    p.setPen(stroke(ink.main, 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-4.5, -4.5, 9, 8.5), 180 * 16, 180 * 16);
    p.drawLine(QPointF(0, 4), QPointF(0, 6.5));
    p.drawLine(QPointF(-2.5, 6.8), QPointF(2.5, 6.8));
    p.restore();
}

void headphones(QPainter& p, const QRectF& box, const PictogramInk& ink) {
    const qreal w = box.width();
    p.setPen(stroke(ink.main, w * 0.11));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(box.left() + w * 0.12, box.top() + w * 0.08, w * 0.76, w * 0.8), 0, 180 * 16);
    solid(p, ink.main);
    p.drawRoundedRect(QRectF(box.left() + w * 0.04, box.top() + w * 0.48, w * 0.24, w * 0.42),
                      w * 0.08, w * 0.08);
    p.drawRoundedRect(QRectF(box.right() - w * 0.28, box.top() + w * 0.48, w * 0.24, w * 0.42),
                      w * 0.08, w * 0.08);
}

void chip(QPainter& p, const QRectF& box, const QColor& fill) {
    solid(p, fill);
    p.drawRoundedRect(box, 1.2, 1.2);
}

void paint(QPainter& p, Pictogram pictogram, const PictogramInk& ink) {
    switch (pictogram) {
    case Pictogram::cross:
        line(p, {4.5, 4.5}, {11.5, 11.5}, ink.main, 2);
        line(p, {11.5, 4.5}, {4.5, 11.5}, ink.main, 2);
        return;
    case Pictogram::question:
        letter(p, QRectF(0, 0, 16, 16), QStringLiteral("?"), 13, ink.main);
        return;
    case Pictogram::play:
        solid(p, ink.main);
        p.drawPolygon(QPolygonF{{5.5, 3.2}, {13, 8}, {5.5, 12.8}});
        return;
    case Pictogram::next:
        line(p, {3, 8}, {12.5, 8}, ink.main, 2);
        arrow_head(p, {13, 8}, {8.8, 3.8}, {8.8, 12.2}, ink.main, 2);
        return;
    case Pictogram::film:
        solid(p, ink.main);
        p.drawRoundedRect(QRectF(1.5, 3, 13, 10), 1.5, 1.5);
        solid(p, ink.paper);
        for (qreal x = 2.8; x < 14; x += 2.6) {
            p.drawRect(QRectF(x, 3.8, 1.2, 1.2));
            p.drawRect(QRectF(x, 11, 1.2, 1.2));
        }
        solid(p, ink.accent);
        p.drawPolygon(QPolygonF{{6.5, 5.8}, {10.5, 8}, {6.5, 10.2}});
        return;
    case Pictogram::globe:
        p.setPen(stroke(ink.main, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(8, 8), 6.2, 6.2);
        p.drawEllipse(QPointF(8, 8), 2.7, 6.2);
        p.drawLine(QPointF(1.8, 8), QPointF(14.2, 8));
        p.drawLine(QPointF(3, 4.8), QPointF(13, 4.8));
        p.drawLine(QPointF(3, 11.2), QPointF(13, 11.2));
        return;
    case Pictogram::waveform: {
        const qreal heights[] = {3, 7, 11, 8, 12, 6, 3};
        for (int i = 0; i < 7; ++i) {
            const qreal x = 2 + 2 * i;
            line(p, {x, 8 - heights[i] / 2}, {x, 8 + heights[i] / 2}, i % 2 ? ink.accent : ink.main,
                 1.4);
        }
        return;
    }
    case Pictogram::magnifier:
        p.setPen(stroke(ink.main, 1.8));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(6.8, 6.8), 4.2, 4.2);
        line(p, {10, 10}, {13.6, 13.6}, ink.main, 2.6);
        return;
    case Pictogram::book:
        outlined(p, ink.main, ink.paper, 1.2);
        p.drawPolygon(QPolygonF{{1.5, 3.5}, {8, 4.8}, {8, 13.5}, {1.5, 12.2}});
        p.drawPolygon(QPolygonF{{14.5, 3.5}, {8, 4.8}, {8, 13.5}, {14.5, 12.2}});
        line(p, {3.3, 6.6}, {6.4, 7.2}, ink.accent, 1);
        line(p, {3.3, 9}, {6.4, 9.6}, ink.accent, 1);
        line(p, {9.6, 7.2}, {12.7, 6.6}, ink.accent, 1);
        line(p, {9.6, 9.6}, {12.7, 9}, ink.accent, 1);
        return;
    case Pictogram::repeat:
        p.setPen(stroke(ink.main, 1.8));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(2.5, 2.5, 11, 11), 60 * 16, 290 * 16);
        solid(p, ink.main);
        p.drawPolygon(QPolygonF{{10.2, 0.8}, {13.6, 3.6}, {9.4, 5.6}});
        return;
    case Pictogram::printer:
        outlined(p, ink.main, ink.paper, 1.1);
        p.drawRect(QRectF(4.5, 1.8, 7, 4.5));
        solid(p, ink.main);
        p.drawRoundedRect(QRectF(1.5, 5.8, 13, 6), 1.5, 1.5);
        outlined(p, ink.main, ink.paper, 1.1);
        p.drawRect(QRectF(4.5, 9.5, 7, 5));
        text_lines(p, 6, 10, {11.5, 13}, ink.accent, 0.9);
        return;
    case Pictogram::tick:
        p.setPen(stroke(ink.main, 2.2));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF{{3.2, 8.6}, {6.6, 12}, {12.8, 4.2}});
        return;
    case Pictogram::bulb:
        outlined(p, ink.main, ink.accent, 1.2);
        p.drawEllipse(QPointF(8, 6.4), 4.4, 4.4);
        solid(p, ink.main);
        p.drawRoundedRect(QRectF(5.8, 10.8, 4.4, 3.6), 1, 1);
        line(p, {6.6, 12.6}, {9.4, 12.6}, ink.paper, 0.7);
        return;
    case Pictogram::glossary:
        outlined(p, ink.main, ink.paper, 1.2);
        p.drawRoundedRect(QRectF(2, 1.5, 12, 13), 1.5, 1.5);
        letter(p, QRectF(2, 1.8, 12, 7), QStringLiteral("Aa"), 6.5, ink.main);
        text_lines(p, 4.2, 11.8, {10.2, 12.4}, ink.accent, 1.1);
        return;
    case Pictogram::plus:
        line(p, {8, 4}, {8, 12}, ink.main, 2);
        line(p, {4, 8}, {12, 8}, ink.main, 2);
        return;
    case Pictogram::minus:
        line(p, {4, 8}, {12, 8}, ink.main, 2);
        return;
    case Pictogram::headphones:
        headphones(p, QRectF(1, 1.5, 14, 14), ink);
        return;
    case Pictogram::page:
        page_outline(p, QRectF(3, 1.5, 10, 13), ink);
        text_lines(p, 5, 11, {5.5, 8, 10.5}, ink.accent, 1.1);
        return;
    case Pictogram::card_stack:
        outlined(p, ink.main, ink.accent, 1.1);
        p.drawRoundedRect(QRectF(4, 1.5, 10.5, 8), 1.4, 1.4);
        outlined(p, ink.main, ink.paper, 1.1);
        p.drawRoundedRect(QRectF(1.5, 5.5, 10.5, 8.5), 1.4, 1.4);
        letter(p, QRectF(1.5, 5.5, 10.5, 8.5), QStringLiteral("Aa"), 6, ink.main);
        return;
    case Pictogram::word_list:
        solid(p, ink.accent);
        for (const qreal y : {3.5, 8.0, 12.5})
            p.drawEllipse(QPointF(3, y), 1.5, 1.5);
        text_lines(p, 6.2, 14, {3.5, 8, 12.5}, ink.main, 1.5);
        return;
    case Pictogram::choice_list:
        for (const qreal y : {3.0, 8.0, 13.0}) {
            outlined(p, ink.main, y == 8.0 ? ink.accent : ink.paper, 1.1);
            p.drawEllipse(QPointF(3.2, y), 2, 2);
        }
        text_lines(p, 7, 14.5, {3, 8, 13}, ink.main, 1.4);
        return;
    case Pictogram::true_false:
        p.setPen(stroke(art_colour::leaf, 2));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF{{0.8, 8.2}, {3.3, 10.8}, {7.3, 5}});
        line(p, {9.5, 5.5}, {14.5, 10.5}, art_colour::coral, 2);
        line(p, {14.5, 5.5}, {9.5, 10.5}, art_colour::coral, 2);
        return;
    case Pictogram::sorting:
        // Two words on their way into two groups.
        chip(p, QRectF(1, 1, 6, 3.5), ink.main);
        chip(p, QRectF(9, 1, 6, 3.5), ink.accent);
        for (const qreal x : {4.0, 12.0}) {
            line(p, {x, 5.8}, {x, 8.2}, ink.main, 1.2);
            arrow_head(p, {x, 8.6}, {x - 1.5, 7.1}, {x + 1.5, 7.1}, ink.main, 1.2);
        }
        p.setPen(stroke(ink.main, 1.3));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF{{1.2, 10.5}, {1.2, 14.6}, {6.8, 14.6}, {6.8, 10.5}});
        p.drawPolyline(QPolygonF{{9.2, 10.5}, {9.2, 14.6}, {14.8, 14.6}, {14.8, 10.5}});
        return;
    case Pictogram::gap_typing:
        line(p, {1, 12}, {4.5, 12}, ink.main, 1.5);
        line(p, {11.5, 12}, {15, 12}, ink.main, 1.5);
        outlined(p, ink.main, ink.paper, 1.1);
        p.drawRoundedRect(QRectF(5.5, 4, 5, 9.5), 1, 1);
        line(p, {8, 6}, {8, 11.5}, ink.accent, 1.4);
        return;
    case Pictogram::definition:
        chip(p, QRectF(0.8, 3, 6.4, 10), ink.main);
        letter(p, QRectF(0.8, 3, 6.4, 10), QStringLiteral("A"), 7.5, ink.paper);
        line(p, {8.6, 6.6}, {10.4, 6.6}, ink.accent, 1.3);
        line(p, {8.6, 9.4}, {10.4, 9.4}, ink.accent, 1.3);
        text_lines(p, 12, 15, {4.5, 8, 11.5}, ink.main, 1.3);
        return;
    case Pictogram::ordering:
        line(p, {2.5, 2.5}, {2.5, 13.5}, ink.main, 1.3);
        arrow_head(p, {2.5, 1.5}, {0.8, 3.5}, {4.2, 3.5}, ink.main, 1.3);
        arrow_head(p, {2.5, 14.5}, {0.8, 12.5}, {4.2, 12.5}, ink.main, 1.3);
        chip(p, QRectF(6, 1.5, 9, 3), ink.main);
        chip(p, QRectF(6, 6.5, 9, 3), ink.accent);
        chip(p, QRectF(6, 11.5, 9, 3), ink.main);
        return;
    case Pictogram::text_gap:
        page_outline(p, QRectF(1.5, 1, 13, 14), ink);
        text_lines(p, 3.5, 10.5, {4.5}, ink.main, 1.1);
        line(p, {3.5, 8}, {5, 8}, ink.main, 1.1);
        chip(p, QRectF(6.2, 6.6, 5.2, 2.8), ink.accent);
        text_lines(p, 3.5, 12.5, {11.5}, ink.main, 1.1);
        return;
    case Pictogram::puzzle: {
        QPainterPath piece;
        piece.addRoundedRect(QRectF(2, 4.5, 9.5, 9.5), 1, 1);
        QPainterPath knob_top;
        knob_top.addEllipse(QPointF(6.75, 3.6), 2, 2);
        QPainterPath knob_right;
        knob_right.addEllipse(QPointF(12.4, 9.25), 2, 2);
        QPainterPath notch;
        notch.addEllipse(QPointF(2, 9.25), 1.7, 1.7);
        outlined(p, ink.main, ink.accent, 1.1);
        p.drawPath(piece.united(knob_top).united(knob_right).subtracted(notch));
        return;
    }
    case Pictogram::dictation:
        // What is heard is written down.
        speaker(p, {0.8, 4.5}, ink);
        sound_arcs(p, {4.8, 4.5}, 2, ink.main);
        text_lines(p, 1, 8, {14}, ink.main, 2);
        pencil(p, {9.6, 13.6}, ink);
        return;
    case Pictogram::sentence_translation:
        text_lines(p, 5, 15, {3}, ink.main, 1.8);
        text_lines(p, 5, 12, {6.2}, ink.main, 1.8);
        text_lines(p, 5, 15, {10}, ink.accent, 1.8);
        text_lines(p, 5, 11, {13.2}, ink.accent, 1.8);
        p.setPen(stroke(ink.main, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(0.8, 3, 4.4, 8.4), 90 * 16, 180 * 16);
        arrow_head(p, {3.4, 11.2}, {1.8, 9.8}, {2.2, 12.6}, ink.main, 1.2);
        return;
    case Pictogram::picture_listening:
        outlined(p, ink.main, ink.paper, 1.1);
        p.drawRoundedRect(QRectF(1, 3, 10, 10), 1.2, 1.2);
        solid(p, ink.accent);
        p.drawPolygon(QPolygonF{{1.6, 12.4}, {5, 7}, {7.2, 10}, {8.4, 8.6}, {10.4, 12.4}});
        p.drawEllipse(QPointF(8.2, 5.6), 1.1, 1.1);
        sound_arcs(p, {10.6, 8}, 2, ink.main);
        return;
    case Pictogram::microphone:
        microphone(p, {8, 7.5}, 1, ink);
        return;
    case Pictogram::envelope:
        outlined(p, ink.main, ink.paper, 1.2);
        p.drawRoundedRect(QRectF(1.2, 3.2, 13.6, 9.6), 1, 1);
        p.setBrush(Qt::NoBrush);
        p.setPen(stroke(ink.accent, 1.2));
        p.drawPolyline(QPolygonF{{1.8, 3.8}, {8, 8.8}, {14.2, 3.8}});
        return;
    case Pictogram::sentence_drop:
        chip(p, QRectF(5.5, 0.8, 5, 3.4), ink.accent);
        arrow_head(p, {8, 7.6}, {6.2, 5.6}, {9.8, 5.6}, ink.main, 1.3);
        chip(p, QRectF(0.5, 10, 4.2, 3.4), ink.main);
        p.setPen(QPen(ink.main, 0.9, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(5.6, 9.8, 4.8, 3.8), 1.2, 1.2);
        chip(p, QRectF(11.3, 10, 4.2, 3.4), ink.main);
        return;
    case Pictogram::ear_question:
        speaker(p, {1, 8}, ink);
        sound_arcs(p, {5, 8}, 2, ink.main);
        letter(p, QRectF(8.5, 1, 7.5, 14), QStringLiteral("?"), 11, ink.accent);
        return;
    case Pictogram::meaning:
        chip(p, QRectF(0.8, 1.5, 7, 5), ink.main);
        chip(p, QRectF(8.2, 9.5, 7, 5), ink.accent);
        p.setPen(stroke(ink.main, 1.1));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(7.8, 4), QPointF(11.7, 4));
        p.drawLine(QPointF(11.7, 4), QPointF(11.7, 9.3));
        p.drawLine(QPointF(4.3, 6.6), QPointF(4.3, 12));
        p.drawLine(QPointF(4.3, 12), QPointF(8.1, 12));
        return;
    case Pictogram::word_dictation:
        speaker(p, {0.5, 6.5}, ink);
        sound_arcs(p, {4.5, 6.5}, 2, ink.main);
        line(p, {9, 13.5}, {15, 13.5}, ink.main, 1.3);
        line(p, {12, 2.5}, {12, 11.5}, ink.accent, 1.5);
        line(p, {10.8, 2.5}, {13.2, 2.5}, ink.accent, 1.1);
        line(p, {10.8, 11.5}, {13.2, 11.5}, ink.accent, 1.1);
        return;
    case Pictogram::word_translation:
        chip(p, QRectF(0.5, 1, 7.5, 6), ink.main);
        letter(p, QRectF(0.5, 1, 7.5, 6), QStringLiteral("a"), 6.5, ink.paper);
        chip(p, QRectF(8, 9, 7.5, 6), ink.accent);
        letter(p, QRectF(8, 9, 7.5, 6), QStringLiteral("b"), 6.5, ink.main);
        line(p, {10.5, 4}, {13.5, 4}, ink.main, 1.2);
        arrow_head(p, {14, 4}, {12.4, 2.4}, {12.4, 5.6}, ink.main, 1.2);
        line(p, {5.5, 12}, {2.5, 12}, ink.main, 1.2);
        arrow_head(p, {2, 12}, {3.6, 10.4}, {3.6, 13.6}, ink.main, 1.2);
        return;
    case Pictogram::dialogue_listening:
        dialogue(p, ink);
        badge(p, ink);
        headphones(p, QRectF(0.6, 8, 7.2, 7.2), ink);
        return;
    case Pictogram::dialogue_speaking:
        dialogue(p, ink);
        badge(p, ink);
        microphone(p, {4.2, 12}, 0.55, ink);
        return;
    case Pictogram::dialogue_question:
        dialogue(p, ink);
        badge(p, ink);
        letter(p, QRectF(0, 7.6, 8.4, 8.4), QStringLiteral("?"), 8.5, ink.main);
        return;
    case Pictogram::dialogue_gap:
        dialogue(p, ink);
        badge(p, ink);
        outlined(p, ink.main, ink.paper, 1);
        p.drawRoundedRect(QRectF(1.2, 9.8, 6, 4), 0.8, 0.8);
        line(p, {3.2, 10.8}, {3.2, 12.8}, ink.main, 0.9);
        return;
    case Pictogram::loudspeaker:
        // Large enough to fill a small button or icon on its own.
        solid(p, ink.main);
        p.drawPolygon(
            QPolygonF{{1.5, 5.6}, {4.6, 5.6}, {8.6, 2}, {8.6, 14}, {4.6, 10.4}, {1.5, 10.4}});
        p.setBrush(Qt::NoBrush);
        p.setPen(stroke(ink.main, 1.5));
        p.drawArc(QRectF(6.4, 5, 6, 6), -50 * 16, 100 * 16);
        p.drawArc(QRectF(3.8, 2.4, 11.2, 11.2), -50 * 16, 100 * 16);
        return;
    }
}

} // namespace

void draw_pictogram(QPainter& painter, Pictogram pictogram, const QRectF& box,
                    const PictogramInk& ink) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(box.topLeft());
    painter.scale(box.width() / 16, box.height() / 16);
    paint(painter, pictogram, ink);
    painter.restore();
}

} // namespace vimo
