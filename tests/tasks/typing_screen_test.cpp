#include "controls/MyImageList.h"
#include "controls/TransparentButton.h"
#include "controls/UniLabel.h"
#include "controls/button_pictures.h"
#include "controls/fcs_image1.h"
#include "controls/font_panel.h"
#include "controls/panel1.h"
#include "core/qt_text.h"
#include "exercises/tasks/typing_screen.h"
#include "support/modal.h"
#include "support/screen_services_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace vimo {
namespace {

std::string q(const UniString& uni) {
    return uni_to_qstring(uni).toStdString();
}

class TypingScreen : public ::testing::Test, protected test::ScreenServicesFixture {
protected:
    TypingScreen() {
        // Lines of infa_ru.txt as read: number, "=", "=", text, the line's U+0000.
        std::vector<UniString> texts;
        for (int n = 1; n <= 181; ++n) {
            QString text = QString("text %1").arg(n);
            if (n == 176) text = QString::fromUtf8("Twoja odpowiedź:");
            if (n == 177) text = "Nic nie wpisano";
            texts.push_back(qstring_to_uni(QString("%1==").arg(n) + text) + std::string(2, '\0'));
        }
        course.texts.set_lines(texts);
        task.kind = "WP";
        task.header = uni_widen("T1#1#bg#Type the words.#x#Type the words.#");
        task.kind_line = uni_widen("WP#t1");
        lesson = make_lesson_context("tek_1", {&task}, {1}, TextMedia::film, "1");
        start_task(lesson, 1, {});
    }
    // Opens the task on a typing file of these text lines.
    void open(const std::vector<std::string>& text, const char* mode = "0",
              const char* width = "100") {
        std::vector<std::string> lines{std::string("Luka px:") + width, "Slowniczek: notes",
                                       std::string("Tryb ramek") + mode, "----"};
        lines.insert(lines.end(), text.begin(), text.end());
        files.write_utf16("Wpisywania/t1u.fcs", lines);
        form.open_task(lesson, task);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    QRect gap_rect(int k) {
        const TypingText& text = form.engine().text();
        const auto token = static_cast<std::size_t>(text.gaps[static_cast<std::size_t>(k)].token);
        const TypingPlace& place = form.engine().layout().places[token];
        return {place.x, place.y, place.width, place.height};
    }
    void click_gap(int k, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(&form.box(), button, {}, gap_rect(k).center());
    }
    std::string held(int k) const {
        const TypingText& text = form.engine().text();
        return q(text.tokens[static_cast<std::size_t>(text.gaps[static_cast<std::size_t>(k)].token)]
                     .text);
    }
    void check() { QTest::mouseClick(&form.check_button(), Qt::LeftButton); }

    TaskEntry task;
    LessonContext lesson;
    TCW_Wpisywanie1Form form{services};
};

TEST_F(TypingScreen, BoxAndEditorStandWhereTheTextSays) {
    open({"Hola &amigo ."});
    EXPECT_EQ(form.box().geometry(), QRect(50, 150, 600, 503));
    EXPECT_FALSE(form.edit().isVisible());
    EXPECT_FALSE(form.font_panel().isVisible());
    click_gap(0);
    const QRect gap = gap_rect(0);
    EXPECT_TRUE(form.edit().isVisible());
    EXPECT_EQ(form.edit().geometry(), QRect(50 + gap.x() + 1, 150 + gap.y(), 95, 18));
    EXPECT_TRUE(form.font_panel().isVisible());
    EXPECT_TRUE(form.print_button().isVisible());
    EXPECT_EQ(form.print_button().toolTip().toStdString(), "text 123");
    EXPECT_FALSE(form.translation_button().isVisible()) << "no translation file";
    EXPECT_FALSE(form.down_button().isVisible()) << "the text fits";
}

TEST_F(TypingScreen, GapAcceptsItsAnswerAndItsAlternative) {
    open({"&la+casa\\casa y &la+casa\\casa"});
    click_gap(0);
    QTest::keyClicks(&form.edit(), "la casa");
    QTest::keyClick(&form.edit(), Qt::Key_Tab);
    EXPECT_EQ(form.engine().editing(), 1);
    QTest::keyClicks(&form.edit(), "casa");
    check();
    EXPECT_EQ(form.attempt().correct, 2);
    EXPECT_EQ(form.score_panel().wynik(), 100);
    EXPECT_TRUE(form.attempt().acted);
    EXPECT_FALSE(form.edit().isVisible());
}

TEST_F(TypingScreen, EnterInTheLastGapOpensTheFirst) {
    open({"&one &two &three"});
    click_gap(2);
    QTest::keyClicks(&form.edit(), "three");
    QTest::keyClick(&form.edit(), Qt::Key_Return);
    EXPECT_EQ(form.engine().editing(), 0);
    EXPECT_EQ(form.edit().pos(), form.box().pos() + gap_rect(0).topLeft() + QPoint(1, 0));
    EXPECT_EQ(held(2), "three");
}

TEST_F(TypingScreen, LetterCaseFollowsTheLearnersSetting) {
    struct Case {
        bool letter_case;
        const char* typed;
        int correct;
    };
    const Case cases[] = {{false, "Hola", 1}, {true, "Hola", 0}, {false, "hola", 1}};
    for (const Case& c : cases) {
        settings.letter_case = c.letter_case;
        open({"&hola"});
        click_gap(0);
        QTest::keyClicks(&form.edit(), c.typed);
        check();
        EXPECT_EQ(form.attempt().correct, c.correct) << c.typed << " case " << c.letter_case;
    }
}

TEST_F(TypingScreen, CtrlLettersTypeSpanishLettersIntoTheGap) {
    course.config.course_variant = 4;
    settings.letter_case = false;
    open({"&ñÑ &ñ"});
    EXPECT_EQ(form.font_panel().jezyk(), FontPanelLanguage::Hiszpanski);
    click_gap(0);
    QTest::keyClick(&form.edit(), Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(&form.edit(), Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form.edit().text(), QString::fromUtf8("ñÑ"));
    QTest::keyClick(&form.edit(), Qt::Key_Enter);
    // Ñ is no A-Z capital: letter case off does not make it ñ.
    QTest::keyClick(&form.edit(), Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    check();
    EXPECT_TRUE(form.engine().text().gaps[0].correct);
    EXPECT_FALSE(form.engine().text().gaps[1].correct);
    EXPECT_EQ(q(form.engine().text().gaps[1].wrong_answer), "Ñ");
}

TEST_F(TypingScreen, FrenchLettersFromAnInputMethodAreKept) {
    course.config.course_variant = 3;
    open({"&œuf &élève"});
    click_gap(0);
    // QTest::keyClicks narrows every character to Latin-1, so œ (U+0153) is sent as an
    // input method sends it: a key event carrying the text, and a committed string.
    QTest::sendKeyEvent(QTest::Click, &form.edit(), Qt::Key_unknown, QString::fromUtf8("œ"),
                        Qt::NoModifier);
    QTest::keyClicks(&form.edit(), "uf");
    QTest::keyClick(&form.edit(), Qt::Key_Tab);
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("élève"));
    QApplication::sendEvent(&form.edit(), &commit);
    check();
    EXPECT_EQ(held(0), "œuf");
    EXPECT_EQ(form.attempt().correct, 2);
}

TEST_F(TypingScreen, GapScrolledOutOfViewKeepsItsText) {
    std::vector<std::string> lines{"&first <BR>"};
    for (int i = 0; i < 30; ++i)
        lines.push_back("line " + std::to_string(i) + " <BR>");
    lines.push_back("&last");
    open(lines);
    ASSERT_TRUE(form.down_button().isVisible());
    EXPECT_FALSE(form.up_button().isVisible());
    click_gap(0);
    QTest::keyClicks(&form.edit(), "typed");
    QTest::mouseClick(&form.down_button(), Qt::LeftButton);
    EXPECT_EQ(form.engine().scroll(), 1);
    EXPECT_FALSE(form.edit().isVisible());
    EXPECT_TRUE(form.up_button().isVisible());
    EXPECT_EQ(held(0), "typed");
    // Tab from the last gap leads to the first, which is now above the box: the editor
    // closes and keeps what was typed.
    for (int i = 0; i < 10; ++i)
        QTest::mouseClick(&form.down_button(), Qt::LeftButton);
    click_gap(1);
    QTest::keyClicks(&form.edit(), "end");
    QTest::keyClick(&form.edit(), Qt::Key_Tab);
    EXPECT_EQ(form.engine().editing(), -1);
    EXPECT_EQ(held(1), "end");
    EXPECT_EQ(held(0), "typed");
}

TEST_F(TypingScreen, TabStopFirstHidesPrintingAndStartsThere) {
    open({"[TAB=40] Tom : &hello"});
    EXPECT_FALSE(form.print_button().isVisible());
    EXPECT_EQ(form.engine().layout().places[1].x, 40);
    open({"Tom &hello"});
    EXPECT_TRUE(form.print_button().isVisible()) << "the next text prints again";
}

TEST_F(TypingScreen, TwoOfFourRightScoreFiftyWithMarksAndHints) {
    open({"&uno &dos <BR> &tres &cuatro"});
    click_gap(0);
    QTest::keyClicks(&form.edit(), "uno");
    QTest::keyClick(&form.edit(), Qt::Key_Tab);
    QTest::keyClicks(&form.edit(), "tos");
    QTest::keyClick(&form.edit(), Qt::Key_Tab);
    QTest::keyClicks(&form.edit(), "tres");
    check();
    EXPECT_EQ(form.attempt().score(), 50);
    EXPECT_EQ(form.score_panel().wynik(), 50);
    EXPECT_TRUE(form.score_panel().isVisible());
    EXPECT_TRUE(form.again_button().isVisible());
    const TypingLayout& layout = form.engine().layout();
    EXPECT_EQ(layout.drawn[1].mark, TypingMark::bad);
    EXPECT_EQ(q(layout.drawn[1].text), "dos") << "the answer shows in the wrong gap";

    const auto hover = [&](QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, form.box().mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&form.box(), &move);
        return form.box().toolTip().toStdString();
    };
    const QPoint dos(layout.places[1].x + 8, layout.places[1].y + 9);
    EXPECT_EQ(hover(dos), "Twoja odpowiedź: tos");
    const QPoint cuatro(layout.places[4].x + 8, layout.places[4].y + 9);
    EXPECT_EQ(hover(cuatro), "Nic nie wpisano");
    EXPECT_EQ(hover(QPoint(590, 400)), "");

    // The marks are drawn: the bad mark's red where the wrong gap starts.
    const QImage shot = form.box().grab().toImage();
    EXPECT_EQ(shot.pixelColor(layout.places[1].x + 8, layout.places[1].y + 8),
              AnswerPictures::load(course.config).mark_bad.pixelColor(8, 8));
    click_gap(1);
    EXPECT_FALSE(form.edit().isVisible()) << "no editing once checked";
}

TEST_F(TypingScreen, BoxModesEmptyGapIsAWhiteBox) {
    open({"Tom &hello"}, "1", "110");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QRect gap = gap_rect(0);
    const auto colour_count = [&](const QColor& colour) {
        const QImage shot = form.box().grab().toImage();
        int count = 0;
        for (int y = gap.top(); y < gap.bottom(); ++y)
            for (int x = gap.left(); x < gap.right(); ++x)
                if (shot.pixelColor(x, y) == colour) ++count;
        return count;
    };
    const QImage shot = form.box().grab().toImage();
    EXPECT_EQ(shot.pixelColor(gap.left(), gap.top() + 10), QColor(102, 204, 255)) << "its frame";
    EXPECT_EQ(shot.pixelColor(gap.left() + 30, gap.top() + 14), QColor(Qt::white))
        << "the underscores are under the box";
    EXPECT_EQ(gap.width(), 112);
    EXPECT_EQ(colour_count(QColor(Qt::blue)), 0);

    click_gap(0);
    QTest::keyClicks(&form.edit(), "hi");
    QTest::mouseClick(&form.box(), Qt::LeftButton, {}, QPoint(500, 400)); // off the gaps
    EXPECT_FALSE(form.edit().isVisible());
    EXPECT_EQ(held(0), "hi");
    EXPECT_GT(colour_count(QColor(Qt::blue)), 0) << "the typed word in blue";
    EXPECT_EQ(colour_count(QColor(102, 204, 255)), 0) << "the box gave way";
}

TEST_F(TypingScreen, RightClickOnAWordLooksItUp) {
    std::vector<std::string> looked_up;
    form.set_links({.look_up = [&](const UniString& word, int mode) {
        looked_up.push_back(q(word) + "/" + std::to_string(mode));
    }});
    open({"Tom &hello"});
    const TypingPlace& tom = form.engine().layout().places[0];
    QTest::mouseClick(&form.box(), Qt::RightButton, {}, QPoint(tom.x + 2, tom.y + 5));
    EXPECT_EQ(looked_up, std::vector<std::string>{"Tom/0"});
    QTest::mouseClick(&form.box(), Qt::LeftButton, {}, QPoint(tom.x + 2, tom.y + 5));
    EXPECT_EQ(looked_up.size(), 1u);
    click_gap(0, Qt::RightButton);
    EXPECT_TRUE(form.edit().isVisible()) << "a gap opens with either button";
}

TEST_F(TypingScreen, TranslationButtonOnlyWithATranslationFile) {
    std::vector<std::string> opened;
    form.set_links({.open_translation = [&](const std::string& name) { opened.push_back(name); }});
    files.write_bytes("Wpisywania/t1_tlumacz.fcs", "<html></html>");
    open({"Tom &hello"});
    ASSERT_TRUE(form.translation_button().isVisible());
    QTest::mouseClick(&form.translation_button(), Qt::LeftButton);
    EXPECT_EQ(opened, std::vector<std::string>{"t1_tlumacz.fcs"});
    // A course without the translation picture shows the glossary's.
    EXPECT_EQ(form.translation_button().bitmapNormal(), button_picture::glossary);

    files.make_folder("Lang_r/0/but_r");
    for (int n = 0; n < button_picture::kButtonPictureCount; ++n) {
        QImage strip(60, 20, QImage::Format_RGB32);
        strip.fill(Qt::darkBlue);
        strip.save(
            QString::fromStdString(files.path("Lang_r/0/but_r/" + std::to_string(n) + ".bmp")),
            "BMP");
    }
    load_button_pictures(pictures, files.path("Lang_r/0/"));
    open({"Tom &hello"});
    EXPECT_EQ(form.translation_button().bitmapNormal(), button_picture::translation);
}

TEST_F(TypingScreen, PrintButtonHandsTheDocumentOn) {
    std::vector<QString> printed;
    form.set_links({.print = [&](const QString& document) { printed.push_back(document); }});
    open({"Tom R&D <b>Ann</b> &hello . &x"});
    click_gap(0);
    QTest::keyClicks(&form.edit(), "hi");
    QTest::mouseClick(&form.print_button(), Qt::LeftButton);
    ASSERT_EQ(printed.size(), 1u);
    const std::string document = printed[0].toStdString();
    EXPECT_NE(document.find("Tom R&amp;D &lt;b&gt;Ann&lt;/b&gt; hi. __________ <BR><BR>"),
              std::string::npos)
        << document;
    EXPECT_NE(document.find("© 2026 Lexaro Vimo"), std::string::npos);
}

TEST_F(TypingScreen, UnusableFileRefusesTheTaskWithItsFileAndLine) {
    std::string message;
    test::when_modal_shown([&message](QWidget& window) {
        message = q(static_cast<TForm20&>(window).label().captionNormal());
        window.close();
    });
    open({"Tom &hello"}, "0", "wide");
    EXPECT_NE(message.find("t1u.fcs"), std::string::npos) << message;
    EXPECT_NE(message.find("wide"), std::string::npos) << message;
    EXPECT_NE(message.find("t1u.fcs, line 1: "), std::string::npos) << message;
    EXPECT_FALSE(form.check_button().isVisible()) << "nothing to check, nothing reported";
    EXPECT_TRUE(form.engine().text().tokens.empty());

    task.kind_line = uni_widen("WP#missing");
    test::when_modal_shown([&message](QWidget& window) {
        message = q(static_cast<TForm20&>(window).label().captionNormal());
        window.close();
    });
    form.open_task(lesson, task);
    EXPECT_EQ(message.rfind("Brak pliku: ", 0), 0u) << message;
    EXPECT_NE(message.find("missingu.fcs."), std::string::npos) << message;
}

} // namespace
} // namespace vimo
