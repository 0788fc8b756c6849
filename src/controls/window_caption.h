#pragma once
// The caption of a frameless window, painted in white into the dark strip that the
// window's picture carries along its top (the strip the learner drags it by).

#include <QPainter>
#include <QString>

namespace vimo {

inline constexpr int kCaptionStripHeight = 30;

void paint_window_caption(QPainter& painter, int window_width, const QString& caption);

} // namespace vimo
