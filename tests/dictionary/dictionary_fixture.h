#pragma once
// Small dictionaries for the dictionary tests: slowniku.txt lines written as the course
// writes them (byte-order mark, UTF-16LE, CR LF) into a temporary course, and loaded.

#include "core/diagnostics.h"
#include "core/qt_text.h"
#include "dictionary/dictionary.h"
#include "support/temp_course.h"

#include <QString>
#include <string>
#include <vector>

namespace vimo::test {

struct Word {
    std::string headword;
    std::string translation = "t";
    char part_of_speech = '1';
    std::string letter = "a";
    std::string second;
};

// "EN:" + number + " |" + digit, then headword=translation, fields 3 to 10 empty,
// field 11 the index letter and field 12 the second form.
inline std::string dictionary_line(int number, const Word& word) {
    return "EN:" + std::to_string(number) + " |" + word.part_of_speech + word.headword + "=" +
           word.translation + "=========" + word.letter + "=" + word.second + "=";
}

inline std::vector<std::string> dictionary_lines(const std::vector<Word>& words) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < words.size(); ++i)
        lines.push_back(dictionary_line(static_cast<int>(i) + 1, words[i]));
    return lines;
}

// A course folder holding only slowniku.txt.
struct DictionaryCourse {
    TempCourse course;
    Config config;
    DictionaryTable table;
    CourseProblems problems;
    DictionaryLoad outcome;

    explicit DictionaryCourse(const std::vector<std::string>& lines) {
        course.write_utf16("slowniku.txt", lines);
        config.course_root = course.root();
        outcome = slownik_load(config, table, problems);
    }
};

inline UniString uni(const std::string& utf8) {
    return qstring_to_uni(QString::fromStdString(utf8));
}

inline std::string utf8(std::string_view uni_text) {
    return uni_to_qstring(uni_text).toStdString();
}

} // namespace vimo::test
