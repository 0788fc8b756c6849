#include "demo_builder/art_painting.h"
#include "demo_builder/information_art.h"

#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>

namespace vimo {
namespace {

// The text drawn on the pictures needs fonts, and fonts a QGuiApplication.
void ensure_gui_application() {
    static int argc = 1;
    static char name[] = "tools_tests";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(argc, argv);
}

int luminance(QRgb pixel) {
    return qGray(pixel);
}

TEST(InformationArt, BackgroundsKeepTheTextAreaPlainAndTheCaptionStripDark) {
    ensure_gui_application();
    for (const bool help : {true, false}) {
        SCOPED_TRACE(help ? "help.bmp" : "tlumaczenia.bmp");
        const QImage image = draw_information_background(help);
        ASSERT_EQ(image.size(), QSize(455, 266));
        // Black text is painted over the area, the white caption into the strip.
        int darkest = 255;
        for (int y = 52; y < 52 + 201; ++y)
            for (int x = 12; x < 12 + 381; ++x)
                darkest = std::min(darkest, luminance(image.pixel(x, y)));
        EXPECT_GE(darkest, 240);
        for (int x = 0; x < 421; x += 20)
            EXPECT_LT(luminance(image.pixel(x, 15)), 110) << x;
    }
    EXPECT_NE(draw_information_background(true), draw_information_background(false));
}

TEST(InformationArt, EveryPictureTheWindowReadsHasItsSizeAndIsKeyed) {
    ensure_gui_application();
    const std::map<QString, QSize> sizes{
        {"up.bmp", {22, 22}},      {"down.bmp", {22, 22}},    {"poz_1.bmp", {20, 16}},
        {"poz_2.bmp", {20, 16}},   {"poz_3.bmp", {20, 16}},   {"poz_4.bmp", {20, 16}},
        {"zda_dyk.bmp", {16, 16}}, {"zda_roz.bmp", {16, 16}}, {"zda_tek.bmp", {16, 16}},
        {"img_rpg.bmp", {16, 16}}, {"img_dia.bmp", {16, 16}}, {"rob_yes.bmp", {16, 16}},
        {"rob_no.bmp", {16, 16}},  {"stat_1.bmp", {40, 22}},  {"stat_2.bmp", {40, 22}},
        {"stat_3.bmp", {40, 22}},  {"stat_4.bmp", {40, 22}},  {"stat_5.bmp", {34, 20}},
    };
    std::map<QString, QSize> drawn;
    for (const InformationPicture& picture : draw_information_pictures()) {
        SCOPED_TRACE(picture.file.toStdString());
        drawn[picture.file] = picture.image.size();
        const QImage& image = picture.image;
        EXPECT_EQ(image.pixelColor(0, image.height() - 1), art_colour::key);
        // Something is drawn besides the transparent colour.
        int shown = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) != art_colour::key) ++shown;
        EXPECT_GT(shown, image.width() * image.height() / 10);
    }
    EXPECT_EQ(drawn, sizes);
}

} // namespace
} // namespace vimo
