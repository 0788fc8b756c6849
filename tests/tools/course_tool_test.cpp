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
    for (const char* command : {"check", "items", "results", "repetitions"}) {
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
