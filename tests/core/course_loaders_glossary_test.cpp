// The glossary look-up of a task's glossary button: it reads the entries' numbers as
// the glossary loader does, so every line the loader (and the course checker) accepts
// can be shown.

#include "core/course_loaders.h"
#include "core/course_tables.h"
#include "support/named_case.h"
#include "support/temp_course.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vimo {
namespace {

VIMO_PRINT_CASES_BY_NAME()

using namespace std::string_literals;

struct NoteCase {
    const char* name;
    std::vector<std::string> numbers; // of entries 1, 2, ..., whose texts are "1", "2", ...
    int wanted;
    std::string expected; // the text of the entry found, "" for none
};

class GlossaryNote : public testing::TestWithParam<NoteCase> {};

TEST_P(GlossaryNote, IsTheTextOfTheFirstEntryWithTheNumber) {
    std::vector<GlossaryEntry> glossary;
    for (const std::string& number : GetParam().numbers)
        glossary.push_back({number, uni_widen(std::to_string(glossary.size() + 1))});
    EXPECT_EQ(glossary_note(glossary, GetParam().wanted), uni_widen(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GlossaryNote,
    testing::Values(NoteCase{"plain", {"6", "7"}, 7, "2"}, NoteCase{"plus_sign", {"+7"}, 7, "1"},
                    NoteCase{"blanks_around", {" 7 "}, 7, "1"},
                    NoteCase{"tab_before", {"\t7"}, 7, "1"},
                    NoteCase{"leading_zero", {"07"}, 7, "1"},
                    NoteCase{"first_of_two_equal_numbers", {"5", "+7", "7"}, 7, "2"},
                    NoteCase{"letter_after_the_number", {"7x", "8"}, 7, ""},
                    NoteCase{"sign_alone", {"+"}, 0, ""}, NoteCase{"no_number", {""}, 0, ""},
                    NoteCase{"blank_number", {"  "}, 0, ""},
                    NoteCase{"too_large_for_an_int", {"99999999999"}, 2147483647, ""},
                    NoteCase{"number_not_there", {"6", "8"}, 7, ""},
                    NoteCase{"empty_glossary", {}, 7, ""}));

// A glossary line through the loader, then looked up by the number it was meant to
// have: what the loader takes is found, what it refuses is not there to find.
struct LineCase {
    const char* name;
    std::string number_field;
    bool accepted;
};

class GlossaryLine : public testing::TestWithParam<LineCase> {};

TEST_P(GlossaryLine, IsFoundExactlyWhenTheLoaderTakesIt) {
    test::TempCourse course;
    course.write_utf16("slowniczeku.txt", {GetParam().number_field + "=Note"});
    Config config;
    config.course_root = course.root();
    CourseTables tables;
    CourseProblems problems;
    load_glossary(config, tables, problems);

    EXPECT_EQ(problems.all().empty(), GetParam().accepted);
    // The note keeps the U+0000 that ends its line.
    const UniString expected = GetParam().accepted ? uni_widen("Note") + "\0\0"s : UniString();
    EXPECT_EQ(glossary_note(tables.glossary, 7), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, GlossaryLine,
                         testing::Values(LineCase{"plain", "7", true},
                                         LineCase{"plus_sign", "+7", true},
                                         LineCase{"blanks_around", " 7 ", true},
                                         LineCase{"leading_zero", "007", true},
                                         LineCase{"letter_after_the_number", "7x", false},
                                         LineCase{"non_ascii_digit", "７", false}));

} // namespace
} // namespace vimo
