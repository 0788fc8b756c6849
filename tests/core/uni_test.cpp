#include "core/qt_text.h"
#include "core/uni.h"
#include "support/named_case.h"

#include <climits>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace vimo {
namespace {

VIMO_PRINT_CASES_BY_NAME()

using namespace std::string_literals;

// The UTF-16LE bytes of a wide literal, for non-ASCII test text.
UniString u16(std::u16string_view text) {
    UniString bytes;
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

// The trailing U+0000 unit of a line read from a course text file.
const std::string kLineEnd = "\0\0"s;

TEST(UniWiden, PutsAZeroByteAfterEveryByte) {
    EXPECT_EQ(uni_widen(""), "");
    EXPECT_EQ(uni_widen("abc"), "a\0b\0c\0"s);
    EXPECT_EQ(uni_widen("\xB9"), "\xB9\0"s);
}

struct FindCase {
    const char* name;
    int k;
    std::string haystack;
    std::string needle;
    bool widen;
    int expected;
};

class UniFind : public testing::TestWithParam<FindCase> {};

TEST_P(UniFind, GivesTheUnitPositionOfTheMatch) {
    const FindCase& c = GetParam();
    EXPECT_EQ(uni_find(c.k, c.haystack, c.needle, c.widen), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UniFind,
    testing::Values(
        FindCase{"widened_needle_at_start", 1, uni_widen("<B>x"), "<", true, 1},
        FindCase{"missing_needle", 1, uni_widen("<B>x"), "#", true, -1},
        FindCase{"later_match", 1, uni_widen("ab=cd"), "=", true, 3},
        FindCase{"start_skips_earlier_match", 2, uni_widen("<a<"), "<", true, 3},
        FindCase{"match_at_start_unit", 3, uni_widen("<a<"), "<", true, 3},
        FindCase{"start_below_one_searches_from_start", 0, uni_widen("<a"), "<", true, 1},
        FindCase{"negative_start", -7, uni_widen("<a"), "<", true, 1},
        FindCase{"start_beyond_end", 4, uni_widen("<a<"), "<", true, -1},
        FindCase{"start_far_beyond_end", INT_MAX, uni_widen("<a<"), "<", true, -1},
        FindCase{"raw_byte_pattern", 1, uni_widen("a#b"), "#\0"s, false, 2},
        // The unwidened "a" also matches the high byte "a" of U+6100.
        FindCase{"match_on_a_high_byte_counts_from_next_unit", 1, "\0a\0\0"s, "a", false, 2},
        FindCase{"empty_needle", 1, uni_widen("ab"), "", true, -1},
        FindCase{"empty_haystack", 1, "", "<", true, -1}),
    [](const auto& info) { return std::string(info.param.name); });

struct InsertCase {
    const char* name;
    std::string target;
    std::string inserted;
    int k;
    std::string expected;
};

class UniInsert : public testing::TestWithParam<InsertCase> {};

TEST_P(UniInsert, InsertsBeforeTheUnit) {
    const InsertCase& c = GetParam();
    UniString target = c.target;
    uni_insert(c.inserted, target, c.k);
    EXPECT_EQ(target, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UniInsert,
    testing::Values(
        InsertCase{"before_first", uni_widen("ab"), uni_widen("<"), 1, uni_widen("<ab")},
        InsertCase{"in_the_middle", uni_widen("ab"), uni_widen("<B>"), 2, uni_widen("a<B>b")},
        InsertCase{"after_last", uni_widen("ab"), uni_widen(">"), 3, uni_widen("ab>")},
        InsertCase{"beyond_end_appends", uni_widen("ab"), uni_widen(">"), 9, uni_widen("ab>")},
        InsertCase{"far_beyond_end_appends", uni_widen("ab"), uni_widen(">"), INT_MAX,
                   uni_widen("ab>")},
        InsertCase{"below_one_prepends", uni_widen("ab"), uni_widen("<"), -3, uni_widen("<ab")},
        InsertCase{"into_empty", "", uni_widen("x"), 5, uni_widen("x")}),
    [](const auto& info) { return std::string(info.param.name); });

struct RangeCase {
    const char* name;
    std::string s;
    int k;
    int n;
    std::string copied;
    std::string narrowed;
};

class UniRange : public testing::TestWithParam<RangeCase> {};

TEST_P(UniRange, CopyTakesTheUnitsUnchanged) {
    const RangeCase& c = GetParam();
    EXPECT_EQ(uni_copy(c.s, c.k, c.n), c.copied);
}

TEST_P(UniRange, NarrowKeepsTheirNonzeroBytes) {
    const RangeCase& c = GetParam();
    EXPECT_EQ(uni_narrow(c.s, c.k, c.n), c.narrowed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UniRange,
    testing::Values(RangeCase{"middle", uni_widen("abcde"), 2, 3, uni_widen("bcd"), "bcd"},
                    RangeCase{"whole", uni_widen("ab"), 1, 2, uni_widen("ab"), "ab"},
                    RangeCase{"cut_at_end", uni_widen("abc"), 2, 10, uni_widen("bc"), "bc"},
                    RangeCase{"count_overflowing_int_is_cut", uni_widen("abc"), 2, INT_MAX,
                              uni_widen("bc"), "bc"},
                    RangeCase{"dangling_byte_at_end", uni_widen("ab") + "c", 2, 2, "b\0c"s, "bc"},
                    RangeCase{"start_beyond_end", uni_widen("abc"), 4, 1, "", ""},
                    RangeCase{"start_far_beyond_end", uni_widen("abc"), INT_MAX, 1, "", ""},
                    RangeCase{"start_below_one_counts_from_start", uni_widen("abc"), 0, 2,
                              uni_widen("ab"), "ab"},
                    RangeCase{"zero_count", uni_widen("abc"), 1, 0, "", ""},
                    RangeCase{"negative_count", uni_widen("abc"), 1, -1, "", ""},
                    RangeCase{"read_line_end_is_dropped_by_narrow", uni_widen("12") + kLineEnd, 1,
                              3, uni_widen("12") + kLineEnd, "12"},
                    // Ł is U+0141: both bytes are nonzero, so narrowing yields two characters.
                    RangeCase{"unit_with_two_nonzero_bytes", u16(u"aŁb"), 2, 1, u16(u"Ł"),
                              "\x41\x01"}),
    [](const auto& info) { return std::string(info.param.name); });

struct DeleteCase {
    const char* name;
    std::string target;
    int k;
    int m;
    std::string expected;
};

class UniDelete : public testing::TestWithParam<DeleteCase> {};

TEST_P(UniDelete, RemovesBytesFromTheUnit) {
    const DeleteCase& c = GetParam();
    UniString target = c.target;
    uni_delete(target, c.k, c.m);
    EXPECT_EQ(target, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UniDelete,
    testing::Values(
        DeleteCase{"one_unit", uni_widen("a<b"), 2, 2, uni_widen("ab")},
        DeleteCase{"bold_tag", uni_widen("x<B>y"), 2, 6, uni_widen("xy")},
        DeleteCase{"closing_bold_tag", uni_widen("x</B>y"), 2, 8, uni_widen("xy")},
        DeleteCase{"first_unit", uni_widen("ab"), 1, 2, uni_widen("b")},
        DeleteCase{"count_cut_at_end", uni_widen("abc"), 2, 100, uni_widen("a")},
        DeleteCase{"odd_count_leaves_a_dangling_byte", uni_widen("ab"), 1, 3, "\0"s},
        DeleteCase{"start_beyond_end_deletes_nothing", uni_widen("ab"), 3, 2, uni_widen("ab")},
        DeleteCase{"start_far_beyond_end", uni_widen("ab"), INT_MAX, 2, uni_widen("ab")},
        DeleteCase{"start_below_one_deletes_nothing", uni_widen("ab"), 0, 2, uni_widen("ab")},
        DeleteCase{"negative_count_deletes_nothing", uni_widen("ab"), 1, -2, uni_widen("ab")}),
    [](const auto& info) { return std::string(info.param.name); });

struct TrimCase {
    const char* name;
    std::string s;
    std::string expected;
};

class UniTrim : public testing::TestWithParam<TrimCase> {};

TEST_P(UniTrim, StripsBlanksAsWholeUnits) {
    EXPECT_EQ(uni_trim(GetParam().s), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UniTrim,
    testing::Values(TrimCase{"read_line_with_spaces", uni_widen("  x ") + kLineEnd, uni_widen("x")},
                    // What a field cut with the 8-bit helpers right after a "=" byte looks like.
                    TrimCase{"field_starting_with_stray_zero", "\0A\0B\0"s, uni_widen("AB")},
                    TrimCase{"inner_spaces_stay", uni_widen(" a b\t") + kLineEnd, uni_widen("a b")},
                    TrimCase{"empty", "", "\0"s},
                    TrimCase{"only_blanks", uni_widen(" \r\n") + kLineEnd, "\0"s},
                    // 0xE9 is negative as a signed char and must still count as text.
                    TrimCase{"byte_above_127_is_text", u16(u"é") + kLineEnd, u16(u"é")},
                    // Ć (06 01), ę (19 01), ł (42 01): bytes <= 32 inside a character are
                    // not blanks, so Polish letters at the edges survive.
                    TrimCase{"polish_letters_at_both_edges",
                             uni_widen(" ") + u16(u"Ćmę") + kLineEnd, u16(u"Ćmę")},
                    TrimCase{"last_high_byte_is_kept", u16(u"ul. Miła  ") + kLineEnd,
                             u16(u"ul. Miła")},
                    // A field cut right before a separator byte lacks its last high byte.
                    TrimCase{"field_cut_before_a_separator", "A\0B"s, uni_widen("AB")},
                    TrimCase{"cut_on_both_sides", "\0A\0B"s, uni_widen("AB")},
                    TrimCase{"display_name_value", "\0" + u16(u"Żółw") + kLineEnd, u16(u"Żółw")}),
    [](const auto& info) { return std::string(info.param.name); });

struct BlankCase {
    const char* name;
    std::string s;
    bool blank;
};

class UniIsBlank : public testing::TestWithParam<BlankCase> {};

TEST_P(UniIsBlank, HoldsNoCharacter) {
    EXPECT_EQ(uni_is_blank(GetParam().s), GetParam().blank);
}

// One definition with uni_trim: blank exactly when trimming leaves nothing.
TEST_P(UniIsBlank, AgreesWithTrim) {
    EXPECT_EQ(uni_is_blank(GetParam().s), uni_trim(GetParam().s) == "\0"s);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UniIsBlank,
    testing::Values(BlankCase{"empty", "", true}, BlankCase{"spaces", uni_widen("   "), true},
                    BlankCase{"control_units", uni_widen("\t\r\n"), true},
                    BlankCase{"the_u0000_unit", "\0\0"s, true},
                    BlankCase{"spaces_and_a_read_line_end", uni_widen("  ") + kLineEnd, true},
                    BlankCase{"what_trim_gives_for_blanks", "\0"s, true},
                    BlankCase{"a_letter", uni_widen("a"), false},
                    BlankCase{"a_letter_among_blanks", uni_widen(" a ") + kLineEnd, false},
                    // Low bytes up to 32 with a nonzero high byte are letters.
                    BlankCase{"letter_with_a_space_low_byte", u16(u"\u0120"), false},
                    BlankCase{"letter_with_a_control_low_byte", u16(u"\u0106"), false},
                    BlankCase{"no_break_space_is_no_blank", u16(u"\u00A0"), false},
                    // A trailing odd byte is a unit whose zero high byte was cut off.
                    BlankCase{"trailing_odd_blank_byte", uni_widen(" ") + "\t", true},
                    BlankCase{"trailing_odd_letter_byte", uni_widen(" ") + "x", false},
                    BlankCase{"lone_odd_letter_byte", "x", false},
                    BlankCase{"lone_odd_space_byte", " ", true},
                    // A field cut after a separator's low byte starts with a stray zero.
                    BlankCase{"stray_zero_before_spaces", "\0 \0 \0"s, true},
                    BlankCase{"stray_zero_before_a_letter", "\0A\0"s, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct UnitsCase {
    const char* name;
    std::string s;
    std::u16string units;
};

class UniUnits : public testing::TestWithParam<UnitsCase> {};

TEST_P(UniUnits, CountsAndReadsWholeUnits) {
    const UnitsCase& c = GetParam();
    const int count = uni_unit_count(c.s);
    ASSERT_EQ(count, static_cast<int>(c.units.size()));
    for (int k = 1; k <= count; ++k)
        EXPECT_EQ(static_cast<int>(uni_unit_at(c.s, k)),
                  static_cast<int>(c.units[static_cast<std::size_t>(k - 1)]))
            << "unit " << k;
    // Positions outside the units read as U+0000, like the end of a painted string.
    EXPECT_EQ(uni_unit_at(c.s, 0), u'\0');
    EXPECT_EQ(uni_unit_at(c.s, -1), u'\0');
    EXPECT_EQ(uni_unit_at(c.s, count + 1), u'\0');
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UniUnits,
    testing::Values(UnitsCase{"empty", "", u""}, UnitsCase{"ascii", uni_widen("a#"), u"a#"},
                    // The high byte counts: Ł is U+0141, not "A".
                    UnitsCase{"both_bytes", u16(u"\u0141\u0120"), u"\u0141\u0120"},
                    // Bytes above 127 are not sign-extended.
                    UnitsCase{"high_bytes", u16(u"\u00E9\uFEFF"), u"\u00E9\uFEFF"},
                    UnitsCase{"read_line_end", uni_widen("x") + kLineEnd, u"x\0"s},
                    UnitsCase{"dangling_byte_is_no_unit", uni_widen("ab") + "c", u"ab"},
                    UnitsCase{"lone_byte", "c", u""}),
    [](const auto& info) { return std::string(info.param.name); });

struct FieldCase {
    const char* name;
    int n;
    std::string s;
    char16_t separator;
    std::string expected;
};

class UniField : public testing::TestWithParam<FieldCase> {};

TEST_P(UniField, CutsTheNthField) {
    const FieldCase& c = GetParam();
    EXPECT_EQ(uni_field(c.n, c.s, c.separator), c.expected);
}

const std::string kReadLine = uni_widen("a=b=c") + kLineEnd;

INSTANTIATE_TEST_SUITE_P(
    Cases, UniField,
    testing::Values(
        FieldCase{"first", 1, kReadLine, u'=', uni_widen("a")},
        FieldCase{"middle", 2, kReadLine, u'=', uni_widen("b")},
        FieldCase{"last_keeps_the_line_end", 3, kReadLine, u'=', uni_widen("c") + kLineEnd},
        FieldCase{"beyond_last", 4, kReadLine, u'=', ""}, FieldCase{"zero", 0, kReadLine, u'=', ""},
        FieldCase{"negative", -1, kReadLine, u'=', ""},
        FieldCase{"empty_between_adjacent_separators", 2, uni_widen("a==b"), u'=', ""},
        FieldCase{"after_adjacent_separators", 3, uni_widen("a==b"), u'=', uni_widen("b")},
        FieldCase{"no_separator_is_one_field", 1, uni_widen("abc"), u'=', uni_widen("abc")},
        FieldCase{"trailing_separator_adds_no_field", 3, uni_widen("a=b="), u'=', ""},
        FieldCase{"other_separator", 2, uni_widen("x#12#y"), u'#', uni_widen("12")},
        FieldCase{"empty_text", 1, "", u'=', ""},
        // U+3D41 holds the byte "=" as its high byte; it is not a separator.
        FieldCase{"separator_byte_inside_a_unit", 1, u16(u"\u3D41=x"), u'=', u16(u"\u3D41")},
        FieldCase{"non_ascii_separator", 2, u16(u"ałb"), u'ł', uni_widen("b")},
        FieldCase{"dangling_byte_stays_with_last_field", 2, uni_widen("a=b") + "\x07", u'=',
                  "b\0\x07"s}),
    [](const auto& info) { return std::string(info.param.name); });

struct DigitsCase {
    const char* name;
    std::string s;
    int expected;
};

class UniDigitsToInt : public testing::TestWithParam<DigitsCase> {};

TEST_P(UniDigitsToInt, ReadsTheDigitBytesInOrder) {
    EXPECT_EQ(uni_digits_to_int(GetParam().s), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UniDigitsToInt,
    testing::Values(DigitsCase{"leading_zero", "07", 7}, DigitsCase{"title", "Lekcja 12", 12},
                    DigitsCase{"title_as_utf16", uni_widen("Lekcja 12") + kLineEnd, 12},
                    DigitsCase{"digits_spread_out", "12#ab3", 123}, DigitsCase{"zero", "0", 0},
                    DigitsCase{"largest_int", "2147483647", INT_MAX},
                    DigitsCase{"many_leading_zeros", "000000000000042", 42}),
    [](const auto& info) { return std::string(info.param.name); });

struct BadNumberCase {
    const char* name;
    std::string s;
    std::string text; // what the error names
};

class UniDigitsToIntError : public testing::TestWithParam<BadNumberCase> {};

TEST_P(UniDigitsToIntError, ThrowsConversionErrorNamingTheText) {
    const BadNumberCase& c = GetParam();
    try {
        uni_digits_to_int(c.s);
        FAIL() << "no ConversionError";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.text(), c.text);
        EXPECT_NE(std::string(e.what()).find('"' + c.text + '"'), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UniDigitsToIntError,
    testing::Values(BadNumberCase{"empty", "", ""}, BadNumberCase{"no_digit", "abc", "abc"},
                    BadNumberCase{"no_digit_utf16", uni_widen("ab") + kLineEnd, "ab"},
                    BadNumberCase{"overflow", "2147483648", "2147483648"},
                    BadNumberCase{"overflow_spread_out", uni_widen("99999 99999"), "99999 99999"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ConversionError, MessageSaysWhatWasExpected) {
    EXPECT_STREQ(ConversionError("a\0b"s).what(), "\"ab\" is not a number");
    EXPECT_STREQ(ConversionError("x", "a level").what(), "\"x\" is not a level");
}

struct PunctuationCase {
    const char* name;
    std::u16string s;
    int variant;
    std::u16string expected; // followed by the zero byte of uni_trim
};

class UniBlankPunctuation : public testing::TestWithParam<PunctuationCase> {};

TEST_P(UniBlankPunctuation, ReplacesPunctuationWithSpaces) {
    const PunctuationCase& c = GetParam();
    EXPECT_EQ(uni_blank_punctuation(u16(c.s) + kLineEnd, c.variant), u16(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UniBlankPunctuation,
    testing::Values(PunctuationCase{"all_marks", u"a.b,c;d:e!f?g", 1, u"a b c d e f g"},
                    // Trimming comes first, so marks at the edges become spaces that stay.
                    PunctuationCase{"trimmed_before_blanking", u"  Tak, nie.  ", 3, u"Tak  nie "},
                    PunctuationCase{"inverted_marks", u"¿Qué? ¡Hola!", 4, u" Qué   Hola "},
                    PunctuationCase{"apostrophe_in_variant_2", u"geht's", 2, u"geht s"},
                    PunctuationCase{"apostrophe_kept_in_variant_1", u"don't", 1, u"don't"},
                    PunctuationCase{"apostrophe_kept_in_variant_3", u"l'eau", 3, u"l'eau"},
                    PunctuationCase{"apostrophe_kept_in_variant_4", u"o'clock", 4, u"o'clock"},
                    // Į is U+012E: its low byte is "." but the unit is a letter.
                    PunctuationCase{"dot_byte_inside_a_letter", u"Įx", 1, u"Įx"}),
    [](const auto& info) { return std::string(info.param.name); });

struct PosFromCase {
    const char* name;
    int k;
    std::string t;
    std::string p;
    int expected;
};

class PosFrom : public testing::TestWithParam<PosFromCase> {};

TEST_P(PosFrom, FindsThePatternAtOrAfterTheStart) {
    const PosFromCase& c = GetParam();
    EXPECT_EQ(pos_from(c.k, c.t, c.p), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PosFrom,
                         testing::Values(PosFromCase{"after_first_match", 3, "a=b=c", "=", 4},
                                         PosFromCase{"first_match", 1, "a=b=c", "=", 2},
                                         PosFromCase{"match_at_start", 2, "a=b=c", "=", 2},
                                         PosFromCase{"start_zero", 0, "a=b=c", "=", -1},
                                         PosFromCase{"start_negative", -1, "a=b=c", "=", -1},
                                         PosFromCase{"start_at_last_byte", 5, "a=b=c", "c", 5},
                                         PosFromCase{"start_beyond_end", 6, "a=b=c", "c", -1},
                                         PosFromCase{"no_match_after_start", 5, "a=b=c", "=", -1},
                                         PosFromCase{"longer_pattern", 1, "ab#cd#ef", "#ef", 6},
                                         PosFromCase{"pattern_running_past_end", 4, "a=b=c", "=cd",
                                                     -1},
                                         PosFromCase{"empty_pattern", 1, "abc", "", -1},
                                         PosFromCase{"empty_text", 1, "", "=", -1},
                                         PosFromCase{"utf16_bytes", 1, uni_widen("x=y"), "=", 3}),
                         [](const auto& info) { return std::string(info.param.name); });

struct IntOrZeroCase {
    const char* name;
    std::string t;
    int expected;
};

class IntOrZero : public testing::TestWithParam<IntOrZeroCase> {};

TEST_P(IntOrZero, ConvertsTheTrimmedText) {
    EXPECT_EQ(int_or_zero(GetParam().t), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IntOrZero,
    testing::Values(IntOrZeroCase{"empty", "", 0}, IntOrZeroCase{"only_blanks", " \t\r\n", 0},
                    IntOrZeroCase{"plain", "42", 42}, IntOrZeroCase{"padded", "  42\r", 42},
                    IntOrZeroCase{"plus", "+7", 7}, IntOrZeroCase{"minus", "-13", -13},
                    IntOrZeroCase{"leading_zeros", "007", 7},
                    IntOrZeroCase{"largest", "2147483647", INT_MAX},
                    IntOrZeroCase{"smallest", "-2147483648", INT_MIN}),
    [](const auto& info) { return std::string(info.param.name); });

class IntOrZeroError : public testing::TestWithParam<BadNumberCase> {};

TEST_P(IntOrZeroError, ThrowsConversionErrorNamingTheTrimmedText) {
    const BadNumberCase& c = GetParam();
    try {
        int_or_zero(c.s);
        FAIL() << "no ConversionError";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.text(), c.text);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, IntOrZeroError,
                         testing::Values(BadNumberCase{"letters", "abc", "abc"},
                                         BadNumberCase{"digits_then_letter", " 12a ", "12a"},
                                         BadNumberCase{"inner_space", "1 2", "1 2"},
                                         BadNumberCase{"sign_only", "-", "-"},
                                         BadNumberCase{"two_signs", "+-1", "+-1"},
                                         BadNumberCase{"too_large", "2147483648", "2147483648"},
                                         BadNumberCase{"too_small", "-2147483649", "-2147483649"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(UniToQString, StopsAtTheFirstZeroUnit) {
    EXPECT_EQ(uni_to_qstring(u16(u"Łódź") + kLineEnd + uni_widen("rest")), QString("Łódź"));
}

TEST(UniToQString, IgnoresADanglingByte) {
    EXPECT_EQ(uni_to_qstring(uni_widen("ab") + "c"), QString("ab"));
}

TEST(QStringToUni, GivesTheUnitsWithoutATrailingZero) {
    EXPECT_EQ(qstring_to_uni(QString("Łx")), "\x41\x01x\0"s);
    EXPECT_EQ(qstring_to_uni(QString()), "");
}

} // namespace
} // namespace vimo
