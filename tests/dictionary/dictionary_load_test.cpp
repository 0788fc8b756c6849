#include "dictionary/dictionary.h"
#include "dictionary_fixture.h"
#include "support/named_case.h"

#include <gtest/gtest.h>

namespace vimo {
namespace {

using test::Word;

VIMO_PRINT_CASES_BY_NAME()

std::vector<std::string> numbered_lines(int count) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(count));
    for (int i = 1; i <= count; ++i)
        lines.push_back(
            test::dictionary_line(i, {"w" + std::to_string(i), "s" + std::to_string(i)}));
    return lines;
}

std::vector<std::string> problem_texts(const CourseProblems& problems) {
    std::vector<std::string> texts;
    for (const CourseProblem& problem : problems.all())
        texts.push_back(problem.text());
    return texts;
}

TEST(DictionaryLoad, ReadsTheFieldsOfALine) {
    const test::DictionaryCourse dictionary(
        {"EN:17 |1  cat =kot <I> (zwierzę) </I>=x=y==note 6 =====  A = Cats ="});
    ASSERT_EQ(dictionary.table.count(), 1);
    EXPECT_TRUE(dictionary.problems.all().empty());
    const DictionaryEntry& entry = dictionary.table.entry(0);
    EXPECT_EQ(entry.number, 17);
    EXPECT_EQ(entry.line, 1);
    EXPECT_EQ(test::utf8(entry.label), "(s)");
    EXPECT_EQ(entry.headword, test::uni("cat"));
    EXPECT_EQ(entry.translation, test::uni("kot <I> (zwierzę) </I>"));
    EXPECT_EQ(entry.field6, test::uni("note 6"));
    EXPECT_EQ(entry.letter, test::uni("a"));
    EXPECT_EQ(entry.second, test::uni("cats"));
}

// Fields past the end of a line read as empty; the last one keeps the line's U+0000,
// which painting and the search keys stop at.
TEST(DictionaryLoad, MissingFieldsReadAsEmpty) {
    const test::DictionaryCourse dictionary({"EN:1 |2big", "EN:2 |3go=iść", "EN:3 |1a=b=c=d=e=f"});
    ASSERT_EQ(dictionary.table.count(), 3);
    const DictionaryEntry& big = dictionary.table.entry(0);
    EXPECT_EQ(big.headword, test::uni("big"));
    EXPECT_TRUE(big.translation.empty());
    EXPECT_TRUE(uni_is_blank(big.letter));
    EXPECT_TRUE(uni_is_blank(big.second));
    const DictionaryEntry& go = dictionary.table.entry(1);
    EXPECT_EQ(go.translation, test::uni("iść") + std::string(2, '\0'));
    EXPECT_EQ(go.headword, test::uni("go"));
    const DictionaryEntry& six = dictionary.table.entry(2);
    EXPECT_EQ(six.translation, test::uni("b"));
    EXPECT_EQ(six.field6, test::uni("f"));
    EXPECT_TRUE(uni_is_blank(six.letter));
    EXPECT_EQ(
        slownik_search(dictionary.table, std::nullopt, test::uni("iść"), kFullWindow, {true, true}),
        (std::vector<int>{1}));
}

struct LabelCase {
    const char* name;
    char digit;
    std::string label;
};

class DictionaryLabel : public testing::TestWithParam<LabelCase> {};

TEST_P(DictionaryLabel, KeepsTheLabelOfTheDigit) {
    const test::DictionaryCourse dictionary(
        {test::dictionary_line(1, {"go", "iść", GetParam().digit})});
    ASSERT_EQ(dictionary.table.count(), 1);
    EXPECT_EQ(test::utf8(dictionary.table.entry(0).label), GetParam().label);
}

INSTANTIATE_TEST_SUITE_P(
    Digits, DictionaryLabel,
    testing::Values(LabelCase{"noun", '1', "(s)"}, LabelCase{"adjective", '2', "(adj)"},
                    LabelCase{"verb", '3', "(v)"}, LabelCase{"other", '4', "(o)"},
                    LabelCase{"phrase", '5', "(loc)"}, LabelCase{"adverb", '6', "(adv)"},
                    LabelCase{"seven", '7', ""}, LabelCase{"zero", '0', ""},
                    LabelCase{"nine", '9', ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DictionaryLoad, TakesExactlyTenThousandEntriesWithoutAMessage) {
    const test::DictionaryCourse dictionary(numbered_lines(10000));
    EXPECT_EQ(dictionary.table.count(), 10000);
    EXPECT_FALSE(dictionary.outcome.message);
    EXPECT_EQ(dictionary.outcome.stop, StartupStop::none);
    EXPECT_TRUE(dictionary.problems.all().empty());
    EXPECT_EQ(dictionary.table.entry(9999).line, 10000);
}

TEST(DictionaryLoad, TheEntryPastTheTableEndsTheProgramAfterStartUp) {
    const test::DictionaryCourse dictionary(numbered_lines(10001));
    EXPECT_EQ(dictionary.table.count(), 10000);
    ASSERT_TRUE(dictionary.outcome.message);
    EXPECT_EQ(dictionary.outcome.message->text, "Slownik.txt - za duza liczba rekordow.");
    EXPECT_EQ(dictionary.outcome.stop, StartupStop::terminate);
    EXPECT_EQ(dictionary.outcome.first_left_out_line, 10001);
    EXPECT_EQ(dictionary.outcome.file, "slowniku.txt");
    EXPECT_EQ(test::utf8(dictionary.table.entry(9999).headword), "w10000");
}

// Only entries count: a full file that an editor ended with an empty line still loads.
TEST(DictionaryLoad, AFullFileWithATrailingBlankLineLoads) {
    std::vector<std::string> lines = numbered_lines(10000);
    lines.push_back("");
    const test::DictionaryCourse dictionary(lines);
    EXPECT_EQ(dictionary.table.count(), 10000);
    EXPECT_FALSE(dictionary.outcome.message);
    EXPECT_EQ(dictionary.outcome.stop, StartupStop::none);
    EXPECT_FALSE(dictionary.problems.has_errors());
    EXPECT_EQ(
        problem_texts(dictionary.problems),
        (std::vector<std::string>{"slowniku.txt:10001: warning: blank line: no entry, skipped"}));
}

struct BadLineCase {
    const char* name;
    std::string line;
    Severity severity;
    std::string message_start;
};

class DictionaryBadLine : public testing::TestWithParam<BadLineCase> {};

// The bad line is left out; the lines around it load with their own line numbers.
TEST_P(DictionaryBadLine, IsReportedWithFileAndLineAndLeftOut) {
    const BadLineCase& c = GetParam();
    const test::DictionaryCourse dictionary(
        {test::dictionary_line(1, {"one"}), c.line, test::dictionary_line(3, {"three"})});
    ASSERT_EQ(dictionary.problems.all().size(), 1u);
    const CourseProblem& problem = dictionary.problems.all().front();
    EXPECT_EQ(problem.file, "slowniku.txt");
    EXPECT_EQ(problem.line, 2);
    EXPECT_EQ(problem.severity, c.severity);
    EXPECT_EQ(problem.message.rfind(c.message_start, 0), 0u) << problem.message;
    ASSERT_EQ(dictionary.table.count(), 2);
    EXPECT_EQ(dictionary.table.entry(1).line, 3);
    EXPECT_EQ(dictionary.table.entry(1).headword, test::uni("three"));
    EXPECT_FALSE(dictionary.outcome.message);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, DictionaryBadLine,
    testing::Values(BadLineCase{"part_of_speech_letter", "EN:2 |scat=kot=", Severity::error,
                                "expected the part-of-speech digit"},
                    BadLineCase{"part_of_speech_missing", "EN:2 |", Severity::error,
                                "expected the part-of-speech digit"},
                    BadLineCase{"part_of_speech_polish_letter", "EN:2 |ącat=kot=", Severity::error,
                                "expected the part-of-speech digit"},
                    BadLineCase{"number_without_digits", "EN:x |1cat=kot=", Severity::error,
                                "expected the entry number"},
                    BadLineCase{"number_empty", "EN: |1cat=kot=", Severity::error,
                                "expected the entry number"},
                    BadLineCase{"blank_line", "   ", Severity::warning, "blank line"},
                    BadLineCase{"empty_line", "", Severity::warning, "blank line"},
                    BadLineCase{"no_space_after_the_number", "EN:2|1cat=kot=", Severity::warning,
                                "expected three characters, the entry number and a space"},
                    BadLineCase{"two_characters", "EN", Severity::warning,
                                "expected three characters, the entry number and a space"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DictionaryLoad, AMissingFileLeavesTheTableEmptyWithoutAProblem) {
    test::TempCourse course;
    Config config;
    config.course_root = course.root();
    DictionaryTable table;
    ASSERT_TRUE(table.add(DictionaryEntry{}));
    CourseProblems problems;
    const DictionaryLoad outcome = slownik_load(config, table, problems);
    EXPECT_EQ(table.count(), 0);
    EXPECT_TRUE(problems.all().empty());
    EXPECT_FALSE(outcome.message);
    EXPECT_TRUE(slownik_search(table, std::nullopt, test::uni("cat"), kSmallWindow, {}).empty());
}

TEST(DictionaryLoad, AFileWithoutByteOrderMarkIsAnError) {
    test::TempCourse course;
    course.write_bytes("Slowniku.TXT", "EN:1 |1cat=kot=\r\n");
    Config config;
    config.course_root = course.root();
    DictionaryTable table;
    CourseProblems problems;
    slownik_load(config, table, problems);
    EXPECT_EQ(table.count(), 0);
    ASSERT_TRUE(problems.has_errors());
    EXPECT_EQ(problems.first_error()->file, "Slowniku.TXT");
    EXPECT_EQ(problems.first_error()->line, 1);
}

TEST(DictionaryTable, StopsAtItsCapacity) {
    DictionaryTable table;
    for (int i = 0; i < DictionaryTable::capacity; ++i)
        ASSERT_TRUE(table.add(DictionaryEntry{}));
    EXPECT_TRUE(table.full());
    EXPECT_FALSE(table.add(DictionaryEntry{}));
    EXPECT_EQ(table.count(), DictionaryTable::capacity);
}

} // namespace
} // namespace vimo
