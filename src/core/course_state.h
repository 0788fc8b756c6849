#pragma once
// The program-wide state of the course that needs no screen. One instance is made by
// the program and handed to whoever needs it; tests make their own.

#include "core/config.h"
#include "core/interface_texts.h"

#include <stdexcept>
#include <string>

namespace vimo {

struct CourseState {
    Config config;
    InterfaceTexts texts;
    DisplayNames names;
};

// A required course file is missing; what() is "Brak pliku: " + path + ".".
class MissingCourseFile : public std::runtime_error {
public:
    explicit MissingCourseFile(const std::string& path);
};

// Reloads the interface texts (required) and the display names (optional) from the
// current language folder. Throws MissingCourseFile or CourseFileError.
void load_language_tables(CourseState& state);

} // namespace vimo
