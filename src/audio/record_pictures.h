#pragma once
// The pictures of recording that several screens share: the microphone of a record
// button (idle, under the mouse, recording) and the loudspeaker that plays the
// learner's take (gfx_r\mikrofon.bmp, mikrofon_nad.bmp, mikrofon_on.bmp, glosnik.bmp
// under the course root), drawn plainly when the course lacks them.

#include <QImage>

namespace vimo {

struct Config;

struct RecordPictures {
    QImage microphone;
    QImage microphone_over;
    QImage microphone_on;
    QImage speaker;

    static RecordPictures load(const Config& config);
};

} // namespace vimo
