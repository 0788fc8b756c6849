#include "core/uni.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <iterator>

namespace vimo {

namespace {

constexpr unsigned char kBlank = 32; // bytes up to this value count as blank when trimming

unsigned char byte_at(std::string_view s, std::size_t i) {
    return static_cast<unsigned char>(s[i]);
}

bool is_blank(char c) {
    return static_cast<unsigned char>(c) <= kBlank;
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// Byte offset (0-based) of unit k; positions below 1 mean the first unit.
std::size_t unit_offset(int k) {
    if (k < 1) return 0;
    return 2 * (static_cast<std::size_t>(k) - 1);
}

// The bytes of units k .. k+n-1, cut at the end of s.
std::string_view unit_range(std::string_view s, int k, int n) {
    const std::size_t start = unit_offset(k);
    if (n <= 0 || start >= s.size()) return {};
    return s.substr(start, 2 * static_cast<std::size_t>(n));
}

// Byte offset of the first character of s, or its size when it holds none. Leading
// zero bytes are stray (the high byte of a separator the text was cut after) or belong
// to a blank unit; a byte <= 32 is a blank only when its high byte is zero, so a
// leading character such as U+0106 (bytes 06 01) stays.
std::size_t first_character_byte(std::string_view s) {
    std::size_t first = 0;
    while (first < s.size()) {
        const unsigned char b = byte_at(s, first);
        const bool next_is_zero = first + 1 == s.size() || byte_at(s, first + 1) == 0;
        if (b != 0 && !(b <= kBlank && next_is_zero)) break;
        ++first;
    }
    return first;
}

std::string without_zero_bytes(std::string_view s) {
    std::string result;
    std::copy_if(s.begin(), s.end(), std::back_inserter(result), [](char c) { return c != 0; });
    return result;
}

bool is_punctuation(char16_t unit, int course_variant) {
    switch (unit) {
    case u'.':
    case u',':
    case u';':
    case u':':
    case u'!':
    case u'?':
    case u'\u00BF': // inverted question mark
    case u'\u00A1': // inverted exclamation mark
        return true;
    case u'\'':
        // Only the German course (variant 2) compares sentences without apostrophes.
        return course_variant == 2;
    default:
        return false;
    }
}

} // namespace

ConversionError::ConversionError(std::string text, const std::string& expected)
    : std::runtime_error('"' + without_zero_bytes(text) + "\" is not " + expected),
      m_text(without_zero_bytes(text)) {}

UniString uni_widen(std::string_view s) {
    UniString result;
    result.reserve(2 * s.size());
    for (const char c : s) {
        result.push_back(c);
        result.push_back('\0');
    }
    return result;
}

int uni_find(int k, std::string_view h, std::string_view n, bool widen) {
    const UniString widened = widen ? uni_widen(n) : UniString();
    const std::string_view needle = widen ? std::string_view(widened) : n;
    const std::size_t start = unit_offset(k);
    if (needle.empty() || start >= h.size()) return -1;
    const std::size_t found = h.find(needle, start);
    if (found == std::string_view::npos) return -1;
    // Byte position c (1-based) gives unit c div 2 + 1: a match that starts on the high
    // byte of a unit counts from the unit after it.
    return static_cast<int>((found + 1) / 2 + 1);
}

void uni_insert(std::string_view x, UniString& t, int k) {
    const std::size_t at = std::min(unit_offset(k), t.size());
    t.insert(at, x);
}

std::string uni_narrow(std::string_view s, int k, int n) {
    return without_zero_bytes(unit_range(s, k, n));
}

void uni_delete(UniString& t, int k, int m) {
    // A bad position deletes nothing rather than some other part of the text.
    if (k < 1 || m <= 0) return;
    const std::size_t start = unit_offset(k);
    if (start >= t.size()) return;
    t.erase(start, static_cast<std::size_t>(m));
}

UniString uni_copy(std::string_view s, int k, int n) {
    return UniString(unit_range(s, k, n));
}

UniString uni_trim(std::string_view s) {
    const std::size_t first = first_character_byte(s);
    if (first == s.size()) return UniString(1, '\0');

    // From the first character on the units are aligned: drop whole blank units from
    // the end, so a last character such as U+0119 (bytes 19 01) keeps both bytes.
    UniString result(s.substr(first));
    if (result.size() % 2 != 0) result.push_back('\0'); // restores a cut-off high byte
    while (result.size() >= 2 && byte_at(result, result.size() - 1) == 0 &&
           byte_at(result, result.size() - 2) <= kBlank) {
        result.resize(result.size() - 2);
    }
    return result;
}

bool uni_is_blank(std::string_view s) {
    // uni_trim keeps the unit its first character starts, so it leaves nothing exactly
    // when there is no first character.
    return first_character_byte(s) == s.size();
}

UniString uni_field(int n, std::string_view s, char16_t c) {
    int separators = 0;
    std::size_t start = 0; // byte where the current field begins
    const int units = uni_unit_count(s);
    for (int k = 1; k <= units; ++k) {
        if (uni_unit_at(s, k) != c) continue;
        const std::size_t separator = unit_offset(k);
        if (++separators == n) return UniString(s.substr(start, separator - start));
        start = separator + 2;
    }
    // Text after the last separator (with a dangling odd byte) is a field of its own,
    // as if a separator followed.
    const bool ends_with_separator = s.size() % 2 == 0 && units > 0 && uni_unit_at(s, units) == c;
    if (!ends_with_separator && ++separators == n) return UniString(s.substr(start));
    return {};
}

int uni_digits_to_int(std::string_view s) {
    std::int64_t value = 0;
    bool any_digit = false;
    for (const char c : s) {
        if (!is_digit(c)) continue;
        any_digit = true;
        value = value * 10 + (c - '0');
        if (value > INT_MAX) throw ConversionError(std::string(s), "a number that fits an int");
    }
    if (!any_digit) throw ConversionError(std::string(s));
    return static_cast<int>(value);
}

int uni_digits_or_zero(std::string_view s) {
    try {
        return uni_digits_to_int(s);
    } catch (const ConversionError&) {
        return 0;
    }
}

UniString uni_blank_punctuation(std::string_view s, int course_variant) {
    UniString result = uni_trim(s);
    const int units = uni_unit_count(result);
    for (int k = 1; k <= units; ++k) {
        if (!is_punctuation(uni_unit_at(result, k), course_variant)) continue;
        const std::size_t at = unit_offset(k);
        result[at] = ' ';
        result[at + 1] = '\0';
    }
    return result;
}

std::string_view trim_8bit(std::string_view s) {
    const auto first = std::find_if_not(s.begin(), s.end(), is_blank);
    const auto last = std::find_if_not(s.rbegin(), s.rend(), is_blank).base();
    if (first >= last) return {};
    return s.substr(static_cast<std::size_t>(first - s.begin()),
                    static_cast<std::size_t>(last - first));
}

int pos_from(int k, std::string_view t, std::string_view p) {
    if (p.empty() || t.empty() || k < 1 || static_cast<std::size_t>(k) > t.size()) return -1;
    const std::size_t found = t.find(p, static_cast<std::size_t>(k) - 1);
    if (found == std::string_view::npos) return -1;
    return static_cast<int>(found + 1);
}

int int_or_zero(std::string_view t) {
    const std::string_view text = trim_8bit(t);
    if (text.empty()) return 0;
    const bool negative = text.front() == '-';
    const std::string_view digits = (negative || text.front() == '+') ? text.substr(1) : text;
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), is_digit))
        throw ConversionError(std::string(text), "a whole number");
    const std::int64_t limit = negative ? -static_cast<std::int64_t>(INT_MIN) : INT_MAX;
    std::int64_t value = 0;
    for (const char c : digits) {
        value = value * 10 + (c - '0');
        if (value > limit) throw ConversionError(std::string(text), "a number that fits an int");
    }
    return static_cast<int>(negative ? -value : value);
}

} // namespace vimo
