#include "demo_builder/media_art.h"

#include "controls/button_pictures.h"
#include "demo_builder/art_painting.h"
#include "demo_builder/demo_course.h"
#include "demo_builder/pictograms.h"
#include "demo_builder/source_text.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <array>

namespace vimo {

namespace {

namespace bp = button_picture;

// The window is black; its bars are a deep blue-black so that the light buttons and
// the program's grey position bar stand out on them.
const QColor k_bar_top{30, 52, 72};
const QColor k_bar_bottom{8, 18, 28};

enum class Glyph { play, pause, stop, digit };

struct MediaButton {
    int number;
    Glyph glyph;
    int digit; // for the marks
};

constexpr std::array k_media_buttons{
    MediaButton{bp::media_play, Glyph::play, 0},    MediaButton{bp::media_pause, Glyph::pause, 0},
    MediaButton{bp::media_stop, Glyph::stop, 0},    MediaButton{bp::media_mark_1, Glyph::digit, 1},
    MediaButton{bp::media_mark_2, Glyph::digit, 2}, MediaButton{bp::media_mark_3, Glyph::digit, 3},
    MediaButton{bp::media_mark_4, Glyph::digit, 4},
};

void paint_glyph(QPainter& painter, const QRectF& face, const MediaButton& button,
                 const QColor& ink) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    const QPointF c = face.center();
    switch (button.glyph) {
    case Glyph::play: {
        QPainterPath triangle;
        triangle.moveTo(c.x() - 3, c.y() - 5);
        triangle.lineTo(c.x() + 5, c.y());
        triangle.lineTo(c.x() - 3, c.y() + 5);
        triangle.closeSubpath();
        painter.drawPath(triangle);
        break;
    }
    case Glyph::pause:
        painter.drawRect(QRectF(c.x() - 4.5, c.y() - 5, 3.5, 10));
        painter.drawRect(QRectF(c.x() + 1, c.y() - 5, 3.5, 10));
        break;
    case Glyph::stop:
        painter.drawRect(QRectF(c.x() - 4.5, c.y() - 4.5, 9, 9));
        break;
    case Glyph::digit:
        draw_text(painter, face, QString::number(button.digit), art_font(13, QFont::Bold), ink);
        break;
    }
}

// One frame: a round face, the marks in the course's teal and the transport buttons in
// its action blue; the highlighted frame lighter, in an amber ring.
QImage draw_frame(const MediaButton& button, bool highlighted) {
    QImage canvas = transparent_canvas(k_media_button_frame);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor base = button.glyph == Glyph::digit ? art_colour::deep_teal : art_colour::action;
    const qreal ring = highlighted ? 2 : 1;
    const QRectF face = QRectF(QPointF(0, 0), QSizeF(k_media_button_frame))
                            .adjusted(ring / 2, ring / 2, -ring / 2, -ring / 2);
    QLinearGradient fill(face.topLeft(), face.bottomLeft());
    fill.setColorAt(0, highlighted ? base.lighter(150) : base.lighter(115));
    fill.setColorAt(1, highlighted ? base.lighter(110) : base.darker(110));
    painter.setPen(QPen(highlighted ? art_colour::amber : base.darker(140), ring));
    painter.setBrush(fill);
    painter.drawEllipse(face);
    paint_glyph(painter, face, button, art_colour::paper);
    painter.end();
    return canvas;
}

QImage bar_ground(QSize size, bool framed) {
    QImage image(size, QImage::Format_RGB888);
    QPainter painter(&image);
    QLinearGradient fill(0, 0, 0, size.height());
    fill.setColorAt(0, k_bar_top);
    fill.setColorAt(1, k_bar_bottom);
    painter.fillRect(image.rect(), fill);
    painter.setPen(art_colour::sea);
    painter.drawLine(0, 0, size.width() - 1, 0);
    if (framed) {
        // The sound window has no title strip: a frame sets it off from the exercise.
        painter.setPen(art_colour::action);
        painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    }
    return image;
}

// The wide sound bar keeps its marks apart from the transport with a faint divider.
QImage audio_big_bar() {
    QImage image = bar_ground({290, 33}, true);
    QPainter painter(&image);
    painter.setPen(art_colour::sea);
    painter.drawLine(187, 6, 187, 26);
    return image;
}

// The strip above the film: a small film pictogram at the left, grip dots saying the
// strip can be dragged, and room at the right for the program's white close cross.
QImage top_strip() {
    QImage image(336, 20, QImage::Format_RGB888);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(image.rect(), art_colour::night);
    painter.setPen(art_colour::sea);
    painter.drawLine(0, 19, 335, 19);
    draw_pictogram(painter, Pictogram::film, QRectF(4, 2, 15, 15),
                   {art_colour::mist, art_colour::amber, art_colour::night});
    painter.setPen(Qt::NoPen);
    painter.setBrush(art_colour::sea.lighter(140));
    for (int k = 0; k < 12; ++k)
        painter.drawEllipse(QPointF(130 + 6 * k, 9), 1.2, 1.2);
    return image;
}

} // namespace

QImage draw_media_button_strip(int number) {
    for (const MediaButton& button : k_media_buttons) {
        if (button.number != number) continue;
        const int width = k_media_button_frame.width();
        QImage strip = transparent_canvas({2 * width, k_media_button_frame.height()});
        QPainter painter(&strip);
        painter.drawImage(0, 0, draw_frame(button, false));
        painter.drawImage(width, 0, draw_frame(button, true));
        painter.end();
        return keyed_picture(strip, k_bar_top);
    }
    return {};
}

QList<MediaPicture> draw_media_pictures() {
    return {
        {QStringLiteral("video_dol.bmp"), bar_ground({336, 36}, false)},
        {QStringLiteral("audio_dol.bmp"), bar_ground({200, 33}, true)},
        {QStringLiteral("audio_dol_big.bmp"), audio_big_bar()},
        {QStringLiteral("gora.bmp"), top_strip()},
    };
}

QStringList write_media_buttons(const QString& buttons_folder) {
    QStringList written;
    for (const MediaButton& button : k_media_buttons) {
        written << write_picture(buttons_folder + QStringLiteral("%1.bmp").arg(button.number),
                                 draw_media_button_strip(button.number), "BMP");
    }
    return written;
}

QStringList write_media_pictures(const QString& course_root) {
    QStringList written;
    for (const MediaPicture& picture : draw_media_pictures())
        written << write_picture(course_root + QStringLiteral("gfx_r/multimedia/") + picture.file,
                                 picture.image, "BMP");
    return written;
}

} // namespace vimo
