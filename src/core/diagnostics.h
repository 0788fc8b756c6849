#pragma once
// Problems found in a course's files, each with the file and line at fault. The table
// loaders report into it and go on with the next line, so the course tool can list
// every problem at once; the program stops at start-up when there is an error.

#include <string>
#include <vector>

namespace vimo {

enum class Severity { error, warning };

struct CourseProblem {
    std::string file; // as given by the reporter (a path under the course root)
    int line = 0;     // from 1; 0 for a problem of the whole file
    Severity severity = Severity::error;
    std::string message;

    // "FILE:LINE: error: message"
    std::string text() const;
};

class CourseProblems {
public:
    void error(std::string file, int line, std::string message);
    void warning(std::string file, int line, std::string message);

    bool has_errors() const;
    const CourseProblem* first_error() const;
    const std::vector<CourseProblem>& all() const { return m_problems; }

private:
    std::vector<CourseProblem> m_problems;
};

} // namespace vimo
