#pragma once
// UTF-16 byte strings: std::string values whose bytes are UTF-16LE code units,
// two bytes per unit, low byte first. Positions are 1-based and count code units;
// lengths and delete counts are in bytes. Course text is cut, searched and compared
// only through these functions, so the stray zero bytes and the trailing U+0000 of a
// read line behave the same everywhere.

#include <stdexcept>
#include <string>
#include <string_view>

namespace vimo {

using UniString = std::string;

// A text that should hold a number does not. Loaders catch it and add file and line.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(std::string text, const std::string& expected = "a number");
    // The offending text, as 8-bit characters (zero bytes dropped).
    const std::string& text() const { return m_text; }

private:
    std::string m_text;
};

// After every byte of s a zero byte: "abc" becomes a,0,b,0,c,0.
UniString uni_widen(std::string_view s);
// Unit position of the first match of the byte pattern n in h at or after unit k;
// -1 when there is none (also for an empty n). With widen, n is first passed through
// uni_widen.
int uni_find(int k, std::string_view h, std::string_view n, bool widen);
// Inserts x into t before unit k (k beyond the end appends).
void uni_insert(std::string_view x, UniString& t, int k);
// The nonzero bytes of units k .. k+n-1 of s, as an 8-bit string.
std::string uni_narrow(std::string_view s, int k, int n);
// Removes m bytes of t starting at unit k (cut at the end of t); nothing for k < 1.
void uni_delete(UniString& t, int k, int m);
// Units k .. k+n-1 of s, unchanged (cut at the end of s).
UniString uni_copy(std::string_view s, int k, int n);
// s without its leading and trailing blanks (units <= U+0020, the U+0000 of a read
// line) and without stray zero bytes at its start, as whole units: a field cut after
// a separator's low byte is realigned, a field cut before one gets its last high byte
// back. Characters such as Ć (06 01) or ę (19 01) at either edge are kept. A text of
// blanks only gives one zero byte.
UniString uni_trim(std::string_view s);
// Whether s holds no character, exactly when uni_trim(s) leaves nothing: units up to
// U+0020 (U+0000 and the line end of a read line among them) are blanks, stray zero
// bytes at the start are skipped as uni_trim skips them, and a trailing odd byte is
// the low byte of a unit whose zero high byte was cut off, so it is a blank when it
// is at most 32 and a character otherwise.
bool uni_is_blank(std::string_view s);
// Field n (1-based) of s split at the unit c; beyond the last field, empty.
UniString uni_field(int n, std::string_view s, char16_t c);
// The number written by the ASCII digit bytes of s, in order ("12#ab3" gives 123).
// Throws ConversionError when s holds no digit or the number does not fit an int.
int uni_digits_to_int(std::string_view s);
// The same, 0 where s holds no digit or a number too large: for a content field whose
// fault the course check reports and the screen takes as no number.
int uni_digits_or_zero(std::string_view s);
// uni_trim(s), then . , ; : ! ? U+00BF U+00A1 (and the apostrophe in course
// variant 2) replaced by spaces, for comparing typed sentences.
UniString uni_blank_punctuation(std::string_view s, int course_variant);

// Unit access. Only whole units count: a dangling odd byte at the end is no unit
// here (uni_copy and uni_trim still see it).
// Both are inline: the loaders and painters call them for every unit of every line.
// The number of whole units of s.
inline int uni_unit_count(std::string_view s) {
    return static_cast<int>(s.size() / 2);
}
// The value of unit k of s (low byte + 256 x high byte); U+0000 for any k outside
// 1 .. uni_unit_count(s), as if s went on with zero units.
inline char16_t uni_unit_at(std::string_view s, int k) {
    if (k < 1 || k > uni_unit_count(s)) return 0;
    const std::size_t at = 2 * (static_cast<std::size_t>(k) - 1);
    return static_cast<char16_t>(static_cast<unsigned char>(s[at]) |
                                 static_cast<unsigned char>(s[at + 1]) << 8);
}

// Letter case of one UTF-16 unit, A-Z only: every other unit stays as it is, so the
// letters of other alphabets are never changed by a rule meant for Latin capitals.
inline char16_t uni_lower_ascii(char16_t unit) {
    return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit + (u'a' - u'A')) : unit;
}
inline char16_t uni_upper_ascii(char16_t unit) {
    return unit >= u'a' && unit <= u'z' ? static_cast<char16_t>(unit - (u'a' - u'A')) : unit;
}

// 8-bit helpers.
// t without its leading and trailing spaces and control characters (bytes <= 32).
std::string_view trim_8bit(std::string_view t);
// First occurrence of p in t at or after byte k (1-based, absolute), or -1; also -1
// when p or t is empty or k is outside 1 .. length of t.
int pos_from(int k, std::string_view t, std::string_view p);
// t without leading and trailing spaces and control characters; empty gives 0,
// anything else must be a decimal integer (ConversionError otherwise).
int int_or_zero(std::string_view t);

} // namespace vimo
