#include "controls/button_pictures.h"
#include "demo_builder/art_painting.h"
#include "demo_builder/pictograms.h"
#include "demo_builder/screen_art.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace vimo {

namespace {

namespace bp = button_picture;
static_assert(bp::kButtonPictureCount == k_button_count);

// How a button looks: text buttons in three weights, the main menu's tiles, round icon
// buttons, the square exit button, and the fillers.
enum class Look { primary, secondary, danger, tile, round, corner, filler };

struct ButtonDesign {
    int number = 0;
    QSize frame;
    Look look = Look::filler;
    QString ArtWording::*label = nullptr;
    std::optional<Pictogram> icon;
};

using enum Look;
using P = Pictogram;

const std::array k_designs{
    // The vocabulary drill's small round buttons: go on, run the tab again, hear the word.
    ButtonDesign{bp::drill_ok, {33, 33}, round, nullptr, P::next},
    ButtonDesign{bp::drill_repeat, {33, 33}, round, nullptr, P::repeat},
    ButtonDesign{bp::drill_play, {33, 33}, round, nullptr, P::loudspeaker},
    ButtonDesign{bp::play, {56, 56}, round, nullptr, P::play},
    ButtonDesign{bp::dictionary, {80, 50}, secondary, &ArtWording::button_dictionary, P::book},
    ButtonDesign{bp::again, {80, 50}, secondary, &ArtWording::button_again, P::repeat},
    ButtonDesign{bp::print, {80, 50}, secondary, &ArtWording::button_print, P::printer},
    ButtonDesign{bp::glossary, {80, 50}, secondary, &ArtWording::button_glossary, P::glossary},
    ButtonDesign{bp::lessons, {110, 100}, tile, &ArtWording::button_lessons, P::book},
    ButtonDesign{bp::expand_all, {130, 32}, secondary, &ArtWording::button_expand_all, P::plus},
    ButtonDesign{
        bp::collapse_all, {130, 32}, secondary, &ArtWording::button_collapse_all, P::minus},
    ButtonDesign{
        bp::delete_one_repetition, {140, 24}, danger, &ArtWording::button_delete_one, std::nullopt},
    ButtonDesign{bp::delete_all_repetitions,
                 {130, 40},
                 danger,
                 &ArtWording::button_delete_all,
                 std::nullopt},
    ButtonDesign{bp::ok, {120, 36}, primary, &ArtWording::button_ok, std::nullopt},
    ButtonDesign{bp::close, {120, 36}, secondary, &ArtWording::button_close, std::nullopt},
    ButtonDesign{bp::new_learner, {200, 36}, secondary, &ArtWording::button_new_learner, P::plus},
    ButtonDesign{bp::exit, {25, 25}, corner, nullptr, P::cross},
    ButtonDesign{bp::help, {25, 25}, round, nullptr, P::question},
    ButtonDesign{bp::next, {56, 56}, round, nullptr, P::next},
    ButtonDesign{bp::repetitions, {110, 100}, tile, &ArtWording::button_repetitions, P::repeat},
    ButtonDesign{bp::check, {80, 50}, primary, &ArtWording::button_check, P::tick},
    ButtonDesign{bp::film, {38, 38}, round, nullptr, P::film},
    ButtonDesign{bp::analyser, {56, 56}, round, nullptr, P::waveform},
    ButtonDesign{bp::web_page, {38, 38}, round, nullptr, P::globe},
    ButtonDesign{bp::tips, {80, 50}, secondary, &ArtWording::button_tips, P::bulb},
    ButtonDesign{bp::search, {24, 24}, round, nullptr, P::magnifier},
    ButtonDesign{bp::more, {50, 24}, secondary, &ArtWording::button_more, std::nullopt},
    ButtonDesign{bp::translation, {80, 50}, secondary, &ArtWording::button_translation, P::globe},
};

ButtonDesign design_of(int number) {
    const auto found = std::ranges::find(k_designs, number, &ButtonDesign::number);
    if (found != k_designs.end()) return *found;
    return {number, k_filler_button_size, filler, nullptr, std::nullopt};
}

// The colours a face is drawn in, normal or highlighted.
struct Face {
    QColor top;
    QColor bottom;
    QColor border;
    qreal border_width = 1;
    QColor ink;    // label and pictogram lines
    QColor accent; // the pictogram's second colour
    QColor paper;  // inside the pictogram's outlined shapes
};

const QColor k_light_teal{222, 245, 242};

Face face_of(Look look, bool highlighted) {
    using namespace art_colour;
    // The highlight is the same everywhere: a brighter face in an amber ring.
    switch (look) {
    case primary:
    case round:
        if (highlighted)
            return {action.lighter(150), action.lighter(112), amber, 2, paper, amber, action};
        return {
            action.lighter(118), action.darker(108), action.darker(135), 1, paper, amber, action};
    case secondary:
        if (highlighted)
            return {k_light_teal, QColor(200, 235, 231), amber, 2, ink, deep_amber, paper};
        return {paper, pale, action, 1, ink, deep_amber, paper};
    case danger:
        if (highlighted)
            return {coral.lighter(115), coral, coral.darker(125), 1, paper, paper, coral};
        return {paper, QColor(253, 238, 234), coral, 1, coral.darker(115), coral, paper};
    case tile:
        if (highlighted) return {amber.lighter(112), deep_amber, paper, 2, night, night, amber};
        return {QColor(44, 122, 160), sea, QColor(110, 180, 205), 1, paper, amber, sea};
    case corner:
        if (highlighted)
            return {coral.lighter(110), coral.darker(110), paper, 1, paper, paper, coral};
        return {
            QColor(40, 96, 128), QColor(28, 72, 100), QColor(96, 150, 180), 1, paper, paper, sea};
    case filler:
        if (highlighted) return {paper, k_light_teal, action, 1, ink, action, paper};
        return {paper, pale, line, 1, ink, action, paper};
    }
    return {};
}

// The ground a button usually stands on, for its smooth edges: the main menu's sea for
// the tiles, the dark caption strips for the exit cross, the light windows for the rest.
QColor ground_of(Look look) {
    if (look == tile) return {20, 70, 98};
    if (look == corner) return {14, 44, 68};
    return {242, 246, 250};
}

qreal radius_of(Look look, QSizeF size) {
    switch (look) {
    case tile:
        return 14;
    case corner:
        return 6;
    case round:
        return size.height() / 2;
    case filler:
        return 6;
    default:
        return std::min(8.0, size.height() / 2 - 2);
    }
}

void paint_shape(QPainter& painter, const QRectF& box, Look look, const Face& face) {
    const qreal inset = face.border_width / 2;
    const QRectF shape = box.adjusted(inset, inset, -inset, -inset);
    QLinearGradient fill(shape.topLeft(), shape.bottomLeft());
    fill.setColorAt(0, face.top);
    fill.setColorAt(1, face.bottom);
    painter.setPen(QPen(face.border, face.border_width));
    painter.setBrush(fill);
    const qreal radius = radius_of(look, shape.size());
    if (look == round) {
        painter.drawEllipse(shape);
    } else {
        painter.drawRoundedRect(shape, radius, radius);
    }
    // A faint sheen along the top edge gives the faces some depth.
    if (look == filler) return;
    QLinearGradient sheen(shape.topLeft(), shape.bottomLeft());
    sheen.setColorAt(0, QColor(255, 255, 255, 70));
    sheen.setColorAt(0.5, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sheen);
    const QRectF upper =
        shape.adjusted(face.border_width, face.border_width, -face.border_width, 0);
    if (look == round) {
        painter.drawEllipse(upper.adjusted(0, 0, 0, -upper.height() * 0.05));
    } else {
        painter.drawRoundedRect(upper, radius, radius);
    }
}

int label_pixel_size(QSize frame) {
    if (frame.height() <= 24) return 11;
    if (frame.height() <= 32) return 13;
    if (frame.height() < 44) return 14;
    return 16;
}

// A pictogram (when any) and the label on one line, centred together.
void paint_inline_label(QPainter& painter, const QRectF& box, const QString& label,
                        std::optional<Pictogram> icon, const Face& face, QSize frame) {
    const qreal icon_size = icon ? std::round(frame.height() * 0.42) : 0;
    const qreal gap = icon ? 7 : 0;
    const QRectF room = box.adjusted(8, 0, -8, 0);
    const QFont font = fitted_font(art_font(label_pixel_size(frame), QFont::Bold), label,
                                   room.width() - icon_size - gap);
    const qreal text_width = QFontMetricsF(font).horizontalAdvance(label);
    const qreal left = box.center().x() - (icon_size + gap + text_width) / 2;
    if (icon) {
        const QRectF icon_box(left, box.center().y() - icon_size / 2, icon_size, icon_size);
        draw_pictogram(painter, *icon, icon_box, {face.ink, face.accent, face.paper});
    }
    draw_text(painter, QRectF(left + icon_size + gap, box.top(), text_width + 2, box.height()),
              label, font, face.ink, Qt::AlignLeft | Qt::AlignVCenter);
}

// A pictogram above the label, for the taller buttons of the exercise screens and the
// main menu's tiles.
void paint_stacked_label(QPainter& painter, const QRectF& box, const QString& label, Pictogram icon,
                         const Face& face, bool tile_size) {
    const qreal icon_size = tile_size ? 44 : 22;
    const qreal icon_top = box.top() + (tile_size ? 14 : 5);
    const QRectF icon_box(box.center().x() - icon_size / 2, icon_top, icon_size, icon_size);
    draw_pictogram(painter, icon, icon_box, {face.ink, face.accent, face.paper});
    const qreal label_top = icon_box.bottom() + (tile_size ? 6 : 1);
    const QRectF label_box(box.left() + 4, label_top, box.width() - 8,
                           box.bottom() - label_top - (tile_size ? 10 : 4));
    draw_text(painter, label_box, label, art_font(tile_size ? 16 : 11, QFont::Bold), face.ink);
}

void paint_face(QPainter& painter, const QRectF& box, const ButtonDesign& design,
                const ArtWording& wording, bool highlighted) {
    const Face face = face_of(design.look, highlighted);
    paint_shape(painter, box, design.look, face);
    if (design.label != nullptr) {
        const QString& label = wording.*design.label;
        const bool stacked = design.icon && (design.frame.height() >= 50);
        if (stacked) {
            paint_stacked_label(painter, box, label, *design.icon, face, design.look == tile);
        } else {
            paint_inline_label(painter, box, label, design.icon, face, design.frame);
        }
        return;
    }
    if (!design.icon) return;
    // Icon buttons: the pictogram fills the middle of the face.
    // The smallest faces need a larger share to stay legible.
    const bool small = design.frame.height() <= 25;
    const qreal share = design.look == corner ? 0.8 : small ? 0.76 : 0.56;
    const qreal side = std::round(std::min(box.width(), box.height()) * share);
    const QRectF icon_box(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    draw_pictogram(painter, *design.icon, icon_box, {face.ink, face.accent, face.paper});
}

} // namespace

void paint_window_button(QPainter& painter, const QRectF& box, const QString& label, bool primary) {
    const Look look = primary ? Look::primary : Look::secondary;
    const Face face = face_of(look, false);
    paint_shape(painter, box, look, face);
    paint_inline_label(painter, box, label, std::nullopt, face, box.size().toSize());
}

QSize button_frame_size(int number) {
    return design_of(number).frame;
}

QImage draw_button_strip(int number, const ArtWording& wording) {
    const ButtonDesign design = design_of(number);
    const QSize frame = design.frame;
    QImage canvas = transparent_canvas(QSize(frame.width() * 2, frame.height()));
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const bool highlighted : {false, true}) {
        const QRectF box(QPointF(highlighted ? frame.width() : 0, 0), QSizeF(frame));
        paint_face(painter, box, design, wording, highlighted);
    }
    painter.end();
    return keyed_picture(canvas, ground_of(design.look));
}

} // namespace vimo
