#include "audio/MyWavViewer.h"
#include "audio/analyser.h"
#include "audio/fixed_take_recorder.h"
#include "audio/wav_file.h"
#include "controls/TransparentButton.h"
#include "controls/picture_controls.h"
#include "core/paths.h"
#include "support/screen_services_fixture.h"
#include "support/task_text.h"
#include "support/tone_wav.h"

#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace vimo {
namespace {

using test::FixedTakeRecorder;

class Analyser : public ::testing::Test, protected test::ScreenServicesFixture {
protected:
    Analyser() {
        std::vector<UniString> texts(132, test::read_line("0=0=-"));
        texts[128] = test::read_line("129=0=Outline");
        texts[129] = test::read_line("130=0=Play the model");
        texts[130] = test::read_line("131=0=Play your recording");
        texts[131] = test::read_line("132=0=Hold to record");
        course.texts.set_lines(texts);
        files.write_bytes("Zdania/model.wav", test::tone_wav(1.0, 12000));
    }
    void open() {
        form.wav_view_open(course.config.course_path("Zdania\\model.wav"));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    FixedTakeRecorder recorder;
    TWavWievForm form{course, pictures, test::shared_sound(), help, messages, recorder};
};

TEST_F(Analyser, OpensOnTheModelWithTheLowerViewAndOwnPlayHidden) {
    open();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(form.upper_view().geometry(), TWavWievForm::kUpperView);
    EXPECT_TRUE(form.upper_view().isVisible());
    EXPECT_FALSE(form.lower_view().isVisible());
    EXPECT_FALSE(form.own_play_button().isVisible());
    EXPECT_FALSE(form.lower_outline().isVisible());
    EXPECT_FALSE(form.upper_outline().aktywny());
    EXPECT_FALSE(form.upper_view().Krzywa());
    EXPECT_FALSE(form.own_recording());
    EXPECT_EQ(form.model_play_button().toolTip(), "Play the model");
    EXPECT_EQ(form.record_button().toolTip(), "Hold to record");
    EXPECT_EQ(form.upper_outline().toolTip(), "Outline");
    // The tone's envelope spreads away from the centre line.
    const QImage shot = form.upper_view().grab().toImage();
    int blue_rows = 0;
    for (int y = 0; y < shot.height(); ++y)
        if (shot.pixelColor(100, y).blue() > 150 && shot.pixelColor(100, y).red() < 100)
            ++blue_rows;
    EXPECT_GT(blue_rows, 10) << "no waveform of the model";
}

TEST_F(Analyser, TheOutlineBoxesSwitchTheirViewsOutline) {
    open();
    QTest::mouseClick(&form.upper_outline(), Qt::LeftButton);
    EXPECT_TRUE(form.upper_outline().aktywny());
    EXPECT_TRUE(form.upper_view().Krzywa());
    QTest::mouseClick(&form.upper_outline(), Qt::LeftButton);
    EXPECT_FALSE(form.upper_view().Krzywa());
}

TEST_F(Analyser, AKeptTakeIsDrawnBelowAndPlayed) {
    open();
    QTest::mouseMove(&form.record_button(), QPoint(10, 10));
    QTest::mousePress(&form.record_button(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(form.record_button().picture(), form.pictures().microphone_on);
    QTest::mouseRelease(&form.record_button(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(form.own_recording());
    EXPECT_TRUE(form.lower_view().isVisible());
    EXPECT_TRUE(form.own_play_button().isVisible());
    EXPECT_TRUE(form.lower_outline().isVisible());
    EXPECT_EQ(test::shared_sound().open_file(),
              resolve_path(course.config.course_path("temp1.Wav")));
    const QImage shot = form.lower_view().grab().toImage();
    EXPECT_NE(shot.pixelColor(50, 5), shot.pixelColor(50, 64)) << "the take's envelope";

    // The model plays from its file.
    QTest::mouseClick(&form.model_play_button(), Qt::LeftButton);
    EXPECT_EQ(test::shared_sound().open_file(),
              resolve_path(course.config.course_path("Zdania\\model.wav")));

    // A new opening forgets this run's take.
    form.close();
    open();
    EXPECT_FALSE(form.own_recording());
    EXPECT_FALSE(form.lower_view().isVisible());
}

TEST_F(Analyser, EscapeClosesAndF1OpensItsHelpPage) {
    open();
    QTest::keyClick(&form, Qt::Key_F1);
    EXPECT_EQ(help.pages, std::vector<std::string>{"Htm_r\\h_ana.html"});
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(test::shared_sound().open_file().empty()) << "closing stops the player";
}

} // namespace
} // namespace vimo
