// The multimedia window's engine: media files, jump marks, what opening a file does,
// the layouts and the position bar's arithmetic.
#include "help/multimedia.h"
#include "support/named_case.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace vimo {
namespace {

VIMO_PRINT_CASES_BY_NAME()

TEST(MediaFile, FilmAndPageLieUnderTheCourseRootRecordingsUnderTheMediaRoot) {
    Config config;
    config.course_root = "/kurs/";
    config.media_root = "/media/\\";

    EXPECT_EQ(media_file(kMediaFilm, config, "12"), "/kurs/Teksty_mpg_r\\12.mpg");
    EXPECT_EQ(media_file(kMediaSound, config, "12"), "/media/\\Teksty_wav\\12.wav");
    EXPECT_EQ(media_file(kMediaPage, config, "12"), "/kurs/Teksty_htm_r\\12.htm");
    EXPECT_EQ(media_file(4, config, "12"), "");
}

TEST(MediaKind, EachTextMediaOpensItsKind) {
    EXPECT_EQ(media_kind(TextMedia::film), kMediaFilm);
    EXPECT_EQ(media_kind(TextMedia::page), kMediaPage);
    EXPECT_EQ(media_kind(TextMedia::recording), kMediaSound);
}

struct MarksCase {
    const char* name;
    std::optional<std::array<int, 3>> times_ms;
    JumpMarks marks;
    MarkButtons buttons;
};

class Marks : public ::testing::TestWithParam<MarksCase> {};

TEST_P(Marks, FollowTheTimesOfTheTextAndShowOnlyWithASecondMark) {
    const JumpMarks marks = jump_marks(GetParam().times_ms);
    EXPECT_EQ(marks.ms, GetParam().marks.ms);
    const MarkButtons buttons = mark_buttons(marks);
    EXPECT_EQ(buttons.visible, GetParam().buttons.visible);
    EXPECT_EQ(buttons.present, GetParam().buttons.present);
}

constexpr std::int64_t no = kNoMark;
INSTANTIATE_TEST_SUITE_P(
    Texts, Marks,
    ::testing::Values(MarksCase{"no_times",
                                std::nullopt,
                                {{no, no, no, no}},
                                {{false, false, false, false}, false}},
                      MarksCase{"three_times",
                                std::array<int, 3>{14000, 28000, 40000},
                                {{0, 14000, 28000, 40000}},
                                {{true, true, true, true}, true}},
                      MarksCase{"last_time_blank",
                                std::array<int, 3>{14000, 28000, -1},
                                {{0, 14000, 28000, no}},
                                {{true, true, true, false}, true}},
                      // The start alone is no jump: without mark 2 no mark shows, not even mark 3.
                      MarksCase{"first_time_blank",
                                std::array<int, 3>{-1, 28000, 40000},
                                {{0, no, 28000, 40000}},
                                {{false, false, false, false}, false}},
                      MarksCase{"all_blank",
                                std::array<int, 3>{-1, -1, -1},
                                {{0, no, no, no}},
                                {{false, false, false, false}, false}}),
    [](const auto& info) { return std::string(info.param.name); });

struct OpenCase {
    const char* name;
    int kind;
    std::string file;
    bool exists;
    MediaAction action;
    int shown_kind; // for show
    bool start;
    std::string message;
};

class MediaOpen : public ::testing::TestWithParam<OpenCase> {};

TEST_P(MediaOpen, DispatchesByKindAndFile) {
    const OpenCase& c = GetParam();
    const JumpMarks marks{{0, 5000, no, no}};

    const MediaOpenPlan plan = plan_media_open(c.kind, c.file, marks, c.exists);

    EXPECT_EQ(plan.action, c.action);
    EXPECT_EQ(plan.message, c.message);
    if (c.action == MediaAction::show) {
        EXPECT_EQ(plan.kind, c.shown_kind);
        EXPECT_EQ(plan.start, c.start);
    }
    // The mark buttons follow the marks whatever else happens.
    EXPECT_EQ(plan.marks, mark_buttons(marks));
}

const std::string film = "/kurs/Teksty_mpg_r\\2.mpg";
const std::string sound = "/media\\Teksty_wav\\1.wav";
const std::string page = "/kurs/Teksty_htm_r\\3.htm";
INSTANTIATE_TEST_SUITE_P(
    Files, MediaOpen,
    ::testing::Values(
        OpenCase{"film_plays_at_once", 1, film, true, MediaAction::show, 1, true, ""},
        OpenCase{"missing_film_opens_nothing_silently", 1, film, false, MediaAction::nothing, 0,
                 false, ""},
        OpenCase{"sound_waits_for_play", 2, sound, true, MediaAction::show, 2, false, ""},
        OpenCase{"missing_sound_opens_nothing_silently", 2, sound, false, MediaAction::nothing, 0,
                 false, ""},
        OpenCase{"page_goes_to_the_reading_window", 3, page, true, MediaAction::read_page, 0, false,
                 ""},
        OpenCase{"missing_page_is_named", 3, page, false, MediaAction::message, 0, false,
                 "Brak pliku: " + page},
        OpenCase{"film_named_wav_is_a_sound", 1, "/kurs/Teksty_mpg_r\\wave.mpg", true,
                 MediaAction::show, 2, false, ""},
        OpenCase{"sound_named_avi_is_a_film", 2, "/media\\Teksty_wav\\davis.wav", true,
                 MediaAction::show, 1, true, ""},
        OpenCase{"avi_or_wav_in_capitals_changes_nothing", 1, "/kurs/Teksty_mpg_r\\WAVE.mpg", true,
                 MediaAction::show, 1, true, ""},
        // Folders above the file say nothing about it: a course kept in a folder named
        // after its recordings still shows its films as films.
        OpenCase{"wav_in_a_folder_changes_nothing", 1, "/home/wav/kurs/Teksty_mpg_r\\2.mpg", true,
                 MediaAction::show, 1, true, ""},
        OpenCase{"avi_in_a_folder_changes_nothing", 2, "/home/david\\Teksty_wav\\1.wav", true,
                 MediaAction::show, 2, false, ""},
        OpenCase{"unknown_kind", 4, sound, true, MediaAction::message, 0, false, "brak typu!"},
        OpenCase{"kind_zero", 0, film, true, MediaAction::message, 0, false, "brak typu!"}),
    [](const auto& info) { return std::string(info.param.name); });

// Every control of a layout lies inside the window.
void expect_inside(const MediaLayout& layout) {
    const QRect window(QPoint(0, 0), layout.window);
    const QSize button(kMediaButtonSize, kMediaButtonSize);
    EXPECT_TRUE(window.contains(layout.bottom_rect));
    EXPECT_TRUE(window.contains(QRect(layout.play, button)));
    EXPECT_TRUE(window.contains(QRect(layout.stop, button)));
    EXPECT_TRUE(window.contains(QRect(layout.pause, button)));
    EXPECT_TRUE(window.contains(thumb_rect(layout.bar, layout.bar.left())));
    EXPECT_TRUE(window.contains(thumb_rect(layout.bar, layout.bar.right() + 1 - kThumbWidth)));
    if (layout.title_visible) {
        EXPECT_TRUE(window.contains(layout.title_strip));
        EXPECT_TRUE(window.contains(layout.close_label));
    }
    if (layout.panel_visible) {
        EXPECT_TRUE(window.contains(layout.panel));
    }
    if (layout.marks_placed) {
        for (const QPoint& mark : layout.marks) {
            EXPECT_TRUE(window.contains(QRect(mark, button)));
        }
    }
}

TEST(MediaLayouts, FilmShowsTitlePanelAndTheVideoBar) {
    const std::optional<MediaLayout> layout = media_layout(kMediaFilm, true);
    ASSERT_TRUE(layout);

    EXPECT_EQ(layout->window, QSize(336, 344));
    EXPECT_TRUE(layout->title_visible);
    EXPECT_EQ(layout->title_strip, QRect(0, 0, 336 - 23, 18));
    EXPECT_TRUE(layout->top_strip_visible);
    EXPECT_TRUE(layout->panel_visible);
    EXPECT_EQ(layout->panel.topLeft(), QPoint(1, 20));
    EXPECT_EQ(layout->play, QPoint(8, 313));
    EXPECT_EQ(layout->stop, QPoint(32, 313));
    EXPECT_EQ(layout->pause, QPoint(56, 313));
    EXPECT_EQ(layout->bar.topLeft(), QPoint(100, 322));
    EXPECT_EQ(layout->bar.width(), 200);
    EXPECT_EQ(layout->bottom, BottomBar::video);
    EXPECT_EQ(layout->bottom_rect.height(), 36);
    EXPECT_FALSE(layout->marks_placed) << "the film's bar has no room for marks";
    EXPECT_FALSE(layout->panel.intersects(layout->bottom_rect));
    expect_inside(*layout);
}

TEST(MediaLayouts, SoundIsABarWiderWithMarks) {
    for (const bool marks : {true, false}) {
        SCOPED_TRACE(marks);
        const std::optional<MediaLayout> layout = media_layout(kMediaSound, marks);
        ASSERT_TRUE(layout);

        EXPECT_EQ(layout->window, QSize(marks ? 290 : 200, 33));
        EXPECT_FALSE(layout->title_visible);
        EXPECT_EQ(layout->title_strip, QRect(0, 0, layout->window.width() - 23, 18));
        EXPECT_FALSE(layout->panel_visible);
        EXPECT_FALSE(layout->top_strip_visible);
        EXPECT_EQ(layout->bottom, marks ? BottomBar::audio_big : BottomBar::audio);
        EXPECT_EQ(layout->bottom_rect, QRect(QPoint(0, 0), layout->window));
        EXPECT_EQ(layout->play, QPoint(8, 4));
        EXPECT_EQ(layout->stop, QPoint(32, 4));
        EXPECT_EQ(layout->pause, QPoint(56, 4));
        EXPECT_EQ(layout->bar.topLeft(), QPoint(86, 13));
        EXPECT_EQ(layout->bar.width(), 100);
        EXPECT_EQ(layout->marks_placed, marks);
        EXPECT_EQ(layout->marks, (std::array<QPoint, 4>{QPoint(190, 4), QPoint(214, 4),
                                                        QPoint(238, 4), QPoint(262, 4)}));
        expect_inside(*layout);
    }
}

TEST(MediaLayouts, OtherKindsHaveNone) {
    for (const int kind : {0, kMediaPage, 4})
        EXPECT_FALSE(media_layout(kind, false)) << kind;
}

TEST(MediaLayouts, WindowSitsBesideTheMainWindowsCorner) {
    EXPECT_EQ(media_window_position(QPoint(0, 0)), QPoint(50, 10));
    EXPECT_EQ(media_window_position(QPoint(200, 100)), QPoint(250, 110));
}

// The sound layout's bar: 100 wide from x 86, so the thumb travels 92 pixels.
const QRect sound_bar(86, 13, 100, kBarHeight);

struct ThumbCase {
    const char* name;
    std::int64_t position;
    std::int64_t length;
    int left;
};

class Thumb : public ::testing::TestWithParam<ThumbCase> {};

TEST_P(Thumb, FollowsThePlayedFractionOfTheBarsTravel) {
    EXPECT_EQ(thumb_left(sound_bar, GetParam().position, GetParam().length), GetParam().left);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, Thumb,
    ::testing::Values(ThumbCase{"start", 0, 9200, 86}, ThumbCase{"half", 4600, 9200, 86 + 46},
                      ThumbCase{"end", 9200, 9200, 86 + 92},
                      ThumbCase{"past_the_end_stays_on_the_bar", 20000, 9200, 86 + 92},
                      ThumbCase{"length_not_known_yet", 500, 0, 86},
                      ThumbCase{"negative_position", -10, 9200, 86},
                      // 1/184 of 92 is half a pixel, 3/184 one and a half: to the even one.
                      ThumbCase{"half_pixel_rounds_down_to_even", 1, 184, 86},
                      ThumbCase{"one_and_a_half_rounds_up_to_even", 3, 184, 88}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Thumb, SitsCentredOnTheBar) {
    const QRect thumb = thumb_rect(sound_bar, 100);
    EXPECT_EQ(thumb.size(), QSize(kThumbWidth, kThumbHeight));
    EXPECT_EQ(thumb.left(), 100);
    EXPECT_EQ(thumb.center().y(), sound_bar.center().y());
}

struct ClickCase {
    const char* name;
    int x;
    std::int64_t length;
    std::int64_t seek;
};

class BarClick : public ::testing::TestWithParam<ClickCase> {};

TEST_P(BarClick, SeeksByWholeMillisecondsPerPixelWithinTheRecording) {
    EXPECT_EQ(seek_for_click(GetParam().x, sound_bar, GetParam().length), GetParam().seek);
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, BarClick,
    ::testing::Values(ClickCase{"left_end", 0, 9200, 0}, ClickCase{"middle", 46, 9200, 4600},
                      // 10000 div 92 = 108 ms a pixel: the division drops the remainder.
                      ClickCase{"whole_milliseconds_per_pixel", 46, 10000, 46 * 108},
                      ClickCase{"end_of_travel", 92, 9200, 9200},
                      // The bar's last pixels lie beyond the thumb's travel.
                      ClickCase{"right_end_stays_within_the_recording", 99, 9200, 9200},
                      ClickCase{"length_not_known_yet", 50, 0, 0},
                      ClickCase{"shorter_than_the_travel", 50, 80, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MarkSeek, StaysWithinTheRecordingOnceItsLengthIsKnown) {
    EXPECT_EQ(seek_for_mark(14000, 48000), 14000);
    EXPECT_EQ(seek_for_mark(0, 48000), 0);
    EXPECT_EQ(seek_for_mark(60000, 48000), 48000) << "a mark beyond the length";
    EXPECT_EQ(seek_for_mark(60000, 0), 60000) << "length not known yet";
}

} // namespace
} // namespace vimo
