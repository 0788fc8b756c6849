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

// The palette every picture of the demo course draws from.
namespace art_colour {
inline const QColor night{11, 34, 56};
inline const QColor sea{22, 82, 112};
inline const QColor action{31, 111, 153};
inline const QColor teal{95, 211, 198};
inline const QColor deep_teal{28, 150, 140};
inline const QColor amber{244, 184, 96};
inline const QColor deep_amber{222, 146, 48};
inline const QColor mist{168, 230, 240};
inline const QColor ink{18, 50, 74};
inline const QColor paper{255, 255, 255};
inline const QColor pale{236, 242, 247};
inline const QColor line{190, 205, 218};
inline const QColor coral{204, 82, 64};
inline const QColor leaf{58, 160, 92};
// The transparent colour of the keyed pictures; nothing they show has it.
inline const QColor key{255, 0, 255};
} // namespace art_colour

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

// A picture drawn on a transparent ground, made into the 24-bit picture of a bitmap whose
// bottom-left pixel is its transparent colour: pixels covered by less than a quarter become
// art_colour::key, the others are laid over ground (the colour the picture is usually
// shown on) so that the edges stay smooth there. The bottom-left pixel is always the key.
QImage keyed_picture(const QImage& drawn, const QColor& ground);

// An ARGB image of size filled with transparency, to draw a keyed picture into.
QImage transparent_canvas(QSize size);

// The common parts of the small windows: a light ground, a dark strip of caption_height
// along the top for the caption the program paints in white (a thin accent line instead
// when 0), and a one-pixel frame.
void paint_window_ground(QPainter& painter, QSize size, int caption_height);
void paint_window_frame(QPainter& painter, QSize size);
// A tinted band from y top to the bottom behind a window's buttons.
void paint_window_footer(QPainter& painter, QSize size, int top);
// A plain white place with a thin line just outside it, where the program paints a field
// or a list.
void paint_field_place(QPainter& painter, const QRect& place);

// Writes image to path in format ("JPG" at the demo course's JPEG quality, "BMP"),
// replacing the file atomically, and returns the path. Throws DemoSourceError naming
// the path when the image cannot be encoded.
QString write_picture(const QString& path, const QImage& image, const char* format);

// The image encoded in format ("JPG", "BMP"); quality applies to JPEG only.
QByteArray encoded_image(const QImage& image, const char* format, int quality = -1);

} // namespace vimo
