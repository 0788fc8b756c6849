#include "core/qt_text.h"
#include "exercises/tasks/true_false.h"
#include "support/fixed_sources.h"

#include <gtest/gtest.h>

namespace vimo {
namespace {

std::string text(const UniString& uni) {
    return uni_to_qstring(uni).toStdString();
}

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
        EXPECT_EQ(text(content.true_title), titles.first) << language;
        EXPECT_EQ(text(content.false_title), titles.second) << language;
    }
}

TEST(TfParse, StatementsUntilTheFirstEmptyFieldAndAtMost18) {
    const TfContent content =
        parse_true_false(qstring_to_uni(QString::fromStdString(kLine + "#Not read#")), 0);
    ASSERT_EQ(content.statements.size(), 2u);
    EXPECT_EQ(text(content.statements[0].text), "Sky is blue");
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
            EXPECT_EQ(s.is_true, text(s.text) == "Sky is blue");
    }
    std::vector<TfStatement> one{{uni_widen("x"), true}};
    test::ScriptedRandom random({1});
    shuffle_statements(one, random); // a single statement stays as it is
    EXPECT_EQ(one.size(), 1u);
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
