#pragma once
// TMyImageList: picture strips that buttons draw one frame of. Each strip's
// transparent colour is its bottom-left pixel.
//
// The shared button list is filled from the language folder with one file per
// picture number, both states side by side (frame 0 normal, frame 1 highlighted):
//   <language folder>but_r\0.bmp, but_r\1.bmp, ...
// numbered from 0 without gaps; loading stops at the first number with no file.
#include <QImage>
#include <QPainter>
#include <string>
#include <vector>

namespace vimo {

class TMyImageList {
public:
    // Metrics of an index beyond the list.
    static constexpr int kMissingMetric = 33;

    // Loads file (a course path, resolved) cut into frame_count frames; returns the
    // new index. Throws ImageListError: cannot_open_message(file) when the file does
    // not load, frame_count_message() when its width does not divide.
    int add(const std::string& file, int frame_count, int left, int top);
    void clear() { m_items.clear(); }
    int count() const { return static_cast<int>(m_items.size()); }

    // Frame number frame of strip index at the painter's origin, within its clip.
    void draw(QPainter& painter, int index, int frame) const;

    int frame_width(int index) const;
    int height(int index) const;
    int default_left(int index) const;
    int default_top(int index) const;

private:
    struct TMyBitmap {
        QImage bitmap;
        int frame_width = 0;
        int left = 0;
        int top = 0;
    };
    const TMyBitmap* item(int index) const;

    std::vector<TMyBitmap> m_items;
};

// The picture with the pixels of its bottom-left colour fully transparent.
QImage masked(const QImage& loaded);
// The picture in file (a course path, resolved), masked; a null image when it does
// not load.
QImage load_masked_picture(const std::string& file);

// The file of picture number index of the shared button list.
std::string button_picture_path(const std::string& language_folder, int index);

// Clears list and adds but_r\0.bmp, but_r\1.bmp, ... of the language folder
// (2 frames, position (0, 0)) up to the first missing number. Returns the count.
int load_button_pictures(TMyImageList& list, const std::string& language_folder);

} // namespace vimo
