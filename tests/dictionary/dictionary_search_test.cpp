#include "dictionary/dictionary.h"
#include "dictionary_fixture.h"
#include "support/named_case.h"

#include <gtest/gtest.h>

namespace vimo {
namespace {

using test::Word;

VIMO_PRINT_CASES_BY_NAME()

// The word-mode dictionary of the example: phrases, single words and capitals mixed.
const std::vector<Word> kCaWords = {
    {"cable car"}, {"ca"}, {"car"}, {"cat"}, {"Carl"}, {"old cat"}, {"big car"}, {"New York"},
};

// Translation mode: Polish keys. "šódź" is what a fold of the bytes of "Łódź" would
// give (Ł is 41 01, and 41 is the byte of A), so it must never match.
const std::vector<Word> kPolishWords = {
    {"boat", "łódź"},        {"Lodz", "Łódź"},        {"sch", "šódź"},
    {"small boat", "łódka"}, {"city", "miasto łódź"}, {"bike", "rower <I> (potocznie) </I>"},
};

// The small window's dictionary.
const std::vector<Word> kSmallWords = {
    {"house", "dom"},  {"box", "pudełko"},   {"es", "litera s"},    {"bank", "bank"},
    {"bank", "brzeg"}, {"bank", "bankować"}, {"dress", "sukienka"}, {"Mr.", "pan"},
};

struct SearchCase {
    const char* name;
    const std::vector<Word>* words;
    std::string query;
    int mode;
    DictionaryChecks checks;
    std::vector<std::string> expected; // the headwords of the results, in order
};

class DictionarySearch : public testing::TestWithParam<SearchCase> {};

std::vector<std::string> headwords(const DictionaryTable& table, const std::vector<int>& found) {
    std::vector<std::string> shown;
    for (const int index : found)
        shown.push_back(test::utf8(table.entry(index).headword));
    return shown;
}

TEST_P(DictionarySearch, ListsTheEntriesInDisplayOrder) {
    const SearchCase& c = GetParam();
    const test::DictionaryCourse dictionary(test::dictionary_lines(*c.words));
    ASSERT_FALSE(dictionary.problems.has_errors());
    const std::vector<int> found =
        slownik_search(dictionary.table, std::nullopt, test::uni(c.query), c.mode, c.checks);
    EXPECT_EQ(headwords(dictionary.table, found), c.expected);
}

constexpr DictionaryChecks kWords{};
constexpr DictionaryChecks kWholeWords{false, true};
constexpr DictionaryChecks kTranslations{true, false};
constexpr DictionaryChecks kWholeTranslations{true, true};

INSTANTIATE_TEST_SUITE_P(
    Tables, DictionarySearch,
    testing::Values(
        // Exact, then longer words, then phrases: those beginning with the query first,
        // the rest by their key with A-Z lower-cased.
        SearchCase{"ca_all_orders",
                   &kCaWords,
                   "ca",
                   kFullWindow,
                   kWords,
                   {"ca", "car", "cat", "Carl", "cable car", "big car", "old cat"}},
        SearchCase{"ca_whole_words", &kCaWords, "ca", kFullWindow, kWholeWords, {"ca"}},
        SearchCase{"query_is_folded_and_trimmed",
                   &kCaWords,
                   "  CA ",
                   kFullWindow,
                   kWords,
                   {"ca", "car", "cat", "Carl", "cable car", "big car", "old cat"}},
        SearchCase{"car_sorts_other_phrases",
                   &kCaWords,
                   "car",
                   kFullWindow,
                   kWords,
                   {"car", "Carl", "big car", "cable car"}},
        // Phrase words are compared as written: "New" does not begin with "new".
        SearchCase{"new_lists_no_capital_phrase", &kCaWords, "new", kFullWindow, kWords, {}},
        SearchCase{"exact_phrase", &kCaWords, "new york", kFullWindow, kWords, {"New York"}},
        // A query with a space begins no word: only the exact key is found.
        SearchCase{"query_with_a_space", &kCaWords, "old c", kFullWindow, kWords, {}},
        SearchCase{
            "query_with_a_space_exact", &kCaWords, "old cat", kFullWindow, kWords, {"old cat"}},
        SearchCase{"empty_query", &kCaWords, "", kFullWindow, kWords, {}},
        SearchCase{"blank_query", &kCaWords, "   ", kFullWindow, kWords, {}},
        SearchCase{"polish_query_folds_per_character",
                   &kPolishWords,
                   "Łódź",
                   kFullWindow,
                   kTranslations,
                   {"boat", "Lodz", "city"}},
        SearchCase{"polish_whole_words",
                   &kPolishWords,
                   "ŁÓDŹ",
                   kFullWindow,
                   kWholeTranslations,
                   {"boat", "Lodz"}},
        SearchCase{"polish_longer_word",
                   &kPolishWords,
                   "łód",
                   kFullWindow,
                   kTranslations,
                   {"boat", "Lodz", "small boat", "city"}},
        SearchCase{"byte_fold_look_alike_found_only_as_itself",
                   &kPolishWords,
                   "šódź",
                   kFullWindow,
                   kTranslations,
                   {"sch"}},
        SearchCase{
            "word_mode_ignores_translations", &kPolishWords, "łódź", kFullWindow, kWords, {}},
        SearchCase{"phrase_word_after_markup",
                   &kPolishWords,
                   "(poto",
                   kFullWindow,
                   kTranslations,
                   {"bike"}},
        // The small window: headwords only, at most two, a plural's "s" and "es" dropped.
        SearchCase{"small_plural_s", &kSmallWords, "houses", kSmallWindow, kWords, {"house"}},
        SearchCase{"small_plural_es", &kSmallWords, "boxes", kSmallWindow, kWords, {"box"}},
        SearchCase{"small_es_finds_nothing", &kSmallWords, "es", kSmallWindow, kWords, {}},
        SearchCase{"small_es_folded", &kSmallWords, "ES", kSmallWindow, kWords, {}},
        SearchCase{"small_folds_capitals", &kSmallWords, "House", kSmallWindow, kWords, {"house"}},
        SearchCase{"small_first_two_of_three",
                   &kSmallWords,
                   "bank",
                   kSmallWindow,
                   kWords,
                   {"bank", "bank"}},
        SearchCase{"small_ignores_translation_mode",
                   &kSmallWords,
                   "house",
                   kSmallWindow,
                   kTranslations,
                   {"house"}},
        SearchCase{"small_word_ending_in_s_kept_when_found",
                   &kSmallWords,
                   "dress",
                   kSmallWindow,
                   kWords,
                   {"dress"}},
        SearchCase{"small_e_dropped_only_after_s", &kSmallWords, "boxe", kSmallWindow, kWords, {}},
        SearchCase{"small_no_match", &kSmallWords, "cats", kSmallWindow, kWords, {}},
        SearchCase{"small_lone_s", &kSmallWords, "s", kSmallWindow, kWords, {}},
        // A right-clicked word brings the punctuation of its sentence.
        SearchCase{
            "small_full_stop_dropped", &kSmallWords, "house.", kSmallWindow, kWords, {"house"}},
        SearchCase{"small_marks_on_both_sides",
                   &kSmallWords,
                   "(\"boxes!\")",
                   kSmallWindow,
                   kWords,
                   {"box"}},
        SearchCase{"small_own_full_stop_kept", &kSmallWords, "Mr.", kSmallWindow, kWords, {"Mr."}},
        SearchCase{"small_es_with_a_comma", &kSmallWords, "es,", kSmallWindow, kWords, {}},
        SearchCase{"small_punctuation_alone", &kSmallWords, "?", kSmallWindow, kWords, {}}),
    [](const testing::TestParamInfo<SearchCase>& info) { return std::string(info.param.name); });

TEST(DictionarySearchSmall, ThreeEqualHeadwordsGiveTheFirstTwoEntries) {
    const test::DictionaryCourse dictionary(test::dictionary_lines(kSmallWords));
    const std::vector<int> found =
        slownik_search(dictionary.table, std::nullopt, test::uni("bank"), kSmallWindow, {});
    EXPECT_EQ(found, (std::vector<int>{3, 4}));
}

TEST(DictionarySearchLetter, ListsTheEntriesFiledUnderTheLetterInFileOrder) {
    const test::DictionaryCourse dictionary(test::dictionary_lines({
        {"apple", "jabłko", '1', "a"},
        {"Xylophone", "ksylofon", '1', "X"},
        {"24/7", "całą dobę", '6', "1"},
        {"ant", "mrówka", '1', " A "},
        {"axe", "siekiera", '1', "ab"},
    }));
    const auto letter = [&](char16_t l) {
        return headwords(dictionary.table,
                         slownik_search(dictionary.table, l, {}, kFullWindow, kTranslations));
    };
    EXPECT_EQ(letter(u'a'), (std::vector<std::string>{"apple", "ant"}));
    EXPECT_EQ(letter(u'x'), (std::vector<std::string>{"Xylophone"}));
    EXPECT_EQ(letter(kOtherEntriesLetter), (std::vector<std::string>{"24/7"}));
    EXPECT_TRUE(letter(u'b').empty());
}

TEST(DictionaryFold, FoldsLatinAndPolishCapitalsPerCodeUnitOnly) {
    EXPECT_EQ(dictionary_fold(u"ĄĆĘŁŃÓŚŹŻ"), u"ąćęłńóśźż");
    EXPECT_EQ(dictionary_fold(u"AZaz"), u"azaz");
    // Other capitals, and characters whose low byte is the code of a capital, stay.
    EXPECT_EQ(dictionary_fold(u"ÄÖÜÉÑ"), u"ÄÖÜÉÑ");
    EXPECT_EQ(dictionary_fold(u"\u0141\u0441\u4E41"), u"\u0142\u0441\u4E41");
}

} // namespace
} // namespace vimo
