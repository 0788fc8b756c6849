#include "dictionary/dictionary_layout.h"
#include "dictionary/dictionary_screen.h"
#include "dictionary_fixture.h"

#include <QWidget>
#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>

namespace vimo {
namespace {

using test::Word;
namespace list = dictionary_list;

struct Layouts {
    explicit Layouts(const std::vector<Word>& words) : dictionary(test::dictionary_lines(words)) {}

    std::vector<DictionaryText> full(int first = 0) const {
        return layout_full_list(dictionary.table, all(), first, measure);
    }
    std::vector<DictionaryText> small() const {
        return layout_small_list(dictionary.table, all(), test::uni("Nic"), measure);
    }
    std::vector<int> all() const {
        std::vector<int> results(static_cast<std::size_t>(dictionary.table.count()));
        std::iota(results.begin(), results.end(), 0);
        return results;
    }

    test::DictionaryCourse dictionary;
    QWidget device;
    QtDictionaryMeasure measure{device};
};

std::vector<std::string> texts_of(const std::vector<DictionaryText>& texts) {
    std::vector<std::string> shown;
    for (const DictionaryText& text : texts)
        shown.push_back(test::utf8(text.text));
    return shown;
}

const DictionaryText* find_text(const std::vector<DictionaryText>& texts, const std::string& word) {
    const auto found = std::find_if(texts.begin(), texts.end(), [&](const DictionaryText& t) {
        return test::utf8(t.text) == word;
    });
    return found == texts.end() ? nullptr : &*found;
}

TEST(DictionaryLayout, TheSecondFormFollowsTheHeadwordAfterAComma) {
    const Layouts layouts({{"cat", "kot", '1', "c", "cats"}, {"dog", "pies", '7', "d"}});
    EXPECT_EQ(test::utf8(shown_headword(layouts.dictionary.table.entry(0))), "cat, cats");
    EXPECT_EQ(texts_of(layouts.full()),
              (std::vector<std::string>{"cat, ", "cats ", "(s)", "kot", "dog ", "pies"}));
    const std::vector<DictionaryText> small = layouts.small();
    EXPECT_EQ(texts_of(small),
              (std::vector<std::string>{"cat, cats", "(s)", "kot", "dog", "pies"}));
    EXPECT_EQ(small[0].font, DictionaryFont::bold);
}

TEST(DictionaryLayout, TheLabelIsGreySmallAndAfterTheHeadword) {
    const Layouts layouts({{"cat", "kot", '1'}});
    const std::vector<DictionaryText> full = layouts.full();
    ASSERT_EQ(full.size(), 3u);
    const int headword_width = layouts.measure.width(test::uni("cat "), DictionaryFont::regular);
    EXPECT_EQ(full[1].font, DictionaryFont::label);
    EXPECT_EQ(full[1].x, headword_width + 4);
    EXPECT_EQ(full[1].y, 2);
    EXPECT_EQ(full[2].x, list::kColumn);
    EXPECT_EQ(full[2].y, 0);
}

TEST(DictionaryLayout, ItalicMarkersSwitchTheFontAndAreNotDrawn) {
    const Layouts layouts({{"bike", "rower <I> (potocznie) mówiąc </I> też", '1'}});
    const std::vector<DictionaryText> full = layouts.full();
    EXPECT_EQ(find_text(full, "<I>"), nullptr);
    EXPECT_EQ(find_text(full, "</I>"), nullptr);
    EXPECT_EQ(find_text(full, "rower")->font, DictionaryFont::regular);
    EXPECT_EQ(find_text(full, "(potocznie)")->font, DictionaryFont::italic);
    EXPECT_EQ(find_text(full, "mówiąc")->font, DictionaryFont::italic);
    EXPECT_EQ(find_text(full, "też")->font, DictionaryFont::regular);
    const DictionaryText& rower = *find_text(full, "rower");
    EXPECT_EQ(find_text(full, "(potocznie)")->x,
              rower.x + layouts.measure.width(rower.text, DictionaryFont::regular) +
                  list::kWordGap);
}

// A word wider than its column is drawn once, on a line of its own, and the layout ends.
TEST(DictionaryLayout, AWordWiderThanItsColumnTakesOneLineOfItsOwn) {
    const std::string long_headword(60, 'W');
    const std::string long_translation(90, 'M');
    const Layouts layouts({{"a " + long_headword + " b", "x " + long_translation + " y", '7'},
                           {long_headword, long_translation, '7'},
                           {"next", "dalej", '7'}});
    const std::vector<DictionaryText> full = layouts.full();
    ASSERT_GT(layouts.measure.width(test::uni(long_headword), DictionaryFont::regular),
              list::kColumn);
    ASSERT_GT(layouts.measure.width(test::uni(long_translation), DictionaryFont::regular),
              list::kFullWidth - list::kColumn);
    const std::vector<std::pair<std::string, std::pair<int, int>>> expected = {
        {"a ", {0, 0}},
        {long_headword + " ", {list::kIndent, 18}},
        {"b ", {list::kIndent, 36}},
        {"x", {list::kColumn, 0}},
        {long_translation, {list::kColumn, 18}},
        {"y", {list::kColumn, 36}},
        // The first word of each column stays on the entry's first line.
        {long_headword + " ", {0, 54}},
        {long_translation, {list::kColumn, 54}},
        {"next ", {0, 72}},
        {"dalej", {list::kColumn, 72}},
    };
    ASSERT_EQ(full.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(test::utf8(full[i].text), expected[i].first) << i;
        EXPECT_EQ(std::make_pair(full[i].x, full[i].y), expected[i].second) << i;
    }

    const std::vector<DictionaryText> small = layouts.small();
    EXPECT_EQ(std::count_if(
                  small.begin(), small.end(),
                  [&](const DictionaryText& t) { return test::utf8(t.text) == long_translation; }),
              2);
}

TEST(DictionaryLayout, TheFullListStopsBelowItsHeightAndStartsAtTheFirstVisibleResult) {
    std::vector<Word> words;
    for (int i = 1; i <= 20; ++i)
        words.push_back({"w" + std::to_string(i), "s", '7'});
    const Layouts layouts(words);
    const auto starts = [](const std::vector<DictionaryText>& texts) {
        std::vector<int> ys;
        for (const DictionaryText& text : texts) {
            if (text.x == 0) ys.push_back(text.y);
        }
        return ys;
    };
    // Entries start at 0, 18, ... 252; the next start, 270, lies below the list.
    const std::vector<int> ys = starts(layouts.full());
    ASSERT_EQ(ys.size(), 15u);
    EXPECT_EQ(ys.back(), 252);
    const std::vector<DictionaryText> scrolled = layouts.full(6);
    EXPECT_EQ(test::utf8(scrolled.front().text), "w7 ");
    EXPECT_EQ(starts(scrolled).size(), 14u);
}

TEST(DictionaryLayout, TheSmallWindowWithoutResultsShowsTheNothingFoundText) {
    const Layouts layouts({});
    const std::vector<DictionaryText> small =
        layout_small_list(layouts.dictionary.table, {}, test::uni("Brak"), layouts.measure);
    ASSERT_EQ(small.size(), 1u);
    EXPECT_EQ(test::utf8(small[0].text), "Brak");
    EXPECT_EQ(std::make_pair(small[0].x, small[0].y), std::make_pair(2, 0));
    EXPECT_EQ(small[0].font, DictionaryFont::bold);
}

TEST(DictionaryLayout, TheSmallWindowPutsTheTranslationBelowAndTheNextEntryBelowThat) {
    const Layouts layouts({{"bank", "bank", '1'}, {"bank", "brzeg", '3'}});
    const std::vector<DictionaryText> small = layouts.small();
    ASSERT_EQ(texts_of(small),
              (std::vector<std::string>{"bank", "(s)", "bank", "bank", "(v)", "brzeg"}));
    const int bold_width = layouts.measure.width(test::uni("bank"), DictionaryFont::bold);
    EXPECT_EQ(std::make_pair(small[1].x, small[1].y), std::make_pair(bold_width + 6, 2));
    EXPECT_EQ(std::make_pair(small[2].x, small[2].y), std::make_pair(0, 20));
    EXPECT_EQ(std::make_pair(small[3].x, small[3].y), std::make_pair(0, 40));
    EXPECT_EQ(std::make_pair(small[5].x, small[5].y), std::make_pair(0, 60));
}

} // namespace
} // namespace vimo
