#include "demo_builder/art_painting.h"

#include "demo_builder/demo_course.h"
#include "demo_builder/source_text.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImageWriter>
#include <QLinearGradient>

namespace vimo {

QFont art_font(int pixel_size, QFont::Weight weight) {
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(pixel_size);
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont fitted_font(QFont font, const QString& text, qreal width) {
    constexpr int smallest = 9;
    while (font.pixelSize() > smallest && QFontMetricsF(font).horizontalAdvance(text) > width) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

void draw_text(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
               const QColor& colour, int flags) {
    painter.setFont(fitted_font(font, text, box.width()));
    painter.setPen(colour);
    painter.drawText(box, flags | Qt::TextSingleLine, text);
}

void draw_button(QPainter& painter, const QRectF& box, const QString& label,
                 const ButtonFace& face) {
    const QRectF outline = box.adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(face.border.isValid() ? QPen(face.border, 1) : QPen(Qt::NoPen));
    painter.setBrush(face.fill);
    painter.drawRoundedRect(outline, face.radius, face.radius);
    const QRectF text_box = box.adjusted(6, 0, -6, 0);
    draw_text(painter, text_box, label, art_font(face.pixel_size, QFont::Bold), face.ink);
}

QStringList balanced_lines(const QString& text, const QFont& font, qreal width) {
    const QFontMetricsF metrics(font);
    if (metrics.horizontalAdvance(text) <= width) return {text};
    QStringList best{text};
    qreal best_width = metrics.horizontalAdvance(text);
    for (qsizetype space = text.indexOf(u' '); space >= 0; space = text.indexOf(u' ', space + 1)) {
        const QString first = text.left(space);
        const QString second = text.mid(space + 1);
        const qreal wider =
            std::max(metrics.horizontalAdvance(first), metrics.horizontalAdvance(second));
        if (wider >= best_width) continue;
        best = {first, second};
        best_width = wider;
    }
    return best;
}

void draw_text_block(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                     const QColor& colour) {
    const QStringList lines = balanced_lines(text, font, box.width());
    QFont line_font = font;
    for (const QString& line : lines) {
        line_font = fitted_font(line_font, line, box.width());
    }
    const qreal line_height = QFontMetricsF(line_font).lineSpacing() * 1.15;
    const qreal top = box.center().y() - line_height * static_cast<qreal>(lines.size()) / 2;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QRectF line_box(box.left(), top + line_height * static_cast<qreal>(i), box.width(),
                              line_height);
        draw_text(painter, line_box, lines[i], line_font, colour);
    }
}

QImage transparent_canvas(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage keyed_picture(const QImage& drawn, const QColor& ground) {
    constexpr int least_cover = 64;
    const QImage source = drawn.convertToFormat(QImage::Format_ARGB32);
    QImage keyed(source.size(), QImage::Format_RGB888);
    const QRgb key = art_colour::key.rgb();
    const auto over = [](int top, int alpha, int bottom) {
        return (top * alpha + bottom * (255 - alpha) + 127) / 255;
    };
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb pixel = source.pixel(x, y);
            const int alpha = qAlpha(pixel);
            if (alpha < least_cover) {
                keyed.setPixel(x, y, key);
                continue;
            }
            QRgb shown = qRgb(over(qRed(pixel), alpha, ground.red()),
                              over(qGreen(pixel), alpha, ground.green()),
                              over(qBlue(pixel), alpha, ground.blue()));
            // A drawn pixel never turns transparent by chance.
            if (shown == key) shown = qRgb(254, 0, 254);
            keyed.setPixel(x, y, shown);
        }
    }
    if (!keyed.isNull()) keyed.setPixel(0, keyed.height() - 1, key);
    return keyed;
}

void paint_window_ground(QPainter& painter, QSize size, int caption_height) {
    QLinearGradient paper(0, caption_height, 0, size.height());
    paper.setColorAt(0, art_colour::paper);
    paper.setColorAt(1, art_colour::pale);
    painter.fillRect(QRect(QPoint(0, 0), size), paper);
    if (caption_height <= 0) {
        painter.fillRect(QRect(0, 0, size.width(), 3), art_colour::action);
        return;
    }
    // Kept plain apart from its gradient: the program paints the caption here in white.
    QLinearGradient strip(0, 0, size.width(), 0);
    strip.setColorAt(0, art_colour::night);
    strip.setColorAt(1, art_colour::sea);
    painter.fillRect(QRect(0, 0, size.width(), caption_height), strip);
}

void paint_window_footer(QPainter& painter, QSize size, int top) {
    painter.fillRect(QRect(0, top, size.width(), size.height() - top), art_colour::pale);
    painter.fillRect(QRect(0, top, size.width(), 1), art_colour::line);
}

void paint_window_frame(QPainter& painter, QSize size) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(art_colour::night, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(QPoint(0, 0), size - QSize(1, 1)));
    painter.restore();
}

void paint_field_place(QPainter& painter, const QRect& place) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(art_colour::line, 1));
    painter.setBrush(art_colour::paper);
    painter.drawRect(place.adjusted(-1, -1, 0, 0));
    painter.restore();
}

QByteArray encoded_image(const QImage& image, const char* format, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    if (!writer.write(image)) return {};
    return bytes;
}

QString write_picture(const QString& path, const QImage& image, const char* format) {
    constexpr int jpeg_quality = 90;
    const QByteArray bytes =
        encoded_image(image, format, QByteArray(format) == "JPG" ? jpeg_quality : -1);
    if (bytes.isEmpty())
        throw DemoSourceError(path, 0, QStringLiteral("picture cannot be encoded"));
    write_file_atomically(path, bytes);
    return path;
}

} // namespace vimo
