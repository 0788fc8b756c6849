#include "results/results_store.h"

#include "core/atomic_file.h"
#include "core/dates.h"
#include "core/encoding.h"
#include "core/exercise_kinds.h"
#include "core/paths.h"
#include "core/qt_text.h"
#include "core/text_file.h"
#include "core/uni.h"

#include <algorithm>
#include <climits>

namespace vimo {

namespace {

constexpr std::string_view kSectionPrefix = "DZIAL=";
constexpr std::string_view kOpenTaskTitle = "Nazwa1 PL=Nazwa2 ANG=Nazwa3 NIEM=";
constexpr std::size_t kMaxWordLists = 200;

std::string uni_to_cp1250(std::string_view uni) {
    return utf8_to_cp1250(uni_to_qstring(uni_trim(uni)).toStdString());
}

std::string cut(std::string text, std::size_t area) {
    if (text.size() > area) text.resize(area);
    return text;
}

void fit_to_areas(cw_Info& r) {
    r.name = cut(std::move(r.name), cw_area::name);
    r.title = cut(std::move(r.title), cw_area::title);
    r.group_id = cut(std::move(r.group_id), cw_area::group_id);
    r.server_text = cut(std::move(r.server_text), cw_area::server_text);
    r.group_name = cut(std::move(r.group_name), cw_area::group_name);
    r.pack_text = cut(std::move(r.pack_text), cw_area::pack_text);
}

// Characters `from` and `from + 1` (1-based) of text as a number; blank or missing
// characters are no number either.
int two_digit_number(std::string_view text, std::size_t from) {
    const std::string field(from <= text.size() ? text.substr(from - 1, 2) : "");
    const bool blank = std::all_of(field.begin(), field.end(),
                                   [](char c) { return static_cast<unsigned char>(c) <= ' '; });
    if (blank) throw ConversionError(field, "a two-digit number");
    return int_or_zero(field);
}

std::string without_leading_zeros(std::string_view number) {
    const std::size_t first = number.find_first_not_of(" 0");
    if (first == std::string_view::npos) return "0";
    return std::string(number.substr(first));
}

// Collects the records of a build in order, up to the capacity, and counts the rest.
class Builder {
public:
    Builder(const CourseTables& tables, const Clock& clock)
        : m_tables(tables), m_now(now_day_count(clock)) {}

    // The number the next record gets.
    int next_number() const { return static_cast<int>(m_records.size()) + 1; }

    void add(std::string name, std::string title, std::uint8_t kind, int level, int group,
             std::uint8_t key = 0) {
        if (m_records.size() >= static_cast<std::size_t>(kResultsCapacity)) {
            ++m_not_created;
            return;
        }
        cw_Info r;
        r.name = std::move(name);
        r.title = std::move(title);
        r.kind = kind;
        r.key = key;
        r.level = static_cast<std::uint8_t>(level);
        r.last_date = m_now;
        r.time_of_day = time_of_day(m_now);
        r.mode = 1;
        if (const LessonGroup* g = m_tables.group(group)) {
            r.group_id = record_group_id(*g);
            r.group_name = record_group_name(*g);
        }
        fit_to_areas(r);
        m_records.push_back(std::move(r));
    }

    std::vector<cw_Info> take_records() { return std::move(m_records); }
    int not_created() const { return m_not_created; }

private:
    const CourseTables& m_tables;
    double m_now = 0.0;
    std::vector<cw_Info> m_records;
    int m_not_created = 0;
};

void add_text_tasks(Builder& b, const CourseTables& t) {
    for (const ComprehensionText& text : t.texts) {
        for (const TaskEntry& task : t.tasks) {
            if (task.text_number != text.number) continue;
            // A task kind the program does not know gets no record.
            const ExerciseKind* kind = exercise_kind_for_task(task.kind);
            if (!kind) continue;
            const auto key = static_cast<std::uint8_t>(b.next_number() % 256);
            b.add(std::string(kind->prefix) + std::to_string(text.number), text.title, kind->code,
                  text.level, text.group, key);
        }
    }
}

void add_letters(Builder& b, const CourseTables& t) {
    const ExerciseKind& kind = *exercise_kind_for_source(KindSource::letters_index);
    for (std::size_t i = 0; i < t.letters.size(); ++i) {
        const std::string number = std::to_string(i + 1);
        b.add(std::string(kind.prefix) + number, std::string(kind.title_prefix) + number, kind.code,
              t.letters[i].level, t.letters[i].group);
    }
}

void add_catalogue(Builder& b, const CourseTables& t, const Config& config) {
    for (std::size_t i = 0; i < t.catalogue.size(); ++i) {
        const std::string& key = t.catalogue[i].key8;
        const ExerciseKind* kind =
            exercise_kind_for_catalogue_type(key.size() >= 6 ? key.substr(4, 2) : "");
        if (!kind) continue;
        int level = 0;
        int group = 0;
        try {
            level = two_digit_number(key, 7);
            group = two_digit_number(key, 9);
        } catch (const ConversionError& error) {
            throw CourseFileError(config.course_path("kurs_cwiczu.kvt"), 0,
                                  "entry " + std::to_string(i + 1) + " (key " + key +
                                      "): expected the level in characters 7 and 8 and the "
                                      "group in 9 and 10, found \"" +
                                      error.text() + "\"");
        }
        b.add(std::string(kind->prefix) + std::to_string(i + 1),
              std::string(kind->title_prefix) + key.substr(0, 4), kind->code, level, group);
    }
}

void add_sections(Builder& b, const CourseTables& t, const Config& config) {
    for (std::size_t s = 0; s < t.sections.size(); ++s) {
        const SentenceSection& section = t.sections[s];
        const std::string title = section_title(t.group(section.group), section.section);
        for (const ExerciseKind& kind : exercise_kinds()) {
            if (kind.source != KindSource::sentence_sections) continue;
            if (!kind.offered_in(config.course_variant)) continue;
            b.add(std::string(kind.prefix) + std::to_string(s + 1), title, kind.code, section.level,
                  section.group);
        }
    }
}

void add_dialogues(Builder& b, const CourseTables& t) {
    for (std::size_t d = 0; d < t.dialogues.size(); ++d) {
        const Dialogue& dialogue = t.dialogues[d];
        for (const ExerciseKind& kind : exercise_kinds()) {
            if (kind.source != KindSource::dialogues || !dialogue.offers_mode(kind.mode)) continue;
            b.add(std::string(kind.prefix) + std::to_string(d + 1), dialogue.name, kind.code,
                  dialogue.level, dialogue.group);
        }
    }
}

} // namespace

WordListPlace word_list_place(std::string_view line2) {
    return {two_digit_number(line2, 7), two_digit_number(line2, 9) - 59};
}

namespace {

void add_word_lists(Builder& b, const Config& config, const std::vector<std::string>& names) {
    const std::size_t listed = std::min(names.size(), kMaxWordLists);
    for (std::size_t i = 0; i < listed; ++i) {
        const std::string path = resolve_path(config.course_root + "cw_r\\" + names[i]);
        const auto lines = read_8bit_lines(path);
        if (!lines) continue; // gone since it was listed: its number still counts
        const std::string x = lines->size() >= 2 ? (*lines)[1] : std::string();
        WordListPlace place;
        try {
            place = word_list_place(x);
        } catch (const ConversionError& error) {
            throw CourseFileError(path, 2,
                                  "expected the level in characters 7 and 8 and the group "
                                  "in 9 and 10, found \"" +
                                      error.text() + "\"");
        }
        for (const ExerciseKind& kind : exercise_kinds()) {
            if (kind.source != KindSource::word_lists) continue;
            b.add(std::string(kind.prefix) + std::to_string(i + 1),
                  std::string(kind.title_prefix) + x.substr(0, 4), kind.code, place.level,
                  place.group);
        }
    }
}

void add_open_tasks(Builder& b, const CourseTables& t) {
    const ExerciseKind& kind = *exercise_kind_for_source(KindSource::open_tasks);
    for (std::size_t i = 0; i < t.open_tasks.size(); ++i) {
        b.add(std::string(kind.prefix) + std::to_string(i + 1), std::string(kOpenTaskTitle),
              kind.code, t.open_tasks[i].level, t.open_tasks[i].group);
    }
}

std::string capacity_message(int not_created) {
    return "Kurs ma więcej ćwiczeń, niż mieści plik wyników (" + std::to_string(kResultsCapacity) +
           " rekordów). Nie utworzono rekordów: " + std::to_string(not_created) +
           "; tych ćwiczeń nie będzie na liście.";
}

} // namespace

std::string lower_item_name(std::string_view name) {
    std::string lower(name);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

std::string results_file_path(const Config& config) {
    return config.learner_folder + config.results_file_name;
}

std::string group_id_text(const LessonGroup& group) {
    return uni_to_cp1250(group.id);
}

std::string record_group_id(const LessonGroup& group) {
    return cut(group_id_text(group), cw_area::group_id);
}

std::string record_group_name(const LessonGroup& group) {
    return cut(uni_to_cp1250(group.name), cw_area::group_name);
}

bool same_group(std::string_view record_id, const LessonGroup& group) {
    return same_group_id(record_id, record_group_id(group));
}

bool same_group_id(std::string_view record_id, std::string_view group_record_id) {
    return record_id.substr(0, cw_area::group_id) == group_record_id;
}

std::string section_title(const LessonGroup* group, std::string_view section_number) {
    const std::string id = group ? group_id_text(*group) : std::string();
    return std::string(kSectionPrefix) + id + "=(" + without_leading_zeros(section_number) + ")";
}

std::optional<SectionTitle> split_section_title(std::string_view title) {
    if (!title.starts_with(kSectionPrefix)) return std::nullopt;
    const std::string_view rest = title.substr(kSectionPrefix.size());
    const std::size_t end = rest.find('=');
    if (end == std::string_view::npos) return SectionTitle{std::string(rest), {}};
    return SectionTitle{std::string(rest.substr(0, end)), std::string(rest.substr(end + 1))};
}

const cw_Info* ResultsStore::record(int number) const {
    if (number < 1 || number > count()) return nullptr;
    return &m_records[static_cast<std::size_t>(number - 1)];
}

bool ResultsStore::append(cw_Info record) {
    if (count() >= kResultsCapacity) return false;
    fit_to_areas(record);
    m_records.push_back(std::move(record));
    return true;
}

LoadNotice ResultsStore::results_load(const std::string& path, const Clock& clock) {
    m_records.clear();
    const std::optional<std::string> bytes = read_record_file(path);
    if (!bytes) return {};
    RecordFileShape shape = shape_of_record_file(bytes->size(), kCwInfoSize, kResultsCapacity);
    m_records.reserve(shape.records);
    for (std::size_t i = 0; i < shape.records; ++i) {
        DecodedCwInfo decoded =
            decode_cw_info(std::string_view(*bytes).substr(i * kCwInfoSize, kCwInfoSize));
        if (decoded.malformed) ++shape.malformed;
        m_records.push_back(std::move(decoded.record));
    }
    if (!shape.damaged()) return {};
    return report_damaged_file(path, "Plik wyników", *bytes, shape, kResultsCapacity, clock);
}

void ResultsStore::results_save(const std::string& path, const BeforeRename& before_rename) const {
    std::string bytes;
    bytes.reserve(m_records.size() * kCwInfoSize);
    for (const cw_Info& r : m_records)
        bytes += encode_cw_info(r);
    write_file_atomically(resolve_path(path), bytes, before_rename);
}

BuildNotice ResultsStore::results_build(const CourseTables& tables, const Config& config,
                                        const std::vector<std::string>& word_lists,
                                        const Clock& clock) {
    Builder builder(tables, clock);
    add_text_tasks(builder, tables);
    add_letters(builder, tables);
    add_catalogue(builder, tables, config);
    add_sections(builder, tables, config);
    add_dialogues(builder, tables);
    add_word_lists(builder, config, word_lists);
    add_open_tasks(builder, tables);
    m_records = builder.take_records();
    BuildNotice notice;
    notice.records_not_created = builder.not_created();
    if (notice.incomplete()) notice.message = capacity_message(notice.records_not_created);
    return notice;
}

int last_matching_record(const std::vector<cw_Info>& records, std::string_view name,
                         std::uint8_t kind, std::uint8_t key) {
    const auto target = std::find_if(records.rbegin(), records.rend(), [&](const cw_Info& r) {
        return r.name == name && r.kind == kind && r.key == key;
    });
    return static_cast<int>(records.rend() - target);
}

int ResultsStore::results_record(int score, std::string_view name, std::uint8_t kind,
                                 std::uint8_t key, bool completed, const Clock& clock) {
    const int number = last_matching_record(m_records, lower_item_name(name), kind, key);
    if (number == 0) return 0;
    cw_Info& r = m_records[static_cast<std::size_t>(number - 1)];
    const double now = now_day_count(clock);
    r.last_date = now;
    r.time_of_day = time_of_day(now);
    r.mode = 0;
    r.score = static_cast<std::uint8_t>(std::clamp(score, 0, 100));
    r.completed = completed ? 1 : 0;
    if (r.count < INT32_MAX) ++r.count;
    if (m_network_mode == 1 && m_sender) m_sender(r);
    return number;
}

} // namespace vimo
