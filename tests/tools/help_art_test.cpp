// The pictures of the help and reading windows and of the help pages.
#include "controls/button_pictures.h"
#include "demo_builder/help_art.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vimo {
namespace {

void ensure_gui_application() {
    static int argc = 1;
    static char name[] = "tools_tests";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(argc, argv);
}

// True when every row of place has one colour: nothing but the strip's vertical
// gradient is drawn where the program puts a button.
bool plain_rows(const QImage& image, const QRect& place) {
    for (int y = place.top(); y <= place.bottom(); ++y) {
        for (int x = place.left(); x <= place.right(); ++x) {
            if (image.pixel(x, y) != image.pixel(place.left(), y)) return false;
        }
    }
    return true;
}

TEST(HelpArt, TheStripLeavesTheButtonPlacesPlain) {
    ensure_gui_application();
    const QImage strip = draw_help_strip();
    EXPECT_EQ(strip.size(), QSize(100, 768));
    for (const QRect& place : {help_strip_area::exit_button, help_strip_area::back_button,
                               help_strip_area::contents_button, help_strip_area::print_button}) {
        EXPECT_TRUE(plain_rows(strip, place)) << place.x() << "," << place.y();
    }
}

TEST(HelpArt, BackAndContentsAreKeyedTwoFrameStrips) {
    ensure_gui_application();
    for (const int number : {button_picture::help_back, button_picture::help_contents}) {
        SCOPED_TRACE(number);
        const QImage strip = draw_help_button_strip(number);
        ASSERT_EQ(strip.size(), QSize(66, 33));
        const QRgb key = strip.pixel(0, 32);
        EXPECT_EQ(QColor(key), QColor(255, 0, 255));
        EXPECT_NE(strip.pixel(16, 16), key);
        EXPECT_NE(strip.copy(0, 0, 33, 33), strip.copy(33, 0, 33, 33)) << "no highlight";
    }
    EXPECT_NE(draw_help_button_strip(button_picture::help_back),
              draw_help_button_strip(button_picture::help_contents));
    EXPECT_TRUE(draw_help_button_strip(button_picture::print).isNull());
}

TEST(HelpArt, WritesEveryPictureWhereTheWindowsAndPagesLookForIt) {
    ensure_gui_application();
    QTemporaryDir dir;
    const QString root = dir.path() + "/";
    QStringList written = write_help_pictures(root);
    written << write_help_language_pictures(root, 1);
    const struct {
        const char* file;
        QSize size;
    } expected[] = {
        {"gfx_r/pod_pasek_help.bmp", {100, 768}},  {"Lang_r/1/gfx_r/reading.bmp", {730, 727}},
        {"Lang_r/1/but_r/53.bmp", {66, 33}},       {"Lang_r/1/but_r/54.bmp", {66, 33}},
        {"Htm_r/gfx/okno_pomocy.png", {240, 180}}, {"Htm_r/gfx/wybor.jpg", {360, 190}},
        {"Htm_r/gfx/klawisze.bmp", {330, 64}},
    };
    EXPECT_EQ(written.size(), static_cast<qsizetype>(std::size(expected)));
    for (const auto& picture : expected) {
        SCOPED_TRACE(picture.file);
        EXPECT_TRUE(written.contains(root + picture.file));
        EXPECT_EQ(QImage(root + picture.file).size(), picture.size);
    }
}

} // namespace
} // namespace vimo
