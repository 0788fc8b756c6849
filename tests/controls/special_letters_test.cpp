#include "controls/special_letters.h"
#include "support/named_case.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace vimo {
namespace {

VIMO_PRINT_CASES_BY_NAME()

struct LetterCase {
    const char* name;
    int variant;
    int key;
    bool shift;
    char16_t letter; // 0: the key keeps its own meaning
};

class SpecialLetterTable : public ::testing::TestWithParam<LetterCase> {};

TEST_P(SpecialLetterTable, LetterOfTheKey) {
    const LetterCase& c = GetParam();
    const std::optional<char16_t> letter = special_letter(c.variant, c.key, c.shift);
    EXPECT_EQ(letter.value_or(0), c.letter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpecialLetterTable,
    ::testing::Values(LetterCase{"german_a", 2, Qt::Key_A, false, u'ä'},
                      LetterCase{"german_shift_a", 2, Qt::Key_A, true, u'Ä'},
                      LetterCase{"german_sharp_s_has_no_capital", 2, Qt::Key_S, true, u'ß'},
                      LetterCase{"german_n_is_not_in_the_table", 2, Qt::Key_N, false, 0},
                      LetterCase{"french_e_types_c_cedilla", 3, Qt::Key_E, false, u'ç'},
                      LetterCase{"french_shift_changes_nothing", 3, Qt::Key_R, true, u'é'},
                      LetterCase{"spanish_n", 4, Qt::Key_N, false, u'ñ'},
                      LetterCase{"spanish_shift_n", 4, Qt::Key_N, true, u'Ñ'},
                      LetterCase{"spanish_w_inverted_question", 4, Qt::Key_W, false, u'¿'},
                      LetterCase{"spanish_p_u_diaeresis", 4, Qt::Key_P, true, u'Ü'},
                      LetterCase{"english_has_none", 1, Qt::Key_A, false, 0},
                      LetterCase{"unknown_variant", 5, Qt::Key_A, false, 0},
                      LetterCase{"digit_key", 4, Qt::Key_1, false, 0}));

// A window with a Ctrl+N shortcut of its own, as the program's screens have keys.
class SpecialLettersInAnEdit : public ::testing::Test {
protected:
    SpecialLettersInAnEdit() {
        m_window.resize(300, 100);
        m_edit = new QLineEdit(&m_window);
        m_shortcut = new QAction(&m_window);
        m_shortcut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
        m_shortcut->setShortcutContext(Qt::WindowShortcut);
        m_window.addAction(m_shortcut);
        install_special_letters(m_edit, [this] { return m_variant; });
        m_window.show();
        m_window.activateWindow();
        // Shortcuts fire only in the active window.
        m_active = QTest::qWaitForWindowActive(&m_window);
        m_edit->setFocus();
    }

    QWidget m_window;
    QLineEdit* m_edit = nullptr;
    QAction* m_shortcut = nullptr;
    int m_variant = 4;
    bool m_active = false;
};

TEST_F(SpecialLettersInAnEdit, CtrlLetterTypesTheLetterInsteadOfAShortcut) {
    ASSERT_TRUE(m_active);
    QSignalSpy fired(m_shortcut, &QAction::triggered);
    QTest::keyClicks(m_edit, "Espa");
    QTest::keyClick(m_edit, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(m_edit, Qt::Key_A);
    QTest::keyClick(m_edit, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(m_edit->text(), QString::fromUtf8("EspañaÑ"));
    EXPECT_EQ(fired.count(), 0);
}

TEST_F(SpecialLettersInAnEdit, CtrlAKeepsTheTextAndTypesALetter) {
    // Without the handler Ctrl+A selects all and the next key replaces the text.
    QTest::keyClicks(m_edit, "est");
    QTest::keyClick(m_edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(m_edit, "s");
    EXPECT_EQ(m_edit->text(), QString::fromUtf8("estás"));
}

TEST_F(SpecialLettersInAnEdit, OtherKeysAndAltGrPassUnchanged) {
    ASSERT_TRUE(m_active);
    QTest::keyClicks(m_edit, "ab");
    // AltGr (Ctrl + Alt) types what the keyboard gives, not the table's letter.
    QTest::keyClick(m_edit, Qt::Key_A, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_FALSE(m_edit->text().contains(QChar(u'á')));
    QTest::keyClick(m_edit, Qt::Key_Backspace);
    EXPECT_EQ(m_edit->text(), "ab");

    QSignalSpy fired(m_shortcut, &QAction::triggered);
    m_variant = 1; // the course changed: English has no such keys
    QTest::keyClick(m_edit, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(m_edit->text(), "ab");
    EXPECT_EQ(fired.count(), 1);
}

TEST(SpecialLettersInATextEdit, TypesIntoAPlainTextEdit) {
    QPlainTextEdit edit;
    install_special_letters(&edit, [] { return 2; });
    edit.show();
    edit.setFocus();
    QTest::keyClicks(&edit, "sch");
    QTest::keyClick(&edit, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClicks(&edit, "n");
    EXPECT_EQ(edit.toPlainText(), QString::fromUtf8("schön"));
}

} // namespace
} // namespace vimo
