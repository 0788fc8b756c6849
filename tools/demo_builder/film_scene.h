#pragma once
// The demo course's film: a street in a small town where the number 12 bus drives in
// and stops in front of the town hall, drawn frame by frame.

#include <QImage>
#include <QSize>

namespace vimo {

inline constexpr QSize k_film_size{320, 240};

// The frame at progress (0 at the start of the film, 1 at its end).
QImage draw_film_frame(double progress);

} // namespace vimo
