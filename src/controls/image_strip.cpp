#include "controls/image_strip.h"

namespace vimo {

std::string cannot_open_message(const std::string& file) {
    return "Nie moge otworzyc pliku : \"" + file + "\"";
}

std::string frame_count_message() {
    return "Dlugosc obrazka nie dzieli sie przez podana liczbe klatek";
}

int strip_frame_width(int bitmap_width, int frame_count) {
    if (frame_count <= 0 || bitmap_width % frame_count != 0) {
        throw ImageListError(frame_count_message());
    }
    return bitmap_width / frame_count;
}

FrameRect strip_frame(int frame, int frame_width, int height) {
    return FrameRect{frame * frame_width, 0, frame_width, height};
}

int score_frame(int score) {
    constexpr int step = 8;
    int quotient = score / step;
    int remainder = score % step;
    if (remainder < 0) { // floor division, so negative scores round the same way
        remainder += step;
        --quotient;
    }
    const bool round_up = remainder * 2 > step || (remainder * 2 == step && quotient % 2 != 0);
    return round_up ? quotient + 1 : quotient;
}

} // namespace vimo
