#include "controls/auto_repeat.h"
#include "controls/button_state.h"
#include "controls/image_strip.h"
#include "support/named_case.h"

#include <gtest/gtest.h>

namespace vimo {
namespace {

VIMO_PRINT_CASES_BY_NAME()

TEST(StripFrameWidth, DividesEvenly) {
    EXPECT_EQ(strip_frame_width(100, 2), 50);
}

TEST(StripFrameWidth, RefusesAWidthThatDoesNotDivide) {
    try {
        strip_frame_width(101, 2);
        FAIL() << "no error";
    } catch (const ImageListError& error) {
        EXPECT_STREQ(error.what(), "Dlugosc obrazka nie dzieli sie przez podana liczbe klatek");
    }
}

TEST(StripFrameWidth, RefusesZeroFrames) {
    EXPECT_THROW(strip_frame_width(100, 0), ImageListError);
}

TEST(StripFrame, SecondFrameStartsAfterTheFirst) {
    EXPECT_EQ(strip_frame(1, 40, 30), (FrameRect{40, 0, 40, 30}));
}

TEST(CannotOpenMessage, QuotesTheFileName) {
    EXPECT_EQ(cannot_open_message("Lang_r\\0\\but_r\\3.bmp"),
              "Nie moge otworzyc pliku : \"Lang_r\\0\\but_r\\3.bmp\"");
}

struct ScoreCase {
    const char* name;
    int score;
    int frame;
};

class ScoreFrame : public ::testing::TestWithParam<ScoreCase> {};

TEST_P(ScoreFrame, RoundsHalvesToEven) {
    EXPECT_EQ(score_frame(GetParam().score), GetParam().frame);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScoreFrame,
    ::testing::Values(ScoreCase{"zero", 0, 0}, ScoreCase{"half_to_even_0", 4, 0},
                      ScoreCase{"just_above_half", 5, 1}, ScoreCase{"just_below_half", 3, 0},
                      ScoreCase{"half_to_even_2", 12, 2},
                      ScoreCase{"half_to_even_2_from_below", 20, 2}, ScoreCase{"full", 100, 12},
                      ScoreCase{"ninety_six", 96, 12}, ScoreCase{"negative_half", -4, 0}));

struct FrameCase {
    const char* name;
    int state;
    unsigned style;
    bool hide_normal;
    int frame;
};

class ButtonFrame : public ::testing::TestWithParam<FrameCase> {};

TEST_P(ButtonFrame, SelectsTheFrameOfTheState) {
    const FrameCase& c = GetParam();
    EXPECT_EQ(button_frame(c.state, c.style, c.hide_normal), c.frame);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ButtonFrame,
    ::testing::Values(
        FrameCase{"normal", 0, tbs_Highlighted, false, 0},
        FrameCase{"highlighted", 1, tbs_Highlighted, false, 1},
        FrameCase{"pressed_with_highlight_style", 2, tbs_Highlighted | tbs_Pressed, false, 2},
        FrameCase{"pressed_without_highlight_style", 2, tbs_Pressed, false, 1},
        FrameCase{"hidden_normal", 0, tbs_Highlighted, true, kNoFrame},
        FrameCase{"hidden_normal_still_shows_highlight", 1, tbs_Highlighted, true, 1}));

TEST(ButtonState, HighlightStyleFollowsTheMouse) {
    EXPECT_EQ(state_after_enter(0, tbs_Highlighted), 1);
    EXPECT_EQ(state_after_leave(1, tbs_Highlighted), 0);
}

TEST(ButtonState, WithoutHighlightStyleTheMouseChangesNothing) {
    EXPECT_EQ(state_after_enter(0, tbs_Pressed), 0);
    EXPECT_EQ(state_after_leave(2, tbs_Pressed), 2);
}

TEST(ButtonState, PressStyleFollowsTheLeftButton) {
    EXPECT_EQ(state_after_press(1, tbs_Pressed), 2);
    EXPECT_EQ(state_after_release(2, tbs_Pressed), 0);
    EXPECT_EQ(state_after_press(1, tbs_Highlighted), 1);
}

TEST(RepeatClickTimes, OneSecondWithTheDefaults) {
    const std::vector<int> expected{250, 325, 400, 475, 550, 625, 700, 775, 850, 925};
    EXPECT_EQ(repeat_click_times(250, 75, 1000), expected);
}

TEST(RepeatClickTimes, ShortPressHasNoRepeat) {
    EXPECT_TRUE(repeat_click_times(250, 75, 250).empty());
}

TEST(RepeatClickTimes, ZeroPauseDoesNotRunAway) {
    EXPECT_TRUE(repeat_click_times(250, 0, 1000).empty());
}

TEST(AutoRepeat, PressStartsWithTheInitialPauseThenRepeats) {
    AutoRepeat repeat;
    EXPECT_EQ(repeat.press(), 250);
    EXPECT_TRUE(repeat.held());
    EXPECT_EQ(repeat.fire(), 75);
    repeat.release();
    EXPECT_FALSE(repeat.held());
    EXPECT_EQ(repeat.press(), 250);
}

} // namespace
} // namespace vimo
