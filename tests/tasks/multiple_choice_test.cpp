#include "core/qt_text.h"
#include "exercises/tasks/multiple_choice.h"
#include "support/fixed_sources.h"

#include <gtest/gtest.h>

namespace vimo {
namespace {

std::string text(const UniString& uni) {
    return uni_to_qstring(uni).toStdString();
}

std::vector<std::string> texts(const McQuestion& question) {
    std::vector<std::string> out;
    for (const UniString& item : question.items)
        out.push_back(text(item));
    return out;
}

TEST(McParse, QuestionsItemsAndTheCorrectAnswer) {
    const std::vector<McQuestion> questions =
        parse_multiple_choice(uni_widen("Where?=T_Here=There=Nowhere#Who?=Tom=T_Ann=#"));
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(texts(questions[0]),
              (std::vector<std::string>{"Where?", "Here", "There", "Nowhere"}));
    EXPECT_EQ(questions[0].correct, 2);
    // The blank item before "#" is dropped.
    EXPECT_EQ(texts(questions[1]), (std::vector<std::string>{"Who?", "Tom", "Ann"}));
    EXPECT_EQ(questions[1].correct, 3);
}

TEST(McParse, TablesNeverGrowPastTheirLimits) {
    std::string content;
    for (int q = 1; q <= 12; ++q)
        content += "Q" + std::to_string(q) + "?=a=b=c=d=e=T_f#";
    const std::vector<McQuestion> questions = parse_multiple_choice(uni_widen(content));
    ASSERT_EQ(questions.size(), 10u);
    EXPECT_EQ(questions[0].answer_count(), 4);
    EXPECT_EQ(questions[0].correct, 0) << "the marked answer was beyond the fourth";
    // A line that lacks its final "#" still gives its last question.
    EXPECT_EQ(parse_multiple_choice(uni_widen("Q?=T_a=b")).at(0).answer_count(), 2);
    EXPECT_TRUE(parse_multiple_choice(uni_widen("  ")).empty());
}

TEST(McShuffle, TheCorrectAnswerFollowsItsText) {
    for (int seed = 0; seed < 12; ++seed) {
        std::vector<McQuestion> questions =
            parse_multiple_choice(uni_widen("Where?=T_Here=There=Nowhere#Q=T_only#"));
        test::ScriptedRandom random({seed, seed * 7 + 1, seed * 3 + 2, 5, seed});
        shuffle_answers(questions, random);
        EXPECT_EQ(text(questions[0].items[static_cast<std::size_t>(questions[0].correct - 1)]),
                  "Here");
        EXPECT_EQ(text(questions[0].items[0]), "Where?") << "the question never moves";
        // A single answer cannot be shuffled and stays where it is.
        EXPECT_EQ(questions[1].correct, 2);
    }
}

class McChecking : public ::testing::Test {
protected:
    void load(const std::string& content) {
        test::ScriptedRandom random({0}); // swaps 1 and 2 back and forth: order kept
        mc.load(uni_widen(content), random);
    }
    MultipleChoice mc;
};

TEST_F(McChecking, NoAnswerChosenScoresZeroAndTicksTheCorrectOnesWithTheBadMark) {
    load("A?=T_x=y#B?=y=T_x#");
    mc.check();
    EXPECT_EQ(mc.attempt().score(), 0);
    for (int q = 0; q < 2; ++q) {
        const McMarks& right = mc.marks(q, mc.questions()[static_cast<std::size_t>(q)].correct);
        EXPECT_TRUE(right.selected);
        EXPECT_TRUE(right.mark_bad);
        EXPECT_FALSE(right.mark_ok);
    }
}

TEST_F(McChecking, ThreeOfFourRightScore75AndTheWrongOneIsMarked) {
    load("A?=T_a=b#B?=T_a=b#C?=T_a=b#D?=T_a=b#");
    for (int q = 0; q < 4; ++q) {
        const int right = mc.questions()[static_cast<std::size_t>(q)].correct;
        ASSERT_TRUE(mc.choose(q, q == 3 ? 5 - right : right));
    }
    mc.check();
    EXPECT_EQ(mc.attempt().correct, 3);
    EXPECT_EQ(mc.attempt().wrong, 1);
    EXPECT_EQ(mc.attempt().score(), 75);
    const int right = mc.questions()[3].correct;
    const McMarks& wrong = mc.marks(3, 5 - right);
    EXPECT_TRUE(wrong.wrong);
    EXPECT_TRUE(wrong.mark_bad);
    EXPECT_TRUE(mc.marks(3, right).selected);
    EXPECT_FALSE(mc.marks(3, right).mark_ok);
    EXPECT_TRUE(mc.marks(0, mc.questions()[0].correct).mark_ok);
    EXPECT_FALSE(mc.choose(0, 2)) << "answers are frozen after checking";
}

TEST_F(McChecking, ChoosingReplacesTheQuestionsEarlierChoiceAndSetsActed) {
    load("A?=T_a=b=c#");
    EXPECT_FALSE(mc.attempt().acted);
    EXPECT_FALSE(mc.choose(0, 6));
    EXPECT_FALSE(mc.choose(1, 2));
    EXPECT_FALSE(mc.attempt().acted);
    ASSERT_TRUE(mc.choose(0, 2));
    ASSERT_TRUE(mc.choose(0, 4));
    EXPECT_TRUE(mc.attempt().acted);
    EXPECT_FALSE(mc.marks(0, 2).selected);
    EXPECT_TRUE(mc.marks(0, 4).selected);
}

TEST(TaskContent, IsTheTextAfterTheKind) {
    EXPECT_EQ(text(task_content(uni_widen("MC#Q?=T_a=b#"))), "Q?=T_a=b#");
    EXPECT_TRUE(task_content(uni_widen("MC")).empty());
}

} // namespace
} // namespace vimo
