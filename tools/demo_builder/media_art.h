#pragma once
// The pictures of the floating film and sound window: its bottom bars and top strip
// (gfx_r/multimedia/ under the course root, the same for every language) and its
// play, pause, stop and jump-mark buttons (Lang_r/N/but_r/, like every button).

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

namespace vimo {

inline constexpr QSize k_media_button_frame{22, 22};

// The two-frame strip of a media button number (play, pause, stop, marks 1 to 4),
// keyed like every button strip; a null image for any other number.
QImage draw_media_button_strip(int number);

// The bottom bars and the top strip, by file name within gfx_r/multimedia/.
struct MediaPicture {
    QString file;
    QImage image;
};
QList<MediaPicture> draw_media_pictures();

// Writes the media buttons into buttons_folder (…/Lang_r/N/but_r/, ending with "/"),
// replacing the fillers of their numbers; returns the paths written.
QStringList write_media_buttons(const QString& buttons_folder);
// Writes the bottom bars and the top strip under course_root (ending with "/").
QStringList write_media_pictures(const QString& course_root);

} // namespace vimo
