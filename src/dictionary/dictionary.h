#pragma once
// The course dictionary (slowniku.txt): its entries, the loader and the searches of the
// dictionary window. No widgets: the window keeps its own state (check boxes, result
// list, scroll position) and hands it to these functions.

#include "core/config.h"
#include "core/diagnostics.h"
#include "core/startup.h"
#include "core/uni.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vimo {

// One line of slowniku.txt. Texts are UTF-16 byte strings; the trimmed ones hold whole
// units and a blank one is the single zero byte uni_trim leaves.
struct DictionaryEntry {
    int number = 0;        // the entry number of the line; kept, not used
    UniString label;       // "(s)" "(adj)" "(v)" "(o)" "(loc)" "(adv)", or empty
    UniString headword;    // field 1, trimmed
    UniString translation; // field 2 as written, with its "<I>" and "</I>" words
    UniString field6;      // field 6, trimmed; used nowhere
    UniString letter;      // field 11, trimmed, A-Z lower-cased: the index letter ("1": others)
    UniString second;      // field 12, trimmed, A-Z lower-cased: the second form (a plural)
    int line = 0;          // the line of slowniku.txt, from 1
};

// What a search compares for one entry: its key as written and folded.
struct DictionaryKey {
    std::u16string written; // trimmed, up to its first U+0000
    std::u16string folded;  // written, passed through dictionary_fold
    bool phrase = false;    // holds a space
};

// The dictionary table: at most 10000 entries in file order, each with its two search
// keys (headword and translation) made once when it is added.
class DictionaryTable {
public:
    static constexpr int capacity = 10000;

    void clear();
    // Adds entry at the end; false, leaving the table as it was, when it is full.
    bool add(DictionaryEntry entry);
    int count() const { return static_cast<int>(m_entries.size()); }
    bool full() const { return count() >= capacity; }
    // Entry index (0-based, file order).
    const DictionaryEntry& entry(int index) const { return m_entries[index]; }
    const std::vector<DictionaryEntry>& entries() const { return m_entries; }
    // The search key of entry index: its translation in translation mode, else its
    // headword.
    const DictionaryKey& key(int index, bool translations) const;
    // The first entry whose folded headword is folded, or -1.
    int first_with_headword(const std::u16string& folded) const;
    // Room for count entries (up to the capacity), before a file is read in.
    void reserve(std::size_t count);

private:
    std::vector<DictionaryEntry> m_entries;
    std::vector<DictionaryKey> m_headword_keys;
    std::vector<DictionaryKey> m_translation_keys;
    // The small window's look-up of a word, without a pass over the table.
    std::unordered_map<std::u16string, int> m_first_headword;
};

// The message shown when slowniku.txt holds more entries than the table.
inline constexpr const char* dictionary_too_long_message = "Slownik.txt - za duza liczba rekordow.";

// What start-up does after loading the dictionary.
struct DictionaryLoad {
    std::string file;                      // the name problems give the file
    std::optional<StartupMessage> message; // for the plain message box, when set
    // terminate: the file holds more than 10000 entries; the program ends once start-up
    // has finished. The table keeps the first 10000.
    StartupStop stop = StartupStop::none;
    int first_left_out_line = 0; // the line of the first entry left out, 0 when none
};

// Empties table and reads every line of the course text file at path into it, in file
// order; problems name the file name (path when name is empty). A missing file leaves
// the table empty without a problem. A file that cannot be read, a line whose
// part-of-speech position is not a decimal digit or whose entry number has no digit are
// errors (the line is left out); blank lines and lines without "number space" after
// the first three characters are skipped with a warning.
DictionaryLoad slownik_load(const std::string& path, DictionaryTable& table,
                            CourseProblems& problems, std::string name = {});
// The course's dictionary, course root + "slowniku.txt", named relative to the root.
DictionaryLoad slownik_load(const Config& config, DictionaryTable& table, CourseProblems& problems);

// The fold of one code unit: A-Z and the Polish capitals Ą Ć Ę Ł Ń Ó Ś Ź Ż become their
// lower-case letters; every other unit stays.
char16_t dictionary_fold_unit(char16_t unit);
std::u16string dictionary_fold(std::u16string_view text);
// The units of a UTF-16 byte string up to its first U+0000 (a dangling byte dropped).
std::u16string dictionary_units(std::string_view uni);

// The window's layout modes.
inline constexpr int kSmallWindow = 0;
inline constexpr int kFullWindow = 1;

// The states of the window's check boxes that a search reads.
struct DictionaryChecks {
    bool translations = false; // Fom_tlumaczenia: translation mode, else word mode
    bool whole_words = false;  // Fom_cale_wyrazy
};

// The index letter of the "..." label: the entries of the non-letter group.
inline constexpr char16_t kOtherEntriesLetter = u'1';

// The result list, as entry indices in display order.
// With a letter: every entry filed under it, in file order (mode and checks unused).
// Otherwise the query (trimmed and folded; a blank one finds nothing) is searched:
// - full window: entries whose key equals it; then, unless whole words, single words
//   longer than it that begin with it, and phrases with a word (as written) that
//   begins with it: those whose key begins with it first, in file order, the others
//   sorted by their key with A-Z lower-cased (file order among equal keys);
// - small window, always on headwords: "es" finds nothing; the first entry equal to it
//   and the next one when that is equal too; if none, once more without a final "s",
//   and then without a final "e".
std::vector<int> slownik_search(const DictionaryTable& table, std::optional<char16_t> letter,
                                std::string_view query, int mode, const DictionaryChecks& checks);

} // namespace vimo
