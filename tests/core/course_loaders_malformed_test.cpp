// Every loader against broken files: truncated lines, odd byte counts, missing
// separators, non-numeric fields, over-capacity and empty files. Each gives the
// behaviour the format defines or a problem naming the file and the line.

#include "core/course_loaders.h"
#include "core/loader_table_sizes.h"
#include "support/named_case.h"
#include "support/temp_course.h"

#include <QString>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace vimo {
namespace {

VIMO_PRINT_CASES_BY_NAME()

using namespace std::string_literals;
using Lines = std::vector<std::string>;
using Loader = void (*)(const Config&, CourseTables&, CourseProblems&);
using Count = std::size_t (*)(const CourseTables&);

std::string utf16(const Lines& lines) {
    std::string bytes = "\xFF\xFE";
    for (const std::string& line : lines) {
        for (const char16_t unit : QString::fromStdString(line + "\r\n").toStdU16String()) {
            bytes += static_cast<char>(unit & 0xFF);
            bytes += static_cast<char>(unit >> 8);
        }
    }
    return bytes;
}

std::string bytes8(const Lines& lines) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

// n lines made by line(i) for i = 1 .. n, after the lines of before.
Lines numbered(int n, const std::function<std::string(int)>& line, Lines before = {}) {
    for (int i = 1; i <= n; ++i)
        before.push_back(line(i));
    return before;
}

// n multi-line entries made by entry(i).
Lines entries(int n, const std::function<Lines(int)>& entry) {
    Lines lines;
    for (int i = 1; i <= n; ++i) {
        const Lines one = entry(i);
        lines.insert(lines.end(), one.begin(), one.end());
    }
    return lines;
}

using test::first_dialogue_lines;
using test::first_section_lines;
using test::number;
using test::size_of;

constexpr int kNoProblem = -1;

struct MalformedCase {
    const char* name;
    const char* file; // course-relative
    std::optional<std::string> bytes;
    Loader loader;
    int line; // of the first problem, or kNoProblem
    Severity severity;
    std::string message; // part of the first problem's message
    Count count = nullptr;
    std::size_t entries = 0; // what count gives afterwards
};

MalformedCase error(const char* name, const char* file, std::optional<std::string> bytes,
                    Loader loader, int line, std::string message, Count count = nullptr,
                    std::size_t entries = 0) {
    return {name,  file,   std::move(bytes), loader, line, Severity::error, std::move(message),
            count, entries};
}

MalformedCase warning(const char* name, const char* file, std::string bytes, Loader loader,
                      int line, std::string message, Count count, std::size_t entries) {
    return {name,  file,   std::move(bytes), loader, line, Severity::warning, std::move(message),
            count, entries};
}

MalformedCase fine(const char* name, const char* file, std::optional<std::string> bytes,
                   Loader loader, Count count, std::size_t entries) {
    return {name, file, std::move(bytes), loader, kNoProblem, Severity::error, "", count, entries};
}

constexpr const char* kGroups = "Lang_r/0/grau.txt";
constexpr const char* kTexts = "rozumienia_a.txt";
constexpr const char* kSentences = "zda_rozumu.txt";
constexpr const char* kCatalogue = "kurs_cwiczu.kvt";
constexpr const char* kDialogues = "dialogi_au.txt";
constexpr const char* kTasks = "St_au.txt";
constexpr const char* kHeader = "D=Name=1=1=TTNTT=0=tlo=0=";

const Lines kCatalogueTexts{"a", "b", "c", "-----"};

Lines catalogue_entry(const std::string& key) {
    Lines lines{key};
    lines.insert(lines.end(), kCatalogueTexts.begin(), kCatalogueTexts.end());
    return lines;
}

Lines task_entry(int text) {
    return {"#" + number(text) + "#tlo", "MC#x", "", "-----"};
}

// A sentence line of its own section for each i below 10000.
std::string own_section_line(int i) {
    const std::string section = number(i % 100 / 10) + number(i % 10);
    const std::string group = number(i / 100 / 10 % 10) + number(i / 100 % 10 + 1);
    return "1" + section + group + "=s=";
}

class MalformedInput : public testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedInput, GivesTheDefinedBehaviourOrAProblemAtTheLine) {
    const MalformedCase& c = GetParam();
    test::TempCourse course;
    if (c.bytes) course.write_bytes(c.file, *c.bytes);
    Config config;
    config.course_root = course.root();
    config.variant_letter = 'a';
    config.language_folder = "Lang_r\\0\\";
    CourseTables tables;
    CourseProblems problems;

    c.loader(config, tables, problems);

    if (c.line == kNoProblem) {
        EXPECT_TRUE(problems.all().empty()) << problems.all().front().text();
    } else {
        ASSERT_FALSE(problems.all().empty());
        const CourseProblem& first = problems.all().front();
        EXPECT_EQ(first.file, c.file) << first.text();
        EXPECT_EQ(first.line, c.line) << first.text();
        EXPECT_EQ(first.severity, c.severity) << first.text();
        EXPECT_NE(first.message.find(c.message), std::string::npos) << first.text();
    }
    if (c.count != nullptr) {
        EXPECT_EQ(c.count(tables), c.entries);
    }
}

const auto groups = &size_of<&CourseTables::groups>;
const auto phrases = &size_of<&CourseTables::phrases>;
const auto texts = &size_of<&CourseTables::texts>;
const auto sentence_lines = &size_of<&CourseTables::sentence_lines>;
const auto sections = &size_of<&CourseTables::sections>;
const auto catalogue = &size_of<&CourseTables::catalogue>;
const auto comprehension_rows = &size_of<&CourseTables::comprehension_rows>;
const auto recording_rows = &size_of<&CourseTables::recording_rows>;
const auto drag_rows = &size_of<&CourseTables::drag_rows>;
const auto dialogues = &size_of<&CourseTables::dialogues>;
const auto letters = &size_of<&CourseTables::letters>;
const auto glossary = &size_of<&CourseTables::glossary>;
const auto tasks = &size_of<&CourseTables::tasks>;
const auto open_tasks = &size_of<&CourseTables::open_tasks>;

INSTANTIATE_TEST_SUITE_P(
    LessonGroups, MalformedInput,
    testing::Values(error("missing", kGroups, std::nullopt, load_lesson_groups, 0, "Brak pliku: "),
                    fine("zero_bytes", kGroups, "", load_lesson_groups, groups, 0),
                    fine("byte_order_mark_only", kGroups, "\xFF\xFE", load_lesson_groups, groups,
                         0),
                    fine("last_line_without_line_end", kGroups,
                         "\xFF\xFE" + "1\0=\0x\0=\0G\0=\0N\0"s, load_lesson_groups, groups, 1),
                    error("no_byte_order_mark", kGroups, utf16({"1=x=G1=A="}).substr(2),
                          load_lesson_groups, 1, "byte-order mark"),
                    error("odd_byte_count", kGroups, utf16({"1=x=G1=A=", "2=x=G2=B="}) + "x",
                          load_lesson_groups, 3, "odd number of bytes"),
                    error("too_few_fields", kGroups, utf16({"1=x=G1=A=", "1=x=G1"}),
                          load_lesson_groups, 2, "expected four", groups, 2),
                    fine("full_table_then_blank_lines", kGroups,
                         utf16(numbered(30, [](int i) { return number(i) + "=x=G=N="; })) +
                             utf16({"", " "}).substr(2),
                         load_lesson_groups, groups, 30),
                    error("over_capacity", kGroups,
                          utf16(numbered(31, [](int i) { return number(i) + "=x=G=N="; })),
                          load_lesson_groups, 31, "more than 30 lesson groups", groups, 30)));

INSTANTIATE_TEST_SUITE_P(
    Phrases, MalformedInput,
    testing::Values(fine("no_separators", "ss_r.t", bytes8({"abc", "", "def"}), load_phrases,
                         phrases, 0),
                    fine("empty_file", "ss_r.t", "", load_phrases, phrases, 0),
                    warning("over_capacity", "ss_r.t",
                            bytes8(numbered(71, [](int i) { return "k" + number(i) + "=v"; })),
                            load_phrases, 71, "more than 70 phrase pairs", phrases, 70)));

INSTANTIATE_TEST_SUITE_P(
    ComprehensionTexts, MalformedInput,
    testing::Values(
        error("missing", kTexts, std::nullopt, load_comprehension_texts, 0, "Brak pliku: "),
        fine("empty_file", kTexts, "", load_comprehension_texts, texts, 0),
        error("non_numeric_level", kTexts, bytes8({"12=x=1=T="}), load_comprehension_texts, 1,
              "expected the level 1 to 4, found \"x\"", texts, 0),
        error("non_numeric_number", kTexts, bytes8({"/c", "abc=1=1=T="}), load_comprehension_texts,
              2, "expected the text number", texts, 0),
        error("number_too_large", kTexts, bytes8({"99999999999=1=1=T="}), load_comprehension_texts,
              1, "expected the text number"),
        error("empty_group", kTexts, bytes8({"12=1==T="}), load_comprehension_texts, 1,
              "expected the group index (a whole number), found \"\""),
        error("missing_separators", kTexts, bytes8({"12=1=1"}), load_comprehension_texts, 1,
              "expected four fields"),
        warning("level_out_of_range", kTexts, bytes8({"12=7=1=T="}), load_comprehension_texts, 1,
                "expected the level 1 to 4, found 7", texts, 1),
        warning("number_used_twice", kTexts, bytes8({"12=1=1=T=", "12=1=1=U="}),
                load_comprehension_texts, 2, "used again (first on line 1)", texts, 2),
        error("over_capacity", kTexts,
              bytes8(numbered(126, [](int i) { return number(i) + "=1=1=T="; }, {"/ comment"})),
              load_comprehension_texts, 127, "more than 125", texts, 125)));

INSTANTIATE_TEST_SUITE_P(
    Sentences, MalformedInput,
    testing::Values(
        fine("missing_is_optional", kSentences, std::nullopt, load_sentences, sentence_lines, 0),
        error("non_digit_level", kSentences, utf16({"x0101=a="}), load_sentences, 1, "level digit",
              sections, 0),
        error("truncated_code", kSentences, utf16({"1010=a="}), load_sentences, 1,
              "first five characters", sentence_lines, 1),
        error("non_numeric_group", kSentences, utf16({"101xy=a="}), load_sentences, 1,
              "expected the group index"),
        error("odd_byte_count", kSentences, utf16({"10101=a="}) + "\x01", load_sentences, 2,
              "odd number of bytes"),
        warning("no_sentence_field", kSentences, utf16({"10101"}), load_sentences, 1, "no sentence",
                sections, 1),
        error("over_line_capacity", kSentences,
              utf16(numbered(2601, [](int i) { return "101" + number(i % 10) + "1=s="; })),
              load_sentences, 2601, "more than 2600 sentence lines", sentence_lines, 2600),
        error("over_section_capacity", kSentences, utf16(numbered(451, own_section_line)),
              load_sentences, 451, "more than 450 sentence sections", sections, 450),
        error("over_section_length", kSentences,
              utf16(numbered(502, [](int) { return "10101=s="s; })), load_sentences, 502,
              "more than 501 lines in sentence section 1", first_section_lines, 501)));

INSTANTIATE_TEST_SUITE_P(
    Catalogue, MalformedInput,
    testing::Values(error("short_key", kCatalogue, utf16(catalogue_entry("0001")), load_catalogue,
                          1, "ten single-byte characters", catalogue, 0),
                    error("non_ascii_key", kCatalogue, utf16(catalogue_entry("ąćęłńóśź01")),
                          load_catalogue, 1, "ten single-byte characters"),
                    error("non_numeric_group", kCatalogue,
                          utf16(entries(2,
                                        [](int i) {
                                            return catalogue_entry(i == 1 ? "00011102xy"
                                                                          : "0002110201");
                                        })),
                          load_catalogue, 1, "group number in characters 9 and 10", catalogue, 1),
                    error("non_numeric_level", kCatalogue, utf16(catalogue_entry("000111ab01")),
                          load_catalogue, 1, "level in characters 7 and 8"),
                    error("truncated_entry", kCatalogue, utf16({"*", "0001110201", "a"}),
                          load_catalogue, 2, "ends before its three text lines", catalogue, 0),
                    warning("unknown_type", kCatalogue, utf16(catalogue_entry("0001990201")),
                            load_catalogue, 1, "unknown type code \"99\"", catalogue, 1),
                    error("no_byte_order_mark", kCatalogue, bytes8(catalogue_entry("0001110201")),
                          load_catalogue, 1, "byte-order mark", catalogue, 0),
                    error("over_capacity", kCatalogue,
                          utf16(entries(599, [](int) { return catalogue_entry("0001110201"); })),
                          load_catalogue, 598 * 5 + 1, "more than 598", catalogue, 598)));

INSTANTIATE_TEST_SUITE_P(
    RowTables, MalformedInput,
    testing::Values(warning("comprehension_row_missing_fields", "kursu.roz", utf16({"id=snd"}),
                            load_comprehension_rows, 1, "expected 7", comprehension_rows, 1),
                    error("comprehension_rows_over_capacity", "kursu.roz",
                          utf16(numbered(600, [](int i) { return number(i) + "=s=p=e=1=2=3="; })),
                          load_comprehension_rows, 600, "more than 599", comprehension_rows, 599),
                    warning("recording_row_missing_fields", "kursu.zdn", utf16({"", "id"}),
                            load_recording_rows, 2, "expected 3", recording_rows, 2),
                    error("recording_rows_over_capacity", "kursu.zdn",
                          utf16(numbered(601, [](int i) { return number(i) + "=m=t"; })),
                          load_recording_rows, 601, "more than 600", recording_rows, 600),
                    error("drag_row_truncated", "kurs.zdd", bytes8({"00001 a=b=", "0001"}),
                          load_drag_rows, 2, "five-character row id", drag_rows, 1),
                    error("drag_row_without_separator", "kurs.zdd", bytes8({"00001 abc"}),
                          load_drag_rows, 1, "five-character row id", drag_rows, 0),
                    error("drag_rows_over_capacity", "kurs.zdd",
                          bytes8(numbered(2001, [](int) { return "00001 a=b="s; })), load_drag_rows,
                          2001, "more than 2000", drag_rows, 2000)));

INSTANTIATE_TEST_SUITE_P(
    Dialogues, MalformedInput,
    testing::Values(
        error("not_a_header", kDialogues, utf16({"X=a=1=1=TTTTT=0=b=0=", "A=s=t=p="}),
              load_dialogues, 1, "expected a dialogue header", dialogues, 0),
        error("header_missing_fields", kDialogues, utf16({"D=a=1=1=TTTTT", "A=s=t=p="}),
              load_dialogues, 1, "expected the header"),
        error("bad_modes", kDialogues, utf16({"D=a=1=1=TTXTT=0=b=0=", "A=s=t=p="}), load_dialogues,
              1, "five characters T or N"),
        error("short_modes", kDialogues, utf16({"D=a=1=1=TT=0=b=0=", "A=s=t=p="}), load_dialogues,
              1, "five characters T or N"),
        error("non_numeric_level", kDialogues, utf16({"D=a=x=1=TTTTT=0=b=0=", "A=s=t=p="}),
              load_dialogues, 1, "expected the level 1 to 4, found \"x\""),
        error("bad_layout", kDialogues, utf16({"D=a=1=1=TTTTT=2=b=0=", "A=s=t=p="}), load_dialogues,
              1, "layout 0 or 1"),
        error("non_numeric_glossary", kDialogues, utf16({"D=a=1=1=TTTTT=0=b=g=", "A=s=t=p="}),
              load_dialogues, 1, "glossary number"),
        error("bad_speaker", kDialogues, utf16({kHeader, "F=s=t=p="}), load_dialogues, 2,
              "speaker A to E", dialogues, 0),
        error("spoken_line_missing_fields", kDialogues, utf16({kHeader, "A=s"}), load_dialogues, 2,
              "expected a spoken line"),
        error("no_blank_line_before_the_next_header", kDialogues,
              utf16({kHeader, "A=s=t=p=", kHeader, "A=s=t=p="}), load_dialogues, 3,
              "blank line before the next dialogue"),
        error("no_spoken_lines", kDialogues, utf16({kHeader, "", kHeader, "A=s=t=p="}),
              load_dialogues, 1, "no spoken lines", dialogues, 1),
        error("too_many_lines", kDialogues,
              utf16(numbered(41, [](int i) { return "A=s" + number(i) + "=t=p="; }, {kHeader})),
              load_dialogues, 42, "more than 40 lines in one dialogue", first_dialogue_lines, 40),
        error("over_capacity", kDialogues,
              utf16(entries(81,
                            [](int) {
                                return Lines{kHeader, "A=s=t=p=", ""};
                            })),
              load_dialogues, 80 * 3 + 1, "more than 80 dialogues", dialogues, 80),
        error("odd_byte_count", kDialogues, utf16({kHeader, "A=s=t=p="}) + "\n", load_dialogues, 3,
              "odd number of bytes", dialogues, 0)));

INSTANTIATE_TEST_SUITE_P(
    Letters, MalformedInput,
    testing::Values(error("missing_fields", "Listy_r/index.txt", bytes8({"list=1=1"}), load_letters,
                          1, "expected five", letters, 0),
                    error("non_numeric_parameter", "Listy_r/index.txt", bytes8({"list=1=1=x="}),
                          load_letters, 1, "expected the parameter"),
                    error("no_file_name", "Listy_r/index.txt", bytes8({" =1=1=0="}), load_letters,
                          1, "file name"),
                    error("over_capacity", "Listy_r/index.txt",
                          bytes8(numbered(100, [](int i) { return "l" + number(i) + "=1=1=0="; })),
                          load_letters, 100, "more than 99", letters, 99)));

INSTANTIATE_TEST_SUITE_P(
    Glossary, MalformedInput,
    testing::Values(error("no_separator", "slowniczeku.txt", utf16({"3001 text"}), load_glossary, 1,
                          "expected number=text", glossary, 0),
                    error("non_numeric_number", "slowniczeku.txt", utf16({"1=a", "x=text"}),
                          load_glossary, 2, "glossary number", glossary, 1),
                    error("over_capacity", "slowniczeku.txt",
                          utf16(numbered(251, [](int i) { return number(i) + "=t"; })),
                          load_glossary, 251, "Za duza ilosc linijek slowniczka!!!", glossary,
                          250)));

INSTANTIATE_TEST_SUITE_P(
    Tasks, MalformedInput,
    testing::Values(error("missing", kTasks, std::nullopt, load_tasks, 0, "Brak pliku: "),
                    fine("zero_bytes", kTasks, "", load_tasks, tasks, 0),
                    error("non_numeric_text_number", kTasks, utf16({"#x#a", "MC#", "", ""}),
                          load_tasks, 1, "text's number in header field 2", tasks, 0),
                    error("header_without_hash", kTasks, utf16({"12", "MC#", "", ""}), load_tasks,
                          1, "text's number in header field 2"),
                    error("truncated_entry", kTasks, utf16({"#1#a", "MC#x"}), load_tasks, 1,
                          "ends before its kind line", tasks, 0),
                    fine("last_entry_without_its_fourth_line", kTasks,
                         utf16({"#1#a", "MC#x", "1="}), load_tasks, tasks, 1),
                    error("non_numeric_parameter", kTasks, utf16({"#1#a", "MC#x", "1=a=", ""}),
                          load_tasks, 3, "parameter field 2", tasks, 0),
                    error("non_numeric_time", kTasks, utf16({"#1#a#b#c#d#x#1#y#3", "MC#", "", ""}),
                          load_tasks, 1, "seconds in header field 9", tasks, 0),
                    error("time_too_large", kTasks,
                          utf16({"#1#a#b#c#d#x#9999999#1#1", "MC#", "", ""}), load_tasks, 1,
                          "seconds in header field 8"),
                    warning("unknown_kind", kTasks, utf16({"#1#a", "mc#x", "", ""}), load_tasks, 2,
                            "unknown task kind \"mc\"", tasks, 1),
                    warning("more_than_ten_parameters", kTasks,
                            utf16({"#1#a", "MC#", "1=2=3=4=5=6=7=8=9=10=11=", ""}), load_tasks, 3,
                            "more than ten parameters", tasks, 1),
                    error("more_than_eight_tasks_of_one_text", kTasks,
                          utf16(entries(9, [](int) { return task_entry(1); })), load_tasks,
                          8 * 4 + 1, "more than 8 tasks", tasks, 9),
                    error("over_capacity", kTasks, utf16(entries(501, task_entry)), load_tasks,
                          500 * 4 + 1, "more than 500 task entries", tasks, 500)));

INSTANTIATE_TEST_SUITE_P(
    OpenTasks, MalformedInput,
    testing::Values(error("missing_fields", "otwarte.txt", bytes8({"1=2=3=a"}), load_open_tasks, 1,
                          "expected five", open_tasks, 0),
                    error("non_numeric_level", "otwarte.txt", bytes8({"/ c", "1=2=x=a=b="}),
                          load_open_tasks, 2, "expected the level 1 to 4, found \"x\""),
                    error("over_capacity", "otwarte.txt",
                          bytes8(numbered(150, [](int i) { return number(i) + "=1=1=a=b="; })),
                          load_open_tasks, 150, "more than 149", open_tasks, 149)));

} // namespace
} // namespace vimo
