#pragma once
// Arithmetic of picture strips: a bitmap cut into equal frames side by side.
#include <stdexcept>
#include <string>

namespace vimo {

// The image list refuses a file; what() is the text shown to the learner.
class ImageListError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "Nie moge otworzyc pliku : "<file>""
std::string cannot_open_message(const std::string& file);
// The bitmap width is not a multiple of the frame count.
std::string frame_count_message();

// bitmap_width / frame_count; throws ImageListError (frame_count_message) when the
// width is not a multiple of a positive frame count.
int strip_frame_width(int bitmap_width, int frame_count);

struct FrameRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const FrameRect&) const = default;
};

// The part of the strip that frame number frame occupies (full height). A frame
// beyond the strip lies beyond the bitmap, so it copies nothing.
FrameRect strip_frame(int frame, int frame_width, int height);

// The score panel's picture of a percentage: round(score / 8), halves to even.
int score_frame(int score);

} // namespace vimo
