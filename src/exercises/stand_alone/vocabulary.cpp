#include "exercises/stand_alone/vocabulary.h"

#include "core/encoding.h"
#include "core/paths.h"
#include "core/text_file.h"
#include "core/uni.h"

#include <QString>
#include <algorithm>
#include <cctype>
#include <unordered_map>

namespace vimo {

namespace {

// A placement draws at most this often for one slot before it takes the first text
// that fits: a pool of few distinct texts can make a random draw miss for long.
constexpr int kMaxDraws = 1000;
// The whole file serves the choices without its last records, as long as it is
// longer than they are.
constexpr int kFileTail = 161;
constexpr int kLargeDrawRange = 30;
constexpr int kShuffleTries = 100;

std::string trimmed(std::string_view text) {
    return std::string(trim_8bit(text));
}

// Bytes from..to (1-based, inclusive) of t, as far as t reaches.
std::string_view columns(std::string_view t, int from, int to) {
    if (from < 1 || to < from || static_cast<std::size_t>(from) > t.size()) return {};
    return t.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(to - from + 1));
}

std::string columns_name(int from, int to) {
    return from == to ? "column " + std::to_string(from)
                      : "columns " + std::to_string(from) + " to " + std::to_string(to);
}

// A number the record cannot do without: blank is no number either. The message is
// made only for a line at fault: the loader reads thousands of good ones.
int required_number(std::string_view t, int from, int to, const char* what) {
    const std::string_view field = trim_8bit(columns(t, from, to));
    const auto fault = [&] {
        return ConversionError(std::string(field),
                               std::string("the ") + what + " in " + columns_name(from, to));
    };
    if (field.empty()) throw fault();
    try {
        return int_or_zero(field);
    } catch (const ConversionError&) {
        throw fault();
    }
}

int number_or_zero(std::string_view text, const char* what) {
    try {
        return int_or_zero(text);
    } catch (const ConversionError& error) {
        throw ConversionError(error.text(), what);
    }
}

bool all_digits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

// The number a sound field names, 0 for none or for a text that is no number.
int sound_number(std::string_view sound) {
    const std::string_view text = trim_8bit(sound);
    if (!all_digits(text) || text.size() > 9) return 0;
    return std::stoi(std::string(text));
}

// round(numerator / denominator), halves to even; denominator > 0.
int round_half_even(long long numerator, long long denominator) {
    long long quotient = numerator / denominator;
    const long long twice_rest = 2 * (numerator % denominator);
    if (twice_rest > denominator || (twice_rest == denominator && quotient % 2 != 0)) ++quotient;
    return static_cast<int>(quotient);
}

// The bytes of the first character of a UTF-8 text, or empty.
std::string_view first_character(std::string_view text) {
    if (text.empty()) return {};
    std::size_t length = 1;
    while (length < text.size() && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
        ++length;
    return text.substr(0, length);
}

int character_count(std::string_view text) {
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

bool contains(const std::array<std::string, 4>& choices, const std::string& text) {
    return std::find(choices.begin(), choices.end(), text) != choices.end();
}

// The first different texts of pool that are not empty and not right, in pool order:
// four at most, enough to tell whether three wrong choices can be found and to fill a
// slot whose draws all missed.
std::vector<std::string> distinct_others(const std::vector<std::string>& pool,
                                         const std::string& right) {
    constexpr std::size_t kEnough = 4;
    std::vector<std::string> others;
    for (const std::string& text : pool) {
        if (others.size() == kEnough) break;
        if (text.empty() || text == right) continue;
        if (std::find(others.begin(), others.end(), text) == others.end()) others.push_back(text);
    }
    return others;
}

// A text of others not yet among the choices (there is one whenever the caller asks).
const std::string& first_unused(const std::vector<std::string>& others,
                                const std::array<std::string, 4>& choices) {
    for (const std::string& text : others)
        if (!contains(choices, text)) return text;
    return others.front();
}

bool starts_with_to(std::string_view text) {
    if (text.size() < 3) return false;
    return std::tolower(static_cast<unsigned char>(text[0])) == 't' &&
           std::tolower(static_cast<unsigned char>(text[1])) == 'o' && text[2] == ' ';
}

bool has_sound(const WordRecord& r) {
    if (r.sound_kind == 1) return !r.sound.empty();
    return sound_number(r.sound) > 0;
}

std::size_t kind_index(DrillKind kind) {
    switch (kind) {
    case DrillKind::hearing:
        return 0;
    case DrillKind::reading:
        return 1;
    case DrillKind::dictation:
        return 2;
    default:
        return 3;
    }
}

bool qualifies(const WordRecord& r, DrillKind kind) {
    if (r.is_sentence()) return false;
    switch (kind) {
    case DrillKind::hearing:
    case DrillKind::dictation:
        return has_sound(r);
    case DrillKind::reading:
    case DrillKind::translating:
        return true;
    case DrillKind::none:
        break;
    }
    return false;
}

// Cuts text at every occurrence of separator, trims the pieces and joins them with
// the separator followed by one space.
std::string attach_separator(const std::string& text, char separator) {
    std::string joined;
    std::size_t start = 0;
    while (true) {
        const std::size_t found = text.find(separator, start);
        const std::string piece = trimmed(std::string_view(text).substr(
            start, found == std::string::npos ? std::string::npos : found - start));
        joined += piece;
        if (found == std::string::npos) break;
        joined += separator;
        joined += ' ';
        start = found + 1;
    }
    return trimmed(joined);
}

std::string collapse_spaces(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == ' ' && !out.empty() && out.back() == ' ') continue;
        out += c;
    }
    return trimmed(out);
}

} // namespace

int WordFile::find_word_id(int word_id) const {
    for (std::size_t i = 0; i < records.size(); ++i)
        if (records[i].word_id == word_id) return static_cast<int>(i) + 1;
    return 0;
}

std::optional<WordRecord> parse_word_line(std::string_view line, int course_variant) {
    const std::string_view t = trim_8bit(line);
    if (t.size() <= 7) return std::nullopt;

    WordRecord r;
    r.group = required_number(t, 1, 2, "group");
    r.sound_kind = number_or_zero(columns(t, 4, 4), "the sound kind in column 4");
    r.word_id = required_number(t, 5, 9, "word number");
    required_number(t, 11, 11, "digit");
    r.word_class = required_number(t, 12, 12, "word class");
    if (r.word_id < 1) return std::nullopt;

    std::array<int, 10> e{};
    int from = 1;
    for (int& position : e) {
        position = from > 0 ? pos_from(from, t, "=") : -1;
        from = position > 0 ? position + 1 : -1;
    }
    // Field k lies between the k-th and the next "="; the line's end closes the last.
    const auto field = [&](int k) -> std::string {
        const int start = e[static_cast<std::size_t>(k - 1)];
        if (start < 0) return {};
        const int next = k < 10 ? e[static_cast<std::size_t>(k)] : -1;
        const std::size_t end = next > 0 ? static_cast<std::size_t>(next - 1) : t.size();
        return trimmed(t.substr(static_cast<std::size_t>(start), end - start));
    };
    // The word ends one column before the first "=".
    const std::string_view word =
        e[0] > 0 ? columns(t, 14, e[0] - 2) : (t.size() > 13 ? t.substr(13) : std::string_view());
    const auto foreign = [course_variant](std::string_view text) {
        return course_variant == 3 ? cp1252_to_utf8(text) : cp1250_to_utf8(text);
    };

    r.word = foreign(trim_8bit(word));
    r.translation = cp1250_to_utf8(field(1));
    r.third_form = cp1250_to_utf8(field(2));
    r.alternatives = foreign(field(3));
    r.note = cp1250_to_utf8(field(4));
    std::string sound = field(5);
    if (r.sound_kind == 0 && number_or_zero(sound, "the sound number of sound kind 0") == 0)
        sound.clear();
    r.sound = cp1250_to_utf8(sound);
    r.drill_mark = field(9);
    if (e[9] > 0)
        r.example_id = number_or_zero(t.substr(static_cast<std::size_t>(e[9])),
                                      "the example sentence number after the tenth \"=\"");
    return r;
}

std::optional<WordFile> load_word_file(const std::string& path, int course_variant) {
    const std::string resolved = resolve_path(path);
    const std::optional<std::vector<std::string>> lines = read_8bit_lines(resolved);
    if (!lines) return std::nullopt;
    WordFile words;
    int drilled = 0;
    for (std::size_t i = kHeaderLines; i < lines->size() && drilled < kDrillCapacity; ++i) {
        const std::string& line = (*lines)[i];
        if (trim_8bit(line).empty()) continue;
        if (words.size() >= kWordRecordCapacity) break;
        std::optional<WordRecord> record;
        try {
            record = parse_word_line(line, course_variant);
        } catch (const ConversionError& error) {
            throw CourseFileError(resolved, static_cast<int>(i) + 1, error.what());
        }
        if (!record) continue;
        if (record->drilled()) {
            words.drill_ids.push_back(record->word_id);
            ++drilled;
        }
        words.records.push_back(std::move(*record));
    }
    return words;
}

void build_drill_list(WordFile& words) {
    // The first record of every number, found in one pass over the list.
    std::unordered_map<int, int> first;
    for (int n = words.size(); n >= 1; --n)
        first[words.record(n).word_id] = n;
    words.drill.clear();
    for (const int id : words.drill_ids)
        words.drill.push_back(first[id]);
}

std::string word_sound_path(const WordRecord& record, const Config& config) {
    if (record.sound_kind == 1)
        return record.sound.empty() ? std::string()
                                    : config.course_path("Nagrania\\" + record.sound);
    const int number = sound_number(record.sound);
    if (number <= 0) return {};
    std::string digits = std::to_string(number);
    if (digits.size() < 5) digits.insert(0, 5 - digits.size(), '0');
    return config.sentence_root + "D_" + digits.substr(0, 2) + "\\dd_" + digits.substr(0, 3) +
           "\\" + digits + ".wav";
}

std::string normalize_answer(std::string_view text) {
    std::string result = collapse_spaces(trim_8bit(text));
    for (const char separator : {',', ';', '.', '!', ':', '-'})
        result = attach_separator(result, separator);
    return result;
}

std::string strip_marks(std::string_view text) {
    std::string without;
    for (const char c : text)
        if (c != '<' && c != '>') without += c;
    return collapse_spaces(without);
}

DrillKind drill_kind_of_tab(int tab) {
    switch (tab) {
    case 2:
        return DrillKind::hearing;
    case 3:
        return DrillKind::reading;
    case 4:
        return DrillKind::dictation;
    case 5:
        return DrillKind::translating;
    default:
        return DrillKind::none;
    }
}

VocabularyDrill::VocabularyDrill(const WordFile& words, const Config& config, DrillOptions options,
                                 RandomSource& random, Hooks hooks)
    : m_words(words), m_config(config), m_options(options), m_random(random),
      m_hooks(std::move(hooks)) {}

void VocabularyDrill::open(int tab) {
    m_reported = true; // a fresh screen has nothing to report yet
    start_tab(tab);
}

void VocabularyDrill::start_tab(int tab) {
    if (!m_reported) report_result();
    m_reported = false;
    m_tab = std::clamp(tab, 1, kDrillTabs);
    m_kind = drill_kind_of_tab(m_tab);
    reset_tab();
    m_has_task = false;
    m_cycle_over = false;
    m_task = {};
    if (m_tab == 1) {
        // The word list starts from nothing learnt, whatever the tab before counted.
        m_correct = 0;
        m_wrong = 0;
        m_position = 0;
        return;
    }
    start_cycle();
    next_task();
}

void VocabularyDrill::reset_tab() {
    m_order = m_words.drill;
    m_remaining.assign(m_order.size(), {});
    for (std::size_t p = 0; p < m_order.size(); ++p) {
        const WordRecord& r = m_words.record(m_order[p]);
        for (const DrillKind kind :
             {DrillKind::hearing, DrillKind::reading, DrillKind::dictation, DrillKind::translating})
            m_remaining[p][kind_index(kind)] = qualifies(r, kind);
    }
}

void VocabularyDrill::start_cycle() {
    m_correct = 0;
    m_wrong = 0;
    m_position = 0;
    // One seed for the whole cycle: its shuffle and every placement draw from it.
    m_random.reseed();
    shuffle();
}

void VocabularyDrill::shuffle() {
    const int n = drill_size();
    if (n <= 4) return;
    const int k = std::clamp(round_half_even(6LL * n, 10), 5, n);
    int previous = 1;
    for (int i = 1; i <= k; ++i) {
        int j = 0;
        for (int tries = 0; tries < kShuffleTries && (j == 0 || j == i || j == previous); ++tries)
            j = m_random.below(n) + 1;
        if (j == 0 || j == i || j == previous) {
            j = 1;
            while (j == i || j == previous)
                ++j;
        }
        std::swap(m_order[static_cast<std::size_t>(i - 1)],
                  m_order[static_cast<std::size_t>(j - 1)]);
        std::swap(m_remaining[static_cast<std::size_t>(i - 1)],
                  m_remaining[static_cast<std::size_t>(j - 1)]);
        previous = j;
    }
}

bool VocabularyDrill::remaining(int position) const {
    return m_remaining[static_cast<std::size_t>(position - 1)][kind_index(m_kind)];
}

void VocabularyDrill::set_remaining(int position, bool value) {
    m_remaining[static_cast<std::size_t>(position - 1)][kind_index(m_kind)] = value;
}

void VocabularyDrill::next_task() {
    if (m_tab < 2 || m_cycle_over) return;
    const int n = drill_size();
    if (n > 0) {
        m_position = m_position % n + 1;
        for (int steps = 0; !remaining(m_position) && steps < n + 1; ++steps)
            m_position = m_position % n + 1;
        if (remaining(m_position)) {
            build_task(m_order[static_cast<std::size_t>(m_position - 1)]);
            return;
        }
    }
    report_result();
    m_position = 1;
    m_cycle_over = true;
}

void VocabularyDrill::place(const std::string& right, const WordRecord& r) {
    const ChoicePlacement placed =
        place_choices(right, distractor_pool(m_words, r, m_kind), m_words, m_kind, m_random);
    m_task.choices = placed.choices;
    m_task.right_choice = placed.right;
}

void VocabularyDrill::build_task(int record) {
    const WordRecord& r = m_words.record(record);
    m_task = {};
    m_task.record = record;
    m_task.kind = m_kind;
    m_task.alternatives = accepted_alternatives(r);
    const std::string sound = word_sound_path(r, m_config);
    switch (m_kind) {
    case DrillKind::hearing:
        m_task.instruction_text = 145;
        place(r.word, r);
        m_task.expected = r.word;
        m_task.question_sound = m_task.answer_sound = sound;
        break;
    case DrillKind::reading:
        m_task.instruction_text = 146;
        m_task.shown = r.word;
        place(r.translation, r);
        m_task.expected = r.translation;
        m_task.question_sound = m_task.answer_sound = sound;
        break;
    case DrillKind::dictation:
        m_task.instruction_text = 147;
        m_task.expected = r.word;
        m_task.question_sound = m_task.answer_sound = sound;
        break;
    case DrillKind::translating:
        m_task.instruction_text = 148;
        m_task.shown = r.translation;
        m_task.expected = trimmed(r.word);
        if (m_options.count_letters) m_task.letter_count = character_count(m_task.expected);
        m_task.answer_sound = sound;
        break;
    case DrillKind::none:
        return;
    }
    m_has_task = true;
    play(m_task.question_sound, false);
}

namespace {

const std::string& choice_text(const WordRecord& r, DrillKind kind) {
    return kind == DrillKind::hearing ? r.word : r.translation;
}

ChoicePlacement place_from_file(const std::string& right, const WordFile& words, DrillKind kind,
                                RandomSource& random) {
    const int n = words.size();
    const int range = n > kFileTail ? n - kFileTail : n;
    std::vector<std::string> texts;
    for (int k = 1; k <= range; ++k)
        texts.push_back(choice_text(words.record(k), kind));
    const std::vector<std::string> others = distinct_others(texts, right);
    // A list without three other texts shows as many choices as it has.
    const int count = 1 + std::min<int>(3, static_cast<int>(others.size()));
    ChoicePlacement placed;
    std::array<std::string, 4>& choices = placed.choices;
    placed.right = random.below(count) + 1;
    choices[static_cast<std::size_t>(placed.right - 1)] = right;
    for (int slot = 1; slot <= count; ++slot) {
        if (slot == placed.right) continue;
        std::string& choice = choices[static_cast<std::size_t>(slot - 1)];
        for (int draws = 1; choice.empty(); ++draws) {
            const std::string& text = texts[static_cast<std::size_t>(random.below(range))];
            if (!text.empty() && !contains(choices, text))
                choice = text;
            else if (draws >= kMaxDraws)
                choice = first_unused(others, choices);
        }
    }
    return placed;
}

} // namespace

std::vector<std::string> distractor_pool(const WordFile& words, const WordRecord& r,
                                         DrillKind kind) {
    std::vector<std::string> pool;
    const auto add = [&pool](const std::string& text) {
        if (pool.size() < kMaxPool) pool.push_back(text);
    };
    if (kind == DrillKind::hearing) {
        const std::string_view first = first_character(r.word);
        const auto add_same_first_letter = [&] {
            if (first.empty()) return; // a record without a word has no first letter
            for (const WordRecord& other : words.records)
                if (other.word_class < 5 && other.word.starts_with(first)) add(other.word);
        };
        add_same_first_letter();
        if (pool.size() < 10) add_same_first_letter();
        if (pool.size() < 13)
            for (const WordRecord& other : words.records)
                if (other.group == r.group && other.word_class < 5) add(other.word);
        return pool;
    }
    for (const WordRecord& other : words.records)
        if (other.group == r.group && other.word_class < 5) add(other.translation);
    if (pool.size() < 10)
        for (const WordRecord& other : words.records)
            if (other.group == r.group && other.group < 5) add(other.translation);
    return pool;
}

ChoicePlacement place_choices(const std::string& right, const std::vector<std::string>& pool,
                              const WordFile& words, DrillKind kind, RandomSource& random) {
    const std::vector<std::string> others = distinct_others(pool, right);
    if (pool.size() < 4 || others.size() < 3) return place_from_file(right, words, kind, random);
    const int size = static_cast<int>(pool.size());
    int range = size == 4 || size == 5 ? 8 : size;
    ChoicePlacement placed;
    std::array<std::string, 4>& choices = placed.choices;
    placed.right = random.below(4) + 1;
    choices[static_cast<std::size_t>(placed.right - 1)] = right;
    for (int slot = 1; slot <= 4; ++slot) {
        if (slot == placed.right) continue;
        std::string& choice = choices[static_cast<std::size_t>(slot - 1)];
        for (int draws = 1; choice.empty(); ++draws) {
            const int index = random.below(range);
            const std::string text = index < size ? pool[static_cast<std::size_t>(index)] : "";
            if (!text.empty() && !contains(choices, text)) {
                choice = text;
            } else if (draws >= kMaxDraws) {
                choice = first_unused(others, choices);
            } else if (draws < kLargeDrawRange) {
                range = kLargeDrawRange;
            }
        }
    }
    return placed;
}

std::vector<std::string> VocabularyDrill::accepted_alternatives(const WordRecord& r) const {
    std::vector<std::string> accepted;
    const auto add = [&accepted](std::string text) {
        if (accepted.size() < static_cast<std::size_t>(kMaxAlternatives))
            accepted.push_back(std::move(text));
    };
    const std::string all = trimmed(r.alternatives);
    std::size_t start = 0;
    while (start <= all.size() && !all.empty()) {
        const std::size_t slash = all.find('/', start);
        std::string piece = trimmed(std::string_view(all).substr(
            start, slash == std::string::npos ? std::string::npos : slash - start));
        // An empty piece would accept an empty answer.
        if (!piece.empty()) add(std::move(piece));
        if (slash == std::string::npos) break;
        start = slash + 1;
    }
    if (m_kind == DrillKind::translating && m_options.course_variant == 1 && r.word_class == 3) {
        add(trimmed(r.word));
        const std::size_t present = accepted.size();
        for (std::size_t k = 0; k < present; ++k)
            if (!starts_with_to(accepted[k])) add("to " + accepted[k]);
    }
    return accepted;
}

std::string VocabularyDrill::fold(std::string_view text) const {
    if (m_options.letter_case) return std::string(text);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
        .toLower()
        .toStdString();
}

void VocabularyDrill::judge_choice(int n) {
    if (!m_has_task || m_task.answered || m_task.typed() || !m_task.choice_shown(n)) return;
    m_task.answered = true;
    const bool right = n == m_task.right_choice;
    m_task.answer = right ? std::string() : m_task.choices[static_cast<std::size_t>(n - 1)];
    m_task.verdict = right ? Verdict::right : Verdict::wrong;
    complete_task(right);
}

void VocabularyDrill::judge_typed(std::string_view text) {
    if (!m_has_task || m_task.answered || !m_task.typed()) return;
    m_task.answered = true;
    // The learner's text is shown as typed (normalised); only the comparison folds case.
    const std::string typed = normalize_answer(text);
    const std::string a = fold(typed);
    bool right = a == fold(normalize_answer(m_task.expected));
    m_task.verdict = right ? Verdict::right : Verdict::wrong;
    if (!right) {
        for (const std::string& alternative : m_task.alternatives) {
            if (fold(normalize_answer(alternative)) != a) continue;
            right = true;
            m_task.verdict = Verdict::accepted;
            break;
        }
    }
    m_task.answer = typed;
    if (right) m_task.expected = typed;
    complete_task(right);
}

void VocabularyDrill::complete_task(bool right) {
    const WordRecord& r = m_words.record(m_task.record);
    if (right) {
        set_remaining(m_position, false);
        ++m_correct;
        if (m_task.verdict == Verdict::accepted) m_task.answer_sound.clear();
    } else {
        ++m_wrong;
        play(m_config.course_path("zla.wav"), true);
    }
    if (m_kind == DrillKind::hearing) m_task.translation_below = r.translation;
    if (m_kind == DrillKind::dictation) m_task.word_line_after = r.translation;
    m_task.example = example_of(m_task.record);
    if (m_task.question_sound.empty()) play(m_task.answer_sound, false);
}

void VocabularyDrill::replay() {
    if (!m_has_task) return;
    play(m_task.answered ? m_task.answer_sound : m_task.question_sound, false);
}

void VocabularyDrill::play_word(int position) {
    if (position < 1 || position > drill_size()) return;
    m_correct = drill_size();
    m_wrong = 0;
    play(word_sound_path(m_words.record(listed_record(position)), m_config), false);
}

std::optional<ExampleSentence> VocabularyDrill::example_of(int record) const {
    const WordRecord& r = m_words.record(record);
    if (r.example_id < 1) return std::nullopt;
    const int found = m_words.find_word_id(r.example_id);
    if (found == 0) return std::nullopt;
    const WordRecord& sentence = m_words.record(found);
    return ExampleSentence{strip_marks(sentence.word), sentence.third_form,
                           word_sound_path(sentence, m_config)};
}

int VocabularyDrill::drill_score() const {
    if (m_correct + m_wrong == 0) return 0;
    return round_half_even(100LL * m_correct, m_wrong + drill_size());
}

void VocabularyDrill::report_result() {
    m_reported = true;
    if (m_hooks.report) m_hooks.report({m_tab, drill_score()});
}

void VocabularyDrill::close() {
    if (m_tab >= 1 && !m_reported) report_result();
}

void VocabularyDrill::play(const std::string& path, bool wait) const {
    if (!path.empty() && m_hooks.play) m_hooks.play(path, wait);
}

ItemResult drill_item_result(const DrillReport& report, std::string_view item_name) {
    return {.item = std::string(item_name),
            .kind = drill_kind_code(report.tab),
            .key = 0,
            .score = report.score,
            .completed = true,
            .task_id = 0,
            .tab = report.tab};
}

} // namespace vimo
