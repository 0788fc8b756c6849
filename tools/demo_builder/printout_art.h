#pragma once
// The small pictures of the results printout (Htm_r/ under the course root): one per
// exercise kind, the four levels and the done marks. JPEG, drawn on the page's white.

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

namespace vimo {

inline constexpr QSize k_printout_icon{24, 24};
inline constexpr QSize k_printout_level{44, 16};

struct PrintoutPicture {
    QString file; // the name within Htm_r/
    QImage image;
};
// 1_film.jpg ... 16_dyktando.jpg, poziom1.jpg ... poziom4.jpg, ruszone.jpg, ruszonenie.jpg.
std::vector<PrintoutPicture> draw_printout_pictures();

// Writes them into course_root/Htm_r/; returns the paths.
QStringList write_printout_pictures(const QString& course_root);

} // namespace vimo
