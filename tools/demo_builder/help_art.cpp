#include "demo_builder/help_art.h"

#include "controls/button_pictures.h"
#include "demo_builder/art_painting.h"
#include "demo_builder/demo_course.h"
#include "demo_builder/pictograms.h"
#include "demo_builder/source_text.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace vimo {

namespace {

namespace bp = button_picture;

void paint_strip_ground(QPainter& painter, const QRectF& box) {
    QLinearGradient ground(box.topLeft(), box.bottomLeft());
    ground.setColorAt(0, art_colour::night);
    ground.setColorAt(1, art_colour::sea);
    painter.fillRect(box, ground);
}

// A left arrow on the 16-unit grid of the pictograms, scaled into box.
void draw_back_arrow(QPainter& painter, const QRectF& box, const QColor& ink) {
    const qreal unit = box.width() / 16;
    QPainterPath arrow;
    arrow.moveTo(box.left() + 2 * unit, box.top() + 8 * unit);
    arrow.lineTo(box.left() + 8 * unit, box.top() + 2 * unit);
    arrow.lineTo(box.left() + 8 * unit, box.top() + 5.5 * unit);
    arrow.lineTo(box.left() + 14 * unit, box.top() + 5.5 * unit);
    arrow.lineTo(box.left() + 14 * unit, box.top() + 10.5 * unit);
    arrow.lineTo(box.left() + 8 * unit, box.top() + 10.5 * unit);
    arrow.lineTo(box.left() + 8 * unit, box.top() + 14 * unit);
    arrow.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPath(arrow);
}

void paint_help_button(QPainter& painter, const QRectF& box, int number, bool highlighted) {
    using namespace art_colour;
    const ButtonFace face{highlighted ? QColor(222, 245, 242) : paper, highlighted ? amber : action,
                          ink, 6, 12};
    draw_button(painter, box, QString(), face);
    const QRectF icon = box.adjusted(6, 6, -6, -6);
    if (number == bp::help_back) {
        draw_back_arrow(painter, icon, highlighted ? deep_amber : action);
    } else {
        draw_pictogram(painter, Pictogram::book, icon,
                       {ink, highlighted ? deep_amber : action, paper});
    }
}

// The help window's strip in miniature with its four buttons, for the help pages.
QImage draw_help_window_sketch() {
    using namespace art_colour;
    QImage image(240, 180, QImage::Format_RGB32);
    image.fill(paper);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRect(0, 0, 150, 180), pale);
    for (int row = 0; row < 8; ++row) {
        painter.fillRect(QRect(14, 20 + row * 18, row % 3 == 2 ? 70 : 110, 6),
                         row == 0 ? ink : art_colour::line);
    }
    paint_strip_ground(painter, QRectF(150, 0, 90, 180));
    paint_help_button(painter, QRectF(160, 44, 33, 33), bp::help_back, false);
    paint_help_button(painter, QRectF(199, 44, 33, 33), bp::help_contents, false);
    draw_button(painter, QRectF(160, 92, 72, 34), QStringLiteral("Drukuj"),
                ButtonFace{paper, action, ink, 6, 11});
    painter.setBrush(coral);
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(212, 8, 20, 20), 4, 4);
    draw_pictogram(painter, Pictogram::cross, QRectF(215, 11, 14, 14), {paper, paper, coral});
    return image;
}

// The chooser's tree in miniature: folded and unfolded lessons with score bars.
QImage draw_chooser_sketch() {
    using namespace art_colour;
    QImage image(360, 190, QImage::Format_RGB32);
    image.fill(paper);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRect(0, 0, 360, 28), night);
    draw_text(painter, QRectF(10, 0, 340, 28), QStringLiteral("Lekcje i ćwiczenia"),
              art_font(13, QFont::Bold), paper, Qt::AlignLeft | Qt::AlignVCenter);
    const struct {
        int indent;
        Pictogram icon;
        const char* text;
        int score;
    } rows[] = {
        {0, Pictogram::minus, "Lekcja 1: Dzień dobry", -1},
        {18, Pictogram::film, "Film: poranek", -1},
        {36, Pictogram::choice_list, "Wybór odpowiedzi", 80},
        {36, Pictogram::true_false, "Prawda czy fałsz", 45},
        {0, Pictogram::plus, "Lekcja 2: W sklepie", -1},
        {0, Pictogram::plus, "Słówka", -1},
    };
    int y = 36;
    for (const auto& row : rows) {
        draw_pictogram(painter, row.icon, QRectF(10 + row.indent, y + 2, 16, 16),
                       {ink, deep_amber, paper});
        draw_text(painter, QRectF(32 + row.indent, y, 220, 20), QString::fromUtf8(row.text),
                  art_font(12), ink, Qt::AlignLeft | Qt::AlignVCenter);
        if (row.score >= 0) {
            painter.fillRect(QRect(270, y + 5, 80, 10), line);
            painter.fillRect(QRect(270, y + 5, row.score * 80 / 100, 10),
                             row.score > 50 ? leaf : amber);
        }
        y += 25;
    }
    return image;
}

// The keys the help pages name, as key caps.
QImage draw_keys_sketch() {
    using namespace art_colour;
    QImage image(330, 64, QImage::Format_RGB32);
    image.fill(paper);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QString keys[] = {QStringLiteral("F1"), QStringLiteral("Esc"), QStringLiteral("Enter"),
                            QStringLiteral("Spacja")};
    const int widths[] = {50, 60, 80, 100};
    int x = 8;
    for (int i = 0; i < 4; ++i) {
        const QRectF cap(x, 10, widths[i], 44);
        painter.setPen(QPen(ink, 1));
        painter.setBrush(pale);
        painter.drawRoundedRect(cap, 6, 6);
        painter.fillRect(cap.adjusted(4, 36, -4, -3), line);
        draw_text(painter, cap.adjusted(0, 0, 0, -6), keys[i], art_font(15, QFont::Bold), ink);
        x += widths[i] + 8;
    }
    return image;
}

} // namespace

QImage draw_help_strip() {
    using namespace art_colour;
    QImage image(help_strip_area::size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paint_strip_ground(painter, QRectF(QPointF(0, 0), QSizeF(help_strip_area::size)));
    // A thin edge towards the page; the button places keep the plain ground.
    painter.fillRect(QRect(0, 0, 2, 768), amber);
    painter.fillRect(QRect(14, 92, 72, 1), mist);
    painter.fillRect(QRect(14, 234, 72, 1), mist);
    // Lower down, the window's sign: a question mark in a ring, and the course's name.
    painter.setPen(QPen(teal, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(22, 600, 56, 56));
    draw_pictogram(painter, Pictogram::question, QRectF(32, 610, 36, 36), {teal, amber, sea});
    draw_text(painter, QRectF(4, 670, 92, 20), QStringLiteral("Lexaro Vimo"),
              art_font(12, QFont::Bold), mist);
    return image;
}

QImage draw_reading_window() {
    QImage image(k_reading_window_size, QImage::Format_RGB32);
    QPainter painter(&image);
    paint_window_ground(painter, k_reading_window_size, k_reading_header_height);
    // A page-coloured place under the viewer; its edge shows round the page.
    painter.fillRect(QRect(1, k_reading_header_height, 728, 683), art_colour::line);
    paint_window_frame(painter, k_reading_window_size);
    return image;
}

QImage draw_help_button_strip(int number) {
    if (number != bp::help_back && number != bp::help_contents) return {};
    const QSize frame = k_help_button_frame;
    QImage canvas = transparent_canvas(QSize(frame.width() * 2, frame.height()));
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const bool highlighted : {false, true}) {
        const QRectF box(QPointF(highlighted ? frame.width() : 0, 0), QSizeF(frame));
        paint_help_button(painter, box, number, highlighted);
    }
    painter.end();
    return keyed_picture(canvas, art_colour::night);
}

QList<HelpPagePicture> draw_help_page_pictures() {
    return {
        {QStringLiteral("okno_pomocy.png"), draw_help_window_sketch(), "PNG"},
        {QStringLiteral("wybor.jpg"), draw_chooser_sketch(), "JPG"},
        {QStringLiteral("klawisze.bmp"), draw_keys_sketch(), "BMP"},
    };
}

QStringList write_help_language_pictures(const QString& course_root, int interface_language) {
    const QString language = course_root + QStringLiteral("Lang_r/%1/").arg(interface_language);
    QStringList written;
    written << write_picture(language + QStringLiteral("gfx_r/reading.bmp"), draw_reading_window(),
                             "BMP");
    for (const int number : {bp::help_back, bp::help_contents}) {
        written << write_picture(language + QStringLiteral("but_r/%1.bmp").arg(number),
                                 draw_help_button_strip(number), "BMP");
    }
    return written;
}

QStringList write_help_pictures(const QString& course_root) {
    QStringList written;
    written << write_picture(course_root + QStringLiteral("gfx_r/pod_pasek_help.bmp"),
                             draw_help_strip(), "BMP");
    for (const HelpPagePicture& picture : draw_help_page_pictures()) {
        written << write_picture(course_root + QStringLiteral("Htm_r/gfx/") + picture.file,
                                 picture.image, picture.format);
    }
    return written;
}

} // namespace vimo
