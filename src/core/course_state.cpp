#include "core/course_state.h"

#include "core/course_loaders.h"
#include "core/loader_support.h"
#include "core/paths.h"
#include "core/text_file.h"

namespace vimo {

namespace {

// A table past its capacity is only a warning: the program goes on with the entries
// the table holds.
template <typename Table>
void load_required(Table& table, const loading::SourceFile& file, const std::string& entries) {
    table = Table{};
    if (!path_exists(file.path())) {
        file.error(0, "Brak pliku: " + file.path() + ".");
        return;
    }
    try {
        if (const std::optional<int> line = table.load(file.path()))
            file.over_capacity(*line, Table::capacity, entries, Severity::warning);
    } catch (const CourseFileError& error) {
        file.error(error.line(), error.problem());
    }
}

loading::SourceFile language_file(const Config& config, const std::string& name,
                                  CourseProblems& problems) {
    return loading::SourceFile(config, config.language_folder + name, problems);
}

} // namespace

void load_language_tables(CourseState& state, CourseProblems& problems) {
    load_required(state.texts, language_file(state.config, "infa_ru.txt", problems),
                  "interface texts");
    load_required(state.names, language_file(state.config, "nazwy_ru.txt", problems),
                  "display-name pairs");
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
