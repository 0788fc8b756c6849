#include "core/paths.h"
#include "support/temp_course.h"

#include <gtest/gtest.h>

namespace vimo {
namespace {

TEST(NormalizeSeparators, BackslashesRepeatsAndTrailingSeparators) {
    const std::pair<std::string, std::string> cases[] = {
        {"Lang_r\\0\\gfx_r\\a.bmp", "Lang_r/0/gfx_r/a.bmp"},
        {"/course//\\Teksty_wav\\", "/course/Teksty_wav"},
        {"/media/\\", "/media"},
        {"/", "/"},
        {"\\", "/"},
        {"", ""},
    };
    for (const auto& [input, expected] : cases) {
        EXPECT_EQ(normalize_separators(input), expected) << input;
    }
}

class ResolvePath : public ::testing::Test {
protected:
    void SetUp() override {
        course.write_bytes("Gfx_r/Rozum_tlo1.BMP", "bmp");
        course.write_bytes("Lang_r/0/infa_ru.txt", "texts");
        course.write_bytes("Lang_r/0/INFA_RU.TXT.bak", "other");
    }
    test::TempCourse course;
};

TEST_F(ResolvePath, MatchesEachComponentIgnoringCase) {
    EXPECT_EQ(resolve_path(course.root() + "gfx_r\\rozum_tlo1.bmp"),
              course.root() + "Gfx_r/Rozum_tlo1.BMP");
    EXPECT_EQ(resolve_path(course.root() + "LANG_R\\0\\Infa_RU.txt"),
              course.root() + "Lang_r/0/infa_ru.txt");
}

TEST_F(ResolvePath, ExactNamesWinAndExistenceIsReported) {
    EXPECT_EQ(resolve_path(course.root() + "Lang_r/0/infa_ru.txt"),
              course.root() + "Lang_r/0/infa_ru.txt");
    EXPECT_TRUE(path_exists(course.root() + "lang_r\\0\\"));
    EXPECT_FALSE(path_exists(course.root() + "lang_r\\0\\nazwy_ru.txt"));
}

TEST_F(ResolvePath, MissingTailIsKeptAsWrittenUnderTheMatchedFolders) {
    // A new file in an existing folder goes into the folder as it exists on disk.
    EXPECT_EQ(resolve_path(course.root() + "gfx_r\\Nowy\\plik.txt"),
              course.root() + "Gfx_r/Nowy/plik.txt");
}

TEST_F(ResolvePath, MediaRootWithPosixPathAndAppendedBackslash) {
    EXPECT_EQ(resolve_path(course.root() + "\\" + "GFX_R\\rozum_tlo1.bmp"),
              course.root() + "Gfx_r/Rozum_tlo1.BMP");
}

TEST(FolderOf, KeepsTheLastSeparator) {
    EXPECT_EQ(folder_of("/opt/vimo/lexaro-vimo"), "/opt/vimo/");
    EXPECT_EQ(folder_of("Lang_r\\0\\infa_ru.txt"), "Lang_r\\0\\");
    EXPECT_EQ(folder_of("plik"), "");
}

} // namespace
} // namespace vimo
