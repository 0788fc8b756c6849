#pragma once
// The program-wide state of the course that needs no screen. One instance is made by
// the program and handed to whoever needs it; tests make their own.

#include "core/config.h"
#include "core/course_tables.h"
#include "core/diagnostics.h"
#include "core/interface_texts.h"

#include <string>

namespace vimo {

struct CourseState {
    Config config;
    InterfaceTexts texts;
    DisplayNames names;
    CourseTables tables;
};

// Reloads from the current language folder what depends on it and needs no screen:
// the interface texts, the display names and the lesson groups (all required).
// Problems, with file and line, go to problems.
void load_language_tables(CourseState& state, CourseProblems& problems);

// The text of the message box that stops start-up for a problem: the file, the line
// and what is wrong ("Brak pliku: ..." for a missing file, as it names the file).
std::string startup_message(const CourseProblem& problem);

} // namespace vimo
