#include "audio/record_pictures.h"

#include "controls/MyImageList.h"
#include "core/config.h"

#include <QPainter>
#include <QPainterPath>

namespace vimo {

namespace {

constexpr int kSize = 40;

QImage plain_microphone(const QColor& body, const QColor& ring) {
    QImage image(kSize, kSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ring, 2));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(1, 1, kSize - 2, kSize - 2));
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawRoundedRect(QRectF(15, 7, 10, 17), 5, 5);
    painter.setPen(QPen(body, 2.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(11, 12, 18, 16), 180 * 16, 180 * 16);
    painter.drawLine(QPointF(20, 28), QPointF(20, 33));
    painter.drawLine(QPointF(15, 33), QPointF(25, 33));
    return image;
}

QImage plain_speaker() {
    QImage image(kSize, kSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor blue(40, 90, 150);
    painter.setPen(QPen(blue, 2));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(1, 1, kSize - 2, kSize - 2));
    QPainterPath cone;
    cone.moveTo(10, 16);
    cone.lineTo(15, 16);
    cone.lineTo(22, 10);
    cone.lineTo(22, 30);
    cone.lineTo(15, 24);
    cone.lineTo(10, 24);
    cone.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(blue);
    painter.drawPath(cone);
    painter.setPen(QPen(blue, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(20, 13, 9, 14), -60 * 16, 120 * 16);
    painter.drawArc(QRectF(19, 9, 14, 22), -60 * 16, 120 * 16);
    return image;
}

QImage picture(const Config& config, const char* name, const QImage& fallback) {
    const QImage image = load_masked_picture(config.course_path(name));
    return image.isNull() ? fallback : image;
}

} // namespace

RecordPictures RecordPictures::load(const Config& config) {
    const QColor dark(40, 90, 150);
    return {.microphone = picture(config, "gfx_r\\mikrofon.bmp", plain_microphone(dark, dark)),
            .microphone_over = picture(config, "gfx_r\\mikrofon_nad.bmp",
                                       plain_microphone(dark, QColor(240, 160, 40))),
            .microphone_on = picture(config, "gfx_r\\mikrofon_on.bmp",
                                     plain_microphone(QColor(210, 40, 40), QColor(210, 40, 40))),
            .speaker = picture(config, "gfx_r\\glosnik.bmp", plain_speaker())};
}

} // namespace vimo
