#pragma once
// The marked-up text of the task screens: course text (UTF-16 byte strings) split at
// spaces into words, with inline tags that switch bold and italic or break the line.
// The instruction painter lays an instruction out word by word and records what it
// painted where, so that a right click can hand the word under the pointer to the
// dictionary. Layout is pure arithmetic over a TextMeasure; the Qt functions at the
// end only measure with QFontMetrics and draw the computed layout.
#include "core/uni.h"
#include "core/word_flow.h" // the content painters flow their words with WordFlow

#include <QFont>
#include <array>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

class QPainter;
class QWidget;

namespace vimo {

// --- Words and tags (shared by the instruction and the content painters) ---

struct TextStyle {
    bool bold = false;
    bool italic = false;
    friend bool operator==(const TextStyle&, const TextStyle&) = default;
};

// One word of a text and the number of U+0020 units that follow it before the next
// word (0 after the last word; spaces before the first and after the last word
// separate nothing and are not counted).
struct MarkedWord {
    UniString text;
    int spaces_after = 0;
    friend bool operator==(const MarkedWord&, const MarkedWord&) = default;
};

// The words of text: maximal runs of units other than U+0020. The text ends at its
// first U+0000 unit (the painted string ends there too); a dangling odd byte is
// ignored.
std::vector<MarkedWord> split_marked_words(std::string_view text);

// The 3-pixel pen steps a run of spaces between two words makes: one for a single
// space, two more for each further space (0 for none).
int pen_steps(int spaces);

// A word whose first unit is "<" and that holds a ">" somewhere. Never drawn.
bool is_tag_word(std::string_view word);

enum class TagEffect { none, bold_on, bold_off, italic_on, italic_off, line_break };

// Which painter asks: the instruction painter breaks the line on "<BR>" in any letter
// case, the content painters only on "<BR>" in upper case. "<B>", "</B>", "<I>",
// "</I>" count only in upper case for both.
enum class BreakMatch { any_case, upper_case };

// The effect of a tag word; none for words that are not tags and for tags without
// an effect ("<U>", or "<b>" lower case).
TagEffect tag_effect(std::string_view word, BreakMatch match);

// style after a tag with effect (line breaks and unknown tags leave it).
TextStyle apply_tag(TextStyle style, TagEffect effect);

// Measures words in the painter's font: Verdana 10 pt with the style added.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual int width(const UniString& word, TextStyle style) const = 0;
    virtual int height() const = 0;
};

// --- The instruction painter ---

namespace instruction_metrics {
inline constexpr int step = 3;          // a word's gap, and one pen step of a space
inline constexpr int line_step = 18;    // between lines
inline constexpr int entry_height = 16; // bottom of an entry below its top
inline constexpr int right_margin = 10; // a word reaching width - 10 starts a new line
inline constexpr int point_size = 10;
} // namespace instruction_metrics

// One painted instruction word or pen step (an empty word) and its rectangle inside
// the instruction paint box, all bounds inclusive.
struct InstructionEntry {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    UniString word;
};

// The words of the instruction on screen. Only one instruction is shown at a time, so
// the program keeps one table for all task screens. A repaint sets the count to 0 and
// refills from the start; entries past the count are stale and never consulted. An
// instruction that would fill more than the capacity records its first 300 entries
// (the rest is still drawn, but a right click there finds nothing).
class InstructionWordTable {
public:
    static constexpr int kCapacity = 300;

    void clear() { m_count = 0; }
    // False (and nothing recorded) once the table is full.
    bool add(const InstructionEntry& entry);
    int count() const { return m_count; }
    // Entry i, 0-based, i < count().
    const InstructionEntry& entry(int i) const { return m_entries[static_cast<std::size_t>(i)]; }

private:
    std::array<InstructionEntry, kCapacity> m_entries;
    int m_count = 0;
};

// A word to draw: its text, style and top-left pen position.
struct PaintedWord {
    int x = 0;
    int y = 0;
    UniString text;
    TextStyle style;
};

// The variant of an instruction for the interface language folder ("Lang_r\0\" ...):
// field 4 for folders 0 and 2, field 6 for 1, field 5 for 4, nothing for any other.
std::string_view instruction_variant(std::string_view language_folder, std::string_view field4,
                                     std::string_view field5, std::string_view field6);

// Lays text out in a paint box box_width wide, starting regular at (0, 0), refills
// table and returns the words to draw.
std::vector<PaintedWord> layout_instruction(std::string_view text, int box_width,
                                            const TextMeasure& measure,
                                            InstructionWordTable& table);

// The word of the first entry whose rectangle holds (x, y), bounds inclusive; an
// empty word for a pen step; nothing where no entry is hit.
std::optional<UniString> instruction_word_at(const InstructionWordTable& table, int x, int y);

// The dictionary's look-up: opens the small dictionary window on word (mode 0).
using DictionaryOpen = std::function<void(const UniString& word, int mode)>;

// The text of the first painted word whose box (x .. x + width, y .. y + height, all
// inclusive) holds the point: the word a right click on a list looks up. Word is any
// laid-out word with x, y, width and text.
template <typename Word>
std::optional<UniString> painted_word_at(const std::vector<Word>& words, int x, int y, int height) {
    for (const Word& word : words) {
        if (word.x <= x && x <= word.x + word.width && word.y <= y && y <= word.y + height)
            return word.text;
    }
    return std::nullopt;
}

// The instruction paint box's mouse-down: a right click on an entry hands its word to
// open_dictionary in mode 0; any other button, or a point off the entries, does
// nothing. True when the dictionary was asked.
bool instruction_mouse_down(const InstructionWordTable& table, Qt::MouseButton button, int x, int y,
                            const DictionaryOpen& open_dictionary);

// --- Qt: measuring with the canvas font and painting the layout ---

// "Verdana" at points, regular; fontconfig stands in DejaVu Sans where Verdana is absent.
QFont painter_font(int points);

// Measures in base (its style replaced by the word's) on device (the paint box), so
// that point sizes resolve as they do when painting.
class QtTextMeasure final : public TextMeasure {
public:
    explicit QtTextMeasure(QFont base, const QWidget* device = nullptr);
    int width(const UniString& word, TextStyle style) const override;
    int height() const override;
    QFont font(TextStyle style) const;

private:
    QFont m_base;
    const QWidget* m_device;
};

// Draws words with painter in base's family and size, each word's style added, in the
// painter's current pen; the background stays untouched.
void draw_words(QPainter& painter, const QFont& base, const std::vector<PaintedWord>& words,
                const QWidget* device);

// The paint event of an instruction paint box: Verdana 10, the box's window-text
// colour, no background; draws the variant chosen for language_folder and refills table.
void paint_instruction(QPainter& painter, const QWidget& box, std::string_view language_folder,
                       std::string_view field4, std::string_view field5, std::string_view field6,
                       InstructionWordTable& table);

} // namespace vimo
