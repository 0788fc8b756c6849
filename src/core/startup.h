#pragma once
// The decisions of start-up that need no screen: where the course is, the
// configuration files, the display-size test, the start-up language and mode.
// The program shows the messages and stops as each outcome says.

#include "core/config.h"

#include <optional>
#include <string>
#include <vector>

namespace vimo {

// A message for the plain message box. text is the system's own wording; detail,
// when set, names the file or folder involved.
struct StartupMessage {
    std::string text;
    std::string detail;
    bool warning = false; // a warning lets start-up go on
};

enum class StartupStop {
    none,
    exit_now,  // end the process at once
    terminate, // let the remaining start-up steps run, then end the event loop
};

struct CourseRootChoice {
    std::string root; // ends with "/"; empty when no course was found
    std::optional<StartupMessage> failure;
};

// The course root: the program's own folder when it holds vr60.ini, else the folder
// given by "--course-root DIR". Nothing else of the command line is read.
CourseRootChoice find_course_root(const std::string& program_folder,
                                  const std::vector<std::string>& arguments);

struct Configuration {
    Config config;
    std::vector<StartupMessage> messages; // in the order they are shown
    StartupStop stop = StartupStop::none;
};

// Makes course_root the current folder and reads vr60.ini, prof_r.txt and be.ini.
// A media root that names no folder on this machine (a drive path from the original
// medium) falls back to the course root.
Configuration configure(const std::string& course_root);

// The interface language before a learner is chosen: 1 with the English-interface
// marker, else 0.
int startup_language(const Config& config);

// The smallest display the screens fit on.
bool display_is_sufficient(int width, int height);
inline constexpr const char* display_too_small_message =
    "Program należy uruchamiać minimalnej w rozdzielczości 800x600.";

// Network mode from dd.t in the course root: 1 (and its lines kept) when present,
// else -1.
void decide_network_mode(Config& config);

} // namespace vimo
