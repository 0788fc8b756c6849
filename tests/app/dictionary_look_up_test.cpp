#include "app/task_runner.h"
#include "core/qt_text.h"
#include "dictionary/dictionary_fixture.h"
#include "dictionary/dictionary_screen.h"
#include "exercises/tasks/multiple_choice_screen.h"
#include "support/screen_services_fixture.h"

#include <QTest>
#include <gtest/gtest.h>

namespace vimo {
namespace {

// A multiple-choice task whose instruction and answers a right click looks up in a real
// dictionary window, led there by the runner as the program leads it.
class DictionaryLookUp : public ::testing::Test, protected test::ScreenServicesFixture {
protected:
    DictionaryLookUp() {
        files.make_folder("1");
        course.config.learner_folder = files.path("1/");
        learner.settings.first_task_notice = false;
        task.kind = "MC";
        task.header = uni_widen("T1#1#bg#Choose the answer.#x#Choose the answer.#");
        task.kind_line = uni_widen("MC#Where is the bank?=T_Near the river=At home#");
        cw_Info record;
        record.name = "tek_1";
        record.kind = 40;
        record.key = 1;
        learner.results.append(record);
        runner.add_screen(mc);
        lesson.text_number = 1;
        lesson.tasks = {&task};
        lesson.item_keys = {1};
    }

    // Right-clicks the middle of word in the instruction box.
    void right_click_instruction(const QString& word) {
        InstructionBox& box = mc.instruction_box();
        box.repaint();
        const InstructionWordTable& table = box.table();
        for (int i = 0; i < table.count(); ++i) {
            const InstructionEntry& e = table.entry(i);
            if (uni_to_qstring(e.word) != word) continue;
            QTest::mouseClick(&box, Qt::RightButton, {},
                              QPoint((e.left + e.right) / 2, (e.top + e.bottom) / 2));
            return;
        }
        ADD_FAILURE() << "no word " << word.toStdString();
    }

    std::vector<std::string> shown_headwords() const {
        std::vector<std::string> headwords;
        for (int index : window.results())
            headwords.push_back(test::utf8(dictionary.table.entry(index).headword));
        return headwords;
    }

    test::DictionaryCourse dictionary{test::dictionary_lines({
        {"answer", "odpowiedź"},
        {"bank", "bank", '1', "b"},
        {"bank", "brzeg rzeki", '1', "b"},
        {"choose", "wybierać", '3', "c"},
    })};
    TSlownikForm window{course, services.pictures, dictionary.table};
    LearnerState learner;
    TaskEntry task;
    ComprehensionLesson lesson;
    TaskRunner runner{
        course, learner, clock,
        TaskRunner::Links{
            .dictionary = [this] { window.slownik_open(kFullWindow); },
            .look_up = [this](const UniString& word, int mode) { window.slownik_open(mode, word); },
        }};
    TC_MC_Form mc{services};
};

TEST_F(DictionaryLookUp, ARightClickOnAnInstructionWordShowsItsEntryInTheSmallWindow) {
    runner.open_lesson(lesson, 1);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&mc));
    right_click_instruction("Choose");
    ASSERT_TRUE(window.isVisible());
    EXPECT_EQ(window.layoutMode(), kSmallWindow);
    EXPECT_EQ(window.size(), TSlownikForm::kSmallSize);
    EXPECT_TRUE(window.isModal());
    EXPECT_EQ(shown_headwords(), std::vector<std::string>{"choose"});

    // The word at the end of the sentence brings its full stop along.
    window.hide();
    right_click_instruction("answer.");
    ASSERT_TRUE(window.isVisible());
    EXPECT_EQ(shown_headwords(), std::vector<std::string>{"answer"});
}

TEST_F(DictionaryLookUp, ARightClickOnAQuestionWordAndTheDictionaryButton) {
    runner.open_lesson(lesson, 1);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&mc));
    for (const McWord& word : mc.list().layout().words) {
        if (uni_to_qstring(word.text) != "bank?") continue;
        QTest::mouseClick(&mc.list(), Qt::RightButton, {},
                          QPoint(word.x + word.width / 2, word.y + 8));
    }
    ASSERT_TRUE(window.isVisible());
    EXPECT_EQ(shown_headwords(), (std::vector<std::string>{"bank", "bank"}));
    window.hide();

    auto* button = mc.findChild<QWidget*>("btn_slownik");
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(window.isVisible());
    EXPECT_EQ(window.layoutMode(), kFullWindow);
    EXPECT_EQ(window.size(), TSlownikForm::kFullSize);
    // Opened without a word, the full window lists the letter A.
    EXPECT_EQ(shown_headwords(), std::vector<std::string>{"answer"});
}

} // namespace
} // namespace vimo
