// The five-line entries of the course catalogue.
#include "fuzz_course.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vimo::fuzz::load(vimo::fuzz::utf16_file(data, size),
                     {{"kurs_cwiczu.kvt", vimo::load_catalogue}});
    return 0;
}
