#include "controls/button_pictures.h"
#include "demo_builder/analyser_art.h"
#include "demo_builder/artwork.h"
#include "demo_builder/screen_art.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <algorithm>
#include <deque>
#include <gtest/gtest.h>
#include <vector>

namespace vimo {
namespace {

// Drawing text needs fonts, and fonts need a QGuiApplication; this test program has
// none of its own. Made once, on the offscreen platform, and kept to the end.
void ensure_gui_application() {
    static int argc = 1;
    static char name[] = "tools_tests";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(argc, argv);
}

const char* const k_button_keys[] = {
    "button_ok",           "button_close",   "button_new_learner", "button_expand_all",
    "button_collapse_all", "button_print",   "button_delete_one",  "button_delete_all",
    "button_check",        "button_again",   "button_glossary",    "button_dictionary",
    "button_tips",         "button_lessons", "button_repetitions", "button_more",
    "button_translation",
};

const char* const k_text_keys[] = {"title",
                                   "subtitle",
                                   "help",
                                   "options",
                                   "about_heading",
                                   "about_line1",
                                   "about_line2",
                                   "website",
                                   "quit_question",
                                   "yes",
                                   "no",
                                   "chooser_title",
                                   "column_exercise",
                                   "column_level",
                                   "column_done",
                                   "column_repetition",
                                   "column_score",
                                   "learner_question",
                                   "learner_name",
                                   "analyser_title",
                                   "analyser_model",
                                   "analyser_take",
                                   "analyser_outline"};

// A wording with every key, each text value being its key (so every label differs).
QByteArray complete_wording(int language) {
    QByteArray text = "interface_language=" + QByteArray::number(language) + "\n";
    text += "greetings=Hello!|Hallo!\n";
    for (const char* key : k_text_keys) {
        text += QByteArray(key) + "=" + key + "\n";
    }
    for (const char* key : k_button_keys)
        text += QByteArray(key) + "=" + key + "\n";
    return text;
}

void write_file(const QString& path, const QByteArray& bytes) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray read_file(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// Bits per pixel of a BMP file, or 0 when it is none.
int bmp_bit_count(const QByteArray& bytes) {
    if (bytes.size() < 30 || !bytes.startsWith("BM")) return 0;
    return qFromLittleEndian<quint16>(bytes.constData() + 28);
}

QRgb bottom_left(const QImage& image) {
    return image.pixel(0, image.height() - 1);
}

int luminance(QRgb pixel) {
    return (qRed(pixel) * 299 + qGreen(pixel) * 587 + qBlue(pixel) * 114) / 1000;
}

// Pixels of the transparent colour that no path of such pixels links to the picture's
// edge: holes the program would punch into a face.
int enclosed_key_pixels(const QImage& image, QRect frame) {
    const QRgb key = bottom_left(image);
    std::vector<bool> reached(static_cast<std::size_t>(frame.width() * frame.height()));
    std::deque<QPoint> open;
    const auto visit = [&](QPoint p) {
        if (!frame.contains(p) || image.pixel(p) != key) return;
        const auto i = static_cast<std::size_t>((p.y() - frame.top()) * frame.width() +
                                                (p.x() - frame.left()));
        if (reached[i]) return;
        reached[i] = true;
        open.push_back(p);
    };
    for (int x = frame.left(); x <= frame.right(); ++x) {
        visit({x, frame.top()});
        visit({x, frame.bottom()});
    }
    for (int y = frame.top(); y <= frame.bottom(); ++y) {
        visit({frame.left(), y});
        visit({frame.right(), y});
    }
    while (!open.empty()) {
        const QPoint p = open.front();
        open.pop_front();
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
            visit(p + step);
    }
    int enclosed = 0;
    for (int y = frame.top(); y <= frame.bottom(); ++y)
        for (int x = frame.left(); x <= frame.right(); ++x)
            if (image.pixel(x, y) == key &&
                !reached[static_cast<std::size_t>((y - frame.top()) * frame.width() +
                                                  (x - frame.left()))])
                ++enclosed;
    return enclosed;
}

// The demo pictures of two interface languages, built once into a temporary folder.
class DemoPicturesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ensure_gui_application();
        s_source = new QTemporaryDir;
        s_output = new QTemporaryDir;
        write_file(QDir(s_source->path()).filePath("art/pl.txt"), complete_wording(0));
        write_file(QDir(s_source->path()).filePath("art/en.txt"), complete_wording(1));
        build_demo_pictures(s_source->path(), s_output->path());
    }
    static void TearDownTestSuite() {
        delete s_source;
        delete s_output;
    }
    static QString output(const QString& relative) {
        return QDir(s_output->path()).filePath(relative);
    }

    static QTemporaryDir* s_source;
    static QTemporaryDir* s_output;
};

QTemporaryDir* DemoPicturesTest::s_source = nullptr;
QTemporaryDir* DemoPicturesTest::s_output = nullptr;

struct DocumentedButton {
    int number = 0;
    QSize frame;
};

// The frame sizes the screens are laid out for; every other number is a 33 by 33 filler.
const DocumentedButton k_documented_buttons[] = {
    {7, {56, 56}},
    {11, {80, 50}},
    {12, {80, 50}},
    {13, {80, 50}},
    {17, {80, 50}},
    {22, {110, 100}},
    {30, {130, 32}},
    {31, {130, 32}},
    {33, {140, 24}},
    {34, {130, 40}},
    {35, {120, 36}},
    {36, {120, 36}},
    {37, {200, 36}},
    {43, {25, 25}},
    {44, {25, 25}},
    {45, {56, 56}},
    {46, {110, 100}},
    {48, {80, 50}},
    {50, {38, 38}},
    {57, {56, 56}},
    {58, {38, 38}},
    {59, {80, 50}},
    {63, {24, 24}},
    {64, {50, 24}},
    {65, {80, 50}},
    // The multimedia window's play, stop, pause and jump marks.
    {24, {22, 22}},
    {25, {22, 22}},
    {26, {22, 22}},
    {38, {22, 22}},
    {39, {22, 22}},
    {40, {22, 22}},
    {41, {22, 22}},
};

QSize documented_frame(int number) {
    for (const DocumentedButton& button : k_documented_buttons)
        if (button.number == number) return button.frame;
    return {33, 33};
}

TEST_F(DemoPicturesTest, EveryButtonNumberHasTwoKeyedFramesOfItsSize) {
    for (const int language : {0, 1}) {
        for (int number = 0; number < button_picture::kButtonPictureCount; ++number) {
            const QString path =
                output(QStringLiteral("Lang_r/%1/but_r/%2.bmp").arg(language).arg(number));
            SCOPED_TRACE(path.toStdString());
            const QByteArray bytes = read_file(path);
            ASSERT_EQ(bmp_bit_count(bytes), 24);
            const QImage strip = QImage::fromData(bytes, "BMP");
            const QSize frame = documented_frame(number);
            ASSERT_EQ(strip.size(), QSize(frame.width() * 2, frame.height()));
            const QRect normal(QPoint(0, 0), frame);
            const QRect highlighted(QPoint(frame.width(), 0), frame);
            // The face fills the middle of each frame; the key surrounds it and nothing
            // inside the face has the key's colour.
            EXPECT_NE(strip.pixel(normal.center()), bottom_left(strip));
            EXPECT_NE(strip.pixel(highlighted.center()), bottom_left(strip));
            EXPECT_EQ(enclosed_key_pixels(strip, normal), 0);
            EXPECT_EQ(enclosed_key_pixels(strip, highlighted), 0);
            EXPECT_NE(strip.copy(normal), strip.copy(highlighted)) << "no highlight";
        }
    }
}

TEST(ButtonWordingTest, EachLabelShowsOnItsOwnButtonOnly) {
    ensure_gui_application();
    const ArtWording base = read_art_wording(complete_wording(0), "pl.txt");
    std::vector<QImage> base_strips;
    for (int number = 0; number < k_button_count; ++number)
        base_strips.push_back(draw_button_strip(number, base));
    for (const char* key : k_button_keys) {
        SCOPED_TRACE(key);
        QByteArray changed = complete_wording(0);
        changed.replace(QByteArray(key) + "=" + key + "\n", QByteArray(key) + "=WWW\n");
        const ArtWording wording = read_art_wording(changed, "pl.txt");
        std::vector<int> differing;
        for (int number = 0; number < k_button_count; ++number)
            if (draw_button_strip(number, wording) != base_strips[static_cast<std::size_t>(number)])
                differing.push_back(number);
        EXPECT_EQ(differing.size(), 1u);
    }
}

TEST_F(DemoPicturesTest, EveryChooserIconExistsWithItsSize) {
    std::vector<std::pair<QString, QSize>> icons;
    for (const char* name :
         {"plus", "minus", "node_1", "node_2", "node_3", "node_5", "done", "not_done"})
        icons.emplace_back(name, QSize(16, 16));
    for (const int code : {40, 41, 42, 44, 45, 46, 47, 50, 51, 52, 54, 56,
                           57, 58, 59, 60, 61, 62, 63, 64, 70, 71, 73, 74})
        icons.emplace_back(QStringLiteral("code_%1").arg(code), QSize(16, 16));
    for (int i = 1; i <= 4; ++i) {
        icons.emplace_back(QStringLiteral("level_%1").arg(i), QSize(20, 16));
        icons.emplace_back(QStringLiteral("bar_%1").arg(i), QSize(98, 12));
    }
    icons.emplace_back("bar_back", QSize(100, 12));
    icons.emplace_back("up", QSize(32, 32));
    icons.emplace_back("down", QSize(32, 32));
    std::vector<QImage> seen;
    for (const auto& [name, size] : icons) {
        const QString path = output("gfx_r/wybor/" + name + ".bmp");
        SCOPED_TRACE(path.toStdString());
        const QByteArray bytes = read_file(path);
        ASSERT_EQ(bmp_bit_count(bytes), 24);
        const QImage image = QImage::fromData(bytes, "BMP");
        EXPECT_EQ(image.size(), size);
        // Something is drawn on the transparent ground, and no two icons are alike.
        const QRgb key = bottom_left(image);
        int drawn = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                drawn += image.pixel(x, y) != key ? 1 : 0;
        EXPECT_GT(drawn, image.width() * image.height() / 8);
        EXPECT_EQ(std::ranges::count(seen, image), 0);
        seen.push_back(image);
    }
}

struct WindowCase {
    const char* file = "";
    QSize size;
    QRect caption; // the strip the caption is painted into, white on dark; empty for none
    std::vector<QRect> plain; // light and plain: the program paints dark text there
};

const WindowCase k_windows[] = {
    {"koniec.bmp", {420, 220}, {0, 0, 420, 30}, {}},
    {"logowanie.bmp", {460, 300}, {0, 0, 460, 30}, {{40, 100, 380, 30}}},
    {"logow_new.bmp",
     {460, 300},
     {0, 0, 460, 30},
     {{40, 90, 380, 28}, {40, 132, 380, 20}, {40, 154, 380, 28}}},
    {"wybor.jpg", {1024, 768}, {}, {{40, 98, 825, 537}}},
    {"skasowacpowtorki.bmp", {300, 100}, {}, {{20, 8, 260, 50}}},
    {"ustawienia_rozum.bmp", {399, 421}, {0, 0, 399, 30}, {{16, 36, 367, 324}}},
    {"info.bmp", {440, 120}, {0, 0, 440, 30}, {{20, 30, 400, 61}}},
    {"twoja_odp_2.bmp", {500, 150}, {0, 0, 500, 30}, {{20, 40, 460, 70}}},
    // The search field, the check boxes' captions and the result list.
    {"slownik.bmp", {649, 420}, {}, {{23, 49, 157, 19}, {316, 8, 296, 92}, {10, 157, 609, 255}}},
    {"slownik_small.bmp", {400, 150}, {}, {{25, 46, 283, 83}}},
    {"tlumaczenie.bmp", {540, 600}, {}, {{16, 51, 509, 536}}},
};

TEST_F(DemoPicturesTest, WindowsLeaveTheProgramsPlacesPlain) {
    for (const int language : {0, 1}) {
        for (const WindowCase& window : k_windows) {
            const QString path =
                output(QStringLiteral("Lang_r/%1/gfx_r/%2").arg(language).arg(window.file));
            SCOPED_TRACE(path.toStdString());
            const QByteArray bytes = read_file(path);
            if (path.endsWith(".bmp")) {
                EXPECT_EQ(bmp_bit_count(bytes), 24);
            }
            const QImage image = QImage::fromData(bytes);
            ASSERT_EQ(image.size(), window.size);
            for (int y = window.caption.top(); y <= window.caption.bottom(); ++y)
                for (int x = window.caption.left(); x <= window.caption.right(); ++x)
                    ASSERT_LT(luminance(image.pixel(x, y)), 110) << x << "," << y;
            for (const QRect& place : window.plain) {
                int darkest = 255;
                int lightest = 0;
                for (int y = place.top(); y <= place.bottom(); ++y) {
                    for (int x = place.left(); x <= place.right(); ++x) {
                        darkest = std::min(darkest, luminance(image.pixel(x, y)));
                        lightest = std::max(lightest, luminance(image.pixel(x, y)));
                    }
                }
                EXPECT_GE(darkest, 215) << "at " << place.x() << "," << place.y();
                EXPECT_LE(lightest - darkest, 24) << "at " << place.x() << "," << place.y();
            }
        }
    }
}

// The index letters are painted silver and the chosen one black: the row behind them
// must be dark enough for the one and light enough for the other.
TEST_F(DemoPicturesTest, DictionaryIndexRowShowsSilverAndBlackLetters) {
    for (const int language : {0, 1}) {
        const QImage image(output(QStringLiteral("Lang_r/%1/gfx_r/slownik.bmp").arg(language)));
        ASSERT_FALSE(image.isNull()) << language;
        const QRect row(4, 133, 618, 18);
        for (int y = row.top(); y <= row.bottom(); ++y) {
            for (int x = row.left(); x <= row.right(); ++x) {
                const int shade = luminance(image.pixel(x, y));
                ASSERT_GE(shade, 60) << language << ": " << x << "," << y;
                ASSERT_LE(shade, 160) << language << ": " << x << "," << y;
            }
        }
    }
}

// Every picture the results printout names, under the course's Htm_r folder.
TEST_F(DemoPicturesTest, EveryPrintoutPictureExists) {
    std::vector<std::pair<QString, QSize>> pictures;
    for (const char* name :
         {"1_film", "2_nagranie", "3_tekst", "7_slowka", "11_mchoice", "8_truefalse",
          "9_wpisywanie", "10_pary", "12_ddrop", "15_wpisywanie", "18_prezentacja", "13_NAGRYWANIE",
          "5_letters", "6_ciekawostka", "14_rozumienie", "16_dyktando", "ruszone", "ruszonenie"})
        pictures.emplace_back(name, QSize(24, 24));
    for (int level = 1; level <= 4; ++level)
        pictures.emplace_back(QStringLiteral("poziom%1").arg(level), QSize(44, 16));
    std::vector<QImage> seen;
    for (const auto& [name, size] : pictures) {
        const QString path = output("Htm_r/" + name + ".jpg");
        SCOPED_TRACE(path.toStdString());
        const QByteArray bytes = read_file(path);
        ASSERT_TRUE(bytes.startsWith("\xff\xd8")) << "not a JPEG";
        const QImage image = QImage::fromData(bytes, "JPG");
        ASSERT_EQ(image.size(), size);
        int drawn = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                drawn += luminance(image.pixel(x, y)) < 200 ? 1 : 0;
        EXPECT_GT(drawn, 10) << "nothing drawn";
        EXPECT_EQ(std::ranges::count(seen, image), 0);
        seen.push_back(image);
    }
}

// The speech analyser's background in each language folder and its four buttons under
// the course root. The places the program draws its buttons and check boxes on stay
// plain, each box's caption stands right of it, and the background says its words in
// the interface's language.
TEST_F(DemoPicturesTest, SpeechAnalyserPicturesFitTheirWindow) {
    const auto uniform = [](const QImage& image, const QRect& place) {
        const QRgb first = image.pixel(place.topLeft());
        for (int y = place.top(); y <= place.bottom(); ++y)
            for (int x = place.left(); x <= place.right(); ++x)
                if (image.pixel(x, y) != first) return false;
        return true;
    };
    const auto darkest = [](const QImage& image, const QRect& place) {
        int shade = 255;
        for (int y = place.top(); y <= place.bottom(); ++y)
            for (int x = place.left(); x <= place.right(); ++x)
                shade = std::min(shade, luminance(image.pixel(x, y)));
        return shade;
    };
    for (const int language : {0, 1}) {
        const QString path = output(QStringLiteral("Lang_r/%1/gfx_r/mowa.bmp").arg(language));
        SCOPED_TRACE(path.toStdString());
        const QByteArray bytes = read_file(path);
        ASSERT_EQ(bmp_bit_count(bytes), 24);
        const QImage image = QImage::fromData(bytes, "BMP");
        ASSERT_EQ(image.size(), QSize(560, 360));
        // Model play 56 x 56, record and own play 40 x 40, the two outline boxes.
        for (const QRect& place :
             {QRect(456, 44, 56, 56), QRect(456, 212, 40, 40), QRect(506, 212, 40, 40),
              QRect(456, 110, 20, 20), QRect(456, 278, 20, 20)})
            EXPECT_TRUE(uniform(image, place)) << "at " << place.x() << "," << place.y();
        // Dark words on the light ground right of each box, nothing past the edge.
        EXPECT_LT(darkest(image, QRect(480, 110, 74, 20)), 150);
        EXPECT_LT(darkest(image, QRect(480, 278, 74, 20)), 150);
        EXPECT_GE(darkest(image, QRect(554, 100, 4, 200)), 215);
        // White title letters on the dark strip.
        EXPECT_LT(luminance(image.pixel(400, 16)), 110);
        int lightest = 0;
        for (int x = 10; x < 300; ++x)
            for (int y = 4; y < 28; ++y)
                lightest = std::max(lightest, luminance(image.pixel(x, y)));
        EXPECT_GT(lightest, 200);
    }
    ensure_gui_application();
    QByteArray polish = complete_wording(0);
    polish.replace("analyser_title=analyser_title", "analyser_title=Analizator mowy");
    polish.replace("analyser_model=analyser_model", "analyser_model=Wzór");
    polish.replace("analyser_take=analyser_take", "analyser_take=Twoje nagranie");
    polish.replace("analyser_outline=analyser_outline", "analyser_outline=Krzywa");
    QTemporaryDir other;
    const QString gfx = other.path() + QStringLiteral("/gfx_r/");
    write_analyser_language_pictures(gfx, read_art_wording(polish, "pl.txt"));
    const QImage translated(gfx + QStringLiteral("mowa.bmp"));
    ASSERT_EQ(translated.size(), QSize(560, 360));
    EXPECT_NE(translated, QImage(output("Lang_r/0/gfx_r/mowa.bmp")));

    std::vector<QImage> seen;
    for (const char* name : {"mikrofon", "mikrofon_nad", "mikrofon_on", "glosnik"}) {
        const QString file = output(QStringLiteral("gfx_r/%1.bmp").arg(QLatin1String(name)));
        SCOPED_TRACE(file.toStdString());
        const QByteArray bytes = read_file(file);
        ASSERT_EQ(bmp_bit_count(bytes), 24);
        const QImage image = QImage::fromData(bytes, "BMP");
        ASSERT_EQ(image.size(), QSize(40, 40));
        const QRgb key = bottom_left(image);
        for (const QPoint corner : {QPoint(0, 0), QPoint(39, 0), QPoint(39, 39)})
            EXPECT_EQ(image.pixel(corner), key) << corner.x() << "," << corner.y();
        EXPECT_NE(image.pixel(20, 20), key);
        EXPECT_EQ(enclosed_key_pixels(image, image.rect()), 0);
        EXPECT_EQ(std::ranges::count(seen, image), 0) << "same as another button";
        seen.push_back(image);
    }
}

} // namespace
} // namespace vimo
