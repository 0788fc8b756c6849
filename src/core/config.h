#pragma once
// The program-wide configuration values, set once during start-up, and the parsing
// of the configuration files vr60.ini and prof_r.txt.

#include <string>
#include <string_view>
#include <vector>

namespace vimo {

struct CourseFont {
    std::string name = "Verdana";
    int charset = 238; // Central European; the French course uses 0
};

struct Config {
    std::string course_root;    // ends with "/"; every data path is joined to it
    std::string media_root;     // ends with "\" (or "/\" for a POSIX path)
    std::string sentence_root;  // media root + "bsgram\"
    std::string window_caption; // Windows-1250, as in prof_r.txt
    int course_variant = 1;     // 1 English, 2 German, 3 French, 4 Spanish
    char variant_letter = 'a';
    std::string results_file_name = "v1r2_55";
    bool vocabulary_flag = false;
    CourseFont course_font;
    int language_number = 0;
    std::string language_folder = "Lang_r\\0\\";
    bool english_marker = false;       // be.ini present
    std::string web_site;              // the maker's web site, line 1 of serwis.txt
    int network_mode = -1;             // -1 stand-alone, 1 network
    std::vector<std::string> dd_lines; // dd.t's server settings, in network mode
    std::string learner_folder;        // course root + learner number + "\"
    std::string learner_name;          // UTF-8 (usr.t holds it in Windows-1250)

    // course root + language folder + name: the path of a language-dependent file.
    std::string language_path(std::string_view name) const;
    // course root + name.
    std::string course_path(std::string_view name) const;
};

// The values prof_r.txt sets.
struct CourseProfile {
    std::string window_caption;
    int course_variant = 1;
    bool vocabulary_flag = false;
};

// Media root from line 2 of vr60.ini (Windows-1250): the first three characters are
// dropped and a "\" is appended unless the path ends with one.
std::string media_root_from_vr60(std::string_view line2);

// prof_r.txt's lines. Missing lines keep the defaults; an empty line 2 or 0 is
// variant 1. Throws CourseFileError naming the file and line when line 2 is not a
// variant 1 to 4 or line 3 is not a whole number.
CourseProfile parse_prof_r(const std::vector<std::string>& lines, const std::string& file);

// Sets variant, its letter, results file name and course font.
void apply_course_variant(Config& config, int variant);

// Sets the interface language number and folder "Lang_r\N\".
void set_interface_language(Config& config, int number);

} // namespace vimo
