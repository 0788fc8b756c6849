// The glossary.
#include "fuzz_course.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vimo::fuzz::load(vimo::fuzz::utf16_file(data, size),
                     {{"slowniczeku.txt", vimo::load_glossary}});
    return 0;
}
