#include "core/word_flow.h"
#include "support/named_case.h"

#include <gtest/gtest.h>
#include <ostream>
#include <vector>

namespace vimo {

void PrintTo(const WordFlow::Place& place, std::ostream* os) {
    *os << "(" << place.x << ", " << place.y << ", line " << place.line << ")";
}

namespace {

VIMO_PRINT_CASES_BY_NAME()

// The first line starts at 10, later lines at 20; the border is at 100.
FlowFrame frame(WideWord wide_word) {
    return {.start_x = 10,
            .top = 5,
            .wrap_x = 20,
            .right = 100,
            .line_step = 24,
            .gap = 3,
            .wide_word = wide_word};
}

struct FlowCase {
    const char* name;
    WideWord wide_word;
    std::vector<int> widths;
    std::vector<WordFlow::Place> places;
};

class WordFlowPlaces : public testing::TestWithParam<FlowCase> {};

TEST_P(WordFlowPlaces, PlacesEachWordAtThePen) {
    const FlowCase& c = GetParam();
    WordFlow flow(frame(c.wide_word));
    std::vector<WordFlow::Place> places;
    for (const int width : c.widths)
        places.push_back(flow.place(width));
    EXPECT_EQ(places, c.places);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WordFlowPlaces,
    testing::Values(
        // 10 + 40 + 3 = 53, and 53 + 47 = 100: the second word ends on the border.
        FlowCase{"ends_on_the_border", WideWord::wraps, {40, 47}, {{10, 5, 0}, {53, 5, 0}}},
        FlowCase{"crosses_it_by_one", WideWord::wraps, {40, 48}, {{10, 5, 0}, {20, 29, 1}}},
        FlowCase{"the_gap_counts_for_the_next_word",
                 WideWord::wraps,
                 {40, 47, 0},
                 {{10, 5, 0}, {53, 5, 0}, {20, 29, 1}}},
        FlowCase{"later_lines_start_at_the_wrap_x",
                 WideWord::wraps,
                 {80, 60, 30, 40},
                 {{10, 5, 0}, {20, 29, 1}, {20, 53, 2}, {53, 53, 2}}},
        FlowCase{"wide_word_wraps_from_an_empty_line",
                 WideWord::wraps,
                 {200, 5},
                 {{20, 29, 1}, {20, 53, 2}}},
        FlowCase{"wide_word_stays_on_an_empty_line",
                 WideWord::stays,
                 {200, 5},
                 {{10, 5, 0}, {20, 29, 1}}},
        FlowCase{"wide_word_leaves_a_used_line_either_way",
                 WideWord::stays,
                 {5, 200, 200},
                 {{10, 5, 0}, {20, 29, 1}, {20, 53, 2}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WordFlow, InlineItemsNewLinesAndPenMovesComeFromTheCaller) {
    WordFlow flow(frame(WideWord::wraps));
    EXPECT_EQ(flow.place(50), (WordFlow::Place{10, 5, 0}));
    flow.move_pen(-7); // the pen stood at 63
    EXPECT_EQ(flow.x(), 56);
    // An inline item stays on its line although 56 + 90 passes the border.
    EXPECT_EQ(flow.place_inline(90), (WordFlow::Place{56, 5, 0}));
    EXPECT_EQ(flow.x(), 149);
    flow.new_line(18);
    EXPECT_EQ(flow.place(10), (WordFlow::Place{20, 23, 1}));
    flow.new_line();
    EXPECT_EQ(flow.x(), 20);
    EXPECT_EQ(flow.y(), 47);
    EXPECT_EQ(flow.line(), 2);
    // A new line is empty again: a wide word may stay there.
    WordFlow stays(frame(WideWord::stays));
    stays.place(5);
    stays.new_line();
    EXPECT_EQ(stays.place(500), (WordFlow::Place{20, 29, 1}));
}

} // namespace
} // namespace vimo
