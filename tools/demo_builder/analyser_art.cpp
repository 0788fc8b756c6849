#include "demo_builder/analyser_art.h"

#include "demo_builder/art_painting.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace vimo {

namespace {

using namespace art_colour;

// The places of TWavWievForm (audio/analyser.h) the artwork frames, captions or keeps
// free.
constexpr QSize k_window{560, 360};
constexpr int k_strip_height = 32;
constexpr QRect k_title{14, 0, 500, 32}; // inside the drag strip, left of the close cross
constexpr QRect k_upper_view{20, 44, 420, 128};
constexpr QRect k_lower_view{20, 212, 420, 128};
constexpr QPoint k_upper_outline{456, 110};
constexpr QPoint k_lower_outline{456, 278};
constexpr int k_outline_box = 20;
constexpr int k_caption_left = 480; // 4 pixels right of the outline box
constexpr QSize k_button{40, 40};

// The flat ground of the control column on the right: the buttons are keyed for it.
const QColor k_column_ground{244, 248, 251};

// The column behind the controls of one view, from its top to its bottom.
QRectF control_card(const QRect& view) {
    return QRectF(448, view.top() - 6, 104, view.height() + 12);
}

void paint_card(QPainter& painter, const QRectF& card) {
    painter.setPen(QPen(line, 1));
    painter.setBrush(k_column_ground);
    painter.drawRoundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
}

// A thin frame just outside the view, in the view's accent colour, and its caption on
// the ground just above the frame, standing on baseline in pixel_size.
void paint_view(QPainter& painter, const QRect& view, const QColor& accent, const QString& caption,
                int baseline, int pixel_size) {
    paint_field_place(painter, view);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(accent, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(view.adjusted(-2, -2, 1, 1));
    painter.restore();
    painter.setFont(fitted_font(art_font(pixel_size, QFont::Bold), caption, 300));
    painter.setPen(accent.darker(130));
    painter.drawText(QPointF(view.left(), baseline), caption);
}

void paint_outline_caption(QPainter& painter, QPoint box, const QString& caption) {
    const QRectF place(k_caption_left, box.y(), k_window.width() - 6 - k_caption_left,
                       k_outline_box);
    const QFont font = fitted_font(art_font(12), caption, place.width());
    // A caption too long even at the smallest size is cut rather than run off the window.
    painter.save();
    painter.setClipRect(place);
    draw_text(painter, place, caption, font, ink, Qt::AlignLeft | Qt::AlignVCenter);
    painter.restore();
}

// A round button face with its ring, lit from the top left.
void paint_face(QPainter& painter, const QColor& top, const QColor& bottom, const QColor& ring,
                qreal ring_width) {
    QLinearGradient fill(0, 2, 0, 38);
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    painter.setPen(QPen(ring, ring_width));
    painter.setBrush(fill);
    const qreal inset = 1 + ring_width / 2;
    painter.drawEllipse(QRectF(inset, inset, 40 - 2 * inset, 40 - 2 * inset));
}

// A studio microphone: a capsule with its grille, the holder's arc, the stem and foot.
void paint_microphone(QPainter& painter, const QColor& body, const QColor& grille) {
    QLinearGradient capsule(15, 0, 25, 0);
    capsule.setColorAt(0, body.lighter(135));
    capsule.setColorAt(1, body);
    painter.setPen(Qt::NoPen);
    painter.setBrush(capsule);
    painter.drawRoundedRect(QRectF(15, 7, 10, 17), 5, 5);
    painter.setPen(QPen(grille, 1.1));
    for (const qreal y : {11.5, 14.5, 17.5})
        painter.drawLine(QPointF(16.8, y), QPointF(23.2, y));
    painter.setPen(QPen(body, 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(11, 12, 18, 16), 180 * 16, 180 * 16);
    painter.drawLine(QPointF(20, 28), QPointF(20, 32));
    painter.drawLine(QPointF(15, 32.5), QPointF(25, 32.5));
}

void paint_speaker(QPainter& painter, const QColor& body, const QColor& waves) {
    QPainterPath cone;
    cone.moveTo(9, 16);
    cone.lineTo(14, 16);
    cone.lineTo(21, 10);
    cone.lineTo(21, 30);
    cone.lineTo(14, 24);
    cone.lineTo(9, 24);
    cone.closeSubpath();
    QLinearGradient fill(0, 10, 0, 30);
    fill.setColorAt(0, body.lighter(135));
    fill.setColorAt(1, body);
    painter.setPen(QPen(body.darker(115), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPath(cone);
    painter.setPen(QPen(waves, 2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(19, 14, 8, 12), -55 * 16, 110 * 16);
    painter.drawArc(QRectF(19, 10, 13, 20), -55 * 16, 110 * 16);
}

} // namespace

QImage draw_analyser_background(const ArtWording& wording) {
    QImage image(k_window, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paint_window_ground(painter, k_window, k_strip_height);
    const QFont title =
        fitted_font(art_font(15, QFont::Bold), wording.analyser_title, k_title.width());
    draw_text(painter, k_title, wording.analyser_title, title, paper,
              Qt::AlignLeft | Qt::AlignVCenter);
    // The model in the program's blue, the learner's take in amber, as their outlines.
    // The upper caption has only the ten pixels between the strip and the frame: its
    // capitals and accents fit above the baseline there.
    paint_view(painter, k_upper_view, action, wording.analyser_model, 41, 11);
    paint_view(painter, k_lower_view, deep_amber, wording.analyser_take, 206, 12);
    paint_card(painter, control_card(k_upper_view));
    paint_card(painter, control_card(k_lower_view));
    paint_outline_caption(painter, k_upper_outline, wording.analyser_outline);
    paint_outline_caption(painter, k_lower_outline, wording.analyser_outline);
    paint_window_frame(painter, k_window);
    painter.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

QImage draw_analyser_button(AnalyserButton button) {
    QImage canvas = transparent_canvas(k_button);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (button) {
    case AnalyserButton::microphone:
        paint_face(painter, paper, pale, action, 2);
        paint_microphone(painter, sea, mist);
        break;
    case AnalyserButton::microphone_over:
        paint_face(painter, QColor(255, 250, 240), QColor(253, 234, 204), deep_amber, 2.5);
        paint_microphone(painter, sea, mist);
        break;
    case AnalyserButton::microphone_on: {
        paint_face(painter, coral.lighter(125), coral.darker(115), coral.darker(135), 2);
        // A soft light in the middle, as of a lamp that is on.
        QRadialGradient glow(QPointF(20, 18), 16);
        glow.setColorAt(0, QColor(255, 255, 255, 70));
        glow.setColorAt(1, QColor(255, 255, 255, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow);
        painter.drawEllipse(QPointF(20, 18), 16, 16);
        paint_microphone(painter, paper, coral);
        break;
    }
    case AnalyserButton::speaker:
        paint_face(painter, paper, pale, deep_teal, 2);
        paint_speaker(painter, action, deep_teal);
        break;
    }
    painter.end();
    return keyed_picture(canvas, k_column_ground);
}

QStringList write_analyser_language_pictures(const QString& language_gfx_folder,
                                             const ArtWording& wording) {
    return {write_picture(language_gfx_folder + QStringLiteral("mowa.bmp"),
                          draw_analyser_background(wording), "BMP")};
}

QStringList write_analyser_pictures(const QString& course_root) {
    const struct {
        const char* file;
        AnalyserButton button;
    } pictures[] = {
        {"mikrofon.bmp", AnalyserButton::microphone},
        {"mikrofon_nad.bmp", AnalyserButton::microphone_over},
        {"mikrofon_on.bmp", AnalyserButton::microphone_on},
        {"glosnik.bmp", AnalyserButton::speaker},
    };
    QStringList written;
    for (const auto& picture : pictures)
        written << write_picture(course_root + QStringLiteral("gfx_r/") +
                                     QLatin1String(picture.file),
                                 draw_analyser_button(picture.button), "BMP");
    return written;
}

} // namespace vimo
