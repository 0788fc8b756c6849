#include "demo_builder/art_painting.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImageWriter>

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

QByteArray encoded_image(const QImage& image, const char* format, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    if (!writer.write(image)) return {};
    return bytes;
}

} // namespace vimo
