// The lesson groups of a language folder.
#include "fuzz_course.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vimo::fuzz::load(vimo::fuzz::utf16_file(data, size),
                     {{"Lang_r/0/grau.txt", vimo::load_lesson_groups}});
    return 0;
}
