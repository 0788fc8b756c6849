#include "controls/MyImageList.h"

#include "controls/image_strip.h"
#include "core/paths.h"

namespace vimo {

namespace {

constexpr int kButtonFrames = 2;

} // namespace

QImage masked(const QImage& loaded) {
    if (loaded.isNull()) return loaded;
    QImage image = loaded.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == key) line[x] = qRgba(0, 0, 0, 0);
        }
    }
    return image;
}

QImage load_masked_picture(const std::string& file) {
    return masked(QImage(QString::fromStdString(resolve_path(file))));
}

int TMyImageList::add(const std::string& file, int frame_count, int left, int top) {
    QImage loaded(QString::fromStdString(resolve_path(file)));
    if (loaded.isNull()) throw ImageListError(cannot_open_message(file));
    const int frame_width = strip_frame_width(loaded.width(), frame_count);
    m_items.push_back(TMyBitmap{masked(loaded), frame_width, left, top});
    return count() - 1;
}

const TMyImageList::TMyBitmap* TMyImageList::item(int index) const {
    if (index < 0 || index >= count()) return nullptr;
    return &m_items[static_cast<std::size_t>(index)];
}

void TMyImageList::draw(QPainter& painter, int index, int frame) const {
    const TMyBitmap* strip = item(index);
    if (strip == nullptr) return;
    const FrameRect source = strip_frame(frame, strip->frame_width, strip->bitmap.height());
    painter.drawImage(QPoint(0, 0), strip->bitmap,
                      QRect(source.x, source.y, source.width, source.height));
}

int TMyImageList::frame_width(int index) const {
    const TMyBitmap* strip = item(index);
    return strip != nullptr ? strip->frame_width : kMissingMetric;
}

int TMyImageList::height(int index) const {
    const TMyBitmap* strip = item(index);
    return strip != nullptr ? strip->bitmap.height() : kMissingMetric;
}

int TMyImageList::default_left(int index) const {
    const TMyBitmap* strip = item(index);
    return strip != nullptr ? strip->left : kMissingMetric;
}

int TMyImageList::default_top(int index) const {
    const TMyBitmap* strip = item(index);
    return strip != nullptr ? strip->top : kMissingMetric;
}

std::string button_picture_path(const std::string& language_folder, int index) {
    return language_folder + "but_r\\" + std::to_string(index) + ".bmp";
}

int load_button_pictures(TMyImageList& list, const std::string& language_folder) {
    list.clear();
    for (int index = 0;; ++index) {
        const std::string file = button_picture_path(language_folder, index);
        if (!path_exists(file)) return list.count();
        list.add(file, kButtonFrames, 0, 0);
    }
}

} // namespace vimo
