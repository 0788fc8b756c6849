#pragma once
// Runs the course tool in the test's own process and keeps what it printed.

#include "course_tool/course_tool.h"

#include <sstream>
#include <string>
#include <vector>

namespace vimo::test {

struct ToolRun {
    int status = 0;
    std::string out;
    std::string err;
};

inline ToolRun run(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = run_course_tool(arguments, out, err);
    return {status, out.str(), err.str()};
}

} // namespace vimo::test
