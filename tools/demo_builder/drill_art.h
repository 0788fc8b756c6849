#pragma once
// The pictures and the sound of the vocabulary drill screen, all under the course root
// (the demo course's media root is its course root): the backgrounds tla/slow_<n>.jpg,
// the small icons of gfx_r/slowka/ and the wrong-answer sound zla.wav.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

namespace vimo {

// Backgrounds slow_1 to slow_<this> are drawn besides the fallback slow_0; the screen
// picks one of 1 to 16 and shows slow_0 for a number without a file.
inline constexpr int k_drill_backgrounds = 5;

// Background n (0 the fallback), 1024 by 768: light and plain where the screen paints
// its black text (x 40 to 900, y 100 to 740), a quiet motif in the band above it.
QImage draw_drill_background(int n);

// The icons of gfx_r/slowka/, 18 by 18 each, keyed (the bottom-left pixel is the
// transparent colour).
struct DrillIcon {
    QString file; // the name within gfx_r/slowka/
    QImage image;
};
std::vector<DrillIcon> draw_drill_icons();

// The samples of zla.wav: a soft, low two-tone buzz of about 0.3 s at 22050 Hz.
std::vector<qint16> wrong_answer_samples();

// Writes the backgrounds, the icons and zla.wav under course_root and returns the paths.
QStringList write_drill_files(const QString& course_root);

} // namespace vimo
