#include "core/course_state.h"

#include "core/course_loaders.h"
#include "core/paths.h"
#include "core/text_file.h"

namespace vimo {

namespace {

template <typename Table>
void load_required(Table& table, const Config& config, const std::string& name,
                   CourseProblems& problems) {
    const std::string path = config.language_path(name);
    const std::string file = course_relative_name(config.course_root, path);
    if (!path_exists(path)) {
        table = Table{};
        problems.error(file, 0, "Brak pliku: " + resolve_path(path) + ".");
        return;
    }
    try {
        table.load(path);
    } catch (const CourseFileError& error) {
        table = Table{};
        problems.error(file, error.line(), error.problem());
    }
}

} // namespace

void load_language_tables(CourseState& state, CourseProblems& problems) {
    load_required(state.texts, state.config, "infa_ru.txt", problems);
    load_required(state.names, state.config, "nazwy_ru.txt", problems);
    load_lesson_groups(state.config, state.tables, problems);
}

std::string startup_message(const CourseProblem& problem) {
    if (problem.line == 0 && problem.message.find(problem.file) != std::string::npos) {
        return problem.message;
    }
    const std::string where =
        problem.line > 0 ? problem.file + ", line " + std::to_string(problem.line) : problem.file;
    return where + ": " + problem.message;
}

} // namespace vimo
