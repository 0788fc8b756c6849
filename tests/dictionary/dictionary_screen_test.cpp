#include "controls/TransparentButton.h"
#include "controls/UniLabel.h"
#include "controls/font_panel.h"
#include "controls/picture_controls.h"
#include "dictionary/dictionary_screen.h"
#include "dictionary_fixture.h"
#include "support/wait.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace vimo {
namespace {

using test::Word;

// Interface texts 1 .. 170: "text N", and the ones the window shows by their wording.
std::vector<UniString> interface_lines() {
    std::vector<UniString> lines;
    for (int n = 1; n <= 170; ++n) {
        std::string text = "text " + std::to_string(n);
        if (n == 166) text = "Nie znaleziono";
        if (n == 169) text = "Szukaj w tłumaczeniach";
        lines.push_back(test::uni(std::to_string(n) + "=k=" + text + "=") + std::string(2, '\0'));
    }
    return lines;
}

std::vector<Word> letter_words(const std::string& letter, int count) {
    std::vector<Word> words;
    for (int i = 1; i <= count; ++i)
        words.push_back({letter + std::to_string(i), "t" + std::to_string(i), '1', letter});
    return words;
}

std::vector<Word> screen_words() {
    std::vector<Word> words = {
        {"apple", "jabłko", '1', "a"},   {"house", "dom", '1', "h", "houses"},
        {"bank", "bank", '1', "b"},      {"bank", "brzeg rzeki", '1', "b"},
        {"boat", "łódź", '1', "b"},      {"xylophone", "ksylofon", '1', "x"},
        {"24/7", "całą dobę", '6', "1"},
    };
    for (const auto& more : {letter_words("c", 15), letter_words("d", 14)})
        words.insert(words.end(), more.begin(), more.end());
    return words;
}

class DictionaryScreen : public testing::Test {
protected:
    explicit DictionaryScreen(int course_variant = 1)
        : dictionary(test::dictionary_lines(screen_words())) {
        state.config.course_root = dictionary.course.root();
        state.config.course_variant = course_variant;
        state.texts.set_lines(interface_lines());
        window = std::make_unique<TSlownikForm>(state, pictures, dictionary.table);
    }
    ~DictionaryScreen() override { window->close(); }

    std::vector<std::string> result_headwords() const {
        std::vector<std::string> shown;
        for (const int index : window->results())
            shown.push_back(test::utf8(dictionary.table.entry(index).headword));
        return shown;
    }
    template <typename T> T& child(const char* name) {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return *found;
    }
    bool shown(const char* name) { return child<QWidget>(name).isVisible(); }

    test::DictionaryCourse dictionary;
    CourseState state;
    TMyImageList pictures;
    std::unique_ptr<TSlownikForm> window;
};

class GermanDictionaryScreen : public DictionaryScreen {
protected:
    GermanDictionaryScreen() : DictionaryScreen(2) {}
};

TEST_F(DictionaryScreen, TheSmallWindowShowsTheEntriesOfTheWordWithoutBlocking) {
    window->slownik_open(kSmallWindow, test::uni("houses"));
    ASSERT_TRUE(window->isVisible()); // shown, and the call came back
    EXPECT_EQ(window->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Słownik"));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(window->size(), TSlownikForm::kSmallSize);
    EXPECT_EQ(window->layoutMode(), kSmallWindow);
    EXPECT_EQ(result_headwords(), (std::vector<std::string>{"house"}));
    for (const char* name : {"Pb2", "btn_wiecej", "btn_exit2", "lbl_dd"})
        EXPECT_TRUE(shown(name)) << name;
    for (const char* name : {"Pb", "edit_szukaj", "btn_szukaj", "btn_exit", "lbl_1", "lbl_27",
                             "Fom_slowka", "ScrollBar1", "label3", "FontPanel"})
        EXPECT_FALSE(shown(name)) << name;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(window->pos(), QPoint((screen.width() - 400) / 2, (screen.height() - 150) / 2));
    // Without the course's picture the window is drawn plainly.
    EXPECT_TRUE(window->backgroundPicture().isNull());
    EXPECT_FALSE(window->grab().isNull());
}

TEST_F(DictionaryScreen, TheSmallWindowWithoutEntriesShowsInterfaceText166) {
    window->slownik_open(kSmallWindow, test::uni("es"));
    EXPECT_TRUE(window->results().empty());
    const std::vector<DictionaryText> painted = window->smallListLayout();
    ASSERT_EQ(painted.size(), 1u);
    EXPECT_EQ(test::utf8(painted[0].text), "Nie znaleziono");
}

TEST_F(DictionaryScreen, TheFullWindowWithoutAWordListsTheLetterA) {
    window->slownik_open(kFullWindow, {});
    EXPECT_EQ(window->size(), TSlownikForm::kFullSize);
    EXPECT_EQ(result_headwords(), (std::vector<std::string>{"apple"}));
    EXPECT_EQ(window->highlightedLabel(), &window->indexLabel(u'a'));
    EXPECT_EQ(window->indexLabel(u'a').palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(window->indexLabel(u'b').palette().color(QPalette::WindowText),
              QColor(192, 192, 192));
    for (const char* name :
         {"Pb", "edit_szukaj", "btn_szukaj", "btn_exit", "lbl_27", "lbl_1", "lbl_23", "lbl_25",
          "lbl_26", "Fom_slowka", "Fom_tlumaczenia", "Fom_cale_wyrazy", "label3", "lbl_jezyk",
          "lbl_jezyk2", "lbl_cale_wyrazy"})
        EXPECT_TRUE(shown(name)) << name;
    for (const char* name : {"lbl_24", "Pb2", "btn_wiecej", "btn_exit2", "ScrollBar1", "FontPanel"})
        EXPECT_FALSE(shown(name)) << name;
    EXPECT_EQ(child<QLabel>("lbl_27").text(), "...");
    EXPECT_EQ(child<QLabel>("lbl_27").pos(), QPoint(4, 133));
    EXPECT_EQ(child<QLabel>("lbl_1").pos(), QPoint(28, 133));
    EXPECT_EQ(child<QLabel>("lbl_23").pos(), QPoint(556, 133));
    EXPECT_EQ(child<QLabel>("lbl_25").pos(), QPoint(580, 133));
    EXPECT_EQ(child<QLabel>("lbl_26").pos(), QPoint(604, 133));
    EXPECT_EQ(child<QWidget>("Pb").geometry(), QRect(10, 157, 609, 255));
    EXPECT_EQ(child<QWidget>("edit_szukaj").geometry(), QRect(23, 49, 157, 19));
    EXPECT_EQ(child<TUniLabel>("lbl_jezyk2").shownText(),
              QString::fromUtf8("Szukaj w tłumaczeniach"));
    EXPECT_EQ(child<TUniLabel>("label3").shownText(), "text 167");
    EXPECT_TRUE(window->headwordsBox().aktywny());
    EXPECT_FALSE(window->translationsBox().aktywny());
    EXPECT_FALSE(window->wholeWordsBox().aktywny());
}

TEST_F(DictionaryScreen, IndexLabelsListTheirLetterAndMoveTheHighlight) {
    window->slownik_open(kFullWindow, {});
    QTest::mouseClick(&window->indexLabel(u'b'), Qt::LeftButton);
    EXPECT_EQ(result_headwords(), (std::vector<std::string>{"bank", "bank", "boat"}));
    EXPECT_EQ(window->indexLabel(u'a').palette().color(QPalette::WindowText),
              QColor(192, 192, 192));
    EXPECT_EQ(window->indexLabel(u'b').palette().color(QPalette::WindowText), QColor(Qt::black));
    QTest::mouseClick(&window->indexLabel(kOtherEntriesLetter), Qt::LeftButton);
    EXPECT_EQ(result_headwords(), (std::vector<std::string>{"24/7"}));
    EXPECT_EQ(window->highlightedLabel(), &window->indexLabel(kOtherEntriesLetter));
}

TEST_F(DictionaryScreen, FifteenResultsShowTheScrollBarAndFourteenHideIt) {
    window->slownik_open(kFullWindow, {});
    QTest::mouseClick(&window->indexLabel(u'd'), Qt::LeftButton);
    EXPECT_EQ(window->results().size(), 14u);
    EXPECT_FALSE(window->scrollBar().isVisible());

    QTest::mouseClick(&window->indexLabel(u'c'), Qt::LeftButton);
    ASSERT_EQ(window->results().size(), 15u);
    QScrollBar& bar = window->scrollBar();
    EXPECT_TRUE(bar.isVisible());
    EXPECT_EQ(bar.minimum(), 0);
    EXPECT_EQ(bar.maximum(), 1);
    EXPECT_EQ(bar.pageStep(), 14);
    EXPECT_EQ(bar.value(), 0);
    EXPECT_EQ(bar.geometry(), QRect(625, 157, 16, 257));

    bar.setValue(1);
    EXPECT_EQ(window->firstVisible(), 1);
    EXPECT_EQ(test::utf8(window->fullListLayout().front().text), "c2 ");
    // A new list starts at its top again.
    QTest::mouseClick(&window->indexLabel(u'c'), Qt::LeftButton);
    EXPECT_EQ(window->firstVisible(), 0);
    EXPECT_EQ(bar.value(), 0);
}

TEST_F(DictionaryScreen, EnterAndTheSearchButtonSearchTheTypedText) {
    window->slownik_open(kFullWindow, {});
    QLineEdit& field = window->searchField();
    EXPECT_TRUE(field.text().isEmpty());
    QTest::keyClicks(&field, "ban");
    QTest::keyClick(&field, Qt::Key_Return);
    EXPECT_EQ(result_headwords(), (std::vector<std::string>{"bank", "bank"}));

    QTest::mouseClick(&window->translationsBox(), Qt::LeftButton);
    field.setText(QString::fromUtf8("  ŁÓDŹ "));
    QTest::mouseClick(&window->searchButton(), Qt::LeftButton);
    EXPECT_EQ(result_headwords(), (std::vector<std::string>{"boat"}));
}

TEST_F(DictionaryScreen, CheckBoxesSwitchModeAndWholeWordsWithoutSearchingAgain) {
    window->slownik_open(kFullWindow, {});
    QTest::mouseClick(&window->translationsBox(), Qt::LeftButton);
    EXPECT_TRUE(window->translationsBox().aktywny());
    EXPECT_FALSE(window->headwordsBox().aktywny());
    EXPECT_TRUE(window->checks().translations);
    EXPECT_EQ(result_headwords(), (std::vector<std::string>{"apple"}));
    QTest::mouseClick(&window->headwordsBox(), Qt::LeftButton);
    EXPECT_TRUE(window->headwordsBox().aktywny());
    EXPECT_FALSE(window->checks().translations);
    QTest::mouseClick(&window->wholeWordsBox(), Qt::LeftButton);
    EXPECT_TRUE(window->checks().whole_words);
    window->searchField().setText("ban");
    QTest::keyClick(&window->searchField(), Qt::Key_Enter);
    EXPECT_TRUE(window->results().empty());
    window->searchField().setText("bank");
    QTest::keyClick(&window->searchField(), Qt::Key_Enter);
    EXPECT_EQ(window->results().size(), 2u);
}

TEST_F(DictionaryScreen, MoreSearchesTheFirstHeadwordInTheFullWindow) {
    window->slownik_open(kSmallWindow, test::uni("bank"));
    ASSERT_EQ(window->results().size(), 2u);
    QTest::mouseClick(&window->moreButton(), Qt::LeftButton);
    EXPECT_EQ(window->layoutMode(), kFullWindow);
    EXPECT_EQ(window->size(), TSlownikForm::kFullSize);
    EXPECT_TRUE(window->searchField().isVisible());
    EXPECT_TRUE(window->searchField().text().isEmpty());
    EXPECT_FALSE(window->moreButton().isVisible());
    EXPECT_FALSE(window->scrollBar().isVisible());
    EXPECT_EQ(result_headwords(), (std::vector<std::string>{"bank", "bank"}));
}

TEST_F(DictionaryScreen, MoreWithNothingFoundListsTheLetterA) {
    window->slownik_open(kSmallWindow, test::uni("nothing"));
    QTest::mouseClick(&window->moreButton(), Qt::LeftButton);
    EXPECT_EQ(result_headwords(), (std::vector<std::string>{"apple"}));
    EXPECT_EQ(window->highlightedLabel(), &window->indexLabel(u'a'));
}

TEST_F(DictionaryScreen, EscapeAndTheExitButtonsClose) {
    window->slownik_open(kSmallWindow, test::uni("house"));
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());

    window->slownik_open(kFullWindow, {});
    QTest::keyClick(&window->searchField(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());

    window->slownik_open(kFullWindow, {});
    QTest::mouseClick(&window->exitButton(), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());

    window->slownik_open(kSmallWindow, test::uni("house"));
    QTest::mouseClick(&window->smallExitButton(), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    // The result list stays for the next opening's "more".
    EXPECT_EQ(result_headwords(), (std::vector<std::string>{"house"}));
}

TEST_F(DictionaryScreen, TheCoursePicturesAreTheBackgroundsAndAreReleasedOnClose) {
    QImage full(649, 420, QImage::Format_RGB32);
    full.fill(Qt::darkCyan);
    QImage small(400, 150, QImage::Format_RGB32);
    small.fill(Qt::darkYellow);
    dictionary.course.make_folder("Lang_r/0/gfx_r");
    ASSERT_TRUE(
        full.save(QString::fromStdString(dictionary.course.path("Lang_r/0/gfx_r/Slownik.bmp"))));
    ASSERT_TRUE(small.save(
        QString::fromStdString(dictionary.course.path("Lang_r/0/gfx_r/slownik_small.bmp"))));
    window->slownik_open(kSmallWindow, test::uni("house"));
    EXPECT_EQ(window->backgroundPicture().size(), QSize(400, 150));
    QTest::mouseClick(&window->moreButton(), Qt::LeftButton);
    EXPECT_EQ(window->backgroundPicture().size(), QSize(649, 420));
    EXPECT_EQ(window->grab().toImage().pixelColor(300, 300), QColor(Qt::darkCyan));
    window->close();
    EXPECT_TRUE(window->backgroundPicture().isNull());
}

TEST_F(DictionaryScreen, TheFontPanelIsOnlyForForeignLetterCourses) {
    window->slownik_open(kFullWindow, {});
    EXPECT_FALSE(window->fontPanel().isVisible());
}

TEST_F(GermanDictionaryScreen, TheFontPanelTypesIntoTheSearchFieldInWordMode) {
    window->slownik_open(kFullWindow, {});
    TFcsFontPanel& panel = window->fontPanel();
    ASSERT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.pos(), QPoint(18, 75));
    EXPECT_EQ(panel.jezyk(), FontPanelLanguage::Niemiecki);
    QTest::mouseClick(panel.letterButtons().front(), Qt::LeftButton);
    EXPECT_EQ(window->searchField().text(), QString::fromUtf8("ä"));
    // Ctrl + a letter key types the course's letter too.
    QTest::keyClick(&window->searchField(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(window->searchField().text(), QString::fromUtf8("äö"));

    QTest::mouseClick(&window->translationsBox(), Qt::LeftButton);
    EXPECT_FALSE(panel.isVisible());
    QTest::mouseClick(&window->translationsBox(), Qt::LeftButton);
    EXPECT_TRUE(panel.isVisible());
}

} // namespace
} // namespace vimo
