#pragma once
// The pictures of the dictionary window (full and small layout) and of the translation
// window, written into each interface language's folder. Each leaves plain the places
// the program paints over, the caption in the top strip too. The dictionary's check boxes show the
// task screens' answer boxes (gfx_r/img_normal.bmp, img_checked.bmp; task_art.h), which stand on
// its light cards.

#include "demo_builder/artwork.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

namespace vimo {

namespace dictionary_area {
// Full layout (gfx_r/slownik.bmp).
inline constexpr QSize full_size{649, 420};
inline constexpr QRect drag_strip{0, 0, 131, 34}; // the artwork titles the window here
inline constexpr QRect search_field{23, 49, 157, 19};
inline constexpr QRect search_button{200, 46, 24, 24};
inline constexpr QRect letter_panel{18, 75, 210, 22}; // foreign letters (course variants 2-4)
// The "search in" caption, the three check boxes (at x 316) and their captions (x 340).
inline constexpr QRect captions{316, 8, 296, 92};
inline constexpr QRect index_row{4, 133, 618, 18}; // "..." at 4, A at 28 ... Z at 604
inline constexpr QRect list{10, 157, 609, 255};
inline constexpr QRect scroll_bar{625, 157, 16, 257};
inline constexpr QRect close_button{622, 1, 25, 25};
// Small layout (gfx_r/slownik_small.bmp).
inline constexpr QSize small_size{400, 150};
inline constexpr QRect small_list{25, 46, 283, 83}; // "more" 64 at 314, 46; close 43 at 373, 1
} // namespace dictionary_area

namespace translation_area {
inline constexpr QSize size{540, 600};
inline constexpr QRect grip{0, 0, 221, 35};    // dragged by; the window paints its caption
inline constexpr QRect page{16, 51, 509, 536}; // the HTML viewer; close 43 at 513, 2
} // namespace translation_area

QImage draw_dictionary();         // slownik.bmp, 649 by 420
QImage draw_dictionary_small();   // slownik_small.bmp, 400 by 150
QImage draw_translation_window(); // tlumaczenie.bmp, 540 by 600

// Writes the three window pictures into gfx (a language folder's gfx_r/); returns the
// paths.
QStringList write_dictionary_language_pictures(const QString& gfx);
} // namespace vimo
