#include "demo_builder/artwork.h"
#include "demo_builder/demo_course.h"
#include "demo_builder/source_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vimo {
namespace {

QByteArray bytes_of(std::initializer_list<unsigned char> values) {
    QByteArray out;
    for (const unsigned char v : values)
        out.append(static_cast<char>(v));
    return out;
}

void write_file(const QString& path, const QByteArray& bytes) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// QStrings compared as std::string, so that a failure prints readable text.
std::string str(const QString& text) {
    return text.toStdString();
}

QByteArray read_file(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// A demo source tree and an output folder, both temporary.
class DemoBuildTest : public ::testing::Test {
protected:
    QString source(const QString& relative) const { return m_source.filePath(relative); }
    QString output(const QString& relative) const { return m_output.filePath(relative); }
    void add_source(const QString& relative, const QByteArray& bytes) const {
        write_file(source(relative), bytes);
    }
    QStringList build() const { return build_demo_texts(m_source.path(), m_output.path()); }

    // The error a build stops with; fails the test when it does not stop.
    DemoSourceError build_error() const {
        try {
            build();
        } catch (const DemoSourceError& error) {
            return error;
        }
        ADD_FAILURE() << "the build did not stop";
        return DemoSourceError({}, 0, {});
    }

    QTemporaryDir m_source;
    QTemporaryDir m_output;
};

struct CourseTextCase {
    const char* name = "";
    QByteArray source;
    QByteArray expected;
};

void PrintTo(const CourseTextCase& c, std::ostream* os) {
    *os << c.name;
}

class CourseTextTest : public DemoBuildTest,
                       public ::testing::WithParamInterface<CourseTextCase> {};

TEST_P(CourseTextTest, WritesUtf16WithBomAndCrLfAfterEveryLine) {
    add_source("utf16/Lang_r/0/infa_ru.txt", GetParam().source);
    build();
    EXPECT_EQ(read_file(output("Lang_r/0/infa_ru.txt")).toHex(' '), GetParam().expected.toHex(' '));
}

// ą = U+0105, ł = U+0142, ś = U+015B, ż = U+017C.
const QByteArray k_polish_units = bytes_of({0xFF, 0xFE, 0x05, 0x01, 0x42, 0x01, 0x0D, 0x00, 0x0A,
                                            0x00, 0x5B, 0x01, 0x7C, 0x01, 0x0D, 0x00, 0x0A, 0x00});

INSTANTIATE_TEST_SUITE_P(
    Sources, CourseTextTest,
    ::testing::Values(CourseTextCase{"LastLineWithoutEnd", "ął\nśż", k_polish_units},
                      CourseTextCase{"LastLineWithEnd", "ął\nśż\n", k_polish_units},
                      CourseTextCase{"CrLfSource", "ął\r\nśż\r\n", k_polish_units},
                      CourseTextCase{"Utf8BomDropped",
                                     "\xEF\xBB\xBF"
                                     "ął\nśż",
                                     k_polish_units},
                      CourseTextCase{"EmptyLinesKept", "a\n\nb\n",
                                     bytes_of({0xFF, 0xFE, 'a', 0, 0x0D, 0, 0x0A, 0, 0x0D, 0, 0x0A,
                                               0, 'b', 0, 0x0D, 0, 0x0A, 0})},
                      CourseTextCase{
                          "OutsideTheBasicPlane", "\xF0\x9F\x8E\xA7",
                          bytes_of({0xFF, 0xFE, 0x3C, 0xD8, 0xA7, 0xDF, 0x0D, 0, 0x0A, 0})},
                      CourseTextCase{"EmptyFile", "", bytes_of({0xFF, 0xFE})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DemoBuildTest, WritesWindows1250WithCrLf) {
    add_source("cp1250/prof_r.txt", "ą ł ś ż\nĄŁŚŻ\n1");
    build();
    EXPECT_EQ(read_file(output("prof_r.txt")).toHex(' '),
              bytes_of({0xB9, ' ', 0xB3, ' ', 0x9C, ' ', 0xBF, 0x0D, 0x0A, 0xA5, 0xA3, 0x8C, 0xAF,
                        0x0D, 0x0A, '1', 0x0D, 0x0A})
                  .toHex(' '));
}

TEST_F(DemoBuildTest, ReplacesCourseRootTokenWithAbsoluteOutputFolder) {
    add_source("cp1250/vr60.ini", "demo\nMR=@COURSE_ROOT@\n");
    add_source("cp1250/Lang_r/0/paths.txt", "@COURSE_ROOT@a;@COURSE_ROOT@b\n");
    build();
    const QByteArray root = (QDir(m_output.path()).absolutePath() + "/").toUtf8();
    EXPECT_EQ(read_file(output("vr60.ini")), "demo\r\nMR=" + root + "\r\n");
    EXPECT_EQ(read_file(output("Lang_r/0/paths.txt")), root + "a;" + root + "b\r\n");
}

TEST_F(DemoBuildTest, CopiesVerbatimFilesByteForByte) {
    const QByteArray binary = bytes_of({0x00, 0xFF, 0x0D, 0x0A, 0x0A, 0xC3, 0x28, 0x1A});
    add_source("copy/wav_r/r_open.wav", binary);
    build();
    EXPECT_EQ(read_file(output("wav_r/r_open.wav")), binary);
}

struct BadSourceCase {
    const char* name = "";
    const char* relative = "";
    QByteArray bytes;
    int line = 0;
};

void PrintTo(const BadSourceCase& c, std::ostream* os) {
    *os << c.name;
}

class BadSourceTest : public DemoBuildTest, public ::testing::WithParamInterface<BadSourceCase> {};

TEST_P(BadSourceTest, StopsNamingFileAndLine) {
    add_source(GetParam().relative, GetParam().bytes);
    const DemoSourceError error = build_error();
    EXPECT_EQ(str(error.file()), str(source(GetParam().relative)));
    EXPECT_EQ(error.line(), GetParam().line);
    const QString where = source(GetParam().relative) + ":" + QString::number(GetParam().line);
    EXPECT_TRUE(QString::fromStdString(error.what()).startsWith(where)) << error.what();
}

INSTANTIATE_TEST_SUITE_P(
    Sources, BadSourceTest,
    ::testing::Values(BadSourceCase{"LoneContinuationByte", "utf16/a.txt",
                                    "ok\nok\nb\x80"
                                    "d\n",
                                    3},
                      BadSourceCase{"Latin2ByteInsteadOfUtf8", "cp1250/prof_r.txt",
                                    "Rozumienie ze s\xB3uchu\n", 1},
                      BadSourceCase{"OverlongSlash", "utf16/b.txt", "x\n\xC0\xAF\n", 2},
                      BadSourceCase{"SequenceCutByLineEnd", "utf16/c.txt", "\xE2\x82\nx", 1},
                      BadSourceCase{"EncodedSurrogate", "utf16/d.txt", "a\nb\n\xED\xA0\x80", 3},
                      BadSourceCase{"NotInCodePage", "cp1250/vr60.ini", "x\nMR=→\n", 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DemoBuildTest, StopsAtAFolderWithoutRule) {
    add_source("utf8/x.txt", "x");
    EXPECT_EQ(str(build_error().file()), str(source("utf8")));
}

TEST_F(DemoBuildTest, RebuildReplacesOwnOutputsAndKeepsEverythingElse) {
    add_source("cp1250/prof_r.txt", "old\n");
    add_source("utf16/Lang_r/0/infa_ru.txt", "a\n");
    build();
    write_file(output("usr.t"), "learner list");
    write_file(output("Lang_r/0/notes.txt"), "learner notes");
    add_source("cp1250/prof_r.txt", "new\n");
    build();
    EXPECT_EQ(read_file(output("prof_r.txt")), "new\r\n");
    EXPECT_EQ(read_file(output("usr.t")), "learner list");
    EXPECT_EQ(read_file(output("Lang_r/0/notes.txt")), "learner notes");
    // Nothing left behind by the replacement of a file.
    const auto entries = [](const QString& folder) {
        const auto filter = QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot;
        return str(QDir(folder).entryList(filter, QDir::Name).join(u' '));
    };
    EXPECT_EQ(entries(m_output.path()), "Lang_r prof_r.txt usr.t");
    EXPECT_EQ(entries(output("Lang_r/0")), "infa_ru.txt notes.txt");
}

const QByteArray k_complete_wording = "interface_language=1\n"
                                      "title=T\nsubtitle=S\nhelp=H\noptions=O\n"
                                      "about_heading=A\nabout_line1=A1\nabout_line2=A2\n"
                                      "website=W\ngreetings=Hi | Hallo|\n"
                                      "quit_question=Q?\nyes=Y\nno=N\n"
                                      "button_ok=a\nbutton_close=a\nbutton_new_learner=a\n"
                                      "button_expand_all=a\nbutton_collapse_all=a\n"
                                      "button_print=a\nbutton_delete_one=a\n"
                                      "button_delete_all=a\nbutton_check=a\nbutton_again=a\n"
                                      "button_glossary=a\nbutton_dictionary=a\n"
                                      "button_tips=a\nbutton_lessons=a\n"
                                      "button_repetitions=a\nbutton_more=a\nbutton_translation=a\n"
                                      "chooser_title=a\ncolumn_exercise=a\ncolumn_level=a\n"
                                      "column_done=a\ncolumn_repetition=a\ncolumn_score=a\n"
                                      "learner_question=a\nlearner_name=a\n"
                                      "analyser_title=a\nanalyser_model=a\n"
                                      "analyser_take=a\nanalyser_outline=a\n";

TEST(ArtWordingTest, ReadsEveryKey) {
    const ArtWording wording = read_art_wording("# comment\n\n" + k_complete_wording, "en.txt");
    EXPECT_EQ(wording.interface_language, 1);
    EXPECT_EQ(str(wording.subtitle), "S");
    EXPECT_EQ(str(wording.about_line2), "A2");
    EXPECT_EQ(str(wording.greetings.join(u'|')), "Hi|Hallo");
    EXPECT_EQ(str(wording.quit_question), "Q?");
    EXPECT_EQ(str(wording.no), "N");
}

TEST(ArtWordingTest, RejectsBadLinesAndMissingKeys) {
    struct Case {
        QByteArray text;
        int line = 0;
        const char* problem = "";
    };
    // The line after the complete wording.
    const int next_line = static_cast<int>(k_complete_wording.count('\n')) + 1;
    const Case cases[] = {
        {k_complete_wording + "colour=red\n", next_line, "unknown key colour"},
        {k_complete_wording + "yes=Tak\n", next_line, "key yes given twice"},
        {"interface_language=7\n", 1, "interface_language must be a number 0 to 4"},
        {"title\n", 1, "expected key=value"},
        {QByteArray(k_complete_wording).replace("no=N\n", ""), 0, "key no is missing"},
    };
    for (const Case& c : cases) {
        try {
            read_art_wording(c.text, "pl.txt");
            ADD_FAILURE() << "accepted: " << c.text.toStdString();
        } catch (const DemoSourceError& error) {
            EXPECT_EQ(str(error.file()), "pl.txt");
            EXPECT_EQ(error.line(), c.line) << c.problem;
            EXPECT_EQ(str(error.problem()), c.problem);
        }
    }
}

} // namespace
} // namespace vimo
