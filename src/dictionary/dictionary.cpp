#include "dictionary/dictionary.h"

#include "core/paths.h"
#include "core/qt_text.h"
#include "core/text_file.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vimo {

namespace {

// A line starts with three characters the dictionary does not use, then the entry
// number up to the first space; the part-of-speech digit is the second character after
// that space, and the "="-separated fields follow it.
constexpr int kIgnoredUnits = 3;
constexpr int kDigitAfterSpace = 2;
constexpr std::size_t kShownLength = 40; // characters of a bad line quoted in a message

constexpr std::array<const char*, 6> kLabels = {"(s)", "(adj)", "(v)", "(o)", "(loc)", "(adv)"};

bool is_digit_unit(char16_t unit) {
    return unit >= u'0' && unit <= u'9';
}

// uni_trim, then A-Z lower-cased unit by unit (a byte rule would also change the high
// byte of a character such as U+4E41).
UniString trimmed_lower_ascii(std::string_view field) {
    UniString text = uni_trim(field);
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        if (text[i + 1] != 0) continue;
        text[i] = static_cast<char>(uni_lower_ascii(static_cast<unsigned char>(text[i])));
    }
    return text;
}

std::string shown(std::string_view uni) {
    QString text = uni_to_qstring(uni).trimmed();
    if (static_cast<std::size_t>(text.size()) > kShownLength)
        text = text.left(static_cast<qsizetype>(kShownLength)) + "...";
    return "\"" + text.toStdString() + "\"";
}

UniString part_of_speech_label(char16_t digit) {
    const int n = digit - u'0';
    if (n < 1 || n > static_cast<int>(kLabels.size())) return {};
    return uni_widen(kLabels[static_cast<std::size_t>(n - 1)]);
}

// Unit position of the space that ends the entry number, or 0 when the line has none.
int number_end(const UniString& line) {
    const int units = uni_unit_count(line);
    for (int k = kIgnoredUnits + 1; k <= units; ++k) {
        if (uni_unit_at(line, k) == u' ') return k;
    }
    return 0;
}

// The "="-separated fields of the rest of a line, cut in one pass: field(n) is what
// uni_field(n, rest, '=') gives.
class Fields {
public:
    static constexpr int kCount = 12; // the last field an entry uses

    explicit Fields(std::string_view rest) : m_rest(rest) {
        const int units = uni_unit_count(rest);
        for (int k = 1; k <= units && m_separators < kCount; ++k) {
            if (uni_unit_at(rest, k) == u'=') m_ends[m_separators++] = 2 * std::size_t(k - 1);
        }
        // Text after the last separator is a field of its own, as if a separator followed.
        const bool ends_with_separator =
            rest.size() % 2 == 0 && units > 0 && uni_unit_at(rest, units) == u'=';
        m_last_is_open = m_separators < kCount && !ends_with_separator;
    }

    std::string_view field(int n) const {
        const std::size_t start = n == 1 ? 0 : m_ends[static_cast<std::size_t>(n - 2)] + 2;
        if (n <= m_separators) {
            return m_rest.substr(start, m_ends[static_cast<std::size_t>(n - 1)] - start);
        }
        if (n == m_separators + 1 && m_last_is_open) return m_rest.substr(start);
        return {};
    }

private:
    std::string_view m_rest;
    std::array<std::size_t, kCount> m_ends{};
    int m_separators = 0;
    bool m_last_is_open = false;
};

class LineReader {
public:
    LineReader(const std::string& file, CourseProblems& problems)
        : m_file(file), m_problems(problems) {}

    // The entry of one line; nullopt (with the problem reported) for a line without one.
    std::optional<DictionaryEntry> read(const UniString& line, int line_number) const {
        if (uni_is_blank(line)) {
            m_problems.warning(m_file, line_number, "blank line: no entry, skipped");
            return std::nullopt;
        }
        const int space = number_end(line);
        if (space == 0) {
            m_problems.warning(m_file, line_number,
                               "expected three characters, the entry number and a space, "
                               "found " +
                                   shown(line) + ": no entry, skipped");
            return std::nullopt;
        }
        DictionaryEntry entry;
        entry.line = line_number;
        const UniString number = uni_copy(line, kIgnoredUnits + 1, space - kIgnoredUnits - 1);
        try {
            entry.number = uni_digits_to_int(number);
        } catch (const ConversionError&) {
            m_problems.error(m_file, line_number,
                             "expected the entry number (decimal digits) between the first "
                             "three characters and the first space, found " +
                                 shown(number));
            return std::nullopt;
        }
        const int digit_at = space + kDigitAfterSpace;
        const char16_t digit = uni_unit_at(line, digit_at);
        if (!is_digit_unit(digit)) {
            m_problems.error(m_file, line_number,
                             "expected the part-of-speech digit (0 to 9) as the second "
                             "character after the entry number's space, found " +
                                 (digit == 0 ? std::string("the end of the line")
                                             : shown(uni_copy(line, digit_at, 1))));
            return std::nullopt;
        }
        entry.label = part_of_speech_label(digit);
        const Fields fields(std::string_view(line).substr(2 * std::size_t(digit_at)));
        entry.headword = uni_trim(fields.field(1));
        entry.translation = UniString(fields.field(2));
        entry.field6 = uni_trim(fields.field(6));
        entry.letter = trimmed_lower_ascii(fields.field(11));
        entry.second = trimmed_lower_ascii(fields.field(12));
        return entry;
    }

private:
    const std::string& m_file;
    CourseProblems& m_problems;
};

DictionaryKey make_key(std::string_view text) {
    DictionaryKey key;
    key.written = dictionary_units(uni_trim(text));
    key.folded = dictionary_fold(key.written);
    key.phrase = key.written.find(u' ') != std::u16string::npos;
    return key;
}

bool begins_with(std::u16string_view text, std::u16string_view start) {
    return text.size() >= start.size() && text.substr(0, start.size()) == start;
}

// The key's words, from the first, until one begins with q or an empty one (two spaces
// in a row) ends the look.
bool has_word_beginning_with(std::u16string_view key, std::u16string_view q) {
    std::size_t start = 0;
    while (true) {
        const std::size_t end = key.find(u' ', start);
        const std::u16string_view word =
            key.substr(start, end == std::u16string_view::npos ? end : end - start);
        if (word.empty()) return false;
        if (begins_with(word, q)) return true;
        if (end == std::u16string_view::npos) return false;
        start = end + 1;
    }
}

std::u16string lower_ascii(std::u16string_view text) {
    std::u16string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(), uni_lower_ascii);
    return lowered;
}

std::vector<int> full_search(const DictionaryTable& table, std::u16string_view q,
                             const DictionaryChecks& checks) {
    const bool translations = checks.translations;
    std::vector<int> exact;
    std::vector<int> longer;
    std::vector<int> phrases_at_start;
    std::vector<std::pair<std::u16string, int>> other_phrases;
    for (int i = 0; i < table.count(); ++i) {
        const DictionaryKey& key = table.key(i, translations);
        if (key.folded == q) {
            exact.push_back(i);
            continue;
        }
        if (checks.whole_words) continue;
        if (!key.phrase) {
            if (key.folded.size() > q.size() && begins_with(key.folded, q)) longer.push_back(i);
            continue;
        }
        // Only a phrase with a word that begins with q counts; a query holding a space
        // begins no word, and finds its phrases by the exact order alone.
        if (!has_word_beginning_with(key.written, q)) continue;
        if (begins_with(key.written, q)) {
            phrases_at_start.push_back(i);
        } else {
            other_phrases.emplace_back(lower_ascii(key.written), i);
        }
    }
    std::stable_sort(other_phrases.begin(), other_phrases.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<int> results = std::move(exact);
    results.insert(results.end(), longer.begin(), longer.end());
    results.insert(results.end(), phrases_at_start.begin(), phrases_at_start.end());
    for (const auto& phrase : other_phrases)
        results.push_back(phrase.second);
    return results;
}

// The first entry whose headword is q, and the one after it when it is q too.
std::vector<int> headword_entries(const DictionaryTable& table, const std::u16string& q) {
    if (q.empty()) return {};
    const int first = table.first_with_headword(q);
    if (first < 0) return {};
    std::vector<int> found{first};
    if (first + 1 < table.count() && table.key(first + 1, false).folded == q)
        found.push_back(first + 1);
    return found;
}

std::vector<int> small_lookup(const DictionaryTable& table, std::u16string q) {
    if (q == u"es") return {};
    std::vector<int> found = headword_entries(table, q);
    if (!found.empty() || q.empty() || q.back() != u's') return found;
    q.pop_back();
    found = headword_entries(table, q);
    if (!found.empty() || q.empty() || q.back() != u'e') return found;
    q.pop_back();
    return headword_entries(table, q);
}

// Punctuation that a right-clicked word brings from its sentence ("radio.", "(free",
// "Hola!", "¿Dónde"): the painted words keep it, the headwords do not.
bool is_attached_punctuation(char16_t unit) {
    return std::u16string_view(
               u".,;:!?\"'()[]\u00BF\u00A1\u00AB\u00BB\u2018\u2019\u201C\u201D\u2026")
               .find(unit) != std::u16string_view::npos;
}

std::u16string without_attached_punctuation(std::u16string_view word) {
    std::size_t first = 0;
    std::size_t end = word.size();
    while (first < end && is_attached_punctuation(word[first]))
        ++first;
    while (end > first && is_attached_punctuation(word[end - 1]))
        --end;
    return std::u16string(word.substr(first, end - first));
}

// A word found as written comes first, so that headwords with their own punctuation
// ("Mr.", "24/7") are still found; otherwise the word without what it brought along.
std::vector<int> small_search(const DictionaryTable& table, const std::u16string& q) {
    std::vector<int> found = small_lookup(table, q);
    if (!found.empty()) return found;
    const std::u16string bare = without_attached_punctuation(q);
    if (bare.empty() || bare == q) return found;
    return small_lookup(table, bare);
}

} // namespace

// ---------------------------------------------------------------------------------
// Table

void DictionaryTable::clear() {
    m_entries.clear();
    m_headword_keys.clear();
    m_translation_keys.clear();
    m_first_headword.clear();
}

void DictionaryTable::reserve(std::size_t count) {
    const std::size_t room = std::min(count, static_cast<std::size_t>(capacity));
    m_entries.reserve(room);
    m_headword_keys.reserve(room);
    m_translation_keys.reserve(room);
    m_first_headword.reserve(room);
}

int DictionaryTable::first_with_headword(const std::u16string& folded) const {
    const auto found = m_first_headword.find(folded);
    return found == m_first_headword.end() ? -1 : found->second;
}

bool DictionaryTable::add(DictionaryEntry entry) {
    if (full()) return false;
    m_headword_keys.push_back(make_key(entry.headword));
    m_first_headword.try_emplace(m_headword_keys.back().folded, count());
    m_translation_keys.push_back(make_key(entry.translation));
    m_entries.push_back(std::move(entry));
    return true;
}

const DictionaryKey& DictionaryTable::key(int index, bool translations) const {
    const std::size_t at = static_cast<std::size_t>(index);
    return translations ? m_translation_keys[at] : m_headword_keys[at];
}

// ---------------------------------------------------------------------------------
// Loading

DictionaryLoad slownik_load(const std::string& path, DictionaryTable& table,
                            CourseProblems& problems, std::string name) {
    table.clear();
    DictionaryLoad outcome;
    outcome.file = name.empty() ? path : std::move(name);
    std::optional<std::vector<UniString>> lines;
    try {
        lines = read_course_text_file(path);
    } catch (const CourseFileError& error) {
        problems.error(outcome.file, error.line(), error.problem());
        return outcome;
    }
    if (!lines) return outcome;

    table.reserve(lines->size());
    const LineReader reader(outcome.file, problems);
    for (std::size_t i = 0; i < lines->size(); ++i) {
        const int line_number = static_cast<int>(i) + 1;
        std::optional<DictionaryEntry> entry = reader.read((*lines)[i], line_number);
        if (!entry) continue;
        // Only lines that hold an entry count towards the table, so a full file may end
        // with a blank line.
        if (!table.add(std::move(*entry))) {
            outcome.message = StartupMessage{dictionary_too_long_message, outcome.file, false};
            outcome.stop = StartupStop::terminate;
            outcome.first_left_out_line = line_number;
            return outcome;
        }
    }
    return outcome;
}

DictionaryLoad slownik_load(const Config& config, DictionaryTable& table,
                            CourseProblems& problems) {
    const std::string path = resolve_path(config.course_path("slowniku.txt"));
    return slownik_load(path, table, problems, course_relative_name(config.course_root, path));
}

// ---------------------------------------------------------------------------------
// Comparing

char16_t dictionary_fold_unit(char16_t unit) {
    switch (unit) {
    case u'Ą':
        return u'ą';
    case u'Ć':
        return u'ć';
    case u'Ę':
        return u'ę';
    case u'Ł':
        return u'ł';
    case u'Ń':
        return u'ń';
    case u'Ó':
        return u'ó';
    case u'Ś':
        return u'ś';
    case u'Ź':
        return u'ź';
    case u'Ż':
        return u'ż';
    default:
        return uni_lower_ascii(unit);
    }
}

std::u16string dictionary_fold(std::u16string_view text) {
    std::u16string folded(text);
    std::transform(folded.begin(), folded.end(), folded.begin(), dictionary_fold_unit);
    return folded;
}

std::u16string dictionary_units(std::string_view uni) {
    std::u16string units;
    const int count = uni_unit_count(uni);
    units.reserve(static_cast<std::size_t>(count));
    for (int k = 1; k <= count; ++k) {
        const char16_t unit = uni_unit_at(uni, k);
        if (unit == 0) break;
        units.push_back(unit);
    }
    return units;
}

// ---------------------------------------------------------------------------------
// Searching

std::vector<int> slownik_search(const DictionaryTable& table, std::optional<char16_t> letter,
                                std::string_view query, int mode, const DictionaryChecks& checks) {
    if (letter) {
        std::vector<int> filed;
        for (int i = 0; i < table.count(); ++i) {
            const UniString& own = table.entry(i).letter;
            if (uni_unit_count(own) == 1 && own.size() == 2 && uni_unit_at(own, 1) == *letter)
                filed.push_back(i);
        }
        return filed;
    }
    const std::u16string q = dictionary_fold(dictionary_units(uni_trim(query)));
    if (q.empty()) return {};
    if (mode == kSmallWindow) return small_search(table, q);
    return full_search(table, q, checks);
}

} // namespace vimo
