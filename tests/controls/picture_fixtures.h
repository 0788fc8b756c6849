#pragma once
// Small strip pictures for the control tests: frame 0 red, frame 1 green, each
// frame's bottom row magenta, which is the key colour (the bottom-left pixel).
#include "support/temp_course.h"

#include <QColor>
#include <QImage>
#include <QWidget>
#include <string>

namespace vimo::test {

inline const QColor kKey{255, 0, 255};

inline QImage make_strip(int frame_width, int height, int frames) {
    QImage image(frame_width * frames, height, QImage::Format_RGB32);
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue};
    for (int frame = 0; frame < frames; ++frame) {
        for (int x = 0; x < frame_width; ++x) {
            for (int y = 0; y < height; ++y) {
                const bool key = y == height - 1;
                image.setPixelColor(frame * frame_width + x, y, key ? kKey : colours[frame % 3]);
            }
        }
    }
    return image;
}

// Saves the picture as a BMP at relative in the course; true on success.
inline bool save_picture(const TempCourse& course, const std::string& relative,
                         const QImage& image) {
    return image.save(QString::fromStdString(course.path(relative)), "BMP");
}

// What the widget itself paints, on a transparent image (no window background).
inline QImage painted(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

} // namespace vimo::test
