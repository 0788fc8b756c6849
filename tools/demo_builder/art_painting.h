#pragma once
// Small drawing helpers shared by the demo course's pictures.

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace vimo {

// "Verdana" at a pixel size; fontconfig stands in DejaVu Sans where Verdana is absent.
QFont art_font(int pixel_size, QFont::Weight weight = QFont::Normal);

// font, made smaller until text fits into width (never below 9 pixels), so that a
// longer translation still fits its place.
QFont fitted_font(QFont font, const QString& text, qreal width);

// text in one line, centred in box (or left-aligned with flags), in font and colour.
void draw_text(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
               const QColor& colour, int flags = Qt::AlignCenter);

// text as one line when it fits into width, else split at the space that makes the
// two lines most even.
QStringList balanced_lines(const QString& text, const QFont& font, qreal width);

// text centred in box as one or two balanced lines, shrunk if a line still does not fit.
void draw_text_block(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                     const QColor& colour);

// A rounded button face: fill, a 1-pixel outline when border is valid, and its label
// centred and shrunk to fit.
struct ButtonFace {
    QColor fill;
    QColor border;
    QColor ink;
    qreal radius = 8;
    int pixel_size = 14;
};
void draw_button(QPainter& painter, const QRectF& box, const QString& label,
                 const ButtonFace& face);

// The image encoded in format ("JPG", "BMP"); quality applies to JPEG only.
QByteArray encoded_image(const QImage& image, const char* format, int quality = -1);

} // namespace vimo
