#include "core/interface_texts.h"
#include "core/qt_text.h"
#include "support/temp_course.h"

#include <gtest/gtest.h>

namespace vimo {
namespace {

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
