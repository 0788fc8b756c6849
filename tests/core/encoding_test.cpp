#include "core/encoding.h"
#include "core/qt_text.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace vimo {
namespace {

using namespace std::string_literals;

// Failure messages name the case instead of dumping its bytes.
template <typename Case>
concept NamedCase = requires(const Case& c) {
    c.name;
};

template <NamedCase Case> void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

const std::string kReplacement = "\xEF\xBF\xBD"; // U+FFFD in UTF-8

struct LetterCase {
    const char* name;
    std::string cp1250;
    std::string utf8;
};

class PolishLetters : public testing::TestWithParam<LetterCase> {};

TEST_P(PolishLetters, ConvertToUtf8) {
    EXPECT_EQ(cp1250_to_utf8(GetParam().cp1250), GetParam().utf8);
}

TEST_P(PolishLetters, ConvertToTheCodePage) {
    EXPECT_EQ(utf8_to_cp1250(GetParam().utf8), GetParam().cp1250);
}

TEST_P(PolishLetters, ConvertToQString) {
    EXPECT_EQ(cp1250_to_qstring(GetParam().cp1250), QString::fromUtf8(GetParam().utf8));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PolishLetters,
    testing::Values(LetterCase{"a_ogonek", "\xB9", "ą"}, LetterCase{"l_stroke", "\xB3", "ł"},
                    LetterCase{"capital_l_stroke", "\xA3", "Ł"}, LetterCase{"s_acute", "\x9C", "ś"},
                    LetterCase{"z_dot", "\xBF", "ż"}, LetterCase{"z_acute", "\x9F", "ź"},
                    LetterCase{"word", "\xA3\xF3"s + "d\x9F", "Łódź"},
                    LetterCase{"ascii", "Lekcja 12=", "Lekcja 12="},
                    LetterCase{"euro_sign", "\x80", "€"}, LetterCase{"empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct LossyCase {
    const char* name;
    std::string input;
    std::string expected;
};

class ToUtf8Lossy : public testing::TestWithParam<LossyCase> {};

TEST_P(ToUtf8Lossy, UndefinedBytesBecomeTheReplacementCharacter) {
    EXPECT_EQ(cp1250_to_utf8(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToUtf8Lossy,
    testing::Values(LossyCase{"undefined_byte", "a\x98"s + "b", "a" + kReplacement + "b"},
                    LossyCase{"undefined_byte_alone", "\x98", kReplacement},
                    LossyCase{"several_undefined_bytes", "\x81\x83\x88\x90\x98",
                              kReplacement + kReplacement + kReplacement + kReplacement +
                                  kReplacement},
                    LossyCase{"letters_around", "\xB9\x98\xB3", "ą" + kReplacement + "ł"}),
    [](const auto& info) { return std::string(info.param.name); });

class ToCodePageLossy : public testing::TestWithParam<LossyCase> {};

TEST_P(ToCodePageLossy, CharactersTheCodePageCannotHoldBecomeAQuestionMark) {
    EXPECT_EQ(utf8_to_cp1250(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToCodePageLossy,
    testing::Values(LossyCase{"cjk_character", "a日b", "a?b"},
                    LossyCase{"four_byte_character", "x😀y", "x?y"},
                    LossyCase{"between_polish_letters", "ą日ł", "\xB9?\xB3"},
                    LossyCase{"cyrillic", "Да", "??"},
                    LossyCase{"stray_continuation_byte", "a\x80"s + "b", "a?b"},
                    LossyCase{"truncated_sequence_in_the_middle", "a\xE6\x97"s + "b", "a?b"},
                    LossyCase{"truncated_sequence_at_the_end", "ab\xC5", "ab?"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Encoding, LongTextsConvertWhole) {
    // The euro sign takes three UTF-8 bytes for one code-page byte, more than any first
    // guess at the output size.
    const std::string cp1250(10000, '\x80');
    std::string utf8;
    for (int i = 0; i < 10000; ++i)
        utf8 += "€";
    EXPECT_EQ(cp1250_to_utf8(cp1250), utf8);
    EXPECT_EQ(utf8_to_cp1250(utf8), cp1250);

    std::string replacements;
    for (int i = 0; i < 10000; ++i)
        replacements += kReplacement;
    EXPECT_EQ(cp1250_to_utf8(std::string(10000, '\x98')), replacements);
}

} // namespace
} // namespace vimo
