#pragma once
// The pictures of the screens around the lessons: the button strips, the small windows,
// the chooser and its icons. Window pictures leave plain the places where the program
// paints text, lists and buttons.

#include "demo_builder/artwork.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

namespace vimo {

// --- Buttons (Lang_r/N/but_r/<n>.bmp) ---

// Numbers 0 to k_button_count - 1 have a strip each.
inline constexpr int k_button_count = 66;
// The frame of a number without a role.
inline constexpr QSize k_filler_button_size{33, 33};

// The frame size of button number (a number outside 0..64 gets the filler's).
QSize button_frame_size(int number);
// The strip of button number: frame 0 normal and frame 1 highlighted side by side, keyed
// (art_colour::key around the face; the bottom-left pixel is the key).
QImage draw_button_strip(int number, const ArtWording& wording);

// A text button in the look of the button strips, for the windows whose picture carries
// its own buttons: the primary action filled, the other outlined.
void paint_window_button(QPainter& painter, const QRectF& box, const QString& label, bool primary);

// --- Windows (Lang_r/N/gfx_r/) ---

// Places in the windows that the program paints over or that the artwork labels.
namespace learner_window_area {
inline constexpr QSize size{460, 300};
inline constexpr int caption_height = 30;
inline constexpr QRect question{30, 44, 400, 44};
inline constexpr QRect list{40, 100, 380, 30};
inline constexpr QRect name_label{40, 64, 380, 22};
inline constexpr QRect name_field{40, 90, 380, 28};
inline constexpr QRect language_list{40, 154, 380, 28};
inline constexpr int footer_top = 228; // above the close, OK and help buttons
} // namespace learner_window_area

namespace chooser_area {
inline constexpr QSize size{1024, 768};
inline constexpr QRect title{40, 20, 700, 44};
inline constexpr QRect list{40, 98, 825, 537};
inline constexpr int heading_top = 72;
inline constexpr int heading_bottom = 96;
// Column headings start at these x within the list: name, level, last done, repetition,
// score.
inline constexpr int column_x[] = {30, 355, 430, 550, 665};
inline constexpr QRect side_panel{874, 90, 146, 610}; // arrows, expand, print, delete all
} // namespace chooser_area

namespace options_area {
inline constexpr QSize size{399, 421};
inline constexpr int caption_height = 30;
inline constexpr QRect controls{16, 36, 367, 324};
inline constexpr int footer_top = 366;
} // namespace options_area

QImage draw_learner_chooser(const ArtWording& wording); // logowanie.bmp, 460 by 300
QImage draw_new_learner(const ArtWording& wording);     // logow_new.bmp, 460 by 300
QImage draw_chooser(const ArtWording& wording);         // wybor.jpg, 1024 by 768
QImage draw_delete_repetitions();                       // skasowacpowtorki.bmp, 300 by 100
QImage draw_options();                                  // ustawienia_rozum.bmp, 399 by 421
QImage draw_message_window();                           // info.bmp, 440 by 120
QImage draw_answer_popup();                             // twoja_odp_2.bmp, 500 by 150

// --- Chooser icons (gfx_r/wybor/ under the course root, the same for every language) ---

struct IconPicture {
    QString file; // the name within gfx_r/wybor/
    QImage image; // keyed like the buttons
};
std::vector<IconPicture> draw_chooser_icons();

} // namespace vimo
