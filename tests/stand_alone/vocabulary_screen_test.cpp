#include "audio/voice_recorder.h"
#include "controls/TransparentButton.h"
#include "controls/UniLabel.h"
#include "controls/answer_popup.h"
#include "controls/panel1.h"
#include "controls/picture_controls.h"
#include "core/encoding.h"
#include "core/paths.h"
#include "core/qt_text.h"
#include "exercises/stand_alone/vocabulary_screen.h"
#include "repetitions/repetition_store.h"
#include "results/results_store.h"
#include "support/microphone_tone.h"
#include "support/modal.h"
#include "support/screen_services_fixture.h"
#include "support/wait.h"

#include <QLineEdit>
#include <QTest>
#include <cstdio>
#include <gtest/gtest.h>

namespace vimo {
namespace {

// A record line: group 1, the sound a file under Nagrania\ (empty: none).
std::string record(int id, const std::string& word, const std::string& translation,
                   const std::string& sound = "w.wav", const std::string& alternatives = "") {
    char head[16];
    std::snprintf(head, sizeof head, "01 1%05d 01 ", id);
    return utf8_to_cp1250(std::string(head) + word + " =" + translation + "==" + alternatives +
                          "==" + sound + "=0===cw=0");
}

class VocabularyScreen : public ::testing::Test, protected test::ScreenServicesFixture {
protected:
    VocabularyScreen() {
        course.config.course_variant = 1;
        course.config.media_root = files.root();
        course.config.sentence_root = files.root() + "bsgram\\";
        settings.letter_case = false;
        write_list("lista",
                   {record(1, "cat", "kot"), record(2, "dog", "pies"), record(3, "horse", "koń"),
                    record(4, "cow", "krowa"), record(5, "hen", "kura")});
    }

    void write_list(const std::string& name, std::vector<std::string> records) {
        std::vector<std::string> lines(10, name);
        lines[1] = name + "cw0160";
        lines.insert(lines.end(), records.begin(), records.end());
        files.write_8bit("cw_r/" + name + ".bc4", lines);
    }

    void open(int tab) { screen.open_vocabulary("slo_1", "cw_r\\lista.bc4", tab); }

    const DrillTask& task() const { return screen.drill()->task(); }
    int answers() const { return screen.drill()->correct_count() + screen.drill()->wrong_count(); }

    std::vector<ItemResult> reported;
    VoiceRecorder recorder{VoiceRecorder::Reports::none, [](const QString&) {}, [] { return 0; }};
    TForm6 popup{course.config, &pictures, 0};
    StandAloneServices stand_alone{
        services, recorder, recorder, popup,
        StandAloneLinks{.record = [this](const ItemResult& r) { reported.push_back(r); }}};
    TForm4 screen{stand_alone};
};

TEST_F(VocabularyScreen, KeysChooseOnceAndEnterGoesOn) {
    open(3);
    ASSERT_TRUE(screen.isVisible());
    EXPECT_TRUE(screen.choice(1).isVisible());
    EXPECT_FALSE(screen.typing_field().isVisible());
    const int right = task().right_choice;
    QTest::keyClick(&screen, static_cast<Qt::Key>(Qt::Key_0 + right));
    EXPECT_EQ(task().verdict, Verdict::right);
    EXPECT_TRUE(screen.mark_ok().isVisible());
    EXPECT_FALSE(screen.choice(right).isVisible());
    EXPECT_TRUE(screen.right_answer().isVisible());
    EXPECT_TRUE(screen.ok_button().isVisible());
    QTest::keyClick(&screen, static_cast<Qt::Key>(Qt::Key_0 + (right % 4) + 1));
    EXPECT_EQ(answers(), 1) << "a judged task takes no second choice";

    const int first = task().record;
    QTest::keyClick(&screen, Qt::Key_Return);
    EXPECT_FALSE(task().answered);
    EXPECT_NE(task().record, first);
    EXPECT_TRUE(screen.choice(1).isVisible());
    EXPECT_EQ(screen.score_panel().wynik(), 20); // 1 of 5
}

TEST_F(VocabularyScreen, AClickOnAWrongChoiceShowsTheCrossWithTheAnswer) {
    open(3);
    const int wrong = task().right_choice % 4 + 1;
    const std::string chosen = task().choices[static_cast<std::size_t>(wrong - 1)];
    QTest::mouseClick(&screen.choice(wrong), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(task().verdict, Verdict::wrong);
    EXPECT_TRUE(screen.mark_bad().isVisible());
    EXPECT_TRUE(screen.mark_bad().toolTip().endsWith(QString::fromStdString(chosen)));
    EXPECT_EQ(screen.right_answer().x(), 80);
    EXPECT_TRUE(screen.instruction().shownText().startsWith("Poprawnie:"));
}

TEST_F(VocabularyScreen, OneEnterJudgesTheTypedAnswerAndTheNextGoesOn) {
    open(5);
    QLineEdit& field = screen.typing_field();
    ASSERT_TRUE(field.isVisible());
    screen.activateWindow();
    field.setFocus();
    QTest::keyClicks(&field, "12");
    EXPECT_EQ(field.text(), "12") << "digits type on a typed task";
    field.clear();
    const std::string expected = task().expected;
    QTest::keyClicks(&field, QString::fromStdString(expected).toUpper());
    QTest::keyClick(&field, Qt::Key_Return);
    EXPECT_EQ(task().verdict, Verdict::right) << "letter case is off";
    EXPECT_EQ(answers(), 1);
    EXPECT_FALSE(field.isVisible());
    EXPECT_TRUE(screen.mark_ok().isVisible());
    const int judged = task().record;
    QTest::keyClick(&screen, Qt::Key_Return);
    EXPECT_FALSE(task().answered);
    EXPECT_NE(task().record, judged);
    EXPECT_EQ(answers(), 1);
}

TEST_F(VocabularyScreen, F5ShowsTheLearnersAnswer) {
    open(4);
    QTest::keyClicks(&screen.typing_field(), "kat");
    QTest::keyClick(&screen.typing_field(), Qt::Key_Return);
    ASSERT_EQ(task().verdict, Verdict::wrong);
    QTest::keyClick(&screen, Qt::Key_F5);
    ASSERT_TRUE(popup.isVisible());
    EXPECT_EQ(popup.answerLabel().shownText(), "kat");
    popup.hide();
}

TEST_F(VocabularyScreen, TabsAndLeavingReportTheirKindCodes) {
    ResultsStore results;
    for (int code = 60; code <= 64; ++code) {
        cw_Info r;
        r.name = "slo_1";
        r.kind = static_cast<std::uint8_t>(code);
        results.append(r);
    }
    RepetitionStore repetitions;
    stand_alone.links.record = [&](const ItemResult& r) {
        reported.push_back(r);
        record_item_result(r, results, repetitions, {}, clock);
    };
    open(3);
    QTest::keyClick(&screen, static_cast<Qt::Key>(Qt::Key_0 + task().right_choice));
    EXPECT_TRUE(reported.empty());
    QTest::mouseClick(&screen.tab(2), Qt::LeftButton);
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0].kind, 62);
    EXPECT_EQ(reported[0].score, 20);
    EXPECT_TRUE(screen.play_button().isVisible()) << "tab 2 hears the word";
    screen.leave();
    EXPECT_FALSE(screen.isVisible());
    ASSERT_EQ(reported.size(), 2u);
    EXPECT_EQ(reported[1].kind, 61);
    EXPECT_EQ(results.records()[2].score, 20);
    EXPECT_EQ(results.records()[2].count, 1);
    ASSERT_EQ(repetitions.entries().size(), 2u);
    EXPECT_EQ(repetitions.entries()[0].kind, 62);
    EXPECT_EQ(repetitions.entries()[0].task_pos, 3);
}

TEST_F(VocabularyScreen, AListThatCannotBeDrilledIsNotOpened) {
    write_list("pusta", {record(1, "cat", "kot").substr(0, 20)});
    QString message;
    test::when_modal_shown([&](QWidget& modal) {
        message = uni_to_qstring(messages.label().captionNormal());
        modal.close();
    });
    screen.open_vocabulary("slo_2", "cw_r\\pusta.bc4", 1);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_TRUE(message.contains("pusta.bc4")) << message.toStdString();

    test::when_modal_shown([&](QWidget& modal) {
        message = uni_to_qstring(messages.label().captionNormal());
        modal.close();
    });
    screen.open_vocabulary("slo_3", "cw_r\\none.bc4", 1);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_TRUE(message.startsWith("Brak pliku: ")) << message.toStdString();
}

TEST_F(VocabularyScreen, TheWordListRecordsTheLearnerAndPlaysTheTakeBack) {
    ASSERT_TRUE(VoiceRecorder::input_available())
        << "no sound input: the tests need the microphone that test.sh starts";
    ASSERT_FALSE(test::MicrophoneTone::pipe().isEmpty()) << "no microphone pipe in VIMO_MIC_PIPE";
    open(1);
    WordListBox& list = screen.word_list();
    ASSERT_TRUE(list.isVisible());
    const QPoint second_microphone(8, list.row_height() + 4);
    QTest::mousePress(&list, Qt::RightButton, {}, second_microphone);
    EXPECT_FALSE(recorder.is_recording()) << "only the left button records";
    QTest::mouseRelease(&list, Qt::RightButton, {}, second_microphone);

    const test::MicrophoneTone tone;
    QTest::mousePress(&list, Qt::LeftButton, {}, second_microphone);
    ASSERT_TRUE(recorder.is_recording());
    ASSERT_TRUE(QTest::qWaitFor([&] { return tone.fed_ms() >= 1000; }, 10000));
    QTest::mouseRelease(&list, Qt::LeftButton, {}, second_microphone);
    EXPECT_FALSE(recorder.is_recording());
    EXPECT_TRUE(path_exists(files.path("tmp1.Wav")));
    ASSERT_TRUE(screen.own_recording_speaker().isVisible());
    EXPECT_EQ(screen.own_recording_speaker().y(), list.y() + list.row_height());

    // A word played: the list counts as learnt.
    QTest::mousePress(&list, Qt::LeftButton, {}, QPoint(120, 4));
    screen.leave();
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0].kind, 60);
    EXPECT_EQ(reported[0].score, 100);
}

TEST_F(VocabularyScreen, TheWordListScrollsWithinItsBox) {
    std::vector<std::string> many;
    for (int id = 1; id <= 40; ++id)
        many.push_back(record(id, "word" + std::to_string(id), "s"));
    write_list("lista", many);
    open(1);
    WordListBox& list = screen.word_list();
    EXPECT_EQ(list.height(), 404);
    EXPECT_LT(list.visible_rows(), 40);
    QTest::keyClick(&screen, Qt::Key_Down);
    EXPECT_EQ(list.first_row(), 2);
    for (int k = 0; k < 60; ++k)
        QTest::keyClick(&screen, Qt::Key_Down);
    EXPECT_EQ(list.first_row(), 40 - list.visible_rows() + 1);
    EXPECT_TRUE(list.row_top(40).has_value());
    EXPECT_FALSE(list.row_top(1).has_value());
}

} // namespace
} // namespace vimo
