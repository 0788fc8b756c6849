#include "core/course_state.h"

#include "core/paths.h"
#include "core/text_file.h"

namespace vimo {

MissingCourseFile::MissingCourseFile(const std::string& path)
    : std::runtime_error("Brak pliku: " + path + ".") {}

void load_language_tables(CourseState& state) {
    const std::string texts_path = state.config.language_path("infa_ru.txt");
    if (!path_exists(texts_path)) throw MissingCourseFile(texts_path);
    state.texts.load(texts_path);
    state.names.load(state.config.language_path("nazwy_ru.txt"));
}

} // namespace vimo
