// The sentence lines and the sections they form.
#include "fuzz_course.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vimo::fuzz::load(vimo::fuzz::utf16_file(data, size),
                     {{"zda_rozumu.txt", vimo::load_sentences}});
    return 0;
}
