#include "core/text_file.h"
#include "support/named_case.h"

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace vimo {
namespace {

VIMO_PRINT_CASES_BY_NAME()

using namespace std::string_literals;
using Lines = std::vector<std::string>;

const std::string kBom = "\xFF\xFE";
const std::string kLineEnd = "\0\0"s; // the U+0000 unit that ends every read line

// A read line of ASCII text.
std::string line(const std::string& text) {
    return uni_widen(text) + kLineEnd;
}

// A temporary folder for fixture files, removed with the fixture.
class TextFileTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    std::string write(const std::string& name, const std::string& bytes) const {
        const std::string path = m_dir.filePath(QString::fromStdString(name)).toStdString();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    std::string path_of(const std::string& name) const {
        return m_dir.filePath(QString::fromStdString(name)).toStdString();
    }

private:
    QTemporaryDir m_dir;
};

struct ReadLineCase {
    const char* name;
    std::string content; // after the byte-order mark
    Lines expected;
};

class UniReadLine : public testing::TestWithParam<ReadLineCase> {};

TEST_P(UniReadLine, SplitsLikeTheCourseFilesExpect) {
    CourseTextReader reader(GetParam().content);
    Lines lines;
    while (!reader.at_end())
        lines.push_back(uni_read_line(reader));
    EXPECT_EQ(lines, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UniReadLine,
    testing::Values(
        ReadLineCase{"crlf_lines", uni_widen("a=b\r\nc\r\n"), {line("a=b"), line("c")}},
        ReadLineCase{"last_line_without_line_end_has_the_same_shape",
                     uni_widen("a\r\nbc"),
                     {line("a"), line("bc")}},
        ReadLineCase{"empty_lines", uni_widen("\r\na\r\n\r\n"), {line(""), line("a"), line("")}},
        ReadLineCase{"empty_content", "", {}},
        ReadLineCase{"end_mark_inside_a_line",
                     uni_widen("a\r\nb\x1A"s + "c\r\nd\r\n"),
                     {line("a"), line("b")}},
        ReadLineCase{"end_mark_after_the_last_line_end", uni_widen("a\r\n\x1A"), {line("a")}},
        // A lone CR unit goes as a whole, so the units after it stay aligned.
        ReadLineCase{"lone_cr", uni_widen("a\rb\r\n"), {line("ab")}},
        ReadLineCase{
            "lf_only_lines_have_the_same_shape", uni_widen("a\nb"), {line("a"), line("b")}},
        // К is U+041A (bytes 1A 04), Ċ is U+010A (0A 01), Ѝ is U+040D (0D 04): bytes that
        // look like the end mark or a line end inside a character are text.
        ReadLineCase{"line_end_bytes_inside_characters",
                     "\x1A\x04"s + uni_widen("=") + "\x0A\x01\x0D\x04" + uni_widen("\r\nx"),
                     {"\x1A\x04=\0\x0A\x01\x0D\x04\0\0"s, line("x")}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UniReadLine, AtTheEndGivesAnEmptyLine) {
    CourseTextReader reader("");
    EXPECT_EQ(uni_read_line(reader), kLineEnd);
}

TEST_F(TextFileTest, ReadsEveryLineOfACourseTextFile) {
    const std::string path = write("kurs.txt", kBom + uni_widen("1=x=G1=Grammar=\r\nlast"));
    const auto lines = read_course_text_file(path);
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, (Lines{line("1=x=G1=Grammar="), line("last")}));
}

TEST_F(TextFileTest, FieldsOfAReadLine) {
    const auto lines = read_course_text_file(write("f.txt", kBom + uni_widen("a=b=c\r\n")));
    ASSERT_TRUE(lines.has_value());
    ASSERT_EQ(lines->size(), 1u);
    const UniString& read = lines->front();
    EXPECT_EQ(uni_field(2, read, u'='), uni_widen("b"));
    EXPECT_EQ(uni_field(3, read, u'='), uni_widen("c") + kLineEnd);
    EXPECT_EQ(uni_field(4, read, u'='), "");
}

TEST_F(TextFileTest, NonAsciiUnitsSurviveReading) {
    // ł (U+0142) and ś (U+015B) have a nonzero high byte that must stay in place.
    const std::string text = "\x42\x01\x5B\x01"s;
    const auto lines = read_course_text_file(write("pl.txt", kBom + text + uni_widen("\r\n")));
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, Lines{text + kLineEnd});
}

TEST_F(TextFileTest, OnlyAByteOrderMarkGivesNoLines) {
    const auto lines = read_course_text_file(write("bom.txt", kBom));
    ASSERT_TRUE(lines.has_value());
    EXPECT_TRUE(lines->empty());
}

TEST_F(TextFileTest, EndMarkRightAfterTheByteOrderMarkGivesNoLines) {
    const auto lines =
        read_course_text_file(write("mark.txt", kBom + uni_widen("\x1A"s + "a\r\n")));
    ASSERT_TRUE(lines.has_value());
    EXPECT_TRUE(lines->empty());
}

TEST_F(TextFileTest, MissingFileIsNoFile) {
    EXPECT_FALSE(read_course_text_file(path_of("missing.txt")).has_value());
    EXPECT_FALSE(read_8bit_lines(path_of("missing.txt")).has_value());
}

struct BadCourseFileCase {
    const char* name;
    std::string bytes;
    int line;
    std::string problem_start;
};

class BadCourseFile : public TextFileTest, public testing::WithParamInterface<BadCourseFileCase> {};

TEST_P(BadCourseFile, NamesTheFileAndTheLine) {
    const BadCourseFileCase& c = GetParam();
    const std::string path = write("bad.txt", c.bytes);
    try {
        read_course_text_file(path);
        FAIL() << "no CourseFileError";
    } catch (const CourseFileError& e) {
        EXPECT_EQ(e.file(), path);
        EXPECT_EQ(e.line(), c.line);
        EXPECT_EQ(e.problem().rfind(c.problem_start, 0), 0u) << e.problem();
    }
}

const std::string kNoBom = "expected a UTF-16LE text file starting with the byte-order mark";
const std::string kOdd = "odd number of bytes";

INSTANTIATE_TEST_SUITE_P(
    Cases, BadCourseFile,
    testing::Values(BadCourseFileCase{"empty_file", "", 1, kNoBom},
                    BadCourseFileCase{"no_bom", uni_widen("a=b\r\n"), 1, kNoBom},
                    BadCourseFileCase{"big_endian_bom", "\xFE\xFF" + uni_widen("a"), 1, kNoBom},
                    BadCourseFileCase{"half_a_bom", "\xFF", 1, kNoBom},
                    BadCourseFileCase{"utf8_bom", "\xEF\xBB\xBF"s + "abc", 1, kNoBom},
                    BadCourseFileCase{"odd_in_first_line", kBom + uni_widen("ab") + "c", 1, kOdd},
                    BadCourseFileCase{"odd_in_third_line", kBom + uni_widen("a\r\nb\r\nc") + "d", 3,
                                      kOdd},
                    BadCourseFileCase{"dangling_byte_after_last_line_end",
                                      kBom + uni_widen("a\r\nb\r\n") + "x", 3, kOdd}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TextFileTest, AFolderCannotBeRead) {
    const std::string path = path_of("folder");
    std::filesystem::create_directory(path);
    EXPECT_THROW(read_course_text_file(path), CourseFileError);
    try {
        read_8bit_lines(path);
        FAIL() << "no CourseFileError";
    } catch (const CourseFileError& e) {
        EXPECT_EQ(e.line(), 0);
        EXPECT_EQ(std::string(e.what()).rfind(path + ": ", 0), 0u) << e.what();
    }
}

TEST(CourseFileError, MessageNamesFileAndLine) {
    EXPECT_STREQ(CourseFileError("infa_ru.txt", 12, "bad level").what(),
                 "infa_ru.txt, line 12: bad level");
    EXPECT_STREQ(CourseFileError("usr.t", 0, "cannot be read").what(), "usr.t: cannot be read");
}

struct EightBitCase {
    const char* name;
    std::string content;
    Lines expected;
};

class EightBitLines : public TextFileTest, public testing::WithParamInterface<EightBitCase> {};

TEST_P(EightBitLines, SplitsAtLineEnds) {
    const auto lines = read_8bit_lines(write("t.txt", GetParam().content));
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EightBitLines,
    testing::Values(EightBitCase{"empty_file", "", {}},
                    EightBitCase{"crlf", "a=1\r\nb=2\r\n", {"a=1", "b=2"}},
                    EightBitCase{"last_line_without_line_end", "a\r\nb", {"a", "b"}},
                    EightBitCase{"lf_only", "a\nb\n", {"a", "b"}},
                    EightBitCase{"empty_lines_count", "\r\na\r\n\r\n", {"", "a", ""}},
                    EightBitCase{"lone_cr_stays", "a\rb\r\n", {"a\rb"}},
                    EightBitCase{"code_page_bytes_unchanged",
                                 "\xA3\xF3"s + "d\x9F\r\n",
                                 {"\xA3\xF3"s + "d\x9F"}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace vimo
