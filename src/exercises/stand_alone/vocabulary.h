#pragma once
// The vocabulary drill: the word list file cw_r\NAME.bc4 and its loader, the drill
// list, and the drill itself (the cycles of the four task kinds, the distractors and
// the placement of the four choices, typed answers with their accepted alternatives,
// judging, the score and what is reported). Pure code: the random source and the
// sounds come from the caller, so tests drive a whole drill without a screen.

#include "core/config.h"
#include "core/random.h"
#include "exercises/stand_alone/item_result.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vimo {

// One record of a word list. Texts are UTF-8, decoded from the file's 8-bit bytes:
// the word and the alternatives in the course's character set (Windows-1252 for the
// French course, Windows-1250 otherwise), the Polish fields in Windows-1250.
struct WordRecord {
    int group = 0;      // thematic group: the distractors of a word come from it
    int sound_kind = 0; // 1: sound names a file under "Nagrania\"; else a sound number
    int word_id = 0;    // 1..60000 words and phrases, above 60000 example sentences
    int word_class = 0; // below 5 serve as distractors; 3 is a verb
    std::string word;
    std::string translation;
    std::string third_form;   // a sentence record's Polish translation
    std::string alternatives; // further accepted typed answers, "/" between them
    std::string note;
    std::string sound;
    std::string drill_mark; // "cw": the record belongs to the drill
    int example_id = 0;     // word_id of the example sentence record; 0 none

    bool drilled() const { return drill_mark == "cw"; }
    bool is_sentence() const { return word_id > 60000; }
};

inline constexpr int kWordRecordCapacity = 5000;
inline constexpr int kDrillCapacity = 300;
inline constexpr int kHeaderLines = 10;

struct WordFile {
    std::vector<WordRecord> records; // record n (from 1) is records[n - 1]
    std::vector<int> drill_ids;      // the word_id of each drill-marked record, in file order
    std::vector<int> drill;          // build_drill_list: record numbers (from 1)

    const WordRecord& record(int n) const { return records[static_cast<std::size_t>(n - 1)]; }
    int size() const { return static_cast<int>(records.size()); }
    // The number of the first record with word_id, or 0.
    int find_word_id(int word_id) const;
};

// One record line as it stands in the file. nullopt for a line that is no record: a
// trimmed line of 7 bytes or fewer, or a record numbered below 1. Fields the line
// lacks (fewer than ten "=") are empty. Throws ConversionError, naming the columns,
// for a required number column that holds no number (columns 1-2, 4, 5-9, 11, 12),
// a sound field that is no number where the sound kind is 0, and an example id that
// is no number.
std::optional<WordRecord> parse_word_line(std::string_view line, int course_variant);

// Reads the word list at path (a course path): lines 1 to 10 skipped, at most
// kWordRecordCapacity records, reading stopped once kDrillCapacity drill-marked
// records are in. nullopt when the file does not exist. Throws CourseFileError
// naming the file and line of a record that cannot be read.
std::optional<WordFile> load_word_file(const std::string& path, int course_variant);

// words.drill := for each drill id, the first record with that word_id.
void build_drill_list(WordFile& words);

// The record's sound: a file under "Nagrania\" for sound kind 1, else the numbered
// recording under the sentence root (1234 is D_01\dd_012\01234.wav); empty when it
// has none (also for a sound that is no number).
std::string word_sound_path(const WordRecord& record, const Config& config);

// Trimmed, runs of spaces made one, and each of , ; . ! : - attached to the text
// before it and followed by one space ("Hola ,amigo" is "Hola, amigo").
std::string normalize_answer(std::string_view text);
// Without < and >, runs of spaces made one, trimmed.
std::string strip_marks(std::string_view text);

// The task kinds of tabs 2 to 5.
enum class DrillKind {
    none = 0,
    hearing = 1,     // hear the word, choose it among four written words
    reading = 2,     // read and hear the word, choose its translation
    dictation = 5,   // hear the word, type it
    translating = 6, // read the translation, type the word
};
DrillKind drill_kind_of_tab(int tab);
// The kind code of a tab's results: 59 + tab ("<" to "@").
inline constexpr int drill_kind_code(int tab) {
    return 59 + tab;
}
inline constexpr int kDrillTabs = 5;
inline constexpr int kMaxAlternatives = 90;
inline constexpr int kMaxPool = 999;

enum class Verdict { none, right, accepted, wrong };

struct ExampleSentence {
    std::string text;        // the sentence record's word without its marks
    std::string translation; // its third form, the hint of the flag icon
    std::string sound;       // its sound path, or empty
};

// The task of the current word, and after judging what the learner is shown.
struct DrillTask {
    int record = 0; // from 1
    DrillKind kind = DrillKind::none;
    int instruction_text = 0;        // interface text 145 to 148
    std::optional<int> letter_count; // kind 6 with the letter count on
    std::string shown;               // the word line before judging (kinds 2 and 6)
    // The choice kinds' texts; an empty one is not shown. A word list too small for
    // four different texts gives fewer choices, the first ones.
    std::array<std::string, 4> choices{};
    int right_choice = 0; // 1..4
    std::string expected; // the right answer; after a right typed answer, the learner's
    std::vector<std::string> alternatives;
    std::string question_sound;
    std::string answer_sound;

    bool answered = false;
    Verdict verdict = Verdict::none;
    std::string answer;            // the learner's answer (none after a right choice)
    std::string translation_below; // kind 1, after judging
    std::string word_line_after;   // kind 5, after judging: the translation
    std::optional<ExampleSentence> example;

    bool typed() const { return kind == DrillKind::dictation || kind == DrillKind::translating; }
    bool choice_shown(int n) const {
        return n >= 1 && n <= 4 && !choices[static_cast<std::size_t>(n - 1)].empty();
    }
};

// The texts a task's three wrong choices are drawn from, in the order added, at most
// kMaxPool: for hearing the words of the list that share the word's first letter
// (twice while fewer than 10), then those of its group; for reading the translations
// of its group. Only words of class below 5 serve. r is one of words' records.
std::vector<std::string> distractor_pool(const WordFile& words, const WordRecord& r,
                                         DrillKind kind);

// The choices of a task whose right text is right, drawn from pool, or from the whole
// list when the pool has fewer than four texts or fewer than three that differ from
// the right one and from each other. Every draw ends: a slot takes the first fitting
// text after kMaxDraws misses, and a list without three other texts gives fewer
// choices.
struct ChoicePlacement {
    std::array<std::string, 4> choices{};
    int right = 0; // 1..4
};
ChoicePlacement place_choices(const std::string& right, const std::vector<std::string>& pool,
                              const WordFile& words, DrillKind kind, RandomSource& random);

// What a tab reports: its score under kind code 59 + tab.
struct DrillReport {
    int tab = 0;
    int score = 0;
};

// The drill's settings, from the course and the learner.
struct DrillOptions {
    int course_variant = 1;
    bool letter_case = false;   // answers must match in letter case
    bool count_letters = false; // kind 6 says how many letters the word has
};

class VocabularyDrill {
public:
    struct Hooks {
        // Plays a course path; wait: to its end, the learner's input held back.
        std::function<void(const std::string& path, bool wait)> play;
        std::function<void(const DrillReport& report)> report;
    };

    // words (with its drill list built) and config outlive the drill.
    VocabularyDrill(const WordFile& words, const Config& config, DrillOptions options,
                    RandomSource& random, Hooks hooks);

    // The screen opens on tab 1..5: that tab is entered without reporting.
    void open(int tab);
    // Enters tab 1..5; the tab left is reported unless it was already.
    void start_tab(int tab);
    // The next word of the cycle, or the end of the cycle (reported).
    void next_task();
    // A choice 1..4 of an unanswered choice task; others are ignored.
    void judge_choice(int n);
    // The typed answer of an unanswered typed task; ignored otherwise.
    void judge_typed(std::string_view text);
    // The question sound before judging, the answer sound after it.
    void replay();
    // The word list: plays the word at position 1..drill size (file order) and counts
    // the list as learnt (score 100).
    void play_word(int position);
    // Leaving the screen: reports unless already reported.
    void close();

    int drill_score() const;
    int drill_size() const { return static_cast<int>(m_words.drill.size()); }
    int tab() const { return m_tab; }
    DrillKind kind() const { return m_kind; }
    bool has_task() const { return m_has_task; }
    const DrillTask& task() const { return m_task; }
    bool cycle_over() const { return m_cycle_over; }
    bool reported() const { return m_reported; }
    int correct_count() const { return m_correct; }
    int wrong_count() const { return m_wrong; }
    int position() const { return m_position; }
    // The record at position 1..drill size of the current cycle's order.
    int record_at(int position) const { return m_order[static_cast<std::size_t>(position - 1)]; }
    // The record of the word list's position 1..drill size (file order).
    int listed_record(int position) const {
        return m_words.drill[static_cast<std::size_t>(position - 1)];
    }
    // The example sentence of record, if its example id names a record.
    std::optional<ExampleSentence> example_of(int record) const;
    const WordFile& words() const { return m_words; }

private:
    void reset_tab();
    void start_cycle();
    void shuffle();
    void build_task(int record);
    void place(const std::string& right, const WordRecord& r);
    std::vector<std::string> accepted_alternatives(const WordRecord& r) const;
    void complete_task(bool right);
    void report_result();
    bool remaining(int position) const;
    void set_remaining(int position, bool value);
    void play(const std::string& path, bool wait) const;
    std::string fold(std::string_view text) const;

    const WordFile& m_words;
    const Config& m_config;
    DrillOptions m_options;
    RandomSource& m_random;
    Hooks m_hooks;

    int m_tab = 0;
    DrillKind m_kind = DrillKind::none;
    std::vector<int> m_order; // record numbers in the cycle's order
    // Per position, per kind (hearing, reading, dictation, translating): one more
    // right answer needed.
    std::vector<std::array<bool, 4>> m_remaining;
    int m_position = 0;
    int m_correct = 0;
    int m_wrong = 0;
    bool m_reported = false;
    bool m_has_task = false;
    bool m_cycle_over = false;
    DrillTask m_task;
};

// The result a tab's report stores for item_name: kind code 59 + tab, key 0,
// completed, the repetition at task position tab (tabs 2 to 5).
ItemResult drill_item_result(const DrillReport& report, std::string_view item_name);

} // namespace vimo
