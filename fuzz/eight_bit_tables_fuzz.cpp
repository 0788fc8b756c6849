// The 8-bit tables: phrases, comprehension texts, sentence drag-and-drop rows,
// letters and open tasks.
#include "fuzz_course.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vimo::fuzz::load(vimo::fuzz::plain_file(data, size),
                     {{"ss_r.t", vimo::load_phrases},
                      {"rozumienia_a.txt", vimo::load_comprehension_texts},
                      {"kurs.zdd", vimo::load_drag_rows},
                      {"Listy_r/index.txt", vimo::load_letters},
                      {"otwarte.txt", vimo::load_open_tasks}});
    return 0;
}
