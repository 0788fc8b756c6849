#pragma once
// The pictures that the demo course's tables name, drawn here so that every name has
// its file: the answer pictures of the listening comprehension rows (kursu.roz), the
// backgrounds of the comprehension texts' tasks (St_au.txt) and of the dialogues
// (dialogi_au.txt). The names are read from those sources in source_dir/utf16.

#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>

namespace vimo {

// Answer pictures are 160 by 200, the size of the screen's picture boxes.
inline constexpr QSize k_answer_picture_size{160, 200};

// The drawing of an answer picture name: "clock_HHMM" (a clock face showing HH:MM,
// HH 1 to 12, MM 0 to 59), "price_P" (a price tag of P pence, 1 to 99999), or one
// of the objects "sun", "cloud", "rain", "snow", "umbrella", "key", "ticket", "cup",
// "book"; nothing for any other name.
std::optional<QImage> draw_answer_picture(const QString& name);

// Draws every picture the tables name into output_dir and returns the paths written.
// Throws DemoSourceError naming the source line of a picture name without a drawing.
QStringList build_course_pictures(const QString& source_dir, const QString& output_dir);

} // namespace vimo
