#pragma once
// The teachers' command line: learners, course access, lessons and the results
// export, on the same database the server uses.

#include "server/arguments.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace vimo::server {

// Runs `init`, `learner ...`, `lesson ...` or `results ...`; `words` start with the
// command. Plain output to `out`; throws CommandError or DatabaseError.
void run_teacher_command(const std::vector<std::string>& words, std::istream& in,
                         std::ostream& out);

// Why a login, a course code, a lesson name or a title cannot be used; empty when it
// can.
std::string login_problem(const std::string& login);
std::string line_text_problem(const std::string& text, const char* what);

} // namespace vimo::server
