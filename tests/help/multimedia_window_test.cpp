// The floating film and sound window with real files and real playback: recordings and
// the demo course's film play through the test run's PulseAudio daemon (a null sink).
#include "controls/MyImageList.h"
#include "controls/TransparentButton.h"
#include "controls/button_pictures.h"
#include "help/multimedia_window.h"
#include "support/named_case.h"
#include "support/second_sink.h"
#include "support/temp_course.h"
#include "support/tone_wav.h"
#include "support/wait.h"

#include <QImage>
#include <QLabel>
#include <QMediaPlayer>
#include <QProcess>
#include <QShortcut>
#include <QTest>
#include <QVideoFrame>
#include <QVideoSink>
#include <QVideoWidget>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace vimo {
namespace {

VIMO_PRINT_CASES_BY_NAME()

constexpr int tone_amplitude = 6000;

using test::wait_until;

// The streams playing into the test run's sound daemon, one line each.
QString sound_daemon_streams() {
    QProcess pactl;
    pactl.start("pactl", {"list", "short", "sink-inputs"});
    if (!pactl.waitForFinished(5000)) return {};
    return QString::fromUtf8(pactl.readAllStandardOutput()).trimmed();
}

// The shared button list as a course provides it: but_r\0.bmp up to the window's
// highest picture, each two frames of 22 by 22.
void write_button_pictures(const test::TempCourse& course) {
    const int last = button_picture::media_mark_4;
    for (int number = 0; number <= last; ++number) {
        QImage strip(2 * kMediaButtonSize, kMediaButtonSize, QImage::Format_RGB32);
        strip.fill(QColor(number * 5, 100, 200));
        const std::string path = course.path("Lang_r/0/but_r/" + std::to_string(number) + ".bmp");
        course.make_folder("Lang_r/0/but_r");
        ASSERT_TRUE(strip.save(QString::fromStdString(path), "BMP"));
    }
}

template <typename W> W* child(const QWidget& form, const char* name) {
    W* widget = form.findChild<W*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

class MediaWindow : public ::testing::Test {
protected:
    void SetUp() override {
        config.course_root = course.root();
        config.media_root = course.root() + "media\\";
        write_button_pictures(course);
        load_button_pictures(buttons, course.root() + "Lang_r\\0\\");
        course.write_bytes("media/Teksty_wav/1.wav", test::tone_wav(2.0, tone_amplitude));
        form.setLinks({
            .open_reading = [this](const std::string& file) { pages.push_back(file); },
            .show_message = [this](const std::string& text) { messages.push_back(text); },
            .main_window_origin = [] { return QPoint(100, 40); },
        });
    }

    std::string recording(const std::string& name = "1") const {
        return media_file(kMediaSound, config, name);
    }
    void click(const char* name) {
        QWidget* widget = child<QWidget>(form, name);
        ASSERT_NE(widget, nullptr);
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(2, 2));
    }
    void click_bar(int x) {
        QTest::mouseClick(child<QWidget>(form, "shape1"), Qt::LeftButton, {}, QPoint(x, 2));
    }
    QRect bar() const { return child<QWidget>(form, "shape1")->geometry(); }
    int thumb() const { return child<QWidget>(form, "sHAPE2")->x(); }
    bool shown(const char* name) const {
        // The video panel is only made with the first film.
        const QWidget* widget = form.findChild<QWidget*>(name);
        return widget && widget->isVisibleTo(&form);
    }
    QMediaPlayer& player() const { return *form.player(); }
    bool loaded() {
        return wait_until([this] { return player().mediaStatus() == QMediaPlayer::LoadedMedia; });
    }
    bool ended() {
        return wait_until([this] { return player().mediaStatus() == QMediaPlayer::EndOfMedia; });
    }
    bool played_past(qint64 ms) {
        return wait_until([this, ms] { return player().position() > ms; });
    }

    test::TempCourse course;
    Config config;
    TMyImageList buttons;
    SoundOutputs outputs{[this](const std::string& text) { messages.push_back(text); }};
    TMultimediaForm form{config, buttons, outputs};
    std::vector<std::string> pages;
    std::vector<std::string> messages;
};

struct MissingCase {
    const char* name;
    int kind;
    std::string file; // under the course root
    std::vector<std::string> messages;
};

class MissingMedia : public MediaWindow, public ::testing::WithParamInterface<MissingCase> {};

TEST_P(MissingMedia, OpensNoWindowAndOnlyAPageIsReported) {
    const std::string file = course.root() + GetParam().file;

    form.media_open(GetParam().kind, file);

    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.is_open());
    EXPECT_EQ(form.player(), nullptr) << "nothing opened, so no player was made";
    EXPECT_TRUE(pages.empty());
    std::vector<std::string> expected;
    for (const std::string& message : GetParam().messages)
        expected.push_back(message + file);
    EXPECT_EQ(messages, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, MissingMedia,
    ::testing::Values(MissingCase{"film", kMediaFilm, "Teksty_mpg_r\\9.mpg", {}},
                      MissingCase{"recording", kMediaSound, "media\\Teksty_wav\\9.wav", {}},
                      MissingCase{"folder_named_like_a_recording", kMediaSound, "media", {}},
                      MissingCase{"page", kMediaPage, "Teksty_htm_r\\9.htm", {"Brak pliku: "}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MediaWindow, ExistingPageGoesToTheReadingWindowAlone) {
    course.write_bytes("Teksty_htm_r/3.htm", "<html><body>x</body></html>");
    const std::string page = media_file(kMediaPage, config, "3");

    form.media_open(kMediaPage, page);

    EXPECT_EQ(pages, std::vector<std::string>{page});
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(messages.empty());
}

TEST_F(MediaWindow, UnknownKindIsReportedAndShowsNothing) {
    form.media_open(4, recording());

    EXPECT_EQ(messages, std::vector<std::string>{"brak typu!"});
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.player(), nullptr) << "nothing opened, so no player was made";
}

TEST_F(MediaWindow, SoundWithoutMarksIsTheNarrowBarWaitingForPlay) {
    form.set_marks(jump_marks(std::nullopt));

    form.media_open(kMediaSound, recording());

    ASSERT_TRUE(form.isVisible());
    EXPECT_TRUE(form.is_open());
    EXPECT_EQ(form.size(), QSize(200, 33));
    EXPECT_EQ(form.pos(), QPoint(150, 50)) << "beside the main window's corner";
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(form.marks_present());
    for (const char* name :
         {"mark_1", "mark_2", "mark_3", "mark_4", "Label1", "btn_zamknij", "Panel1", "img_gora"})
        EXPECT_FALSE(shown(name)) << name;
    for (const char* name : {"btn_play", "btn_pause", "btn_stop", "shape1", "sHAPE2"})
        EXPECT_TRUE(shown(name)) << name;
    EXPECT_EQ(bar(), QRect(86, 13, 100, kBarHeight));
    ASSERT_TRUE(loaded());
    EXPECT_EQ(player().playbackState(), QMediaPlayer::StoppedState) << "a sound waits for play";
    EXPECT_FALSE(form.is_playing());
    EXPECT_FALSE(form.timer_active());
}

TEST_F(MediaWindow, SoundWithMarksShowsThePresentOnesOnTheWideBar) {
    form.set_marks(jump_marks(std::array<int, 3>{500, 1000, -1}));

    form.media_open(kMediaSound, recording());

    EXPECT_EQ(form.size(), QSize(290, 33));
    EXPECT_TRUE(form.marks_present());
    EXPECT_TRUE(shown("mark_1"));
    EXPECT_TRUE(shown("mark_2"));
    EXPECT_TRUE(shown("mark_3"));
    EXPECT_FALSE(shown("mark_4"));
    EXPECT_EQ(child<QWidget>(form, "mark_2")->geometry(), QRect(214, 4, 22, 22));
}

TEST_F(MediaWindow, RecordingPlaysToItsEndWithTheThumbFollowing) {
    form.media_open(kMediaSound, recording());
    ASSERT_TRUE(loaded());

    click("btn_play");

    EXPECT_TRUE(form.is_playing());
    EXPECT_TRUE(form.timer_active());
    std::set<int> thumb_places;
    ASSERT_TRUE(played_past(300));
    EXPECT_FALSE(sound_daemon_streams().isEmpty()) << "the window plays into the sound daemon";
    ASSERT_TRUE(wait_until([&] {
        thumb_places.insert(thumb());
        return player().mediaStatus() == QMediaPlayer::EndOfMedia;
    })) << "the recording did not play to its end";
    EXPECT_GE(player().position(), 1900);
    EXPECT_TRUE(messages.empty());
    // Ten ticks a second over two seconds: the thumb went through the bar step by step.
    EXPECT_GE(thumb_places.size(), 5u);
    EXPECT_TRUE(wait_until([&] { return thumb() >= bar().left() + 90; }))
        << "the thumb ends at the bar's right end, not at " << thumb();
    EXPECT_LE(thumb(), bar().right() + 1 - kThumbWidth);
}

TEST_F(MediaWindow, PlayPauseAndStopButtons) {
    form.media_open(kMediaSound, recording());
    ASSERT_TRUE(loaded());

    click("btn_pause"); // nothing plays yet: nothing to pause or go on with
    EXPECT_EQ(player().playbackState(), QMediaPlayer::StoppedState);
    EXPECT_FALSE(form.is_playing());

    click("btn_play");
    ASSERT_TRUE(played_past(300));

    click("btn_pause");
    EXPECT_EQ(player().playbackState(), QMediaPlayer::PausedState);
    EXPECT_FALSE(form.is_playing());
    EXPECT_FALSE(form.timer_active());
    const qint64 paused_at = player().position();
    // Standing still has no moment to poll for: it is seen over a stretch in which a
    // playing recording would have moved on.
    QTest::qWait(300);
    EXPECT_LE(player().position(), paused_at + 50) << "a paused recording stands still";

    click("btn_pause");
    EXPECT_EQ(player().playbackState(), QMediaPlayer::PlayingState);
    EXPECT_TRUE(form.is_playing());
    EXPECT_TRUE(form.timer_active());
    ASSERT_TRUE(played_past(paused_at + 200)) << "goes on from where it was paused";

    click("btn_stop");
    EXPECT_EQ(player().playbackState(), QMediaPlayer::StoppedState);
    EXPECT_FALSE(form.is_playing());
    EXPECT_FALSE(form.timer_active());
    EXPECT_EQ(thumb(), bar().left());
    EXPECT_TRUE(wait_until([&] { return player().position() == 0; }));

    // Stop followed by play restarts from the beginning.
    click("btn_play");
    ASSERT_TRUE(played_past(0));
    EXPECT_LT(player().position(), 1000);
    EXPECT_TRUE(form.is_playing());
}

// A headset plugged in after a first recording and before the next one opens: its
// Play goes to the headset.
TEST_F(MediaWindow, PlayGoesToTheDefaultDeviceOfThatMoment) {
    form.media_open(kMediaSound, recording());
    ASSERT_TRUE(loaded());
    form.media_close();
    const test::SecondDefaultSink headset;
    ASSERT_TRUE(headset.listed()) << "the back-end never listed the new sink";
    form.media_open(kMediaSound, recording());
    ASSERT_TRUE(loaded());

    click("btn_play");
    ASSERT_TRUE(played_past(300));

    EXPECT_EQ(test::sinks_of_streams(), QStringList{test::SecondDefaultSink::kName});
    form.media_close();
}

TEST_F(MediaWindow, PlayAfterTheEndStartsAgain) {
    course.write_bytes("media/Teksty_wav/short.wav", test::tone_wav(0.5, tone_amplitude));
    form.media_open(kMediaSound, recording("short"));
    ASSERT_TRUE(loaded());
    click("btn_play");
    ASSERT_TRUE(ended());

    click("btn_play");

    EXPECT_TRUE(wait_until([&] { return player().playbackState() == QMediaPlayer::PlayingState; }));
    ASSERT_TRUE(ended()) << "played a second time to its end";
}

TEST_F(MediaWindow, MarksJumpAndPlay) {
    form.set_marks(jump_marks(std::array<int, 3>{1000, 1500, 60000}));
    form.media_open(kMediaSound, recording());
    ASSERT_TRUE(loaded());

    click("mark_2");

    EXPECT_TRUE(form.is_playing());
    EXPECT_TRUE(form.timer_active());
    EXPECT_EQ(thumb(), thumb_left(bar(), 1000, player().duration()));
    ASSERT_TRUE(wait_until([&] { return player().position() >= 1000; }));
    EXPECT_EQ(player().playbackState(), QMediaPlayer::PlayingState);

    click("mark_1");
    EXPECT_TRUE(wait_until([&] { return player().position() < 1000; })) << "back to the start";
    EXPECT_EQ(player().playbackState(), QMediaPlayer::PlayingState);

    // A mark beyond the recording's length goes to its end, not off the bar.
    click("mark_4");
    EXPECT_EQ(thumb(), bar().left() + bar().width() - kThumbWidth);
    EXPECT_TRUE(ended());
}

TEST_F(MediaWindow, ClickOnTheBarSeeksAndPlays) {
    form.media_open(kMediaSound, recording());
    ASSERT_TRUE(loaded());
    const qint64 length = player().duration();

    click_bar(bar().width() / 2);

    EXPECT_TRUE(form.is_playing());
    EXPECT_TRUE(form.timer_active());
    ASSERT_TRUE(wait_until([&] { return player().position() >= length / 2 - 100; }));
    EXPECT_EQ(player().playbackState(), QMediaPlayer::PlayingState);

    click_bar(0);
    EXPECT_TRUE(wait_until([&] { return player().position() < length / 2 - 200; }))
        << "the left end goes back to the start";

    click_bar(bar().width() - 1);
    EXPECT_TRUE(ended()) << "the right end is the end of the recording";
}

TEST_F(MediaWindow, FileNamedWavIsPlayedAsSoundEvenWhenCalledAsAFilm) {
    course.write_bytes("Teksty_mpg_r/wav_2.mpg", test::tone_wav(1.0, tone_amplitude));

    form.media_open(kMediaFilm, course.root() + "Teksty_mpg_r\\wav_2.mpg");

    EXPECT_EQ(form.layout_kind(), kMediaSound);
    EXPECT_EQ(form.size(), QSize(200, 33));
    EXPECT_FALSE(shown("Panel1"));
    ASSERT_TRUE(loaded());
    EXPECT_FALSE(form.is_playing()) << "a sound waits for play";
}

TEST_F(MediaWindow, UnplayableFileIsReportedOnceAndTheNextPlays) {
    course.write_bytes("media/Teksty_wav/broken.wav", "this is not a recording\r\n");

    form.media_open(kMediaSound, recording("broken"));
    click("btn_play");

    ASSERT_TRUE(wait_until([&] { return !messages.empty(); }));
    EXPECT_NE(messages[0].find(recording("broken")), std::string::npos) << messages[0];
    EXPECT_FALSE(form.is_playing());

    form.media_open(kMediaSound, recording());
    ASSERT_TRUE(loaded());
    click("btn_play");
    EXPECT_TRUE(played_past(200));
    EXPECT_EQ(messages.size(), 1u) << messages.back();
}

TEST_F(MediaWindow, HidingStopsAndClosesAndHelpComesBackOnlyToAnOpenWindow) {
    form.media_open(kMediaSound, recording());
    ASSERT_TRUE(loaded());
    click("btn_play");
    ASSERT_TRUE(played_past(300));

    EXPECT_TRUE(form.hide_for_help());
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.is_open());
    EXPECT_EQ(player().playbackState(), QMediaPlayer::PausedState) << "steps aside, paused";
    const qint64 paused_at = player().position();

    form.show_after_help();
    EXPECT_TRUE(form.isVisible());
    click("btn_play");
    ASSERT_TRUE(played_past(paused_at + 100));
    EXPECT_GE(thumb(), bar().left() + 1) << "the thumb shows where it goes on from";

    // The exercise closing hides the window: nothing plays on, nothing comes back.
    form.hide();
    EXPECT_FALSE(form.is_open());
    EXPECT_TRUE(player().source().isEmpty());
    EXPECT_FALSE(form.is_playing());
    EXPECT_FALSE(form.hide_for_help());
    form.show_after_help();
    EXPECT_FALSE(form.isVisible());
}

TEST_F(MediaWindow, KeysAreSwallowedWhileTheWindowHasTheFocus) {
    form.media_open(kMediaSound, recording());
    QWidget exercise;
    int fired = 0;
    QShortcut shortcut(QKeySequence(Qt::Key_F1), &exercise);
    shortcut.setContext(Qt::ApplicationShortcut);
    QObject::connect(&shortcut, &QShortcut::activated, [&] { ++fired; });
    exercise.show();

    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_F1);
    EXPECT_EQ(fired, 0);
    exercise.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&exercise));
    QTest::keyClick(&exercise, Qt::Key_F1);
    EXPECT_EQ(fired, 1) << "the shortcut works elsewhere";
}

// The demo course's film (an MPEG-1 program stream with MP2 sound).
class DemoFilm : public ::testing::Test {
protected:
    void SetUp() override {
        config.course_root = std::string(VIMO_DEMO_COURSE) + "/";
        load_button_pictures(buttons, config.course_root + "Lang_r\\0\\");
        form.setLinks({
            .open_reading = {},
            .show_message = [this](const std::string& text) { messages.push_back(text); },
            .main_window_origin = {},
        });
    }
    // Opens the film and counts the pictures that reach the panel, which the window
    // makes with its first film.
    void open_film() {
        form.media_open(kMediaFilm, media_file(kMediaFilm, config, "2"));
        ASSERT_NE(form.panel(), nullptr);
        QObject::connect(form.panel()->videoSink(), &QVideoSink::videoFrameChanged,
                         [this](const QVideoFrame& frame) {
                             if (!frame.isValid()) return;
                             ++frames;
                             last_frame = frame;
                         });
    }
    QMediaPlayer& player() const { return *form.player(); }
    QRect bar() const { return form.findChild<QWidget*>("shape1")->geometry(); }
    int thumb() const { return form.findChild<QWidget*>("sHAPE2")->x(); }

    Config config;
    TMyImageList buttons;
    SoundOutputs outputs{[this](const std::string& text) { messages.push_back(text); }};
    TMultimediaForm form{config, buttons, outputs};
    std::vector<std::string> messages;
    int frames = 0;
    QVideoFrame last_frame;
};

// The frame shows the film's drawn street, not a blank: its pixels differ.
bool has_picture(const QVideoFrame& frame) {
    const QImage image = frame.toImage();
    if (image.isNull()) return false;
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 8)
        for (int x = 0; x < image.width(); x += 8)
            colours.insert(image.pixel(x, y));
    return colours.size() > 20;
}

TEST_F(DemoFilm, PlaysInTheFilmLayoutToItsEnd) {
    EXPECT_EQ(form.panel(), nullptr) << "no video panel before the first film";
    open_film();

    ASSERT_TRUE(form.isVisible());
    EXPECT_EQ(form.layout_kind(), kMediaFilm);
    EXPECT_EQ(form.size(), QSize(336, 344));
    EXPECT_EQ(form.panel()->geometry().topLeft(), QPoint(1, 20));
    EXPECT_TRUE(form.panel()->isVisibleTo(&form));
    EXPECT_TRUE(form.findChild<QWidget*>("Label1")->isVisibleTo(&form));
    EXPECT_TRUE(form.findChild<QWidget*>("btn_zamknij")->isVisibleTo(&form));
    EXPECT_TRUE(form.is_playing()) << "a film starts at once";
    EXPECT_TRUE(form.timer_active());

    std::set<int> thumb_places;
    ASSERT_TRUE(wait_until(
        [&] {
            thumb_places.insert(thumb());
            return player().mediaStatus() == QMediaPlayer::EndOfMedia;
        },
        60000))
        << "the film did not play to its end; at " << player().position() << " of "
        << player().duration();
    EXPECT_TRUE(messages.empty()) << messages.front();
    EXPECT_GT(player().duration(), 30000);
    EXPECT_GE(player().position(), player().duration() - 500);
    EXPECT_GE(frames, 100) << "the film's pictures reached the panel";
    EXPECT_EQ(last_frame.size(), QSize(320, 240));
    EXPECT_TRUE(has_picture(last_frame));
    EXPECT_GE(thumb_places.size(), 50u) << "the thumb went along the bar";
    EXPECT_TRUE(
        wait_until([&] { return thumb() >= bar().left() + bar().width() - kThumbWidth - 2; }));
}

TEST_F(DemoFilm, StopRewindsAndCloseLabelClosesTheWindow) {
    open_film();
    // On a busy machine the first pictures may come after the sound has gone on.
    ASSERT_TRUE(wait_until([&] { return player().position() > 1000 && frames > 0; }))
        << "no picture of the film reached the panel";
    QWidget* stop = form.findChild<QWidget*>("btn_stop");

    const qint64 stopped_at = player().position();
    QTest::mouseClick(stop, Qt::LeftButton, {}, QPoint(2, 2));

    EXPECT_FALSE(form.is_playing());
    EXPECT_EQ(thumb(), bar().left());
    EXPECT_EQ(player().playbackState(), QMediaPlayer::StoppedState);
    // Played again, the film starts from its beginning. (The back-end may report the
    // old position for a while after stopping, so the rewind is seen in the playing.)
    QTest::mouseClick(form.findChild<QWidget*>("btn_play"), Qt::LeftButton, {}, QPoint(2, 2));
    ASSERT_TRUE(wait_until([&] {
        return player().playbackState() == QMediaPlayer::PlayingState && player().position() > 0;
    }));
    EXPECT_LT(player().position(), stopped_at);
    QTest::mouseClick(stop, Qt::LeftButton, {}, QPoint(2, 2));

    QTest::mouseClick(form.findChild<QWidget*>("btn_zamknij"), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.is_open());
    EXPECT_TRUE(player().source().isEmpty());
    EXPECT_TRUE(messages.empty());
}

// The demo course draws every picture of the window in the size of its place.
TEST_F(DemoFilm, CoursePicturesFitEveryLayout) {
    config.media_root = config.course_root;
    const auto bottom = [this] { return form.findChild<QLabel*>("img_dol")->pixmap().size(); };

    form.media_open(kMediaFilm, media_file(kMediaFilm, config, "2"));
    EXPECT_EQ(bottom(), QSize(336, 36));
    EXPECT_EQ(form.findChild<QLabel*>("img_gora")->pixmap().size(), QSize(336, 20));
    for (const bool marks : {false, true}) {
        form.set_marks(marks ? jump_marks(std::array<int, 3>{1000, 2000, 3000}) : JumpMarks{});
        form.media_open(kMediaSound, media_file(kMediaSound, config, "1"));
        EXPECT_EQ(bottom(), form.size()) << marks;
    }
    for (const int picture :
         {button_picture::media_play, button_picture::media_pause, button_picture::media_stop,
          button_picture::media_mark_1, button_picture::media_mark_2, button_picture::media_mark_3,
          button_picture::media_mark_4}) {
        EXPECT_EQ(buttons.frame_width(picture), kMediaButtonSize) << picture;
        EXPECT_EQ(buttons.height(picture), kMediaButtonSize) << picture;
    }
}

} // namespace
} // namespace vimo
