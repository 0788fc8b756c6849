#include "core/course_state.h"
#include "core/interface_texts.h"
#include "core/qt_text.h"
#include "core/startup.h"
#include "support/named_case.h"
#include "support/temp_course.h"

#include <functional>
#include <gtest/gtest.h>

namespace vimo {
namespace {

VIMO_PRINT_CASES_BY_NAME()

using Lines = std::vector<std::string>;

class LanguageTables : public ::testing::Test {
protected:
    test::TempCourse course;
};

TEST_F(LanguageTables, InterfaceTextIsFieldThreeOfLineN) {
    course.write_utf16("infa_ru.txt", {"1=a=Zamknij=uwagi", "2=b=Żółw=", "3=c==", "4"});
    InterfaceTexts texts;
    texts.load(course.path("infa_ru.txt"));
    ASSERT_EQ(texts.count(), 4);
    EXPECT_EQ(uni_to_qstring(texts.text(1)), "Zamknij");
    EXPECT_EQ(uni_to_qstring(texts.text(2)), QString::fromUtf8("Żółw"));
    EXPECT_EQ(texts.text(3), "");
    EXPECT_EQ(texts.text(4), "");
}

TEST_F(LanguageTables, NumbersOutsideTheTableLeaveTheDestination) {
    course.write_utf16("infa_ru.txt", {"1=a=Tak=", "2=b=Nie="});
    InterfaceTexts texts;
    texts.load(course.path("infa_ru.txt"));
    for (const int n : {0, -1, 3, 200}) {
        UniString dest = uni_widen("poprzedni");
        texts.interface_text(n, dest);
        EXPECT_EQ(dest, uni_widen("poprzedni")) << n;
    }
    UniString fresh;
    texts.interface_text(7, fresh);
    EXPECT_TRUE(fresh.empty());
    texts.interface_text(2, fresh);
    EXPECT_EQ(uni_to_qstring(fresh), "Nie");
}

TEST_F(LanguageTables, TableKeepsAtMostItsCapacity) {
    std::vector<std::string> lines;
    for (int i = 1; i <= InterfaceTexts::capacity + 5; ++i) {
        lines.push_back(std::to_string(i) + "=k=t" + std::to_string(i) + "=");
    }
    course.write_utf16("infa_ru.txt", lines);
    InterfaceTexts texts;
    texts.load(course.path("infa_ru.txt"));
    EXPECT_EQ(texts.count(), InterfaceTexts::capacity);
    EXPECT_EQ(uni_to_qstring(texts.text(InterfaceTexts::capacity)), "t200");
}

TEST_F(LanguageTables, DisplayNamesCutAtTheFirstEquals) {
    course.write_utf16("nazwy_ru.txt", {"Lekcja 1=Lesson 1", "DZIAL=1=Część pierwsza",
                                        "Lekcja 1=duplikat", "bez", "Он=On"});
    DisplayNames names;
    names.load(course.path("nazwy_ru.txt"));
    EXPECT_EQ(names.count(), 4);
    // н is 3D 04: its "=" byte is not the separator.
    const std::string on_key = "\x1E\x04\x3D\x04"; // the nonzero bytes of Он
    ASSERT_TRUE(names.find(on_key));
    EXPECT_EQ(uni_to_qstring(uni_trim(*names.find(on_key))), "On");
    const auto lesson = names.find("Lekcja 1");
    ASSERT_TRUE(lesson);
    // The value begins with the zero high byte of "="; uni_trim realigns it.
    EXPECT_EQ(lesson->front(), '\0');
    EXPECT_EQ(uni_to_qstring(uni_trim(*lesson)), "Lesson 1");
    const auto section = names.find("DZIAL");
    ASSERT_TRUE(section);
    EXPECT_EQ(uni_to_qstring(uni_trim(*section)), QString::fromUtf8("1=Część pierwsza"));
    EXPECT_FALSE(names.find("Lekcja"));
    EXPECT_FALSE(names.find("lekcja 1"));
}

TEST_F(LanguageTables, MissingOptionalFileGivesAnEmptyTable) {
    DisplayNames names;
    names.load(course.path("nazwy_ru.txt"));
    EXPECT_EQ(names.count(), 0);
}

// A language table filled to its capacity and one entry past it, loaded as the program
// loads the language folder: the program goes on with the full table, so the entry
// left out is only a warning at its own line.
struct OverflowCase {
    const char* name;
    const char* file; // in Lang_r/0/
    int capacity;
    std::function<std::string(int)> entry; // the line of entry i, from 1
    Lines gap;                             // after the last entry taken
    int first_left_out;                    // the line the warning names
    int (*count)(const CourseState&);
    const char* entries;
};

const OverflowCase overflow_cases[] = {
    {"interface_texts",
     "infa_ru.txt",
     InterfaceTexts::capacity,
     [](int i) { return std::to_string(i) + "=k=t" + std::to_string(i) + "="; },
     {},
     InterfaceTexts::capacity + 1,
     [](const CourseState& state) { return state.texts.count(); },
     "interface texts"},
    // Every line is a text: a blank line past the capacity is the first text left out
    // once a text follows it, and only a trailing blank line is no text at all.
    {"interface_texts_after_a_blank_line",
     "infa_ru.txt",
     InterfaceTexts::capacity,
     [](int i) { return std::to_string(i) + "=k=t="; },
     {"", " "},
     InterfaceTexts::capacity + 1,
     [](const CourseState& state) { return state.texts.count(); },
     "interface texts"},
    // Lines without "=" are no pairs: the pair after them is named.
    {"display_names",
     "nazwy_ru.txt",
     DisplayNames::capacity,
     [](int i) { return "K" + std::to_string(i) + "=Name " + std::to_string(i); },
     {"", "no pair on this line"},
     DisplayNames::capacity + 3,
     [](const CourseState& state) { return state.names.count(); },
     "display-name pairs"},
};

class LanguageTableOverflow : public testing::TestWithParam<OverflowCase> {
protected:
    Lines full_table() const {
        Lines lines;
        for (int i = 1; i <= GetParam().capacity; ++i)
            lines.push_back(GetParam().entry(i));
        lines.insert(lines.end(), GetParam().gap.begin(), GetParam().gap.end());
        return lines;
    }

    void load(const Lines& lines) {
        course.write_minimal_course();
        course.write_utf16(std::string("Lang_r/0/") + GetParam().file, lines);
        state.config = configure(course.root()).config;
        load_language_tables(state, problems);
    }

    test::TempCourse course;
    CourseState state;
    CourseProblems problems;
};

TEST_P(LanguageTableOverflow, AFullTableGivesNoProblem) {
    load(full_table());
    EXPECT_TRUE(problems.all().empty()) << problems.all().front().text();
    EXPECT_EQ(GetParam().count(state), GetParam().capacity);
}

TEST_P(LanguageTableOverflow, TheFirstEntryPastItIsAWarningAtItsLine) {
    const OverflowCase& c = GetParam();
    Lines lines = full_table();
    lines.push_back(c.entry(c.capacity + 1));
    load(lines);

    EXPECT_EQ(c.count(state), c.capacity);
    ASSERT_EQ(problems.all().size(), 1u);
    EXPECT_FALSE(problems.has_errors());
    EXPECT_EQ(problems.all().front().text(),
              std::string("Lang_r/0/") + c.file + ":" + std::to_string(c.first_left_out) +
                  ": warning: more than " + std::to_string(c.capacity) + " " + c.entries +
                  ": the table holds " + std::to_string(c.capacity) +
                  ", this line and the rest are left out");
}

INSTANTIATE_TEST_SUITE_P(Tables, LanguageTableOverflow, testing::ValuesIn(overflow_cases),
                         [](const testing::TestParamInfo<OverflowCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(Languages, NamesFoldersAndPreselection) {
    EXPECT_EQ(language_display_name(0), "polski");
    EXPECT_EQ(language_display_name(4), "hiszpański");
    EXPECT_EQ(language_display_name(5), "");

    test::TempCourse course;
    course.make_folder("LANG_R/0");
    course.make_folder("LANG_R/3");
    EXPECT_EQ(available_languages(course.root()), (std::vector<int>{0, 3}));

    EXPECT_EQ(preselected_language_entry(2, 1), 1);
    EXPECT_EQ(preselected_language_entry(2, 2), 0);
    EXPECT_EQ(preselected_language_entry(5, 4), 4);
}

} // namespace
} // namespace vimo
