#include "core/qt_text.h"
#include "exercises/tasks/true_false.h"
#include "support/fixed_sources.h"
#include "support/task_text.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace vimo {
namespace {

using test::utf8;

const std::string kLine =
    "TF#Prawda#True#Wahr#Verdadero#Fałsz#False#Falsch#Falso#T_Sky is blue#Snow is black#";

TEST(TfParse, TitlesFollowTheInterfaceLanguage) {
    const std::pair<int, std::pair<std::string, std::string>> cases[] = {
        {0, {"Prawda", "Fałsz"}},
        {1, {"True", "False"}},
        {2, {"Wahr", "Falsch"}},
        {3, {"Prawda", "Fałsz"}}, // no titles of its own: those of language 0
        {4, {"Verdadero", "Falso"}}};
    for (const auto& [language, titles] : cases) {
        const TfContent content =
            parse_true_false(qstring_to_uni(QString::fromStdString(kLine)), language);
        EXPECT_EQ(utf8(content.true_title), titles.first) << language;
        EXPECT_EQ(utf8(content.false_title), titles.second) << language;
    }
}

TEST(TfParse, StatementsUntilTheFirstEmptyFieldAndAtMost18) {
    const TfContent content =
        parse_true_false(qstring_to_uni(QString::fromStdString(kLine + "#Not read#")), 0);
    ASSERT_EQ(content.statements.size(), 2u);
    EXPECT_EQ(utf8(content.statements[0].text), "Sky is blue");
    EXPECT_TRUE(content.statements[0].is_true);
    EXPECT_FALSE(content.statements[1].is_true);

    std::string many = "TF#a#b#c#d#e#f#g#h";
    for (int i = 1; i <= 20; ++i)
        many += "#S" + std::to_string(i);
    EXPECT_EQ(parse_true_false(uni_widen(many), 0).statements.size(), 18u);
}

TEST(TfShuffle, TruthTravelsWithItsStatement) {
    for (int seed = 0; seed < 10; ++seed) {
        TfContent content = parse_true_false(qstring_to_uni(QString::fromStdString(kLine)), 0);
        test::ScriptedRandom random({seed, seed + 3, 2 * seed + 1});
        shuffle_statements(content.statements, random);
        for (const TfStatement& s : content.statements)
            EXPECT_EQ(s.is_true, utf8(s.text) == "Sky is blue");
    }
}

struct TfShuffleCase {
    const char* name;
    const char* statements; // fields 10 onward
    std::vector<int> script;
    std::vector<std::string> order;
    std::vector<bool> truth;
    std::string calls;
};

TEST(TfShuffle, ScriptedDrawsGiveTheseOrders) {
    // As many swaps as statements; each draws below(n), then below(n - 1) among the
    // other positions.
    const TfShuffleCase cases[] = {
        {"three statements: (3,1), then (1,2) twice",
         "T_s1#s2#s3",
         {2, 0, 0, 0, 0, 0},
         {"s3", "s2", "s1"},
         {false, false, true},
         "dddddd"},
        {"four statements: (4,1), (2,4), (1,2), (3,4)",
         "T_a#b#T_c#d",
         {3, 0, 1, 2, 0, 0, 2, 2},
         {"a", "d", "b", "c"},
         {true, false, false, true},
         "dddddddd"},
        // Both swaps exchange the only pair: two statements keep their order.
        {"two statements", "T_a#b", {1}, {"a", "b"}, {true, false}, "dddd"},
        {"one statement: nothing is drawn", "T_x", {1}, {"x"}, {true}, ""},
    };
    for (const TfShuffleCase& c : cases) {
        SCOPED_TRACE(c.name);
        TfContent content =
            parse_true_false(uni_widen(std::string("TF#P#P#P#P#F#F#F#F#") + c.statements), 0);
        test::ScriptedRandom random(c.script);
        shuffle_statements(content.statements, random);
        std::vector<std::string> order;
        std::vector<bool> truth;
        for (const TfStatement& statement : content.statements) {
            order.push_back(utf8(statement.text));
            truth.push_back(statement.is_true);
        }
        EXPECT_EQ(order, c.order);
        EXPECT_EQ(truth, c.truth);
        EXPECT_EQ(random.calls(), c.calls);
    }
}

TEST(TfLoad, ReseedsOnceBeforeTheDraws) {
    TrueFalse tf;
    test::ScriptedRandom random({0});
    const UniString line = uni_widen("TF#P#P#P#P#F#F#F#F#T_a#b#c");
    tf.load(line, 0, random);
    const std::string one_loading = "R" + std::string(6, 'd'); // 3 swaps, 2 draws each
    EXPECT_EQ(random.calls(), one_loading);
    tf.load(line, 0, random);
    EXPECT_EQ(random.calls(), one_loading + one_loading);
}

// Titles 8 pixels a unit (bold), statement words 7; pictures 18 high.
int title_width(const UniString& title) {
    return uni_unit_count(title) * 8;
}
int word_width(const UniString& word) {
    return uni_unit_count(word) * 7;
}

TfContent titled(const char* true_title, const char* false_title,
                 std::vector<const char*> statements = {}) {
    TfContent content{qstring_to_uni(QString::fromUtf8(true_title)),
                      qstring_to_uni(QString::fromUtf8(false_title)),
                      {}};
    for (const char* statement : statements)
        content.statements.push_back({uni_widen(statement), false});
    return content;
}

struct TfColumnsCase {
    const char* name;
    const char* true_title;
    const char* false_title;
    int columns_width; // W = 2 * the wider title + 10
    int middle;        // W div 2
    int true_title_x;
    int false_title_x;
};

TEST(TfLayout, ColumnsFollowTheWiderTitle) {
    const TfColumnsCase cases[] = {
        {"true title wider", "Prawda", "Fałsz", 106, 53, 3, 60},
        {"false title wider", "T", "False", 90, 45, 19, 48},
        {"equal titles", "ab", "cd", 42, 21, 3, 24},
        {"titles are measured trimmed", " Tak ", "Nie", 58, 29, 3, 32},
        {"no titles", "", "", 10, 5, 3, 8},
    };
    for (const TfColumnsCase& c : cases) {
        SCOPED_TRACE(c.name);
        const TfLayout layout = layout_true_false(titled(c.true_title, c.false_title), 400, 18,
                                                  title_width, word_width);
        EXPECT_EQ(layout.columns_width, c.columns_width);
        EXPECT_EQ(layout.middle, c.middle);
        EXPECT_EQ(layout.true_title_x, c.true_title_x);
        EXPECT_EQ(layout.false_title_x, c.false_title_x);
        EXPECT_EQ(layout.end_y, 26) << "no statements";
    }
}

using TfPlace = std::tuple<int, int, std::string>; // x, y, word

struct TfStatementsCase {
    const char* name;
    int width;
    int box_height;
    std::vector<TfPlace> words;
    std::vector<int> box_tops;
    int end_y;
};

TEST(TfLayout, StatementsRightOfTheColumnsAndTheirBoxes) {
    // W = 106, so the words start at 111; 17 pixels within a statement, 24 after it; the
    // boxes sit (last line + 24 - first line) div 2 - box div 2 - 5 below the first line.
    const std::vector<TfPlace> one_line_each{{111, 26, "Sky"},  {135, 26, "is"},
                                             {152, 26, "blue"}, {111, 50, "Snow"},
                                             {142, 50, "is"},   {159, 50, "black"}};
    const TfStatementsCase cases[] = {
        {"one line each", 400, 18, one_line_each, {24, 48}, 74},
        {"17-pixel boxes sit a pixel lower", 400, 17, one_line_each, {25, 49}, 74},
        {"wrapped, a word ending on the border stays",
         156,
         18,
         {{111, 26, "Sky"},
          {135, 26, "is"},
          {111, 43, "blue"},
          {111, 67, "Snow"},
          {142, 67, "is"},
          {111, 84, "black"}},
         {32, 73},
         108},
        {"a pixel narrower: three lines",
         155,
         18,
         {{111, 26, "Sky"},
          {135, 26, "is"},
          {111, 43, "blue"},
          {111, 67, "Snow"},
          {111, 84, "is"},
          {111, 101, "black"}},
         {32, 82},
         125},
    };
    for (const TfStatementsCase& c : cases) {
        SCOPED_TRACE(c.name);
        const TfLayout layout =
            layout_true_false(titled("Prawda", "Fałsz", {"Sky is blue", "Snow is black"}), c.width,
                              c.box_height, title_width, word_width);
        std::vector<TfPlace> words;
        for (const TfWord& word : layout.words)
            words.emplace_back(word.x, word.y, utf8(word.text));
        EXPECT_EQ(words, c.words);
        EXPECT_EQ(layout.box_tops, c.box_tops);
        EXPECT_EQ(layout.end_y, c.end_y);
    }
}

class TfChecking : public ::testing::Test {
protected:
    void load(const std::string& line) {
        test::ScriptedRandom random({0});
        tf.load(uni_widen(line), 0, random);
    }
    int index_of(bool is_true) const {
        const auto& statements = tf.content().statements;
        for (std::size_t i = 0; i < statements.size(); ++i)
            if (statements[i].is_true == is_true) return static_cast<int>(i);
        return -1;
    }
    TrueFalse tf;
};

TEST_F(TfChecking, TheLastTickOfAStatementCounts) {
    load("TF#P#T#W#V#F#F#F#F#T_Sky#Snow");
    const int sky = index_of(true);
    ASSERT_TRUE(tf.choose(sky, false));
    ASSERT_TRUE(tf.choose(sky, true));
    EXPECT_TRUE(tf.choice(sky).true_chosen);
    EXPECT_FALSE(tf.choice(sky).false_chosen);
    tf.check();
    EXPECT_EQ(tf.result(sky), TfResult::right);
    EXPECT_EQ(tf.result(index_of(false)), TfResult::nothing_chosen);
    EXPECT_EQ(tf.attempt().score(), 50);
    EXPECT_FALSE(tf.choose(sky, false)) << "frozen after checking";
}

TEST_F(TfChecking, NothingTickedScoresZero) {
    load("TF#P#T#W#V#F#F#F#F#T_a#b#c");
    tf.check();
    EXPECT_EQ(tf.attempt().score(), 0);
    EXPECT_TRUE(tf.attempt().checked);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(tf.result(i), TfResult::nothing_chosen);
}

TEST_F(TfChecking, EighteenStatementsNineRightScore50) {
    std::string line = "TF#P#T#W#V#F#F#F#F";
    for (int i = 0; i < 18; ++i)
        line += i % 2 ? "#T_s" : "#s";
    load(line);
    for (int i = 0; i < 18; ++i) {
        const bool is_true = tf.content().statements[static_cast<std::size_t>(i)].is_true;
        tf.choose(i, i < 9 ? is_true : !is_true);
    }
    tf.check();
    EXPECT_EQ(tf.attempt().correct, 9);
    EXPECT_EQ(tf.attempt().score(), 50);
    EXPECT_EQ(tf.result(17), TfResult::wrong_column);
}

} // namespace
} // namespace vimo
