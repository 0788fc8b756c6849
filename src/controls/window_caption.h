#pragma once
// The caption of a frameless window, painted in white into the dark strip that the
// window's picture carries along its top (the strip the learner drags it by).

#include <QImage>
#include <QPainter>
#include <QString>
#include <QWidget>

namespace vimo {

inline constexpr int kCaptionStripHeight = 30;

void paint_window_caption(QPainter& painter, int window_width, const QString& caption);

// The whole face of a picture window: its picture, or a light ground with a dark strip
// when the course lacks the picture, and the window's title as the caption.
void paint_picture_window(QPainter& painter, const QWidget& window, const QImage& picture);

} // namespace vimo
