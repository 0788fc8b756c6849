#include "controls/font_panel.h"
#include "support/named_case.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace vimo {
namespace {

VIMO_PRINT_CASES_BY_NAME()

struct LettersCase {
    const char* name;
    FontPanelLanguage language;
    int width;
    int code_page;
    std::u16string letters;
};

class FontPanelLettersTable : public ::testing::TestWithParam<LettersCase> {};

TEST_P(FontPanelLettersTable, WidthLettersAndCodePage) {
    const LettersCase& c = GetParam();
    const FontPanelLetters layout = font_panel_letters(c.language);
    EXPECT_EQ(layout.width.value_or(-1), c.width);
    EXPECT_EQ(layout.code_page, c.code_page);
    std::u16string letters;
    for (const PanelLetter& letter : layout.letters)
        letters += letter.character;
    EXPECT_EQ(letters, c.letters);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FontPanelLettersTable,
    ::testing::Values(
        LettersCase{"german", FontPanelLanguage::Niemiecki, 100, 1252, u"äöüß"},
        LettersCase{"french", FontPanelLanguage::Francuski, 210, 1252, u"âàçéèêëïîôùû"},
        LettersCase{"spanish", FontPanelLanguage::Hiszpanski, 172, 1252, u"áéíñóúü¡¿"},
        LettersCase{"italian", FontPanelLanguage::Wloski, 140, 1252, u"àèéìòù"},
        LettersCase{"russian", FontPanelLanguage::Rosyjski, 550, 1251,
                    u"ёйцукенгшщзхъфывапролджэячсмитьбю"},
        LettersCase{"polish", FontPanelLanguage::Polski, -1, 1252, u""}));

TEST(FontPanelLetters, EightBitCodesOfTheirCodePages) {
    const auto german = font_panel_letters(FontPanelLanguage::Niemiecki).letters;
    EXPECT_EQ(german[0].code, 0xE4); // ä
    EXPECT_EQ(german[3].code, 0xDF); // ß
    const auto russian = font_panel_letters(FontPanelLanguage::Rosyjski).letters;
    ASSERT_EQ(russian.size(), 33u);
    EXPECT_EQ(russian[0].code, 0xB8);  // ё
    EXPECT_EQ(russian[1].code, 0xE9);  // й
    EXPECT_EQ(russian[32].code, 0xFE); // ю
}

TEST(FontPanelLetters, OnlySpanishChangesTheHeight) {
    EXPECT_EQ(font_panel_letters(FontPanelLanguage::Hiszpanski).height.value_or(-1), 21);
    EXPECT_FALSE(font_panel_letters(FontPanelLanguage::Francuski).height.has_value());
}

TEST(LetterLeft, NthLetterPosition) {
    EXPECT_EQ(letter_left(1), 1);
    EXPECT_EQ(letter_left(2), 20);
    EXPECT_EQ(letter_left(33), 609);
}

class FontPanel : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(700, 100);
        panel = new TFcsFontPanel(&window);
        panel->resize(300, 22);
        edit = new QLineEdit(&window);
        edit->move(0, 50);
        panel->setObiektEdit(edit);
        window.show();
    }

    int shown_letters() const {
        int shown = 0;
        for (const QPushButton* button : panel->letterButtons())
            shown += button->isVisibleTo(&window);
        return shown;
    }

    QWidget window;
    TFcsFontPanel* panel = nullptr;
    QLineEdit* edit = nullptr;
};

TEST_F(FontPanel, ClickingALetterTypesItIntoTheEditBox) {
    panel->setJezyk(FontPanelLanguage::Niemiecki);
    edit->setText("Gr");
    QTest::mouseClick(panel->letterButtons()[3], Qt::LeftButton);
    QTest::mouseClick(panel->letterButtons()[0], Qt::LeftButton);
    EXPECT_EQ(edit->text(), QString::fromUtf16(u"Grßä"));
}

TEST_F(FontPanel, LanguageSetsWidthAndShownLetters) {
    panel->setJezyk(FontPanelLanguage::Wloski);
    EXPECT_EQ(panel->width(), 140);
    EXPECT_EQ(shown_letters(), 6);
    EXPECT_EQ(panel->letterButtons()[1]->geometry(), QRect(20, 1, 20, 20));
    EXPECT_EQ(panel->letterButtons()[1]->cursor().shape(), Qt::PointingHandCursor);
    panel->setJezyk(FontPanelLanguage::Rosyjski);
    EXPECT_EQ(panel->width(), 550);
    EXPECT_EQ(shown_letters(), 33);
    EXPECT_EQ(panel->codePage(), 1251);
    panel->setJezyk(FontPanelLanguage::Polski);
    EXPECT_EQ(panel->width(), 550) << "Polish keeps the width";
    EXPECT_EQ(shown_letters(), 0);
    EXPECT_EQ(panel->codePage(), 1252);
}

TEST_F(FontPanel, SpanishPanelIs21High) {
    panel->setJezyk(FontPanelLanguage::Hiszpanski);
    EXPECT_EQ(panel->size(), QSize(172, 21));
}

TEST_F(FontPanel, LettersAreArial12Bold) {
    const QFont font = panel->letterButtons()[0]->font();
    EXPECT_EQ(font.family(), "Arial");
    EXPECT_EQ(font.pointSize(), 12);
    EXPECT_TRUE(font.bold());
}

TEST(FontPanelLanguageOfCourse, FollowsTheCourseVariant) {
    EXPECT_EQ(font_panel_language(1), FontPanelLanguage::Polski); // English: no letters
    EXPECT_EQ(font_panel_language(2), FontPanelLanguage::Niemiecki);
    EXPECT_EQ(font_panel_language(3), FontPanelLanguage::Francuski);
    EXPECT_EQ(font_panel_language(4), FontPanelLanguage::Hiszpanski);
    EXPECT_TRUE(font_panel_letters(font_panel_language(1)).letters.empty());
}

} // namespace
} // namespace vimo
