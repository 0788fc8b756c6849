#include "controls/TransparentButton.h"
#include "core/sound.h"
#include "navigation/chooser_fixture.h"
#include "navigation/click_area.h"
#include "navigation/exit_window_screen.h"
#include "navigation/main_menu_screen.h"
#include "support/modal.h"
#include "support/recording_help.h"
#include "support/tone_wav.h"

#include <QTest>
#include <gtest/gtest.h>

namespace vimo {
namespace {

using test::when_modal_shown;

void click_area(QWidget& window, const char* name) {
    auto* area = window.findChild<ClickArea*>(name);
    ASSERT_NE(area, nullptr) << name;
    QTest::mouseClick(area, Qt::LeftButton);
}

class MainMenu : public test::ChooserTest {
protected:
    MainMenu() {
        course.config.window_caption = "Kurs";
        form.setLinks({
            .open_chooser = [this](int mode) { chooser_modes.push_back(mode); },
            .open_options = [this] { ++options_opened; },
            .open_web_site = [this](const QString& address) { web_sites.push_back(address); },
        });
    }

    void show() {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    std::vector<std::string> sound_messages;
    SoundOutputs outputs{[this](const std::string& m) { sound_messages.push_back(m); }};
    SoundService sound{outputs, [this](const std::string& m) { sound_messages.push_back(m); }};
    TMyImageList buttons;
    test::RecordingHelp help;
    TForm24 exit_window{course};
    TMainForm form{course, results, repetitions, clock, buttons, sound, help, exit_window};
    std::vector<int> chooser_modes;
    int options_opened = 0;
    std::vector<QString> web_sites;
};

TEST_F(MainMenu, RepetitionButtonShowsOnlyForADueRepetitionOfAListedItem) {
    const int record = add("tek_1", '(');
    struct Case {
        const char* name;
        int days_ago;
        bool listed_item;
        int network_mode;
        bool shown;
    };
    const Case cases[] = {
        {"due today", 0, true, -1, true},
        {"due yesterday", 1, true, -1, true},
        {"due tomorrow", -1, true, -1, false},
        {"item no longer in the results", 0, false, -1, false},
        {"network mode", 0, true, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        repetitions.powt_clear();
        if (c.listed_item) {
            repeat(record, 0, c.days_ago);
        } else {
            const test::FixedClock then{clock.now() - 3 * std::chrono::hours(24)};
            repetitions.powt_record_result(10, "tek_99", '(', true, 1, 0, RepetitionSettings{},
                                           then);
        }
        course.config.network_mode = c.network_mode;
        form.hide();
        show();
        EXPECT_EQ(form.repetitionsButton().isVisible(), c.shown);
    }
}

TEST_F(MainMenu, ButtonsAndAreasLeadWhereTheyShould) {
    course.config.web_site = "https://example.org/kurs";
    show();
    EXPECT_EQ(form.lessonsButton().pos(), QPoint(46, 620));
    EXPECT_EQ(form.repetitionsButton().pos(), QPoint(170, 620));
    EXPECT_EQ(form.exitButton().pos(), QPoint(999, 0));
    EXPECT_EQ(form.repetitionsButton().toolTip().toStdString(), "T183");

    QTest::mouseClick(&form.lessonsButton(), Qt::LeftButton);
    form.repetitionsButton().show();
    QTest::mouseClick(&form.repetitionsButton(), Qt::LeftButton);
    EXPECT_EQ(chooser_modes, (std::vector<int>{1, 2}));

    click_area(form, "lbl_opcje");
    EXPECT_EQ(options_opened, 1);
    click_area(form, "lbl_autorzy");
    click_area(form, "lbl_serwisy");
    EXPECT_EQ(web_sites, (std::vector<QString>{"https://example.org/kurs"}));

    // The help index depends on the interface language; languages without one open
    // the help window on no page.
    const std::pair<int, std::string> indexes[] = {{0, "Htm_r\\h_index.html"},
                                                   {1, "Htm_r\\h_index_en.html"},
                                                   {2, ""},
                                                   {4, "Htm_r\\h_index_sp.html"}};
    for (const auto& [language, page] : indexes) {
        course.config.language_number = language;
        click_area(form, "lbl_pomoc");
        QTest::keyClick(&form, Qt::Key_F1);
    }
    EXPECT_EQ(help.pages, (std::vector<std::string>{
                              "Htm_r\\h_dorvi.html", "Htm_r\\h_index.html", "Htm_r\\h_index.html",
                              "Htm_r\\h_index_en.html", "Htm_r\\h_index_en.html", "", "",
                              "Htm_r\\h_index_sp.html", "Htm_r\\h_index_sp.html"}));
}

TEST_F(MainMenu, ShowingPlaysTheOpeningSoundWhenTheCourseHasOne) {
    show();
    EXPECT_TRUE(sound_messages.empty()) << "a missing opening sound is no reason to stop anyone";
    EXPECT_EQ(sound.openings(), 0);

    files.write_bytes("wav_r/r_open.wav", test::tone_wav(0.3, 2000));
    form.hide();
    show();
    EXPECT_TRUE(QString::fromStdString(sound.open_file()).endsWith("r_open.wav"));
    EXPECT_TRUE(sound_messages.empty());
}

TEST_F(MainMenu, RefusingTheExitKeepsTheMainWindowOpen) {
    show();
    EXPECT_EQ(form.size(), QSize(1024, 768));
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);

    bool asked = false;
    when_modal_shown([&asked](QWidget& w) {
        asked = true;
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    QTest::mouseClick(&form.exitButton(), Qt::LeftButton);
    EXPECT_TRUE(asked);
    EXPECT_TRUE(form.isVisible());

    // The system's close goes through the same question.
    asked = false;
    when_modal_shown([&asked](QWidget& w) {
        asked = true;
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    form.close();
    EXPECT_TRUE(asked);
    EXPECT_TRUE(form.isVisible());
}

} // namespace
} // namespace vimo
