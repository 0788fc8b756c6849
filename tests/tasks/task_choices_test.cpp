#include "exercises/tasks/task_choices.h"
#include "support/named_case.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vimo {
namespace {

VIMO_PRINT_CASES_BY_NAME()

using namespace std::string_literals;

struct MarkerCase {
    const char* name;
    UniString item;
    bool marked;
    UniString rest;
};

TEST(TakeCorrectMarker, OnlyALeadingUpperCaseTUnderscoreUnitPair) {
    const MarkerCase cases[] = {
        {"marked", uni_widen("T_Here"), true, uni_widen("Here")},
        {"nothing after the marker", uni_widen("T_"), true, ""},
        {"only once", uni_widen("T_T_x"), true, uni_widen("T_x")},
        {"lower case", uni_widen("t_Here"), false, uni_widen("t_Here")},
        {"not at the start", uni_widen(" T_Here"), false, uni_widen(" T_Here")},
        {"T alone", uni_widen("Tom"), false, uni_widen("Tom")},
        // The bytes T and _ make one unit, U+5F54, not the two units of the marker.
        {"8-bit bytes", "T_\0\0"s, false, "T_\0\0"s},
        {"empty", "", false, ""},
    };
    for (const MarkerCase& c : cases) {
        SCOPED_TRACE(c.name);
        UniString item = c.item;
        EXPECT_EQ(take_correct_marker(item), c.marked);
        EXPECT_EQ(item, c.rest);
    }
}

TEST(SlotOrNone, OutsideTheTableAnEmptySlot) {
    const std::vector<int> table{4, 5, 6};
    EXPECT_EQ(slot_or_none(table, 0), 4);
    EXPECT_EQ(slot_or_none(table, 2), 6);
    EXPECT_EQ(slot_or_none(table, 3), 0);
    EXPECT_EQ(slot_or_none(table, -1), 0);
    EXPECT_EQ(slot_or_none(std::vector<int>{}, 0), 0);
}

class Choices : public ::testing::Test {
protected:
    Choices() { choices.reset(3); }
    bool set(int i, int value, bool exists = true) {
        return choices.choose(i, exists, [value](int& slot) { slot = value; });
    }
    TaskChoices<int> choices;
};

TEST_F(Choices, RefusedChoicesChangeNothingAndDoNotCountAsActing) {
    EXPECT_FALSE(set(-1, 7));
    EXPECT_FALSE(set(3, 7));
    EXPECT_FALSE(set(1, 7, false));
    EXPECT_FALSE(choices.attempt().acted);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(choices.slot(i), 0);
    EXPECT_TRUE(set(1, 7));
    EXPECT_TRUE(choices.attempt().acted);
    EXPECT_EQ(choices.slot(1), 7);
    EXPECT_EQ(choices.slot(5), 0);
}

TEST_F(Choices, CheckingMarksEverySlotCountsAndFreezesTheChoices) {
    set(0, 1);
    set(2, 1);
    std::vector<int> marked;
    choices.check([&](int i, int& slot) {
        marked.push_back(i);
        slot += 10;
        return slot == 11;
    });
    EXPECT_EQ(marked, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(choices.slot(1), 10);
    EXPECT_TRUE(choices.attempt().checked);
    EXPECT_EQ(choices.attempt().correct, 2);
    EXPECT_EQ(choices.attempt().wrong, 1);
    EXPECT_FALSE(set(1, 1)) << "no choice after checking";
    EXPECT_EQ(choices.slot(1), 10);

    choices.reset(2); // loading again: empty slots, a fresh attempt
    EXPECT_FALSE(choices.attempt().checked);
    EXPECT_FALSE(choices.attempt().acted);
    EXPECT_EQ(choices.count(), 2);
    EXPECT_EQ(choices.slot(0), 0);
    EXPECT_TRUE(set(0, 1));
}

} // namespace
} // namespace vimo
