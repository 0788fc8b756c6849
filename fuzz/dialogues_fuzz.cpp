// The dialogue table.
#include "fuzz_course.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vimo::fuzz::load(vimo::fuzz::utf16_file(data, size),
                     {{"dialogi_au.txt", vimo::load_dialogues}});
    return 0;
}
