#include "core/qt_text.h"
#include "exercises/tasks/multiple_choice.h"
#include "support/fixed_sources.h"
#include "support/task_text.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace vimo {
namespace {

using test::utf8;

std::vector<std::string> texts(const McQuestion& question) {
    std::vector<std::string> out;
    for (const UniString& item : question.items)
        out.push_back(utf8(item));
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

struct McShuffleCase {
    const char* name;
    const char* content;
    std::vector<int> script;
    std::vector<std::vector<std::string>> items; // per question, after the shuffle
    std::vector<int> correct;
};

TEST(McShuffle, ScriptedDrawsGiveTheseOrders) {
    // Each swap draws below(answers), then below(answers - 1) among the other positions.
    const McShuffleCase cases[] = {
        {"three answers: (2,3), then (1,2) three times",
         "Q?=T_a=b=c#",
         {1, 1, 0, 0, 0, 0, 0, 0},
         {{"Q?", "c", "a", "b"}},
         {3}},
        {"four answers: the correct one ends last",
         "Q?=T_a=b=c=d#",
         {0, 2, 0, 0, 0, 0, 1, 1},
         {{"Q?", "d", "c", "b", "a"}},
         {5}},
        // Four swaps of the only pair cancel out: two answers keep their order.
        {"two answers", "Q?=T_a=b#", {1, 0, 1, 0}, {{"Q?", "a", "b"}}, {2}},
        // The third question goes on with the ninth draw; one answer draws nothing.
        {"draws run on across questions",
         "A?=T_x=y=z#B?=T_only#C?=T_p=q=r#",
         {1, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0},
         {{"A?", "z", "x", "y"}, {"B?", "only"}, {"C?", "q", "r", "p"}},
         {3, 2, 4}},
    };
    for (const McShuffleCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<McQuestion> questions = parse_multiple_choice(uni_widen(c.content));
        test::ScriptedRandom random(c.script);
        shuffle_answers(questions, random);
        ASSERT_EQ(questions.size(), c.items.size());
        for (std::size_t q = 0; q < questions.size(); ++q) {
            EXPECT_EQ(texts(questions[q]), c.items[q]) << "question " << q;
            EXPECT_EQ(questions[q].correct, c.correct[q]) << "question " << q;
        }
    }
}

TEST(McLoad, ReseedsOnceBeforeTheDraws) {
    MultipleChoice mc;
    test::ScriptedRandom random({0});
    // Two shuffled questions of 4 swaps, 2 draws each; the one-answer question draws none.
    const UniString content = uni_widen("A?=T_x=y=z#B?=T_only#C?=T_p=q#");
    mc.load(content, random);
    const std::string one_loading = "R" + std::string(16, 'd');
    EXPECT_EQ(random.calls(), one_loading);
    mc.load(content, random);
    EXPECT_EQ(random.calls(), one_loading + one_loading);
}

TEST(McShuffle, TheCorrectAnswerFollowsItsText) {
    for (int seed = 0; seed < 12; ++seed) {
        std::vector<McQuestion> questions =
            parse_multiple_choice(uni_widen("Where?=T_Here=There=Nowhere#Q=T_only#"));
        test::ScriptedRandom random({seed, seed * 7 + 1, seed * 3 + 2, 5, seed});
        shuffle_answers(questions, random);
        EXPECT_EQ(utf8(questions[0].items[static_cast<std::size_t>(questions[0].correct - 1)]),
                  "Here");
        EXPECT_EQ(utf8(questions[0].items[0]), "Where?") << "the question never moves";
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

// Every unit 7 pixels wide, 8 in bold.
int fixed_width(const UniString& word, bool bold) {
    return uni_unit_count(word) * (bold ? 8 : 7);
}

using Word = std::tuple<int, int, bool, std::string>; // x, y, bold, text
using Box = std::tuple<int, int, int, int, int>;      // item, left, top, right, bottom

std::vector<Word> words_of(const McLayout& layout) {
    std::vector<Word> words;
    for (const McWord& word : layout.words)
        words.emplace_back(word.x, word.y, word.bold, utf8(word.text));
    return words;
}

std::vector<Box> boxes_of(const McLayout& layout) {
    std::vector<Box> boxes;
    for (const McAnswerPlace& place : layout.answers)
        boxes.emplace_back(place.item, place.left, place.top, place.right, place.bottom);
    return boxes;
}

McLayout lay_out(const char* content, int width, int scroll = 0) {
    return layout_multiple_choice(parse_multiple_choice(uni_widen(content)), width, scroll,
                                  fixed_width);
}

struct McLayoutCase {
    const char* name;
    const char* content;
    int width;
    int scroll;
    std::vector<Word> words;
    std::vector<Box> boxes;
    int end_y;
};

TEST(McLayout, WordsAnswerBoxesAndTheEnd) {
    // Questions at x 25, answers and wrapped lines at 50, 24-pixel lines, words 3
    // apart; an answer's box runs from 25 to the largest pen x, down to 25 below its
    // last line; a blank line follows each question.
    const McLayoutCase cases[] = {
        {"two questions",
         "Where?=T_Here=There#Who?=Tom=T_Ann#",
         400,
         0,
         {{25, 0, false, "Where?"},
          {50, 24, false, "Here"},
          {50, 48, false, "There"},
          {25, 96, false, "Who?"},
          {50, 120, false, "Tom"},
          {50, 144, false, "Ann"}},
         {{2, 25, 24, 81, 49}, {3, 25, 48, 88, 73}, {2, 25, 120, 74, 145}, {3, 25, 144, 74, 169}},
         192},
        {"the last word ends short of the border",
         "Q=T_aaa bbb ccc#",
         120,
         0,
         {{25, 0, false, "Q"},
          {50, 24, false, "aaa"},
          {74, 24, false, "bbb"},
          {98, 24, false, "ccc"}},
         {{2, 25, 24, 122, 49}},
         72},
        {"the last word ends on the border",
         "Q=T_aaa bbb ccc#",
         119,
         0,
         {{25, 0, false, "Q"},
          {50, 24, false, "aaa"},
          {74, 24, false, "bbb"},
          {98, 24, false, "ccc"}},
         {{2, 25, 24, 122, 49}},
         72},
        {"a word crossing the border wraps to 50 and the box grows",
         "Q=T_aaa bbb ccc#",
         118,
         0,
         {{25, 0, false, "Q"},
          {50, 24, false, "aaa"},
          {74, 24, false, "bbb"},
          {50, 48, false, "ccc"}},
         {{2, 25, 24, 98, 73}},
         96},
        {"a question wraps to the answers' x",
         "aaaa bbbb=T_x#",
         60,
         0,
         {{25, 0, false, "aaaa"}, {50, 24, false, "bbbb"}, {50, 48, false, "x"}},
         {{2, 25, 48, 60, 73}},
         96},
        {"a word wider than the line leaves its first line empty",
         "Q=T_wwwwwwwwwwww#",
         100,
         0,
         {{25, 0, false, "Q"}, {50, 48, false, "wwwwwwwwwwww"}},
         {{2, 25, 24, 137, 73}},
         96},
        {"bold carries from item to item",
         "Q <b>=T_xx=yy </b>=zz#",
         400,
         0,
         {{25, 0, false, "Q"}, {50, 24, true, "xx"}, {50, 48, true, "yy"}, {50, 72, false, "zz"}},
         {{2, 25, 24, 69, 49}, {3, 25, 48, 69, 73}, {4, 25, 72, 67, 97}},
         120},
        {"upper-case bold, an 18-pixel break, lower-case <br> does nothing",
         "Q=T_a <B> b </b> c <BR> d <br> e#",
         400,
         0,
         {{25, 0, false, "Q"},
          {50, 24, false, "a"},
          {60, 24, true, "b"},
          {71, 24, false, "c"},
          {50, 42, false, "d"},
          {60, 42, false, "e"}},
         {{2, 25, 24, 81, 67}},
         90},
        {"one step down: 24 pixels higher, the question above the top is not drawn",
         "Where?=T_Here=There#",
         400,
         1,
         {{50, 0, false, "Here"}, {50, 24, false, "There"}},
         {{2, 25, 0, 81, 25}, {3, 25, 24, 88, 49}},
         72},
    };
    for (const McLayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        const McLayout layout = lay_out(c.content, c.width, c.scroll);
        EXPECT_EQ(words_of(layout), c.words);
        EXPECT_EQ(boxes_of(layout), c.boxes);
        EXPECT_EQ(layout.end_y, c.end_y);
    }
}

struct HitCase {
    const char* name;
    int x;
    int y;
    int item; // 0: no answer
};

TEST(McAnswerAt, BoxBoundsAreInclusiveAndTheFirstBoxWins) {
    // Here: 25..81 x 24..49; There: 25..88 x 48..73 (the boxes overlap on 48 and 49).
    const McLayout layout = lay_out("Where?=T_Here=There#", 400);
    const HitCase cases[] = {
        {"top-left corner", 25, 24, 2},
        {"left of the box", 24, 30, 0},
        {"on the question's line", 30, 23, 0},
        {"bottom-right corner", 81, 49, 2},
        {"right of the shorter answer", 82, 30, 0},
        {"overlap: the first box", 30, 48, 2},
        {"just below the first box", 30, 50, 3},
        {"right edge of the longer answer", 88, 60, 3},
        {"past it", 89, 60, 0},
        {"bottom edge", 25, 73, 3},
        {"below the list", 25, 74, 0},
    };
    for (const HitCase& c : cases) {
        SCOPED_TRACE(c.name);
        const McAnswerPlace* place = answer_at(layout, c.x, c.y);
        EXPECT_EQ(place ? place->item : 0, c.item);
        EXPECT_EQ(place ? place->question : 0, 0);
    }
}

struct ScrollCase {
    const char* name;
    int end_y;
    int height;
    int largest;
};

TEST(McMaxScroll, CountedInStepsOf25) {
    const ScrollCase cases[] = {
        {"fits", 600, 600, 0},
        {"height is the end less 25: still fits", 600, 575, 0},
        {"one pixel less: straight to 2", 600, 574, 2},
        {"just under the next step", 600, 551, 2},
        {"50 pixels short", 600, 550, 3},
        {"no height at all", 600, 0, 25},
    };
    for (const ScrollCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(mc_max_scroll(c.end_y, c.height), c.largest);
    }
}

TEST(McMaxScroll, TheLastStepShowsTheLastAnswerWhole) {
    std::string content;
    for (int q = 0; q < 10; ++q)
        content += "Q=T_a=b#";
    const std::vector<McQuestion> questions = parse_multiple_choice(uni_widen(content));
    constexpr int kHeight = 575; // the list's default height
    const int end_y = layout_multiple_choice(questions, 400, 0, fixed_width).end_y;
    ASSERT_EQ(end_y, 960);
    const int largest = mc_max_scroll(end_y, kHeight);
    EXPECT_EQ(largest, 16); // (960 - 575) / 25 + 1
    const auto last_bottom = [&](int scroll) {
        return layout_multiple_choice(questions, 400, scroll, fixed_width).answers.back().bottom;
    };
    EXPECT_EQ(last_bottom(largest), 553);
    EXPECT_EQ(last_bottom(largest - 1), 577) << "one step less cuts it off";
}

TEST(TaskContent, IsTheTextAfterTheKind) {
    EXPECT_EQ(utf8(task_content(uni_widen("MC#Q?=T_a=b#"))), "Q?=T_a=b#");
    EXPECT_TRUE(task_content(uni_widen("MC")).empty());
}

} // namespace
} // namespace vimo
