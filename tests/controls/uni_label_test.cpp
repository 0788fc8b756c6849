#include "controls/UniLabel.h"
#include "picture_fixtures.h"

#include <QFontMetrics>
#include <QTest>
#include <gtest/gtest.h>

namespace vimo {
namespace {

// Column of the first painted (non-transparent) pixel of a label.
int first_ink_column(QWidget& label) {
    const QImage shown = test::painted(label);
    for (int x = 0; x < shown.width(); ++x) {
        for (int y = 0; y < shown.height(); ++y) {
            if (shown.pixelColor(x, y).alpha() != 0) return x;
        }
    }
    return -1;
}

class UniLabel : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(400, 200);
        window.show();
    }
    QWidget window;
};

TEST_F(UniLabel, Defaults) {
    TUniLabel label(&window);
    EXPECT_EQ(label.size(), QSize(120, 12));
    EXPECT_EQ(label.shownText(), "UniLabel");
    EXPECT_FALSE(label.autoFillBackground());
}

TEST_F(UniLabel, NormalCaptionShowsTheUtf16Text) {
    TUniLabel label(&window);
    label.setCaptionNormal(uni_widen("Zamknij"));
    EXPECT_EQ(label.shownText(), "UniLabel");
    label.setUseNormalCaption(true);
    EXPECT_EQ(label.shownText(), "Zamknij");
}

TEST_F(UniLabel, AutoSizeTakesTheSingleLineExtent) {
    TUniLabel label(&window);
    label.setCaption("Dalej i dalej");
    label.setAutoSize(true);
    const QFontMetrics metrics(label.font());
    EXPECT_EQ(label.width(), metrics.horizontalAdvance("Dalej i dalej"));
    EXPECT_EQ(label.height(), metrics.height());
}

TEST_F(UniLabel, TwoLabelsKeepTheirOwnAlignment) {
    TUniLabel left(&window);
    TUniLabel right(&window);
    for (TUniLabel* label : {&left, &right}) {
        label->resize(300, 20);
        label->setCaption("abc");
    }
    right.setTextAlignH(TextAlign::Right);
    EXPECT_LT(first_ink_column(left), 20);
    EXPECT_GT(first_ink_column(right), 250);
    EXPECT_EQ(left.textAlignH(), TextAlign::Left);
}

TEST_F(UniLabel, CentredTextStartsNearTheMiddle) {
    TUniLabel label(&window);
    label.resize(300, 20);
    label.setCaption("abc");
    label.setTextAlignH(TextAlign::Center);
    const int start = first_ink_column(label);
    EXPECT_GT(start, 100);
    EXPECT_LT(start, 150);
}

TEST_F(UniLabel, WordWrapUsesMoreLines) {
    TUniLabel label(&window);
    label.resize(60, 60);
    label.setCaption("jeden dwa trzy cztery");
    const QImage flat = test::painted(label);
    label.setWordWrap(true);
    const QImage wrapped = test::painted(label);
    const int line = QFontMetrics(label.font()).height();
    auto ink_below = [line](const QImage& image) {
        for (int y = line + 1; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y).alpha() != 0) return true;
            }
        }
        return false;
    };
    EXPECT_FALSE(ink_below(flat));
    EXPECT_TRUE(ink_below(wrapped));
}

TEST_F(UniLabel, WordAtUsesTheLabelFont) {
    TUniLabel label(&window);
    label.resize(400, 20);
    label.setCaptionNormal(uni_widen("kot, pies"));
    label.setUseNormalCaption(true);
    const QFontMetrics metrics(label.font());
    const int first = metrics.horizontalAdvance("kot,");
    const int gap = metrics.horizontalAdvance(' ');
    EXPECT_EQ(label.word_at(first / 2, 2), uni_widen("kot,"));
    EXPECT_EQ(label.word_at(first + gap + 2, 2), uni_widen("pies"));
    if (gap > 1) {
        EXPECT_EQ(label.word_at(first + 1, 2), UniString());
    }
    EXPECT_EQ(label.word_at(first / 2, metrics.height() + 1), UniString());
}

TEST_F(UniLabel, WordAtFollowsTheRightAlignment) {
    TUniLabel label(&window);
    label.resize(400, 20);
    label.setCaptionNormal(uni_widen("kot"));
    label.setTextAlignH(TextAlign::Right);
    const int width = QFontMetrics(label.font()).horizontalAdvance("kot");
    EXPECT_EQ(label.word_at(400 - width / 2, 2), uni_widen("kot"));
    EXPECT_EQ(label.word_at(width / 2, 2), UniString());
}

} // namespace
} // namespace vimo
