#pragma once
// The pictures of the help and reading windows and of the help pages: the help
// window's side strip (gfx_r/pod_pasek_help.bmp under the course root, the same for
// every language), the reading window's picture and the help window's back and
// contents buttons (per interface language), and the pictures the help pages show
// (Htm_r/gfx/).

#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

namespace vimo {

// Places in the help window's 100-pixel strip (strip coordinates; the strip stands at
// x 924 of the 1024 by 768 window) where the program puts its buttons.
namespace help_strip_area {
inline constexpr QSize size{100, 768};
inline constexpr QRect exit_button{65, 10, 25, 25};
inline constexpr QRect back_button{12, 110, 33, 33};
inline constexpr QRect contents_button{55, 110, 33, 33};
inline constexpr QRect print_button{10, 170, 80, 50};
} // namespace help_strip_area

inline constexpr QSize k_reading_window_size{730, 727};
inline constexpr int k_reading_header_height = 43; // above the page, with print and close
// The back and contents buttons are pictures without words, of the size the course's
// buttons without another role have.
inline constexpr QSize k_help_button_frame{33, 33};

QImage draw_help_strip();     // gfx_r/pod_pasek_help.bmp
QImage draw_reading_window(); // Lang_r/N/gfx_r/reading.bmp
// The keyed two-frame strip of the back or contents button (a left arrow, a book); a
// null image for any other number.
QImage draw_help_button_strip(int number);

struct HelpPagePicture {
    QString file; // within Htm_r/gfx/
    QImage image;
    const char* format; // "PNG", "JPG", "BMP"
};
QList<HelpPagePicture> draw_help_page_pictures();

// Writes reading.bmp and the back and contents buttons of one interface language
// (replacing the fillers of their numbers); returns the paths written.
QStringList write_help_language_pictures(const QString& course_root, int interface_language);
// Writes the side strip and the help pages' pictures; returns the paths written.
QStringList write_help_pictures(const QString& course_root);

} // namespace vimo
