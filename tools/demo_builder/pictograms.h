#pragma once
// Small line drawings shared by the buttons and the chooser's icons, each designed on a
// 16 by 16 grid and scaled into the box it is drawn in.

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace vimo {

enum class Pictogram {
    cross,
    question,
    play,
    next,
    film,
    globe,
    waveform,
    magnifier,
    book,
    repeat,
    printer,
    tick,
    bulb,
    glossary,
    plus,
    minus,
    headphones,
    page,
    card_stack,
    word_list,
    choice_list,
    true_false,
    sorting,
    gap_typing,
    definition,
    ordering,
    text_gap,
    puzzle,
    dictation,
    sentence_translation,
    picture_listening,
    microphone,
    envelope,
    sentence_drop,
    ear_question,
    meaning,
    word_dictation,
    word_translation,
    dialogue_listening,
    dialogue_speaking,
    dialogue_question,
    dialogue_gap,
    loudspeaker,
};

// The colours of a pictogram: lines and solid parts, the second colour of the drawings
// that have one, and the inside of outlined shapes (pages, cards).
struct PictogramInk {
    QColor main;
    QColor accent;
    QColor paper;
};

// Draws pictogram scaled to fill box (keep box square for undistorted drawings).
void draw_pictogram(QPainter& painter, Pictogram pictogram, const QRectF& box,
                    const PictogramInk& ink);

} // namespace vimo
