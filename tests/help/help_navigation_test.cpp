#include "help/help_navigation.h"

#include <gtest/gtest.h>

namespace vimo {
namespace {

TEST(HelpDepth, CountsStepsAndNeverGoesBelowTheFirstPage) {
    HelpDepth depth;
    EXPECT_EQ(depth.depth(), 1);
    EXPECT_FALSE(depth.back_visible());
    EXPECT_FALSE(depth.back()) << "nothing before the first page";
    EXPECT_EQ(depth.depth(), 1);

    depth.forward();
    depth.forward();
    EXPECT_TRUE(depth.back_visible());
    EXPECT_TRUE(depth.back());
    EXPECT_TRUE(depth.back_visible());
    EXPECT_TRUE(depth.back());
    EXPECT_FALSE(depth.back_visible());

    depth.forward();
    depth.reset();
    EXPECT_EQ(depth.depth(), 1);
}

TEST(HelpContents, TheButtonHidesOnAnyIndexPage) {
    const struct {
        const char* file;
        bool visible;
    } cases[] = {
        {"/kurs/Htm_r/h_index.html", false},
        {"/kurs/Htm_r/H_INDEX_EN.HTML", false},
        {"/kurs/Htm_r/h_index_sp.html", false},
        {"/kurs/Htm_r/h_comp.html", true},
        {"", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(contents_visible(c.file), c.visible) << c.file;
}

TEST(HelpContents, ThePolishIndexForLanguagesZeroOneAndFourOnly) {
    for (const int language : {0, 1, 4})
        EXPECT_EQ(contents_page("/kurs/", language), "/kurs/\\Htm_r\\h_index.html") << language;
    for (const int language : {2, 3, 5, -1})
        EXPECT_EQ(contents_page("/kurs/", language), std::nullopt) << language;
}

} // namespace
} // namespace vimo
