// Every bounded table filled to its capacity and one entry past it: the table holds
// exactly the capacity, and a single problem names the file and the line of the first
// entry left out (not a comment or blank line before it).

#include "core/course_loaders.h"
#include "core/loader_table_sizes.h"
#include "support/named_case.h"
#include "support/temp_course.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vimo {
namespace {

VIMO_PRINT_CASES_BY_NAME()

using namespace std::string_literals;
using Lines = std::vector<std::string>;
using Loader = void (*)(const Config&, CourseTables&, CourseProblems&);
using Count = std::size_t (*)(const CourseTables&);

enum class Encoding { utf16, eight_bit };

struct CapacityCase {
    const char* name;
    const char* file; // course-relative
    Encoding encoding;
    Loader loader;
    int capacity;
    std::function<Lines(int)> entry; // the lines of entry i, from 1
    Count count;                     // the entries of the bounded table
    Lines before;                    // lines before entry 1
    Lines gap;                       // lines between the last entry taken and the next one
    Severity severity = Severity::error;
    std::string message;
};

std::string over_capacity(int capacity, const std::string& entries) {
    return "more than " + std::to_string(capacity) + " " + entries + ": the table holds " +
           std::to_string(capacity) + ", this line and the rest are left out";
}

using test::first_dialogue_lines;
using test::first_section_lines;
using test::number;
using test::size_of;

// One line, the same for every entry.
std::function<Lines(int)> same(const std::string& line) {
    return [line](int) { return Lines{line}; };
}

// One line made from the entry's number.
std::function<Lines(int)> each(std::function<std::string(int)> line) {
    return [line = std::move(line)](int i) { return Lines{line(i)}; };
}

constexpr const char* kHeader = "D=Name=1=1=TTNTT=0=tlo=0=";

// A sentence line of its own section for each i below 10000.
std::string own_section_line(int i) {
    const std::string section = number(i % 100 / 10) + number(i % 10);
    const std::string group = number(i / 1000 % 10) + number(i / 100 % 10 + 1);
    return "1" + section + group + "=s=";
}

CapacityCase error_case(const char* name, const char* file, Encoding encoding, Loader loader,
                        int capacity, std::function<Lines(int)> entry, Count count,
                        const std::string& entries, Lines gap = {}, Lines before = {}) {
    return {name,
            file,
            encoding,
            loader,
            capacity,
            std::move(entry),
            count,
            std::move(before),
            std::move(gap),
            Severity::error,
            over_capacity(capacity, entries)};
}

const std::vector<CapacityCase>& cases() {
    namespace cap = table_capacity;
    const Encoding utf16 = Encoding::utf16;
    const Encoding bytes8 = Encoding::eight_bit;
    static const std::vector<CapacityCase> all{
        error_case("lesson_groups", "Lang_r/0/grau.txt", utf16, load_lesson_groups,
                   cap::lesson_groups, each([](int i) { return number(i) + "=x=G=N="; }),
                   size_of<&CourseTables::groups>, "lesson groups"),
        // The program reads on without the later pairs, so the course still starts.
        {"phrases",
         "ss_r.t",
         bytes8,
         load_phrases,
         cap::phrases,
         each([](int i) { return "k" + number(i) + "=v"; }),
         size_of<&CourseTables::phrases>,
         {},
         {"no pair here", ""},
         Severity::warning,
         over_capacity(cap::phrases, "phrase pairs")},
        error_case("comprehension_texts", "rozumienia_a.txt", bytes8, load_comprehension_texts,
                   cap::comprehension_texts, each([](int i) { return number(i) + "=1=1=T="; }),
                   size_of<&CourseTables::texts>, "comprehension texts", {"/ comment", ""},
                   {"/ number=level=group=title="}),
        error_case("sentence_lines", "zda_rozumu.txt", utf16, load_sentences, cap::sentence_lines,
                   each([](int i) { return "101" + number(i % 10) + "1=s="; }),
                   size_of<&CourseTables::sentence_lines>, "sentence lines"),
        // A blank line is a sentence line of no section: the next section is named.
        error_case("sentence_sections", "zda_rozumu.txt", utf16, load_sentences,
                   cap::sentence_sections, each(own_section_line), size_of<&CourseTables::sections>,
                   "sentence sections", {""}),
        error_case("lines_of_one_section", "zda_rozumu.txt", utf16, load_sentences,
                   cap::lines_per_section, same("10101=s="), first_section_lines,
                   "lines in sentence section 1", {"20101=s="}),
        error_case("catalogue", "kurs_cwiczu.kvt", utf16, load_catalogue, cap::catalogue,
                   [](int) {
                       return Lines{"0001110201", "a", "b", "c", "-----"};
                   },
                   size_of<&CourseTables::catalogue>, "catalogue entries", {"*comment", ""}),
        error_case("comprehension_rows", "kursu.roz", utf16, load_comprehension_rows,
                   cap::comprehension_rows, each([](int i) { return number(i) + "=s=p=e=1=2=3="; }),
                   size_of<&CourseTables::comprehension_rows>, "comprehension-exercise rows"),
        error_case("recording_rows", "kursu.zdn", utf16, load_recording_rows, cap::recording_rows,
                   each([](int i) { return number(i) + "=m=t"; }),
                   size_of<&CourseTables::recording_rows>, "sentence-recording rows"),
        error_case("drag_rows", "kurs.zdd", bytes8, load_drag_rows, cap::drag_rows,
                   same("00001 a=b="), size_of<&CourseTables::drag_rows>,
                   "sentence drag-and-drop rows", {""}),
        error_case("dialogues", "dialogi_au.txt", utf16, load_dialogues, cap::dialogues,
                   [](int) {
                       return Lines{kHeader, "A=s=t=p=", ""};
                   },
                   size_of<&CourseTables::dialogues>, "dialogues", {""}),
        error_case("lines_of_one_dialogue", "dialogi_au.txt", utf16, load_dialogues,
                   cap::lines_per_dialogue, each([](int i) { return "A=s" + number(i) + "=t=p="; }),
                   first_dialogue_lines, "lines in one dialogue", {}, {kHeader}),
        error_case("letters", "Listy_r/index.txt", bytes8, load_letters, cap::letters,
                   each([](int i) { return "l" + number(i) + "=1=1=0="; }),
                   size_of<&CourseTables::letters>, "letters", {""}),
        // The glossary's limit is on lines and keeps the message the program shows.
        {"glossary",
         "slowniczeku.txt",
         utf16,
         load_glossary,
         cap::glossary_lines,
         each([](int i) { return number(i) + "=t"; }),
         size_of<&CourseTables::glossary>,
         {},
         {},
         Severity::error,
         glossary_too_long_message},
        // Each task of its own text, so that no text passes its eight tasks.
        error_case("tasks", "St_au.txt", utf16, load_tasks, cap::tasks,
                   [](int i) {
                       return Lines{"#" + number(i) + "#tlo", "MC#x", "", "-----"};
                   },
                   size_of<&CourseTables::tasks>, "task entries", {"", " "}),
        error_case("open_tasks", "otwarte.txt", bytes8, load_open_tasks, cap::open_tasks,
                   each([](int i) { return number(i) + "=1=1=a=b="; }),
                   size_of<&CourseTables::open_tasks>, "open tasks", {"/ comment"}),
    };
    return all;
}

class TableCapacity : public testing::TestWithParam<CapacityCase> {
protected:
    // The file with the lines before, entries 1 to the capacity and the gap.
    Lines full_table() const {
        const CapacityCase& c = GetParam();
        Lines lines = c.before;
        for (int i = 1; i <= c.capacity; ++i) {
            const Lines entry = c.entry(i);
            lines.insert(lines.end(), entry.begin(), entry.end());
        }
        lines.insert(lines.end(), c.gap.begin(), c.gap.end());
        return lines;
    }

    void load(const Lines& lines) {
        const CapacityCase& c = GetParam();
        if (c.encoding == Encoding::utf16) {
            course.write_utf16(c.file, lines);
        } else {
            course.write_8bit(c.file, lines);
        }
        Config config;
        config.course_root = course.root();
        config.variant_letter = 'a';
        config.language_folder = "Lang_r\\0\\";
        c.loader(config, tables, problems);
    }

    test::TempCourse course;
    CourseTables tables;
    CourseProblems problems;
};

TEST_P(TableCapacity, AFullTableTakesEveryEntryWithoutAProblem) {
    load(full_table());
    EXPECT_TRUE(problems.all().empty()) << problems.all().front().text();
    EXPECT_EQ(GetParam().count(tables), static_cast<std::size_t>(GetParam().capacity));
}

TEST_P(TableCapacity, TheFirstEntryPastItIsNamedAndLeftOut) {
    const CapacityCase& c = GetParam();
    Lines lines = full_table();
    const int first_left_out = static_cast<int>(lines.size()) + 1;
    const Lines extra = c.entry(c.capacity + 1);
    lines.insert(lines.end(), extra.begin(), extra.end());
    load(lines);

    EXPECT_EQ(c.count(tables), static_cast<std::size_t>(c.capacity));
    ASSERT_EQ(problems.all().size(), 1u);
    const CourseProblem& problem = problems.all().front();
    EXPECT_EQ(problem.file, c.file);
    EXPECT_EQ(problem.line, first_left_out);
    EXPECT_EQ(problem.severity, c.severity);
    EXPECT_EQ(problem.message, c.message);
}

INSTANTIATE_TEST_SUITE_P(Tables, TableCapacity, testing::ValuesIn(cases()),
                         [](const testing::TestParamInfo<CapacityCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace vimo
