#include "results/cw_info.h"
#include "support/temp_course.h"
#include "tools/tool_run.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>

namespace vimo {
namespace {

using test::run;
using test::ToolRun;

// The smallest course the loaders accept: one group, one text with one task.
void write_small_course(const test::TempCourse& course) {
    course.write_minimal_course();
    course.write_bytes("Teksty_wav/1.wav", "RIFF");
}

TEST(CourseTool, HelpAndUsage) {
    EXPECT_EQ(run({"--help"}).status, 0);
    EXPECT_NE(run({"--help"}).out.find("check COURSE_ROOT"), std::string::npos);
    for (const char* command : {"check", "items", "results", "repetitions", "words"}) {
        const ToolRun help = run({command, "--help"});
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_NE(help.out.find(std::string("vimo-course ") + command), std::string::npos);
    }
    EXPECT_EQ(run({}).status, 2);
    EXPECT_EQ(run({"frobnicate", "x"}).status, 2);
    EXPECT_EQ(run({"check"}).status, 2);
}

TEST(CourseTool, CheckOfASoundCourseIsClean) {
    test::TempCourse course;
    write_small_course(course);
    const ToolRun check = run({"check", course.root()});
    EXPECT_EQ(check.out, "");
    EXPECT_EQ(check.status, 0);
}

TEST(CourseTool, CheckReportsErrorsWithFileAndLine) {
    test::TempCourse course;
    write_small_course(course);
    course.write_8bit("rozumienia_a.txt", {"/ texts", "1=one=1=My morning="});
    course.write_bytes("Lang_r/0/nazwy_ru.txt", "no byte-order mark");
    const ToolRun check = run({"check", course.root()});
    EXPECT_EQ(check.status, 1);
    EXPECT_NE(check.out.find("rozumienia_a.txt:2: error:"), std::string::npos) << check.out;
    EXPECT_NE(check.out.find("Lang_r/0/nazwy_ru.txt:1: error:"), std::string::npos) << check.out;
}

TEST(CourseTool, CheckWarnsAboutWhatTheTablesNameButIsMissing) {
    test::TempCourse course;
    write_small_course(course);
    course.write_8bit("rozumienia_a.txt", {"1=1=1=My morning=", "2=1=1=No tasks="});
    course.write_utf16("St_au.txt", {"T1#1#bg#instr#", "MC#Q=T_a=b#", "0=", "-----",
                                     "T9#9#bg#instr#", "TF#x#", "0=", "-----"});
    QFile::remove(QString::fromStdString(course.path("Teksty_wav/1.wav")));
    const ToolRun check = run({"check", course.root()});
    EXPECT_EQ(check.status, 0) << check.out; // warnings only
    for (const char* expected : {"rozumienia_a.txt:2: warning: text 2 has no task",
                                 "St_au.txt:5: warning: a TF task names text 9",
                                 "St_au.txt:1: warning: text 1 (1): no film", "Teksty_wav/1.wav"}) {
        EXPECT_NE(check.out.find(expected), std::string::npos) << expected << "\n" << check.out;
    }
    EXPECT_NE(check.out.find(": warning: "), std::string::npos);
    EXPECT_EQ(check.out.find(": error: "), std::string::npos);
}

// The program reads on without the phrases past the table, so the checker names the
// first one left out without failing the course.
TEST(CourseTool, CheckWarnsAboutPhrasesPastTheTableAndPasses) {
    test::TempCourse course;
    write_small_course(course);
    std::vector<std::string> phrases{"/ no pair on this line"};
    for (int i = 1; i <= 72; ++i)
        phrases.push_back("k" + std::to_string(i) + "=v");
    course.write_8bit("ss_r.t", phrases);
    const ToolRun check = run({"check", course.root()});
    EXPECT_EQ(check.status, 0) << check.out;
    EXPECT_EQ(check.out, "ss_r.t:72: warning: more than 70 phrase pairs: the table holds 70, "
                         "this line and the rest are left out\n");
}

// Each language folder is checked as the program loads it: the texts and names past
// their tables are left out with a warning, and the course still passes.
TEST(CourseTool, CheckWarnsAboutLanguageTablesPastTheirCapacityInEachFolder) {
    test::TempCourse course;
    write_small_course(course);
    std::vector<std::string> names{"", "no pair on this line"};
    for (int i = 1; i <= 10001; ++i)
        names.push_back("K" + std::to_string(i) + "=Name");
    course.write_utf16("Lang_r/0/nazwy_ru.txt", names);
    std::vector<std::string> texts;
    for (int i = 1; i <= 201; ++i)
        texts.push_back(std::to_string(i) + "=k=t=");
    course.write_utf16("Lang_r/1/infa_ru.txt", texts);
    course.write_utf16("Lang_r/1/nazwy_ru.txt", {"G1=Grammar"});
    course.write_utf16("Lang_r/1/grau.txt", {"1=x=G1=Grammar="});

    const ToolRun check = run({"check", course.root()});
    EXPECT_EQ(check.status, 0) << check.out;
    EXPECT_EQ(check.out,
              "Lang_r/0/nazwy_ru.txt:10003: warning: more than 10000 display-name pairs: the table "
              "holds 10000, this line and the rest are left out\n"
              "Lang_r/1/infa_ru.txt:201: warning: more than 200 interface texts: the table holds "
              "200, this line and the rest are left out\n");
}

// head, then field(i) and "#" for i = 1 .. count.
std::string task_line(const std::string& head, int count,
                      const std::function<std::string(int)>& field) {
    std::string line = head;
    for (int i = 1; i <= count; ++i)
        line += field(i) + "#";
    return line;
}

std::string pairs_line(const std::string& kind, int count) {
    return task_line(kind + "#", count,
                     [](int i) { return "l" + std::to_string(i) + "*r" + std::to_string(i); });
}

std::string ordering_line(int count) {
    return task_line("DV#", count,
                     [](int i) { return "w" + std::to_string(i) + "*" + std::to_string(i); });
}

// A sorting table of eight columns and the rows given, its words spread over the
// columns in turn.
std::string sorting_line(int rows, int count) {
    return task_line("DD#8#" + std::to_string(rows) + "#A#B#C#D#E#F#G#H#", count, [](int i) {
        return "w" + std::to_string(i) + "*" + std::to_string((i - 1) % 8 + 1);
    });
}

struct TaskContentCase {
    const char* name;
    // The content lines of tasks of text 1, written after a sound first task, so the
    // first of them is line 6 of the task list and each further one four lines lower.
    std::vector<std::string> contents;
    std::vector<std::string> expected; // every line the check prints
};

void PrintTo(const TaskContentCase& param, std::ostream* out) {
    *out << param.name;
}

class CourseToolTaskContents : public ::testing::TestWithParam<TaskContentCase> {};

TEST_P(CourseToolTaskContents, CheckWarnsAtTheTasksContentLine) {
    const TaskContentCase& param = GetParam();
    test::TempCourse course;
    write_small_course(course);
    std::vector<std::string> tasks{"T1#1#bg#instr#", "MC#Q=T_a=b#", "0=", "-----"};
    for (const std::string& content : param.contents)
        tasks.insert(tasks.end(), {"T1#1#bg#instr#", content, "0=", "-----"});
    course.write_utf16("St_au.txt", tasks);

    const ToolRun check = run({"check", course.root()});
    EXPECT_EQ(check.status, 0) << check.out; // warnings only
    std::string expected;
    for (const std::string& line : param.expected)
        expected += "St_au.txt:" + line + "\n";
    EXPECT_EQ(check.out, expected);
}

const TaskContentCase task_content_cases[] = {
    {"SoundTasksUpToTheirTables",
     {"DV#c*3#a*1#b*2#", ordering_line(14), sorting_line(5, 40), "DD#2#2#A#B#x*1#y*2#z*2#",
      "HH#no partner#" + pairs_line("HH", 14).substr(3), pairs_line("DF", 12)},
     {}},
    {"UnknownKind",
     {"XY#a#b#"},
     {"6: warning: unknown task kind \"XY\" (expected MC, TF, DD, HH, WP, DF, DV or ZDD): the "
      "task opens no screen and gets no results record; the text's other tasks keep their "
      "tabs"}},
    {"OrderingRowTwice",
     {"DV#a*1#b*1#c*3#"},
     {"6: warning: the DV task of text 1 gives the rows 1, 1, 3, not 1 to 3 once each: the "
      "program takes the file order as the right order"}},
    {"OrderingWordWithoutRow",
     {"DV#a#b*1#"},
     {"6: warning: the DV task of text 1 gives the rows -, 1, not 1 to 2 once each: the program "
      "takes the file order as the right order"}},
    {"OrderingPastItsWords",
     {ordering_line(15)},
     {"6: warning: the DV task of text 1 has 15 words: only the first 14 are read"}},
    {"SortingWithoutColumns",
     {"DD#0#2#a*1#"},
     {"6: warning: the DD task of text 1 gives 0 columns, not 1 to 8"}},
    {"SortingPastItsColumns",
     {"DD#9#1#A#B#C#D#E#F#G#H#I#w*1#"},
     {"6: warning: the DD task of text 1 gives 9 columns, more than 8: the program cuts them "
      "to 8"}},
    {"SortingWithoutRows",
     {"DD#2#0#A#B#a*1#"},
     {"6: warning: the DD task of text 1 gives 0 rows, not 1 to 19"}},
    {"SortingPastItsRows",
     {"DD#2#20#A#B#a*1#b*2#"},
     {"6: warning: the DD task of text 1 gives 20 rows, more than 19: the program cuts them "
      "to 19"}},
    {"SortingWordsOutsideTheColumns",
     {"DD#2#2#A#B#łódź*3#b*1#c*x#"},
     {"6: warning: the word \"łódź\" of the DD task of text 1 names none of its columns 1 to 2",
      "6: warning: the word \"c\" of the DD task of text 1 names none of its columns 1 to 2"}},
    {"SortingPastItsWords",
     {sorting_line(6, 41)},
     {"6: warning: the DD task of text 1 has 41 words: only the first 40 are read"}},
    {"SortingColumnPastItsCells",
     {"DD#2#2#Home#Work#a*1#b*1#c*1#d*2#"},
     {"6: warning: column 1 (\"Home\") of the DD task of text 1 has 3 words for its 2 cells: "
      "the correction can place only 2 of them"}},
    {"MatchingPastItsPairs",
     {pairs_line("HH", 3), pairs_line("HH", 15)},
     {"10: warning: the HH task of text 1 has 15 pairs: only the first 14 are read"}},
    {"DefinitionsPastTheirPairs",
     {pairs_line("DF", 13)},
     {"6: warning: the DF task of text 1 has 13 pairs: only the first 12 are read"}},
};

INSTANTIATE_TEST_SUITE_P(Tasks, CourseToolTaskContents, ::testing::ValuesIn(task_content_cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CourseTool, ItemsListsTheRecordsOfANewLearner) {
    test::TempCourse course;
    write_small_course(course);
    const ToolRun items = run({"items", course.root()});
    EXPECT_EQ(items.status, 0) << items.err;
    EXPECT_EQ(items.out,
              "{\"n\":1,\"name\":\"tek_1\",\"kind\":40,\"key\":1,\"level\":1,"
              "\"group_id\":\"G1\",\"group_name\":\"Gramatyka\",\"title\":\"My morning\"}\n");
}

TEST(CourseTool, ResultsDumpsWholeRecordsAndReportsAPartialOne) {
    test::TempCourse course;
    cw_Info record;
    record.name = "tek_12";
    record.title = "Zielona \xB3\xF3\x64\x9F"; // Windows-1250 "Zielona łódź"
    record.kind = 40;
    record.key = 3;
    record.level = 2;
    record.score = 75;
    record.count = 1;
    record.last_date = 46000.5; // 2025-12-09 12:00
    record.time_of_day = 0.25;
    record.group_id = "G1\x01";
    record.mode = 0;
    course.write_bytes("v1r2_55", encode_cw_info(record) + "partial");

    const ToolRun results = run({"results", course.path("v1r2_55")});
    EXPECT_EQ(results.status, 1);
    EXPECT_NE(results.err.find("record 2 is partial"), std::string::npos) << results.err;
    const std::string expected =
        "{\"n\":1,\"name\":\"tek_12\",\"title\":\"Zielona łódź\",\"kind\":40,\"key\":3,"
        "\"level\":2,\"last_date\":\"2025-12-09 12:00:00\",\"score\":75,\"count\":1,"
        "\"completed\":0,\"group_id\":\"G1\",\"server_text\":\"\",\"server_value1\":0,"
        "\"server_value2\":0,\"time_of_day\":\"06:00:00\",\"group_name\":\"\",\"mode\":0,"
        "\"pack_text\":\"\"}\n";
    EXPECT_EQ(results.out, expected);

    course.write_bytes("empty", "");
    const ToolRun empty = run({"repetitions", course.path("empty")});
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.out, "");
    EXPECT_EQ(run({"results", course.path("missing")}).status, 1);
}

} // namespace
} // namespace vimo

namespace vimo {
namespace {

// A word list under cw_r\ of the small course: ten header lines, the second giving
// level 1 and group 1, then the records.
void write_word_list(const test::TempCourse& course, const std::string& name,
                     const std::vector<std::string>& records, const std::string& line2 = "") {
    std::vector<std::string> lines(10, name);
    lines[1] = line2.empty() ? name + "cw0160" : line2;
    lines.insert(lines.end(), records.begin(), records.end());
    course.write_8bit("cw_r/" + name + ".bc4", lines);
}

TEST(CourseTool, WordsPrintsTheRecordsAndTheDrillAsTheDrillReadsThem) {
    test::TempCourse course;
    write_small_course(course);
    course.write_8bit("prof_r.txt", {"Kurs", "3", "0"}); // the French course
    write_word_list(course, "fr1",
                    {"01 100007 01 p\xE8re =ojciec=\xB3za==n=p.wav=0===cw=0",
                     "01 100002 01 m\xE8re =matka========0",
                     "01 100007 01 again =znowu========cw=60001"});
    const ToolRun words = run({"words", course.root(), "fr1"});
    ASSERT_EQ(words.status, 0) << words.err;
    std::istringstream lines(words.out);
    std::string first;
    std::getline(lines, first);
    EXPECT_EQ(first, "{\"n\":1,\"group\":1,\"sound_kind\":1,\"word_id\":7,\"word_class\":1,"
                     "\"word\":\"père\",\"translation\":\"ojciec\",\"third_form\":\"łza\","
                     "\"alternatives\":\"\",\"note\":\"n\",\"sound\":\"p.wav\",\"drill\":true,"
                     "\"example_id\":0}");
    EXPECT_EQ(std::count(words.out.begin(), words.out.end(), '\n'), 3);
    EXPECT_NE(words.out.find("\"drill\":false"), std::string::npos);
    // Both drill marks of number 7 drill its first record.
    const ToolRun drill = run({"words", course.root(), "fr1", "--drill"});
    EXPECT_EQ(drill.out, "{\"position\":1,\"record\":1}\n{\"position\":2,\"record\":1}\n");

    EXPECT_EQ(run({"words", course.root(), "none"}).status, 1);
    EXPECT_EQ(run({"words", course.root()}).status, 2);
    EXPECT_EQ(run({"words", course.root(), "fr1", "--all"}).status, 2);
}

TEST(CourseTool, CheckNamesTheWordListLinesANewLearnerOrTheDrillCannotRead) {
    test::TempCourse course;
    write_small_course(course);
    write_word_list(course, "ok1", {"01 100001 01 cat =kot========cw=0"});
    write_word_list(course, "bad2", {"01 100001 01 cat =kot========cw=0"}, "bad2cwxx60");
    write_word_list(course, "bad3",
                    {"01 100001 01 cat =kot========cw=0", "01 1000x2 01 dog =pies"});
    write_word_list(course, "none4", {"01 100001 01 cat =kot"});
    const ToolRun check = run({"check", course.root()});
    EXPECT_EQ(check.status, 1);
    EXPECT_EQ(check.out.find("cw_r/ok1.bc4"), std::string::npos) << check.out;
    EXPECT_NE(check.out.find("cw_r/bad2.bc4:2: error: expected the level"), std::string::npos)
        << check.out;
    EXPECT_NE(check.out.find("cw_r/bad3.bc4:12: error:"), std::string::npos) << check.out;
    EXPECT_NE(check.out.find("columns 5 to 9"), std::string::npos) << check.out;
    EXPECT_NE(check.out.find("cw_r/none4.bc4:0: warning:"), std::string::npos) << check.out;
}

} // namespace
} // namespace vimo
