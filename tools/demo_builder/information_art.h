#pragma once
// The pictures of the information window: its help and note backgrounds in every
// language folder, and the scroll arrows and inline pictures of its help texts,
// shared by all languages.

#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

namespace vimo {

// "help.bmp" (true) or "tlumaczenia.bmp": 455 by 266.
QImage draw_information_background(bool help);

struct InformationPicture {
    QString file; // the name within gfx_r/informacja/
    QImage image; // keyed (bottom-left pixel) for the window's white text area
};
// up.bmp, down.bmp and the pictures the tokens of the help texts draw.
std::vector<InformationPicture> draw_information_pictures();

// Writes both backgrounds into gfx (a language folder's gfx_r/); returns the paths.
QStringList write_information_language_pictures(const QString& gfx);
// Writes the pictures into course_root/gfx_r/informacja/; returns the paths.
QStringList write_information_pictures(const QString& course_root);

} // namespace vimo
