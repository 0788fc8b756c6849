// The UTF-16 row tables of listening comprehension and sentence recording.
#include "fuzz_course.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vimo::fuzz::load(
        vimo::fuzz::utf16_file(data, size),
        {{"kursu.roz", vimo::load_comprehension_rows}, {"kursu.zdn", vimo::load_recording_rows}});
    return 0;
}
