#include "support/temp_course.h"
#include "tools/tool_run.h"

#include <gtest/gtest.h>
#include <sstream>

namespace vimo {
namespace {

using test::run;
using test::ToolRun;

std::string entry(int number, const std::string& headword, const std::string& translation,
                  char part_of_speech = '1', const std::string& letter = "c",
                  const std::string& second = "") {
    return "EN:" + std::to_string(number) + " |" + part_of_speech + headword + "=" + translation +
           "=========" + letter + "=" + second + "=";
}

// A course the checker passes, with a dictionary.
struct DictionaryCourse {
    explicit DictionaryCourse(const std::vector<std::string>& dictionary) {
        course.write_minimal_course();
        course.write_bytes("Teksty_wav/1.wav", "RIFF");
        course.write_utf16("slowniku.txt", dictionary);
    }
    ToolRun lookup(std::vector<std::string> options) const {
        options.insert(options.begin(), {"lookup", course.root()});
        return run(options);
    }
    test::TempCourse course;
};

const std::vector<std::string> kWords = {
    entry(1, "cable car", "kolejka linowa", '1', "c", "cable cars"),
    entry(2, "ca", "około", '6'),
    entry(3, "car", "samochód", '1', "c", "cars"),
    entry(4, "cat", "kot", '1', "c", "cats"),
    entry(5, "Carl", "Karol", '7'),
    entry(6, "old cat", "stary kot", '5', "o"),
    entry(7, "big car", "duży samochód", '5', "b"),
    entry(8, "New York", "Nowy Jork", '1', "n"),
    entry(9, "house", "dom <I> (budynek) </I>", '1', "h", "houses"),
    entry(10, "boat", "łódź", '1', "b"),
    entry(11, "24/7", "całą dobę", '6', "1"),
};

std::vector<std::string> headwords(const std::string& out) {
    std::vector<std::string> found;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t start = line.find("\"headword\":\"") + 12;
        found.push_back(line.substr(start, line.find('"', start) - start));
    }
    return found;
}

TEST(DictionaryTool, LookupPrintsOneObjectPerResultInDisplayOrder) {
    const DictionaryCourse course(kWords);
    const ToolRun word = course.lookup({"--word", "houses"});
    EXPECT_EQ(word.status, 0) << word.err;
    EXPECT_EQ(word.out, "{\"line\":9,\"number\":9,\"label\":\"(s)\",\"headword\":\"house\","
                        "\"second\":\"houses\",\"translation\":\"dom <I> (budynek) </I>\"}\n");

    const ToolRun query = course.lookup({"--query", "ca"});
    EXPECT_EQ(query.status, 0);
    EXPECT_EQ(headwords(query.out), (std::vector<std::string>{"ca", "car", "cat", "Carl",
                                                              "cable car", "big car", "old cat"}));
    EXPECT_NE(query.out.find("{\"line\":5,\"number\":5,\"label\":\"\",\"headword\":\"Carl\""),
              std::string::npos)
        << query.out;
    EXPECT_EQ(headwords(course.lookup({"--query", "ca", "--whole-words"}).out),
              (std::vector<std::string>{"ca"}));
    EXPECT_EQ(course.lookup({"--query", "new"}).out, "");
    EXPECT_EQ(headwords(course.lookup({"--query", "ŁÓDŹ", "--translations"}).out),
              (std::vector<std::string>{"boat"}));
    EXPECT_EQ(headwords(course.lookup({"--letter", "C"}).out),
              (std::vector<std::string>{"cable car", "ca", "car", "cat", "Carl"}));
    EXPECT_EQ(headwords(course.lookup({"--letter", "1"}).out), (std::vector<std::string>{"24/7"}));
    const ToolRun es = course.lookup({"--word", "es"});
    EXPECT_EQ(es.status, 0);
    EXPECT_EQ(es.out, "");
}

TEST(DictionaryTool, LookupRefusesBadArguments) {
    const DictionaryCourse course(kWords);
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"--word", "cat", "--query", "cat"},
        {"--word", "cat", "--translations"},
        {"--letter", "ab"},
        {"--letter", ""},
        {"--query"},
        {"--colour", "red"},
        {"--word", "cat", "--word", "dog"},
    };
    for (const auto& options : bad) {
        const ToolRun refused = course.lookup(options);
        EXPECT_EQ(refused.status, 2) << (options.empty() ? "" : options.front());
        EXPECT_NE(refused.err.find("vimo-course lookup"), std::string::npos);
    }
    EXPECT_EQ(run({"lookup"}).status, 2);
    EXPECT_EQ(run({"lookup", "--word", "cat"}).status, 2); // no course root
    const ToolRun help = run({"lookup", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--whole-words"), std::string::npos);
}

TEST(DictionaryTool, LookupFailsWhenTheCourseOrItsDictionaryCannotBeRead) {
    EXPECT_EQ(run({"lookup", "/no/such/course", "--word", "cat"}).status, 1);
    test::TempCourse course;
    course.write_minimal_course();
    const ToolRun missing = run({"lookup", course.root(), "--word", "cat"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("slowniku.txt"), std::string::npos);
    course.write_bytes("slowniku.txt", "EN:1 |1cat=kot=\r\n");
    const ToolRun unmarked = run({"lookup", course.root(), "--word", "cat"});
    EXPECT_EQ(unmarked.status, 1);
    EXPECT_NE(unmarked.err.find("slowniku.txt:1: error:"), std::string::npos) << unmarked.err;
}

TEST(DictionaryTool, CheckReportsMalformedLinesAsErrorsAndShortOnesAsWarnings) {
    const DictionaryCourse course({entry(1, "cat", "kot"), "EN:2 |xdog=pies=", "EN:? |1cow=krowa=",
                                   "", "EN:5|1hen=kura=", entry(6, "pig", "świnia")});
    const ToolRun check = run({"check", course.course.root()});
    EXPECT_EQ(check.status, 1);
    for (const char* expected :
         {"slowniku.txt:2: error: expected the part-of-speech digit",
          "slowniku.txt:3: error: expected the entry number", "slowniku.txt:4: warning: blank line",
          "slowniku.txt:5: warning: expected three characters, the entry number and a space"}) {
        EXPECT_NE(check.out.find(expected), std::string::npos) << expected << "\n" << check.out;
    }
    EXPECT_EQ(check.out.find("slowniku.txt:1:"), std::string::npos) << check.out;
    EXPECT_EQ(check.out.find("slowniku.txt:6:"), std::string::npos) << check.out;
}

std::vector<std::string> entries(int count) {
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back(entry(i, "w" + std::to_string(i), "s"));
    return lines;
}

TEST(DictionaryTool, CheckNamesTheFirstEntryPastTheTable) {
    const DictionaryCourse over(entries(10001));
    const ToolRun check = run({"check", over.course.root()});
    EXPECT_EQ(check.status, 1);
    EXPECT_EQ(check.out.rfind("slowniku.txt:10001: error: more than 10000 dictionary entries", 0),
              0u)
        << check.out;
    EXPECT_NE(check.out.find("Slownik.txt - za duza liczba rekordow."), std::string::npos);

    std::vector<std::string> full = entries(10000);
    full.push_back("");
    const DictionaryCourse exactly(full);
    const ToolRun passes = run({"check", exactly.course.root()});
    EXPECT_EQ(passes.status, 0) << passes.out;
    EXPECT_EQ(passes.out, "slowniku.txt:10001: warning: blank line: no entry, skipped\n");
}

} // namespace
} // namespace vimo
