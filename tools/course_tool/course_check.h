#pragma once
// vimo-course check: the course loaded as the program loads it, and the problems of
// its files, each with the file and the line.

#include "core/config.h"
#include "core/course_tables.h"
#include "core/diagnostics.h"
#include "dictionary/dictionary.h"

#include <ostream>
#include <string>

namespace vimo {

struct LoadedCourse {
    Config config;
    CourseTables tables;
    DictionaryTable dictionary;
    CourseProblems problems;
};

// Reads the configuration files, the files of every interface-language folder,
// every start-up table and the dictionary. course_root ends with "/".
LoadedCourse load_course_for_check(const std::string& course_root);

// Adds the warnings: files that tables name and that do not exist, tasks of no text,
// texts without tasks, catalogue entries of an unknown type; and the errors of the word
// lists (a second line without the level and group a new learner needs, a record the
// drill cannot read).
// Loads slowniku.txt into course.dictionary; a file past the table's capacity is an
// error at the first entry left out (the program ends after start-up on it).
void load_dictionary_for_check(LoadedCourse& course);

void add_reference_warnings(const LoadedCourse& course, CourseProblems& problems);

// Prints every problem as "FILE:LINE: error|warning: message"; 0 without errors.
int check_course(const std::string& course_root, std::ostream& out, std::ostream& err);

} // namespace vimo
