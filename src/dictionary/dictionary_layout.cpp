#include "dictionary/dictionary_layout.h"

#include <algorithm>
#include <string_view>

namespace vimo {

namespace {

using namespace dictionary_list;

UniString to_uni(std::u16string_view units) {
    UniString uni;
    uni.reserve(2 * units.size());
    for (const char16_t unit : units) {
        uni.push_back(static_cast<char>(unit & 0xFF));
        uni.push_back(static_cast<char>(unit >> 8));
    }
    return uni;
}

// The parts of text between single spaces; a trailing space ends the text rather than
// leaving an empty last word.
std::vector<std::u16string_view> words_of(std::u16string_view text) {
    std::vector<std::u16string_view> words;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find(u' ', start);
        if (end == std::u16string_view::npos) {
            words.push_back(text.substr(start));
            break;
        }
        words.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

// Where the next word goes: a word that does not fit starts a new line, unless it is
// the first word, which has nowhere better to go.
struct Pen {
    int x = 0;
    int y = 0;
    bool placed = false;

    void place(int width, int right_edge, int new_line_x) {
        if (placed && x + width > right_edge) {
            y += kLineHeight;
            x = new_line_x;
        }
        placed = true;
    }
};

// The headword column from (0, y): each word with a space after it. Returns the y of
// its last line.
int place_headword(const DictionaryEntry& entry, int y, const DictionaryMeasure& measure,
                   std::vector<DictionaryText>& out) {
    const std::u16string shown = dictionary_units(shown_headword(entry));
    Pen pen{0, y};
    for (const std::u16string_view word : words_of(shown)) {
        const UniString text = to_uni(std::u16string(word) + u' ');
        const int width = measure.width(text, DictionaryFont::regular);
        pen.place(width + kHeadwordGap, kColumn, kIndent);
        out.push_back({pen.x, pen.y, text, DictionaryFont::regular});
        pen.x += width;
    }
    if (!entry.label.empty()) {
        const int width = measure.width(entry.label, DictionaryFont::label);
        if (pen.x + width > kColumn) {
            pen.y += kLineHeight;
            pen.x = kIndent;
        }
        out.push_back({pen.x + 4, pen.y + 2, entry.label, DictionaryFont::label});
    }
    return pen.y;
}

// The translation from (x, y), word by word; "<I>" and "</I>" switch italics and are
// not drawn. Returns the y of its last line.
int place_translation(const UniString& translation, int x, int y, int new_line_x, int right_edge,
                      const DictionaryMeasure& measure, std::vector<DictionaryText>& out) {
    const std::u16string units = dictionary_units(translation);
    DictionaryFont font = DictionaryFont::regular;
    Pen pen{x, y};
    for (const std::u16string_view word : words_of(units)) {
        if (word == u"<I>") {
            font = DictionaryFont::italic;
            continue;
        }
        if (word == u"</I>") {
            font = DictionaryFont::regular;
            continue;
        }
        const UniString text = to_uni(word);
        const int width = word.empty() ? 0 : measure.width(text, font);
        pen.place(width, right_edge, new_line_x);
        if (!word.empty()) out.push_back({pen.x, pen.y, text, font});
        pen.x += width + kWordGap;
    }
    return pen.y;
}

} // namespace

UniString shown_headword(const DictionaryEntry& entry) {
    std::u16string shown = dictionary_units(entry.headword);
    const std::u16string second = dictionary_units(entry.second);
    if (!second.empty()) shown += u", " + second;
    return to_uni(shown);
}

std::vector<DictionaryText> layout_full_list(const DictionaryTable& table,
                                             const std::vector<int>& results, int first,
                                             const DictionaryMeasure& measure) {
    std::vector<DictionaryText> out;
    int y = 0;
    for (std::size_t r = static_cast<std::size_t>(std::max(first, 0)); r < results.size(); ++r) {
        const DictionaryEntry& entry = table.entry(results[r]);
        const int headword_end = place_headword(entry, y, measure, out);
        const int translation_end =
            place_translation(entry.translation, kColumn, y, kColumn, kFullWidth, measure, out);
        y = std::max(headword_end, translation_end) + kLineHeight;
        if (y > kFullHeight) break;
    }
    return out;
}

std::vector<DictionaryText> layout_small_list(const DictionaryTable& table,
                                              const std::vector<int>& results,
                                              const UniString& nothing_found,
                                              const DictionaryMeasure& measure) {
    std::vector<DictionaryText> out;
    if (results.empty()) {
        out.push_back({2, 0, nothing_found, DictionaryFont::bold});
        return out;
    }
    int y = 0;
    for (const int index : results) {
        const DictionaryEntry& entry = table.entry(index);
        const UniString headword = shown_headword(entry);
        out.push_back({0, y, headword, DictionaryFont::bold});
        if (!entry.label.empty()) {
            out.push_back({measure.width(headword, DictionaryFont::bold) + 6, y + 2, entry.label,
                           DictionaryFont::label});
        }
        y = place_translation(entry.translation, 0, y + kSmallLineGap, kSmallIndent, kSmallWidth,
                              measure, out) +
            kSmallLineGap;
    }
    return out;
}

} // namespace vimo
