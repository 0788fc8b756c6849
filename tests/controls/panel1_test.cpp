#include "controls/panel1.h"
#include "picture_fixtures.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace vimo {
namespace {

// A strip of 22 by 22 frames, frame n filled with the grey level 10 * n + 5.
QImage numbered_strip(int frames) {
    QImage strip(22 * frames, 22, QImage::Format_RGB32);
    for (int frame = 0; frame < frames; ++frame) {
        const int level = 10 * frame + 5;
        for (int x = 0; x < 22; ++x) {
            for (int y = 0; y < 22; ++y)
                strip.setPixelColor(frame * 22 + x, y, QColor(level, level, level));
        }
    }
    return strip;
}

int frame_shown(TPanel1& panel) {
    const QColor colour = test::painted(panel).pixelColor(170, 16);
    return (colour.red() - 5) / 10;
}

class Panel1 : public ::testing::Test {
protected:
    void SetUp() override {
        QImage background(200, 34, QImage::Format_RGB32);
        background.fill(Qt::white);
        panel.setTlo(background);
        panel.setTorcik(numbered_strip(13));
        panel.resize(200, 34);
    }
    TPanel1 panel;
};

TEST_F(Panel1, ScoresPickTheirFrame) {
    const std::pair<int, int> cases[] = {{100, 12}, {4, 0}, {12, 2}, {0, 0}, {50, 6}, {60, 8}};
    for (const auto& [score, frame] : cases) {
        panel.setWynik(score);
        EXPECT_EQ(frame_shown(panel), frame) << score;
    }
}

TEST_F(Panel1, FrameFillsItsRectangleOnly) {
    panel.setWynik(100);
    const QImage shown = test::painted(panel);
    EXPECT_EQ(shown.pixelColor(160, 6), QColor(125, 125, 125));
    EXPECT_EQ(shown.pixelColor(181, 27), QColor(125, 125, 125));
    EXPECT_EQ(shown.pixelColor(182, 28), QColor(Qt::white));
    EXPECT_EQ(shown.pixelColor(159, 6), QColor(Qt::white));
}

TEST_F(Panel1, LabelShowsThePercentInTheScoreStyle) {
    panel.setWynik(75);
    const QLabel& label = panel.scoreLabel();
    EXPECT_EQ(label.text(), "75%");
    EXPECT_EQ(label.pos(), QPoint(110, 8));
    EXPECT_TRUE(label.font().bold());
    EXPECT_EQ(label.font().pointSize(), 10);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0, 101, 156));
}

} // namespace
} // namespace vimo
