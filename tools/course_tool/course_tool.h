#pragma once
// vimo-course: the course tool for course authors and teachers. It reads a course and
// the learners' record files with the program's own engine code.

#include <ostream>
#include <string>
#include <vector>

namespace vimo {

// Runs the tool with the arguments after the program name; returns the exit status.
int run_course_tool(const std::vector<std::string>& arguments, std::ostream& out,
                    std::ostream& err);

} // namespace vimo
