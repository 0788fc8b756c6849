#include "controls/MyImageList.h"
#include "controls/TransparentButton.h"
#include "controls/button_pictures.h"
#include "controls/picture_controls.h"
#include "controls/picture_fixtures.h"
#include "core/qt_text.h"
#include "exercises/stand_alone/information_window.h"
#include "support/modal.h"
#include "support/temp_course.h"

#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vimo {
namespace {

using test::when_modal_shown;

const QColor kHelpGround(200, 230, 200);
const QColor kNoteGround(230, 220, 180);

UniString u(const char* text) {
    return qstring_to_uni(QString::fromUtf8(text));
}

QImage plain(QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A course with the two backgrounds, the button strips up to the exit cross, the
// arrows and one stat picture (red, keyed by its magenta bottom row).
class InformationWindowTest : public testing::Test {
protected:
    void SetUp() override {
        m_course.make_folder("Lang_r/0/but_r");
        m_course.make_folder("Lang_r/0/gfx_r");
        m_course.make_folder("gfx_r/informacja");
        for (int n = 0; n <= button_picture::exit; ++n) {
            ASSERT_TRUE(test::save_picture(m_course, "Lang_r/0/but_r/" + std::to_string(n) + ".bmp",
                                           test::make_strip(25, 25, 2)));
        }
        ASSERT_TRUE(test::save_picture(m_course, "Lang_r/0/gfx_r/help.bmp",
                                       plain(TInformacjaForm::kSize, kHelpGround)));
        ASSERT_TRUE(test::save_picture(m_course, "Lang_r/0/gfx_r/tlumaczenia.bmp",
                                       plain(TInformacjaForm::kSize, kNoteGround)));
        for (const char* arrow : {"up", "down"}) {
            ASSERT_TRUE(test::save_picture(m_course,
                                           std::string("gfx_r/informacja/") + arrow + ".bmp",
                                           test::make_strip(22, 22, 1)));
        }
        ASSERT_TRUE(test::save_picture(m_course, "gfx_r/informacja/stat_1.bmp",
                                       test::make_strip(40, 22, 1)));
        m_config.course_root = m_course.root();
        m_config.window_caption = "Lexaro Vimo";
        load_button_pictures(m_buttons, m_course.path("Lang_r/0/"));
    }

    // Runs look on the window once it has painted its text, then closes it if look
    // has not (also when an assertion in look gives up).
    static void when_laid_out(TInformacjaForm& window, std::function<void()> look) {
        when_modal_shown([&window, look](QWidget&) {
            if (QTest::qWaitForWindowExposed(&window)) {
                window.textArea().repaint();
                look();
            } else {
                ADD_FAILURE() << "the window is never exposed";
            }
            if (window.isVisible()) window.reject();
        });
    }

    test::TempCourse m_course;
    Config m_config;
    TMyImageList m_buttons;
};

TEST_F(InformationWindowTest, AHelpTextLosesItsMarkerAndShowsTheHelpBackground) {
    TInformacjaForm window(m_config, &m_buttons);
    QColor corner;
    when_modal_shown([&](QWidget& shown) {
        ASSERT_EQ(&shown, &window);
        corner = window.grab().toImage().pixelColor(5, 260);
        QTest::keyClick(&window, Qt::Key_Return);
    });
    EXPECT_EQ(window.show_text(uni_widen("HH_") + u("<b> Wybór </b> ćwiczeń")), QDialog::Accepted);
    EXPECT_EQ(window.background(), information::Background::help);
    EXPECT_EQ(window.words(),
              (std::vector<UniString>{u("<b>"), u("Wybór"), u("</b>"), u("ćwiczeń")}));
    EXPECT_EQ(corner, kHelpGround);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Lexaro Vimo"));
    EXPECT_TRUE(window.backgroundPicture().isNull()); // released on closing
}

TEST_F(InformationWindowTest, AGlossaryNoteShowsTheNoteBackgroundAndEscCloses) {
    TInformacjaForm window(m_config, &m_buttons);
    QColor corner;
    when_modal_shown([&](QWidget&) {
        corner = window.grab().toImage().pixelColor(5, 260);
        QTest::keyClick(&window, Qt::Key_Escape);
    });
    EXPECT_EQ(window.show_text(u("HH nie jest znacznikiem")), QDialog::Rejected);
    EXPECT_EQ(window.background(), information::Background::note);
    EXPECT_EQ(window.words().front(), u("HH"));
    EXPECT_EQ(corner, kNoteGround);
}

// Right clicks along the first line of the text, left to right; the distinct words
// looked up, in order.
std::vector<UniString> words_along_the_first_line(TInformacjaForm& window) {
    std::vector<UniString> looked_up;
    window.set_look_up([&](const UniString& word) {
        if (looked_up.empty() || looked_up.back() != word) looked_up.push_back(word);
    });
    for (int x = 0; x < window.textArea().width(); x += 2)
        QTest::mouseClick(&window.textArea(), Qt::RightButton, {}, QPoint(x, 10));
    return looked_up;
}

TEST_F(InformationWindowTest, ARightClickLooksUpTheWordOfANoteButNotOfAHelpText) {
    TInformacjaForm window(m_config, &m_buttons);
    std::vector<UniString> in_note;
    when_laid_out(window, [&] { in_note = words_along_the_first_line(window); });
    window.show_text(u("a lake <b> near </b> home"));
    EXPECT_EQ(in_note, (std::vector<UniString>{u("a"), u("lake"), u("near"), u("home")}));

    std::vector<UniString> in_help{u("not asked")};
    when_laid_out(window, [&] { in_help = words_along_the_first_line(window); });
    window.show_text(uni_widen("HH_") + u("Wybór ćwiczeń"));
    EXPECT_TRUE(in_help.empty());
}

TEST_F(InformationWindowTest, TheExitButtonCloses) {
    TInformacjaForm window(m_config, &m_buttons);
    when_modal_shown([&](QWidget&) {
        EXPECT_EQ(window.exitButton().pos(), TInformacjaForm::kExitAt);
        QTest::mouseClick(&window.exitButton(), Qt::LeftButton, {}, QPoint(5, 5));
    });
    EXPECT_EQ(window.show_text(u("krótko")), QDialog::Accepted);
}

TEST_F(InformationWindowTest, ALongTextScrollsLineByLineToItsEnd) {
    TInformacjaForm window(m_config, &m_buttons);
    std::string text;
    for (int line = 1; line <= 13; ++line)
        text += " <br> wiersz " + std::to_string(line);
    text.erase(0, 6);
    std::vector<int> positions;
    bool up_at_start = true;
    bool down_at_end = true;
    bool up_at_end = false;
    when_laid_out(window, [&] {
        up_at_start = window.upArrow().isVisible();
        // The 13th line is at y 241: three lines to scroll.
        ASSERT_TRUE(window.downArrow().isVisible());
        while (window.downArrow().isVisible() && positions.size() < 10) {
            QTest::mouseClick(&window.downArrow(), Qt::LeftButton, {}, QPoint(5, 5));
            positions.push_back(window.scroll().position());
        }
        down_at_end = window.downArrow().isVisible();
        up_at_end = window.upArrow().isVisible();
        QTest::mouseClick(&window.upArrow(), Qt::LeftButton, {}, QPoint(5, 5));
        positions.push_back(window.scroll().position());
    });
    window.show_text(u(text.c_str()));
    EXPECT_FALSE(up_at_start);
    EXPECT_EQ(positions, (std::vector<int>{1, 2, 3, 2}));
    EXPECT_FALSE(down_at_end);
    EXPECT_TRUE(up_at_end);
}

TEST_F(InformationWindowTest, AShortTextShowsNoArrowsAgainAfterALongOne) {
    TInformacjaForm window(m_config, &m_buttons);
    std::string text;
    for (int line = 1; line <= 12; ++line)
        text += "w <br> ";
    when_laid_out(
        window, [&] { QTest::mouseClick(&window.downArrow(), Qt::LeftButton, {}, QPoint(5, 5)); });
    window.show_text(u(text.c_str()));
    ASSERT_EQ(window.scroll().position(), 1);
    bool arrows = true;
    when_laid_out(window,
                  [&] { arrows = window.upArrow().isVisible() || window.downArrow().isVisible(); });
    window.show_text(u("jeden wiersz"));
    EXPECT_FALSE(arrows);
    EXPECT_EQ(window.scroll().position(), 0);
}

TEST_F(InformationWindowTest, AStatTokenDrawsItsPictureInlineAndTheTextGoesOnAfterIt) {
    TInformacjaForm window(m_config, &m_buttons);
    QImage area;
    when_laid_out(window, [&] { area = test::painted(window.textArea()); });
    window.show_text(u("[STAT_OK] dobrze"));
    ASSERT_FALSE(area.isNull());
    EXPECT_EQ(area.pixelColor(1 + 20, 1 + 10), QColor(Qt::red));
    EXPECT_EQ(area.pixelColor(1 + 20, 1 + 21).alpha(), 0); // the keyed bottom row
    // Nothing in the 3-pixel step after the picture, ink right after it.
    const auto ink_in_column = [&](int x) {
        for (int y = 0; y < 20; ++y)
            if (area.pixelColor(x, y).alpha() > 0) return true;
        return false;
    };
    EXPECT_FALSE(ink_in_column(42));
    EXPECT_FALSE(ink_in_column(43));
    bool ink_after = false;
    for (int x = 44; x < 52; ++x)
        ink_after = ink_after || ink_in_column(x);
    EXPECT_TRUE(ink_after);
}

} // namespace
} // namespace vimo
