#include "html/page_files.h"
#include "support/named_case.h"
#include "support/temp_course.h"

#include <gtest/gtest.h>
#include <string>

namespace vimo {
namespace {

VIMO_PRINT_CASES_BY_NAME()

TEST(PageAddress, SplitsAtTheFirstHash) {
    const PageAddress plain = split_page_address("Htm_r\\h_log.html");
    EXPECT_EQ(plain.file, "Htm_r\\h_log.html");
    EXPECT_EQ(plain.anchor, "");
    const PageAddress anchored = split_page_address("Htm_r\\h_comp.html#filmy#2");
    EXPECT_EQ(anchored.file, "Htm_r\\h_comp.html");
    EXPECT_EQ(anchored.anchor, "filmy#2");
    EXPECT_EQ(join_page_address(anchored), "Htm_r\\h_comp.html#filmy#2");
    EXPECT_EQ(join_page_address(plain), "Htm_r\\h_log.html");
    EXPECT_EQ(split_page_address("#dd").file, "");
}

class FindPageFile : public ::testing::Test {
protected:
    void SetUp() override {
        course.write_bytes("Htm_r/style.css", "p {}");
        course.write_bytes("Htm_r/Gfx/Okno.PNG", "png");
        course.write_bytes("Htm_r/h_comp.html", "<p>");
        course.write_bytes("gfx_r/tlo.bmp", "bmp");
    }
    std::string page_folder() const { return course.root() + "Htm_r"; }
    test::TempCourse course;
};

struct FindCase {
    const char* name;
    std::string written;  // as the page writes it
    std::string expected; // relative to the course root, "" for not found
};

TEST_F(FindPageFile, LooksNextToThePageThenUnderTheCourseRootIgnoringCase) {
    const FindCase cases[] = {
        {"next to the page", "style.css", "Htm_r/style.css"},
        {"other case and backslash", "GFX\\okno.png", "Htm_r/Gfx/Okno.PNG"},
        {"the course's style sheet link", "htm_r\\style.css", "Htm_r/style.css"},
        {"only under the root", "GFX_R/Tlo.BMP", "gfx_r/tlo.bmp"},
        {"nowhere", "gfx/brak.png", ""},
        {"empty", "", ""},
    };
    for (const FindCase& c : cases) {
        const std::string expected = c.expected.empty() ? "" : course.path(c.expected);
        EXPECT_EQ(find_page_file(c.written, page_folder(), course.root()), expected) << c.name;
    }
}

TEST_F(FindPageFile, AbsoluteNamesAndFileUrlsNeedNoFolder) {
    const std::string absolute = course.root() + "HTM_R\\STYLE.css";
    EXPECT_EQ(find_page_file(absolute, {}, {}), course.path("Htm_r/style.css"));
    EXPECT_EQ(find_page_file("file://" + absolute, {}, {}), course.path("Htm_r/style.css"));
    EXPECT_EQ(find_page_file("FILE:" + absolute, {}, {}), course.path("Htm_r/style.css"));
}

TEST(ExternalLink, IsASchemeOtherThanFile) {
    const struct {
        const char* name;
        const char* href;
        bool external;
    } cases[] = {
        {"web", "http://lexaro.example/", true},
        {"secure web", "HTTPS://lexaro.example/", true},
        {"mail", "mailto:pomoc@lexaro.example", true},
        {"local file", "file:///kurs/Htm_r/a.html", false},
        {"course page", "h_comp.html#dd", false},
        {"anchor", "#listy", false},
        {"drive letter", "C:\\Kurs\\Htm_r\\a.html", false},
        {"colon in a later part", "strona.html#a:b", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(is_external_link(c.href), c.external) << c.name;
}

TEST(DecodePage, TheDeclaredCharsetOrUtf8OrTheCoursesCodePage) {
    const QString polish = QStringLiteral("Pomoc: żółć");
    const QByteArray utf8 = polish.toUtf8();
    // "Pomoc: " then ż ó ł ć in Windows-1250.
    const QByteArray cp1250 = QByteArray("Pomoc: ") + QByteArray("\xBF\xF3\xB3\xE6");
    EXPECT_TRUE(decode_page("<html><body>" + utf8).contains(polish)) << "undeclared UTF-8";
    EXPECT_TRUE(decode_page("<html><body>" + cp1250).contains(polish)) << "undeclared 8-bit";
    const QByteArray declared_1250 =
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1250\">";
    EXPECT_TRUE(decode_page(declared_1250 + cp1250).contains(polish)) << "declared 8-bit";
    EXPECT_TRUE(decode_page("<meta charset=\"utf-8\">" + utf8).contains(polish))
        << "declared UTF-8";
    EXPECT_TRUE(decode_page("\xEF\xBB\xBF" + utf8).contains(polish)) << "byte-order mark";
}

TEST(StyleSheetTypes, AreAddedWhereAStyleSheetLinkHasNone) {
    const struct {
        const char* name;
        QString html;
        QString expected;
    } cases[] = {
        {"untyped sheet", "<head><LINK REL=stylesheet href=\"htm_r\\style.css\"></head>",
         "<head><link type=\"text/css\" REL=stylesheet href=\"htm_r\\style.css\"></head>"},
        {"typed sheet", "<link rel=\"stylesheet\" type=\"text/css\" href=\"a.css\">",
         "<link rel=\"stylesheet\" type=\"text/css\" href=\"a.css\">"},
        {"other link", "<link rel=\"icon\" href=\"a.ico\"><p>x</p>",
         "<link rel=\"icon\" href=\"a.ico\"><p>x</p>"},
        {"two sheets", "<link rel='stylesheet' href=a.css><link rel=stylesheet href=b.css>",
         "<link type=\"text/css\" rel='stylesheet' href=a.css>"
         "<link type=\"text/css\" rel=stylesheet href=b.css>"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(with_style_sheet_types(c.html), c.expected) << c.name;
}

} // namespace
} // namespace vimo
