#include "controls/TransparentButton.h"
#include "controls/UniLabel.h"
#include "controls/button_pictures.h"
#include "controls/message_window.h"
#include "controls/picture_fixtures.h"
#include "core/atomic_file.h"
#include "core/qt_text.h"
#include "exercises/tasks/options_screen.h"
#include "support/modal.h"
#include "support/recording_help.h"
#include "support/temp_course.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionViewItem>
#include <QTest>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace vimo {
namespace {

using test::when_modal_shown;
using Action = std::function<void(QWidget&)>;

const QColor kPolishGround(230, 236, 242);
const QColor kEnglishGround(242, 236, 230);

void write_language(const test::TempCourse& course, const std::string& folder, QColor ground) {
    course.make_folder(folder + "but_r");
    course.make_folder(folder + "gfx_r");
    for (int n = 0; n <= button_picture::help; ++n) {
        const bool wide = n == button_picture::ok || n == button_picture::close;
        const QSize size = wide ? QSize(120, 36) : QSize(25, 25);
        ASSERT_TRUE(test::save_picture(course, folder + "but_r/" + std::to_string(n) + ".bmp",
                                       test::make_strip(size.width(), size.height(), 2)));
    }
    QImage picture(399, 421, QImage::Format_RGB32);
    picture.fill(ground);
    ASSERT_TRUE(test::save_picture(course, folder + "gfx_r/ustawienia_rozum.bmp", picture));
}

std::vector<UniString> texts(const char* word) {
    std::vector<UniString> lines;
    for (int n = 1; n <= 130; ++n)
        lines.push_back(qstring_to_uni(QStringLiteral("%1=x=%2 %1=").arg(n).arg(word)));
    return lines;
}

UniString text(const char* word, int n) {
    return qstring_to_uni(QStringLiteral("%1 %2").arg(word).arg(n));
}

template <class T> T* child(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
}

void click(QWidget& window, const char* name) {
    auto* widget = child<QWidget>(window, name);
    ASSERT_NE(widget, nullptr);
    ASSERT_TRUE(widget->isVisible()) << name << " is hidden";
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 5));
}

bool shown(QWidget& window, const char* name) {
    auto* widget = child<QWidget>(window, name);
    return widget != nullptr && widget->isVisible();
}

bool ticked(QWidget& window, const char* name) {
    auto* box = child<QCheckBox>(window, name);
    return box != nullptr && box->isChecked();
}

// Replaces the field's text as the learner would: select all, type.
void retype(QWidget& window, const char* name, const QString& text) {
    auto* field = child<QLineEdit>(window, name);
    ASSERT_NE(field, nullptr);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

std::string file_bytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return "(missing)";
    return file.readAll().toStdString();
}

class OptionsScreen : public ::testing::Test {
protected:
    void SetUp() override {
        write_language(course, "Lang_r/0/", kPolishGround);
        write_language(course, "Lang_r/1/", kEnglishGround);
        state.config.course_root = course.root();
        state.config.window_caption = "Kurs";
        state.texts.set_lines(texts("Tekst"));
        load_button_pictures(buttons, state.config.language_path(""));
        messages = std::make_unique<TForm20>(state.config, &buttons, button_picture::close);
        settings_path = course.path("1/ustaw_v1r2_55.txt");
        course.make_folder("1");
    }

    // The screen, made once the course's language folders are as the test wants them.
    TOpcjeForm& screen() {
        if (m_screen) return *m_screen;
        m_screen = std::make_unique<TOpcjeForm>(state, settings, buttons, *messages, help);
        m_screen->on_save([this](const Settings& saved) { settings_save(settings_path, saved); });
        m_screen->on_language_changed([this](int language) {
            // What the program's reload does: the folder and its texts.
            set_interface_language(state.config, language);
            state.texts.set_lines(texts("Text"));
            languages.push_back(language);
        });
        return *m_screen;
    }

    bool run(const Action& action) {
        when_modal_shown(action);
        return screen().run();
    }

    // Runs action and takes the message window's text it leads to.
    static UniString message_after(const Action& action, QWidget& window) {
        UniString message;
        when_modal_shown([&message](QWidget& box) {
            message = static_cast<TForm20&>(box).label().captionNormal();
            QTest::keyClick(&box, Qt::Key_Escape);
        });
        action(window);
        return message;
    }

    test::TempCourse course;
    CourseState state;
    Settings settings = default_settings(0);
    std::string settings_path;
    TMyImageList buttons;
    std::unique_ptr<TForm20> messages;
    test::RecordingHelp help;
    std::vector<int> languages;

private:
    std::unique_ptr<TOpcjeForm> m_screen;
};

TEST_F(OptionsScreen, ShowingSetsTheControlsFromTheSettingsWithOkHidden) {
    settings.letter_case = false;
    settings.set_punctuation_and_letter_count(true);
    settings.repetitions_on = false;
    settings.repetition_threshold = 75;
    settings.repetition_interval = 10;
    settings.repetitions_when_interrupted = true;
    EXPECT_FALSE(run([](QWidget& window) {
        EXPECT_EQ(window.size(), QSize(399, 421));
        EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
        EXPECT_EQ(window.windowTitle(), "Kurs");
        EXPECT_EQ(window.grab().toImage().pixelColor(390, 60), kPolishGround);
        EXPECT_FALSE(shown(window, "B_OK"));
        EXPECT_FALSE(ticked(window, "cb_wielkoscliter"));
        EXPECT_TRUE(ticked(window, "cb_countletters"));
        EXPECT_FALSE(ticked(window, "CB_czy_Powtorki"));
        EXPECT_TRUE(ticked(window, "CB_Powtorki_gdy_przerwano"));
        EXPECT_EQ(child<QLineEdit>(window, "E_powtorki_wynik")->text(), "75");
        EXPECT_EQ(child<QLineEdit>(window, "E_powtorki_interwal")->text(), "10");
        for (const char* hidden : {"label3", "label5", "label6", "label8", "cb_zdaniadragdrop",
                                   "cb_blokujdostep", "cb_slownikslownictwo", "cb_animacje"}) {
            EXPECT_FALSE(shown(window, hidden)) << hidden;
        }
        const std::pair<const char*, int> labels[] = {
            {"label1", 56},   {"label2", 57},   {"label7", 61},   {"label22", 118},
            {"label15", 119}, {"label16", 120}, {"label17", 122}, {"label19", 121},
        };
        for (const auto& [name, number] : labels) {
            auto* label = child<TUniLabel>(window, name);
            EXPECT_TRUE(label->isVisible()) << name;
            EXPECT_EQ(label->shownText(), uni_to_qstring(text("Tekst", number))) << name;
        }
        const std::pair<const char*, QRect> buttons[] = {
            {"B_Zamknij", {140, 372, 120, 36}},
            {"B_OK", {265, 372, 120, 36}},
            {"btn_help", {10, 388, 25, 25}},
        };
        for (const auto& [name, place] : buttons) {
            EXPECT_EQ(child<QWidget>(window, name)->geometry(), place) << name;
        }
        // Enter does nothing while there is nothing to confirm.
        QTest::keyClick(&window, Qt::Key_Return);
        EXPECT_TRUE(window.isVisible());
        QTest::keyClick(&window, Qt::Key_Escape);
    }));
}

TEST_F(OptionsScreen, EveryChangeShowsOk) {
    const std::pair<const char*, Action> changes[] = {
        {"letter case", [](QWidget& w) { click(w, "cb_wielkoscliter"); }},
        {"punctuation", [](QWidget& w) { click(w, "cb_countletters"); }},
        {"repetitions", [](QWidget& w) { click(w, "CB_czy_Powtorki"); }},
        {"when interrupted", [](QWidget& w) { click(w, "CB_Powtorki_gdy_przerwano"); }},
        {"language", [](QWidget& w) { child<QComboBox>(w, "cb_lang")->setCurrentIndex(1); }},
        {"threshold",
         [](QWidget& w) { QTest::keyClick(child<QLineEdit>(w, "E_powtorki_wynik"), '7'); }},
        {"interval",
         [](QWidget& w) { QTest::keyClick(child<QLineEdit>(w, "E_powtorki_interwal"), '7'); }},
    };
    for (const auto& [change, action] : changes) {
        SCOPED_TRACE(change);
        run([&action](QWidget& window) {
            ASSERT_FALSE(shown(window, "B_OK"));
            action(window);
            EXPECT_TRUE(shown(window, "B_OK"));
            QTest::keyClick(&window, Qt::Key_Escape);
        });
    }
}

TEST_F(OptionsScreen, ClosingWithoutSavingKeepsTheSettingsAndTheNextShowingShowsThem) {
    const Settings before = settings;
    const std::pair<const char*, Action> closes[] = {
        {"Escape", [](QWidget& w) { QTest::keyClick(&w, Qt::Key_Escape); }},
        {"Escape in a field",
         [](QWidget& w) {
             QTest::keyClick(child<QLineEdit>(w, "E_powtorki_wynik"), Qt::Key_Escape);
         }},
        {"close button", [](QWidget& w) { click(w, "B_Zamknij"); }},
    };
    for (const auto& [way, close] : closes) {
        SCOPED_TRACE(way);
        EXPECT_FALSE(run([&close](QWidget& window) {
            EXPECT_TRUE(ticked(window, "cb_wielkoscliter")) << "the previous change is gone";
            EXPECT_EQ(child<QLineEdit>(window, "E_powtorki_wynik")->text(), "61");
            click(window, "cb_wielkoscliter");
            retype(window, "E_powtorki_wynik", "12345");
            EXPECT_EQ(child<QLineEdit>(window, "E_powtorki_wynik")->text(), "123");
            child<QComboBox>(window, "cb_lang")->setCurrentIndex(1);
            close(window);
        }));
        EXPECT_EQ(settings, before);
    }
    EXPECT_EQ(file_bytes(settings_path), "(missing)");
    EXPECT_TRUE(languages.empty());
}

TEST_F(OptionsScreen, RefusedRepetitionFieldsShowTheirTextAndChangeNothing) {
    struct Case {
        const char* threshold;
        const char* interval;
        int text;
    };
    const Case cases[] = {
        {"0", "3", 126},    {"101", "3", 126},   {"6a", "x", 124},   {"", "3", 124},
        {"-5", "3", 124},   {"61", "", 125},     {"61", "3 3", 125}, {"61", "0", 127},
        {"61", "101", 127}, {"100", "999", 127},
    };
    const Settings before = settings;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.threshold) + " / " + c.interval);
        EXPECT_FALSE(run([&c](QWidget& window) {
            retype(window, "E_powtorki_wynik", c.threshold);
            retype(window, "E_powtorki_interwal", c.interval);
            child<QComboBox>(window, "cb_lang")->setCurrentIndex(1);
            const UniString message = message_after([](QWidget& w) { click(w, "B_OK"); }, window);
            EXPECT_EQ(message, text("Tekst", c.text));
            EXPECT_TRUE(window.isVisible());
            QTest::keyClick(&window, Qt::Key_Escape);
        }));
    }
    EXPECT_EQ(settings, before);
    EXPECT_EQ(file_bytes(settings_path), "(missing)");
    EXPECT_TRUE(languages.empty()) << "a refused field switched the interface";
}

TEST_F(OptionsScreen, ConfirmingStoresTheControlsAndWritesTheFile) {
    const std::pair<const char*, Action> confirms[] = {
        {"OK button", [](QWidget& w) { click(w, "B_OK"); }},
        {"Enter in the window", [](QWidget& w) { QTest::keyClick(&w, Qt::Key_Enter); }},
        {"Enter in a field",
         [](QWidget& w) {
             QTest::keyClick(child<QLineEdit>(w, "E_powtorki_interwal"), Qt::Key_Return);
         }},
    };
    for (const auto& [way, confirm] : confirms) {
        SCOPED_TRACE(way);
        settings = default_settings(0);
        settings.first_task_notice = false; // no control: kept as it is
        EXPECT_TRUE(run([&confirm](QWidget& window) {
            click(window, "cb_countletters");
            click(window, "CB_Powtorki_gdy_przerwano");
            retype(window, "E_powtorki_wynik", " 75");
            retype(window, "E_powtorki_interwal", "14");
            confirm(window);
        }));
        EXPECT_FALSE(settings.punctuation);
        EXPECT_FALSE(settings.letter_count);
        EXPECT_TRUE(settings.repetitions_when_interrupted);
        EXPECT_EQ(settings.repetition_threshold, 75);
        EXPECT_EQ(settings.repetition_interval, 14);
        EXPECT_EQ(file_bytes(settings_path),
                  "0\r\nT\r\nN\r\nT\r\nN\r\nT\r\nT\r\nN\r\nT\r\n1\r\n75\r\n14\r\n1\r\nN\r\n");
    }
    EXPECT_TRUE(languages.empty());
}

TEST_F(OptionsScreen, ClickingALabelTogglesItsBox) {
    const std::pair<const char*, const char*> pairs[] = {
        {"label1", "cb_wielkoscliter"},
        {"label15", "CB_czy_Powtorki"},
        {"label19", "CB_Powtorki_gdy_przerwano"},
    };
    run([&pairs](QWidget& window) {
        for (const auto& [label, box] : pairs) {
            const bool before = ticked(window, box);
            click(window, label);
            EXPECT_NE(ticked(window, box), before) << label;
            click(window, label);
            EXPECT_EQ(ticked(window, box), before) << label;
        }
        EXPECT_TRUE(shown(window, "B_OK"));
        QTest::keyClick(&window, Qt::Key_Escape);
    });
}

TEST_F(OptionsScreen, TheListOffersTheExistingLanguagesAndShowsTheOneInUse) {
    course.make_folder("Lang_r/4");
    struct Case {
        const char* name;
        int language;
        int entry;
    };
    const Case cases[] = {
        {"Polish", 0, 0},
        {"English", 1, 1},
        {"Spanish", 4, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        set_interface_language(state.config, c.language);
        run([&c](QWidget& window) {
            auto* list = child<QComboBox>(window, "cb_lang");
            ASSERT_EQ(list->count(), 3);
            EXPECT_EQ(list->itemText(0), "polski");
            EXPECT_EQ(list->itemText(1), "English");
            EXPECT_EQ(list->currentIndex(), c.entry);
            QTest::keyClick(&window, Qt::Key_Escape);
        });
    }
    EXPECT_EQ(screen().language_folders(), (std::vector<int>{0, 1, 4}));
}

TEST_F(OptionsScreen, ConfirmingOtherChangesKeepsTheLanguage) {
    // Two folders: the list's first selection is English, the interface is Polish.
    EXPECT_TRUE(run([](QWidget& window) {
        click(window, "cb_wielkoscliter");
        click(window, "B_OK");
    }));
    EXPECT_TRUE(languages.empty());
    EXPECT_EQ(settings.language, 0);
    EXPECT_EQ(file_bytes(settings_path).substr(0, 3), "0\r\n");
}

TEST_F(OptionsScreen, ChoosingAnotherLanguageSwitchesTheInterfaceOnConfirming) {
    EXPECT_TRUE(run([this](QWidget& window) {
        auto* list = child<QComboBox>(window, "cb_lang");
        EXPECT_EQ(list->currentIndex(), 0);
        list->setCurrentIndex(1);
        EXPECT_TRUE(languages.empty()) << "switched before confirming";
        click(window, "B_OK");
    }));
    EXPECT_EQ(languages, std::vector<int>{1});
    EXPECT_EQ(settings.language, 1);
    EXPECT_EQ(file_bytes(settings_path).substr(0, 3), "1\r\n");
    // The screen took the new language's picture and texts at once.
    EXPECT_EQ(screen().grab().toImage().pixelColor(390, 60), kEnglishGround);
    auto* label = child<TUniLabel>(screen(), "label1");
    EXPECT_EQ(label->shownText(), uni_to_qstring(text("Text", 56)));
}

// The columns of the first and the last dark pixel.
std::pair<int, int> ink_columns(const QImage& image) {
    int left = image.width();
    int right = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (qGray(image.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return {left, right};
}

TEST_F(OptionsScreen, EntriesArePaintedAtFourPixelsTheSpanishFolderAsEspanol) {
    course.make_folder("Lang_r/4");
    QComboBox* list = screen().findChild<QComboBox*>("cb_lang");
    ASSERT_NE(list, nullptr);
    QFont verdana("Verdana");
    verdana.setPixelSize(13);
    const std::pair<int, QString> drawn[] = {{0, "polski"}, {1, "English"}, {2, "español"}};
    for (const auto& [entry, word] : drawn) {
        SCOPED_TRACE(word.toStdString());
        QImage painted(300, 24, QImage::Format_RGB32);
        painted.fill(Qt::white);
        QImage expected = painted;
        QStyleOptionViewItem option;
        option.rect = painted.rect();
        option.palette.setColor(QPalette::Text, Qt::black);
        option.widget = list->view();
        {
            QPainter painter(&painted);
            list->itemDelegate()->paint(&painter, option, list->model()->index(entry, 0));
        }
        {
            QPainter painter(&expected);
            painter.setFont(verdana);
            painter.setPen(Qt::black);
            painter.drawText(QRect(4, 0, 296, 24), Qt::AlignLeft | Qt::AlignVCenter, word);
        }
        ASSERT_GE(ink_columns(painted).second, 0) << "nothing painted";
        EXPECT_EQ(ink_columns(painted), ink_columns(expected));
    }
}

TEST_F(OptionsScreen, ASettingsFileThatCannotBeWrittenIsReportedAndChangesNothing) {
    settings_path = course.path("no such folder/ustaw_v1r2_55.txt");
    const Settings before = settings;
    UniString message;
    EXPECT_FALSE(run([&message](QWidget& window) {
        click(window, "cb_wielkoscliter");
        child<QComboBox>(window, "cb_lang")->setCurrentIndex(1);
        message = message_after([](QWidget& w) { click(w, "B_OK"); }, window);
        EXPECT_TRUE(window.isVisible());
        QTest::keyClick(&window, Qt::Key_Escape);
    }));
    EXPECT_TRUE(uni_to_qstring(message).contains("ustaw_v1r2_55.txt"));
    EXPECT_EQ(settings, before);
    EXPECT_TRUE(languages.empty());
}

TEST_F(OptionsScreen, HelpKeyAndHelpButton) {
    run([](QWidget& window) {
        QTest::keyClick(&window, Qt::Key_F1);
        QTest::keyClick(child<QLineEdit>(window, "E_powtorki_wynik"), Qt::Key_F1);
        click(window, "btn_help");
        QTest::keyClick(&window, Qt::Key_Escape);
    });
    EXPECT_EQ(help.pages, std::vector<std::string>(2, "Htm_r\\h_pres.html"));
    EXPECT_EQ(help.keys, std::vector<UniString>{uni_widen("HH_") + text("Tekst", 3)});
}

} // namespace
} // namespace vimo
