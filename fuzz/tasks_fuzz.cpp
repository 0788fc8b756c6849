// The four-line entries of the task list.
#include "fuzz_course.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vimo::fuzz::load(vimo::fuzz::utf16_file(data, size), {{"St_au.txt", vimo::load_tasks}});
    return 0;
}
