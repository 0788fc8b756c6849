#pragma once
// The engine of the definitions task: up to twelve pairs of a term and its definition.
// The terms are shuffled into labels above the definitions; each definition has a slot
// at its left into which the learner drops a term; checking marks every slot, scores
// a point per right one and puts every term into its own slot. All places are in the
// screen's coordinates, from widths the caller measures.

#include "core/random.h"
#include "core/uni.h"
#include "exercises/tasks/exercise_frame.h"

#include <functional>
#include <string_view>
#include <vector>

namespace vimo {

struct DefPair {
    UniString term;
    UniString definition;
};

// The pairs of a content line ("DF#term*definition#…"): fields 2, 3, … up to the first
// blank one, each cut at its first "*" and trimmed; at most Definitions::kMaxPairs.
std::vector<DefPair> parse_definitions(std::string_view kind_line);

// A word of a definition, in the definitions box's coordinates (its top-left).
struct DefWord {
    int x = 0;
    int y = 0;
    UniString text;
    int width = 0;
};

struct DefMeasures {
    std::function<int(const UniString& term)> term_width; // in the labels' font
    std::function<int(const UniString& word)> word_width; // in the definitions' font
    int space_width = 0;                                  // the definitions' word gap
    int label_height = 0;
};

class Definitions {
public:
    static constexpr int kMaxPairs = 12;
    // A term wider than this is cut to it, so that the definitions keep their box.
    static constexpr int kMaxTermWidth = 800;
    static constexpr int kPoolLeft = 50;
    static constexpr int kPoolRight = 900;
    static constexpr int kPoolGap = 20;
    static constexpr int kPoolRowStep = 20;
    static constexpr int kBoxBelowPool = 80;
    static constexpr int kSlotLeft = 50;
    static constexpr int kLineStep = 17;       // a wrapped line of a definition
    static constexpr int kDefinitionStep = 24; // from one definition to the next
    static constexpr int kMarkOffset = 25;     // the result mark's left of the slot

    // Parses and shuffles content (reseeding random) and lays everything out: the
    // pool's first row at pool_top, the definitions box 80 pixels below it.
    void load(std::string_view kind_line, int pool_top, const DefMeasures& measures,
              RandomSource& random);

    const std::vector<DefPair>& pairs() const { return m_pairs; }
    int count() const { return static_cast<int>(m_pairs.size()); }

    // Labels (0-based): the pair whose term label k shows, its width and its home.
    int term_of(int label) const { return at(m_labels, label).term; }
    const UniString& caption(int label) const { return m_pairs[term_of(label)].term; }
    int label_width(int label) const { return at(m_labels, label).width; }
    AreaRect home(int label) const { return at(m_labels, label).home; }
    // Where label k stands now: at home, or centred in its slot.
    AreaRect position(int label) const;
    // The slot label k occupies, or -1; the label in slot i, or -1.
    int slot_of(int label) const { return at(m_labels, label).slot; }
    int label_in(int slot) const;

    // The widest term (cut to kMaxTermWidth), the definitions box and its words.
    int widest() const { return m_widest; }
    AreaRect box() const { return m_box; }
    const std::vector<DefWord>& words() const { return m_words; }
    // Slot i, its frame, its dash and the place of its result mark of size mark.
    AreaRect slot(int i) const { return at(m_slots, i); }
    AreaRect frame(int i) const;
    AreaRect dash(int i) const;
    AreaRect mark(int i, int mark_width, int mark_height) const;

    // Whether label k may be dragged (not once checked); a drag counts as acting.
    bool start_drag(int label);
    // Drops label k at (x, y): into the first slot holding the point that is empty or
    // holds it already (its former slot is freed); anywhere else it goes home, its
    // slot freed. Returns the slot it landed in, or -1.
    int drop(int label, int x, int y);

    // Marks every slot, counts, and when not all are right moves every term into its
    // own slot. A second check does nothing more.
    void check();
    // Slot i holds a term whose pair reads the same as some pair of the task (so two
    // terms that read alike are interchangeable); meaningful after checking.
    bool slot_right(int i) const { return m_right[static_cast<std::size_t>(i)] != 0; }
    // The hint of slot i's bad mark after checking: wrong_text, a space and the term
    // the learner put there (the term alone when that text is missing), or empty_text
    // for an empty slot; nothing for a right
    // slot. Interface texts end with U+0000, so both are trimmed first.
    UniString slot_hint(int i, std::string_view wrong_text, std::string_view empty_text) const;

    const TaskAttempt& attempt() const { return m_attempt; }

private:
    struct Label {
        int term = 0;
        int width = 0;
        AreaRect home;
        int slot = -1;
    };
    template <typename T> static const T& at(const std::vector<T>& v, int i) {
        return v[static_cast<std::size_t>(i)];
    }
    bool reads_as_a_pair(int slot, int label) const;
    void place(int label, int slot);

    std::vector<DefPair> m_pairs;
    std::vector<Label> m_labels;
    std::vector<AreaRect> m_slots;
    std::vector<char> m_right;
    std::vector<UniString> m_placed_terms; // what each slot held when checked
    std::vector<DefWord> m_words;
    AreaRect m_box;
    int m_widest = 0;
    int m_label_height = 0;
    TaskAttempt m_attempt;
};

// The first row of the pool and its later rows: labels of widths left to right from
// left; a label that would pass right starts a new row step lower. The labels' homes.
std::vector<AreaRect> pool_places(const std::vector<int>& widths, int height, int left, int top,
                                  int right, int gap, int row_step);

// The definitions' words flowed into a box width wide: a word that would pass the
// width goes to the next line (17 lower) unless its line is still empty, so each word
// moves at most once. Per definition its top (y) and its number of lines.
struct DefBlock {
    int top = 0;
    int lines = 1;
};
std::vector<DefBlock> flow_definitions(const std::vector<DefPair>& pairs, int width,
                                       const DefMeasures& measures, std::vector<DefWord>& words);

} // namespace vimo
