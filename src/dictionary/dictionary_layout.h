#pragma once
// Where the dictionary window's two lists put their words: the full list (headword
// column, part-of-speech label, translation column) and the small window's entries.
// Pure arithmetic over a width-measuring interface, so it runs without a screen; every
// word is placed once, so a word wider than its column takes a line of its own and the
// layout always ends.

#include "dictionary/dictionary.h"

#include <vector>

namespace vimo {

enum class DictionaryFont {
    regular, // Verdana 10
    italic,  // Verdana 10 italic: translation words between "<I>" and "</I>"
    bold,    // Verdana 10 bold: the small window's headwords and its "nothing found"
    label,   // Verdana 8, grey: the part-of-speech label
};

class DictionaryMeasure {
public:
    virtual ~DictionaryMeasure() = default;
    virtual int width(const UniString& text, DictionaryFont font) const = 0;
};

// One text to draw with its top left corner at (x, y).
struct DictionaryText {
    int x = 0;
    int y = 0;
    UniString text;
    DictionaryFont font = DictionaryFont::regular;
};

namespace dictionary_list {
inline constexpr int kFullWidth = 609;  // Pb
inline constexpr int kFullHeight = 255; // painting stops below it
inline constexpr int kSmallWidth = 283; // Pb2
inline constexpr int kColumn = 200;     // where the translation column starts
inline constexpr int kHeadwordGap = 10; // kept free before the translation column
inline constexpr int kIndent = 20;      // headword lines after the first
inline constexpr int kSmallIndent = 25; // small window: translation lines after the first
inline constexpr int kLineHeight = 18;
inline constexpr int kSmallLineGap = 20; // small window: headword to translation, entry to entry
inline constexpr int kWordGap = 3;       // after each translation word
} // namespace dictionary_list

// The headword as shown: headword, and ", " and the second form when there is one.
UniString shown_headword(const DictionaryEntry& entry);

// The full list from result position first (0-based) on, one entry below the other,
// until an entry would start below the list's height.
std::vector<DictionaryText> layout_full_list(const DictionaryTable& table,
                                             const std::vector<int>& results, int first,
                                             const DictionaryMeasure& measure);

// The small window: each result's headword, label and translation; with no results,
// nothing_found (the interface text) at (2, 0).
std::vector<DictionaryText> layout_small_list(const DictionaryTable& table,
                                              const std::vector<int>& results,
                                              const UniString& nothing_found,
                                              const DictionaryMeasure& measure);

} // namespace vimo
