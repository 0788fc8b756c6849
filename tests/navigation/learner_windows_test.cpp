#include "controls/TransparentButton.h"
#include "controls/UniLabel.h"
#include "controls/button_pictures.h"
#include "controls/message_window.h"
#include "controls/picture_fixtures.h"
#include "core/qt_text.h"
#include "navigation/learner_chooser_screen.h"
#include "navigation/new_learner_screen.h"
#include "support/modal.h"
#include "support/recording_help.h"
#include "support/temp_course.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vimo {
namespace {

using test::when_modal_shown;
using Action = std::function<void(QWidget&)>;

const QColor kChooserGround(200, 220, 240);
const QColor kNewLearnerGround(220, 240, 200);

// Every picture number up to the help button, at the sizes the artwork gives.
void write_buttons(const test::TempCourse& course, const std::string& folder) {
    course.make_folder(folder + "but_r");
    for (int n = 0; n <= button_picture::help; ++n) {
        QSize size(20, 20);
        if (n == button_picture::ok || n == button_picture::close) size = {120, 36};
        if (n == button_picture::new_learner) size = {200, 36};
        if (n == button_picture::help) size = {25, 25};
        ASSERT_TRUE(test::save_picture(course, folder + "but_r/" + std::to_string(n) + ".bmp",
                                       test::make_strip(size.width(), size.height(), 2)));
    }
}

void write_picture(const test::TempCourse& course, const std::string& file, QColor colour) {
    QImage picture(460, 300, QImage::Format_RGB32);
    picture.fill(colour);
    ASSERT_TRUE(test::save_picture(course, file, picture));
}

template <class T> T* child(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
}

void click(QWidget& window, const char* name) {
    auto* button = child<TTransparentButton>(window, name);
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isVisible()) << name << " is hidden";
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
}

// Types text as the keyboard would, letters beyond Latin-1 included.
void type(QWidget* field, const QString& text) {
    ASSERT_NE(field, nullptr);
    for (const QChar letter : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_A, QString(letter), Qt::NoModifier);
}

bool shown(QWidget& window, const char* name) {
    auto* widget = child<QWidget>(window, name);
    return widget != nullptr && widget->isVisible();
}

QStringList entries(QComboBox& list) {
    QStringList names;
    for (int i = 0; i < list.count(); ++i)
        names << list.itemText(i);
    return names;
}

UniString text_line(int n) {
    return qstring_to_uni(QStringLiteral("%1=x=Tekst %1=").arg(n));
}

UniString interface_text(int n) {
    return qstring_to_uni(QStringLiteral("Tekst %1").arg(n));
}

std::string file_bytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return "(missing)";
    return file.readAll().toStdString();
}

class LearnerWindows : public ::testing::Test {
protected:
    void SetUp() override {
        for (const std::string folder : {"Lang_r/0/", "Lang_r/1/"}) {
            write_buttons(course, folder);
            course.make_folder(folder + "gfx_r");
            write_picture(course, folder + "gfx_r/logowanie.bmp", kChooserGround);
            write_picture(course, folder + "gfx_r/logow_new.bmp", kNewLearnerGround);
        }
        state.config.course_root = course.root();
        state.config.window_caption = "Kurs";
        std::vector<UniString> lines;
        for (int n = 1; n <= 130; ++n)
            lines.push_back(text_line(n));
        state.texts.set_lines(lines);
        load_button_pictures(buttons, state.config.language_path(""));
    }

    // The learner list as usr.t holds it (Windows-1250 lines), loaded.
    void learners_from(const std::vector<std::string>& lines) {
        course.write_8bit("usr.t", lines);
        learners.load(learner_list_path(state.config));
    }

    // The windows, made once the course is as the test wants it.
    void make_windows() {
        messages = std::make_unique<TForm20>(state.config, &buttons, button_picture::close);
        new_learner = std::make_unique<TForm10>(state, learners, buttons, *messages, help);
        chooser = std::make_unique<TForm9>(state, learners, buttons, *new_learner, help);
        chooser->on_choose([this](int position) {
            chosen.push_back(position);
            return choice_succeeds;
        });
        new_learner->on_learner_added([this](int position, int language) {
            added.emplace_back(position, language);
            return choice_succeeds;
        });
    }

    // Runs the new-learner window on its own with action in it.
    bool run_new_learner(const Action& action) {
        when_modal_shown(action);
        return new_learner->run();
    }

    test::TempCourse course;
    CourseState state;
    LearnerList learners;
    TMyImageList buttons;
    test::RecordingHelp help;
    std::unique_ptr<TForm20> messages;
    std::unique_ptr<TForm10> new_learner;
    std::unique_ptr<TForm9> chooser;
    bool choice_succeeds = true;
    std::vector<int> chosen;
    std::vector<std::pair<int, int>> added;
};

TEST_F(LearnerWindows, ChooserShowsTheListWithTheLastNameSelectedOverItsPicture) {
    learners_from({"1=Anna", "5=Bartek", "a line without a number", "7=\xA3ucja"});
    make_windows();
    when_modal_shown([](QWidget& window) {
        auto* list = child<QComboBox>(window, "ComboBox1");
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(entries(*list), QStringList({"Anna", "Bartek", "Łucja"}));
        EXPECT_EQ(list->currentIndex(), 2);
        EXPECT_TRUE(shown(window, "B_OK"));
        EXPECT_EQ(window.size(), QSize(460, 300));
        EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
        EXPECT_EQ(window.windowTitle(), "Kurs");
        EXPECT_EQ(window.grab().toImage().pixelColor(250, 200), kChooserGround);
        const std::pair<const char*, QRect> places[] = {
            {"ComboBox1", {40, 100, 380, 30}},  {"L_powtorki", {40, 150, 200, 36}},
            {"B_Zamknij", {170, 240, 120, 36}}, {"B_OK", {300, 240, 120, 36}},
            {"btn_help", {10, 265, 25, 25}},
        };
        for (const auto& [name, place] : places) {
            if (auto* widget = child<QWidget>(window, name)) {
                EXPECT_EQ(widget->geometry(), place) << name;
            }
        }
        QTest::keyClick(&window, Qt::Key_Escape);
    });
    EXPECT_EQ(chooser->run(), TForm9::Outcome::terminate);
}

TEST_F(LearnerWindows, OkIsShownExactlyWhileTheSelectedNameIsNotBlank) {
    struct Case {
        const char* name;
        std::optional<std::vector<std::string>> usr_t; // none: no file
        int select;                                    // -1: keep the last
        bool ok;
    };
    const Case cases[] = {
        {"no learner list", std::nullopt, -1, false},
        {"a last line without a name", std::vector<std::string>{"1=Anna", "2=   "}, -1, false},
        {"a name selected after the blank", std::vector<std::string>{"1=Anna", "2="}, 0, true},
        {"one learner", std::vector<std::string>{"1=Anna"}, -1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(QString::fromStdString(course.path("usr.t")));
        if (c.usr_t) {
            learners_from(*c.usr_t);
        } else {
            learners.load(learner_list_path(state.config));
        }
        make_windows();
        when_modal_shown([&c](QWidget& window) {
            auto* list = child<QComboBox>(window, "ComboBox1");
            ASSERT_NE(list, nullptr);
            if (c.select >= 0) list->setCurrentIndex(c.select);
            EXPECT_EQ(shown(window, "B_OK"), c.ok);
            // While OK is hidden neither Enter nor a double click chooses.
            QTest::keyClick(list, Qt::Key_Return);
            if (window.isVisible()) QTest::mouseDClick(list, Qt::LeftButton);
            if (window.isVisible()) QTest::keyClick(&window, Qt::Key_Escape);
        });
        const TForm9::Outcome outcome = chooser->run();
        EXPECT_EQ(outcome, c.ok ? TForm9::Outcome::chosen : TForm9::Outcome::terminate);
        EXPECT_EQ(chosen.size(), c.ok ? 1u : 0u);
        chosen.clear();
    }
}

TEST_F(LearnerWindows, EveryWayOfConfirmingChoosesTheSelectedLearner) {
    learners_from({"1=Anna", "5=Bartek", "7=Celina"});
    make_windows();
    const std::pair<const char*, Action> ways[] = {
        {"OK button", [](QWidget& w) { click(w, "B_OK"); }},
        {"Enter in the window", [](QWidget& w) { QTest::keyClick(&w, Qt::Key_Enter); }},
        {"Return in the list",
         [](QWidget& w) { QTest::keyClick(child<QComboBox>(w, "ComboBox1"), Qt::Key_Return); }},
        {"double click on the list",
         [](QWidget& w) { QTest::mouseDClick(child<QComboBox>(w, "ComboBox1"), Qt::LeftButton); }},
    };
    for (const auto& [way, action] : ways) {
        SCOPED_TRACE(way);
        chosen.clear();
        when_modal_shown([&action](QWidget& window) {
            child<QComboBox>(window, "ComboBox1")->setCurrentIndex(1);
            action(window);
        });
        EXPECT_EQ(chooser->run(), TForm9::Outcome::chosen);
        EXPECT_EQ(chosen, std::vector<int>{1});
        EXPECT_FALSE(chooser->isVisible());
    }
}

TEST_F(LearnerWindows, DoubleClickInTheOpenListChoosesTheNameUnderThePointer) {
    learners_from({"1=Anna", "5=Bartek", "7=Celina"});
    make_windows();
    when_modal_shown([](QWidget& window) {
        auto* list = child<QComboBox>(window, "ComboBox1");
        list->showPopup();
        QAbstractItemView* view = list->view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
        const QRect row = view->visualRect(view->model()->index(0, 0));
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, row.center());
    });
    EXPECT_EQ(chooser->run(), TForm9::Outcome::chosen);
    EXPECT_EQ(chosen, std::vector<int>{0});
}

TEST_F(LearnerWindows, LeavingTheChooserEndsTheProgramWithoutAChoice) {
    learners_from({"1=Anna"});
    make_windows();
    const std::pair<const char*, Action> ways[] = {
        {"close button", [](QWidget& w) { click(w, "B_Zamknij"); }},
        {"Escape", [](QWidget& w) { QTest::keyClick(&w, Qt::Key_Escape); }},
        {"Escape in the list",
         [](QWidget& w) { QTest::keyClick(child<QComboBox>(w, "ComboBox1"), Qt::Key_Escape); }},
        {"the system's close", [](QWidget& w) { w.close(); }},
    };
    for (const auto& [way, action] : ways) {
        SCOPED_TRACE(way);
        when_modal_shown(action);
        EXPECT_EQ(chooser->run(), TForm9::Outcome::terminate);
    }
    EXPECT_TRUE(chosen.empty());
}

TEST_F(LearnerWindows, AChoiceThatFailsKeepsTheChooserOpen) {
    learners_from({"1=Anna"});
    make_windows();
    choice_succeeds = false;
    when_modal_shown([](QWidget& window) {
        click(window, "B_OK");
        EXPECT_TRUE(window.isVisible());
        QTest::keyClick(&window, Qt::Key_Escape);
    });
    EXPECT_EQ(chooser->run(), TForm9::Outcome::terminate);
    EXPECT_EQ(chosen, std::vector<int>{0});
}

TEST_F(LearnerWindows, HelpKeyAndHelpButtonOfBothWindows) {
    learners_from({"1=Anna"});
    make_windows();
    when_modal_shown([](QWidget& window) {
        QTest::keyClick(child<QComboBox>(window, "ComboBox1"), Qt::Key_F1);
        click(window, "btn_help");
        QTest::keyClick(&window, Qt::Key_Escape);
    });
    chooser->run();
    run_new_learner([](QWidget& window) {
        QTest::keyClick(child<QLineEdit>(window, "Edit1"), Qt::Key_F1);
        click(window, "btn_help");
        QTest::keyClick(&window, Qt::Key_Escape);
    });
    EXPECT_EQ(help.pages, std::vector<std::string>(2, "Htm_r\\h_log.html"));
    EXPECT_EQ(help.keys, std::vector<UniString>({uni_widen("HH_") + interface_text(1),
                                                 uni_widen("HH_") + interface_text(2)}));
}

TEST_F(LearnerWindows, ANewLearnerFromTheChooserGetsTheNextNumberAndIsChosen) {
    learners_from({"1=Anna", "5=Bartek"});
    make_windows();
    when_modal_shown([](QWidget& window) {
        when_modal_shown([](QWidget& form) {
            EXPECT_EQ(form.objectName(), "TForm10");
            EXPECT_EQ(form.grab().toImage().pixelColor(250, 210), kNewLearnerGround);
            type(child<QLineEdit>(form, "Edit1"), "  \xC5\xBB"
                                                  "aneta ");
            click(form, "B_OK");
        });
        click(window, "L_powtorki");
    });
    EXPECT_EQ(chooser->run(), TForm9::Outcome::chosen);
    EXPECT_EQ(file_bytes(course.path("usr.t")), "1=Anna\r\n5=Bartek\r\n6=\xAF"
                                                "aneta\r\n");
    // Folders 0 and 1 exist: the English course preselects entry 1, English.
    EXPECT_EQ(added, (std::vector<std::pair<int, int>>{{2, 1}}));
    EXPECT_TRUE(chosen.empty()) << "the new learner is chosen by the new-learner window";
}

TEST_F(LearnerWindows, BackFromTheNewLearnerWindowTheChooserShowsTheListAgain) {
    struct Case {
        const char* name;
        Action in_new_learner;
        bool choice_succeeds;
        QStringList names;
    };
    const Case cases[] = {
        {"Escape",
         [](QWidget& w) { QTest::keyClick(child<QLineEdit>(w, "Edit1"), Qt::Key_Escape); },
         true,
         {"Anna", "Bartek"}},
        {"close button", [](QWidget& w) { click(w, "B_Zamknij"); }, true, {"Anna", "Bartek"}},
        // A learner whose files cannot be made is never listed: they could not be chosen.
        {"making them current failed",
         [](QWidget& w) {
             type(child<QLineEdit>(w, "Edit1"), "Celina");
             QTest::keyClick(child<QLineEdit>(w, "Edit1"), Qt::Key_Return);
         },
         false,
         {"Anna", "Bartek"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        learners_from({"1=Anna", "2=Bartek"});
        make_windows();
        choice_succeeds = c.choice_succeeds;
        when_modal_shown([&c](QWidget& window) {
            auto* list = child<QComboBox>(window, "ComboBox1");
            list->setCurrentIndex(0);
            when_modal_shown(c.in_new_learner);
            click(window, "L_powtorki");
            EXPECT_TRUE(window.isVisible());
            EXPECT_EQ(entries(*list), c.names);
            EXPECT_EQ(list->currentIndex(), c.names.size() - 1);
            QTest::keyClick(&window, Qt::Key_Escape);
        });
        EXPECT_EQ(chooser->run(), TForm9::Outcome::terminate);
    }
}

TEST_F(LearnerWindows, NewLearnerOkNeedsTwoCharactersAfterTrimming) {
    learners_from({"1=Anna"});
    make_windows();
    const std::pair<QString, bool> names[] = {
        {"", false}, {"a", false}, {"   a   ", false}, {"ab", true}, {"\u0141u", true},
    };
    for (const auto& [name, ok] : names) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_FALSE(run_new_learner([&name, ok](QWidget& window) {
            auto* field = child<QLineEdit>(window, "Edit1");
            EXPECT_EQ(field->text(), "") << "the field starts empty";
            EXPECT_EQ(window.focusWidget(), field);
            type(field, name);
            EXPECT_EQ(shown(window, "B_OK"), ok);
            if (!ok) {
                QTest::keyClick(field, Qt::Key_Return);
                EXPECT_TRUE(window.isVisible());
            }
            QTest::keyClick(&window, Qt::Key_Escape);
        }));
    }
    EXPECT_EQ(learners.learners().size(), 1u);
    EXPECT_TRUE(added.empty());
}

TEST_F(LearnerWindows, ATakenNameIsRefusedWithText83AndTheFieldEmptied) {
    const std::string usr_t = "1=Anna\r\n2=\xA3ucja\r\n";
    const QString names[] = {"anna", "ANNA ", "\u0142UCJA"};
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        course.write_bytes("usr.t", usr_t);
        learners.load(learner_list_path(state.config));
        make_windows();
        UniString message;
        EXPECT_FALSE(run_new_learner([&](QWidget& window) {
            auto* field = child<QLineEdit>(window, "Edit1");
            type(field, name);
            when_modal_shown([&message](QWidget& box) {
                message = static_cast<TForm20&>(box).label().captionNormal();
                QTest::keyClick(&box, Qt::Key_Escape);
            });
            click(window, "B_OK");
            EXPECT_TRUE(window.isVisible());
            EXPECT_EQ(field->text(), "");
            EXPECT_FALSE(shown(window, "B_OK"));
            QTest::keyClick(&window, Qt::Key_Escape);
        }));
        EXPECT_EQ(message, interface_text(83));
        EXPECT_EQ(file_bytes(course.path("usr.t")), usr_t);
        EXPECT_TRUE(added.empty());
    }
}

TEST_F(LearnerWindows, TheLanguageListOffersTheExistingFoldersAndPreselectsByVariant) {
    course.make_folder("Lang_r/4");
    struct Case {
        const char* name;
        int variant;
        bool english_marker;
        int entry;    // preselected, -1 with the list hidden
        int language; // handed on with the new learner
    };
    const Case cases[] = {
        {"English course", 1, false, 1, 1},
        {"German course: entry 2 is the Spanish folder", 2, false, 2, 4},
        {"Spanish course: too few entries, the first", 4, false, 0, 0},
        {"be.ini: no list, English", 2, true, -1, 1},
    };
    learners_from({});
    int learner = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString name = QStringLiteral("Learner %1").arg(++learner);
        state.config.course_variant = c.variant;
        state.config.english_marker = c.english_marker;
        make_windows();
        added.clear();
        EXPECT_TRUE(run_new_learner([&c, &name](QWidget& window) {
            auto* list = child<QComboBox>(window, "cb_lang");
            EXPECT_EQ(list->isVisible(), c.entry >= 0);
            EXPECT_EQ(shown(window, "Label2"), c.entry >= 0);
            if (c.entry >= 0) {
                EXPECT_EQ(entries(*list), QStringList({"polski", "English", "hiszpański"}));
                EXPECT_EQ(list->currentIndex(), c.entry);
            }
            type(child<QLineEdit>(window, "Edit1"), name);
            QTest::keyClick(&window, Qt::Key_Enter);
        }));
        ASSERT_EQ(added.size(), 1u);
        EXPECT_EQ(added[0].second, c.language);
    }
}

TEST_F(LearnerWindows, TheLanguagePickedInTheListGoesWithTheNewLearner) {
    learners_from({});
    make_windows();
    EXPECT_TRUE(run_new_learner([](QWidget& window) {
        child<QComboBox>(window, "cb_lang")->setCurrentIndex(0);
        type(child<QLineEdit>(window, "Edit1"), "Dorota");
        click(window, "B_OK");
    }));
    EXPECT_EQ(added, (std::vector<std::pair<int, int>>{{0, 0}}));
}

TEST_F(LearnerWindows, RefusalsWithoutAnInterfaceTextAreExplainedAndAddNobody) {
    std::vector<std::string> full;
    for (int n = 1; n <= LearnerList::capacity; ++n)
        full.push_back(std::to_string(n) + "=L" + std::to_string(n));
    struct Case {
        const char* name;
        std::vector<std::string> usr_t;
        std::string list_path; // relative to the course root
        std::string expected;  // a part of the message
    };
    const Case cases[] = {
        {"a full list", full, "usr.t", kLearnerListFullMessage},
        {"no number after the largest", {"2147483647=Max"}, "usr.t", kNoLearnerNumberLeftMessage},
        {"usr.t cannot be written", {}, "no such folder/usr.t", "usr.t"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        course.write_8bit("usr.t", c.usr_t);
        learners.load(state.config.course_path(c.list_path));
        const std::size_t before = learners.learners().size();
        make_windows();
        QString message;
        EXPECT_FALSE(run_new_learner([&message](QWidget& window) {
            type(child<QLineEdit>(window, "Edit1"), "Ewa");
            when_modal_shown([&message](QWidget& box) {
                message = static_cast<TForm20&>(box).label().shownText();
                QTest::keyClick(&box, Qt::Key_Escape);
            });
            QTest::keyClick(&window, Qt::Key_Return);
            EXPECT_TRUE(window.isVisible());
            EXPECT_EQ(child<QLineEdit>(window, "Edit1")->text(), "Ewa");
            QTest::keyClick(&window, Qt::Key_Escape);
        }));
        EXPECT_TRUE(message.contains(QString::fromUtf8(c.expected))) << message.toStdString();
        EXPECT_EQ(learners.learners().size(), before);
        // The learner's files are made before the list is written, so only the
        // refusals of the name itself come before them.
        EXPECT_EQ(added.size(), c.list_path == std::string("usr.t") ? 0u : 1u);
        added.clear();
    }
    EXPECT_FALSE(QFile::exists(QString::fromStdString(course.path("no such folder/usr.t"))));
}

TEST_F(LearnerWindows, TheNameFieldKeepsOutWhatTheLearnerListCannotHold) {
    learners_from({});
    make_windows();
    const std::pair<QString, QString> typed[] = {
        {"Kasia \u0416\u0430\u043d\u043d\u0430", "Kasia "}, // Cyrillic is not in Windows-1250
        {"Zo\u00eb \u017bak", "Zo\u00eb \u017bak"},
        {QString(35, 'x'), QString(30, 'x')},
    };
    for (const auto& [keys, kept] : typed) {
        SCOPED_TRACE(keys.toStdString());
        run_new_learner([&keys, &kept](QWidget& window) {
            auto* field = child<QLineEdit>(window, "Edit1");
            type(field, keys);
            EXPECT_EQ(field->text(), kept);
            QTest::keyClick(&window, Qt::Key_Escape);
        });
    }
}

} // namespace
} // namespace vimo
