#include "core/diagnostics.h"

#include <algorithm>

namespace vimo {

std::string CourseProblem::text() const {
    return file + ":" + std::to_string(line) + ": " +
           (severity == Severity::error ? "error" : "warning") + ": " + message;
}

void CourseProblems::error(std::string file, int line, std::string message) {
    m_problems.push_back({std::move(file), line, Severity::error, std::move(message)});
}

void CourseProblems::warning(std::string file, int line, std::string message) {
    m_problems.push_back({std::move(file), line, Severity::warning, std::move(message)});
}

bool CourseProblems::has_errors() const {
    return first_error() != nullptr;
}

const CourseProblem* CourseProblems::first_error() const {
    const auto found =
        std::find_if(m_problems.begin(), m_problems.end(),
                     [](const CourseProblem& p) { return p.severity == Severity::error; });
    return found == m_problems.end() ? nullptr : &*found;
}

} // namespace vimo
