#include "html/page_history.h"

#include <gtest/gtest.h>
#include <string>

namespace vimo {
namespace {

std::string page(int n) {
    return "/kurs/Htm_r/p" + std::to_string(n) + ".html";
}

TEST(PageHistory, StartsEmptyWithNoPosition) {
    const PageHistory history;
    EXPECT_TRUE(history.empty());
    EXPECT_EQ(history.position(), -1);
    EXPECT_EQ(history.current(), "");
}

TEST(PageHistory, KeepsTheNewestFiftyPagesAndStandsOnTheLast) {
    PageHistory history;
    for (int n = 1; n <= 53; ++n)
        history.push(page(n));
    EXPECT_EQ(history.size(), PageHistory::kCapacity);
    EXPECT_EQ(history.position(), 49);
    EXPECT_EQ(history.at(0), page(4)) << "the three oldest pages make room";
    EXPECT_EQ(history.current(), page(53));
}

TEST(PageHistory, APageShownAfterGoingBackReplacesTheLaterOnes) {
    PageHistory history;
    for (int n = 1; n <= 4; ++n)
        history.push(page(n));
    ASSERT_TRUE(history.set_position(1));
    EXPECT_EQ(history.current(), page(2));
    EXPECT_EQ(history.size(), 4) << "going back keeps the way forward";

    history.push(page(9));
    EXPECT_EQ(history.pages(), (std::vector<std::string>{page(1), page(2), page(9)}));
    EXPECT_EQ(history.position(), 2);
}

TEST(PageHistory, TheSamePageAgainIsAStepOfItsOwn) {
    PageHistory history;
    history.push(page(1));
    history.push(page(1));
    EXPECT_EQ(history.size(), 2);
}

TEST(PageHistory, APositionOutsideChangesNothing) {
    PageHistory history;
    history.push(page(1));
    history.push(page(2));
    for (const int outside : {-1, 2, 50}) {
        EXPECT_FALSE(history.set_position(outside)) << outside;
        EXPECT_EQ(history.position(), 1) << outside;
        EXPECT_EQ(history.at(outside), "") << outside;
    }
    history.clear();
    EXPECT_EQ(history.position(), -1);
    EXPECT_FALSE(history.set_position(0));
}

} // namespace
} // namespace vimo
