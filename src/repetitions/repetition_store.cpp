#include "repetitions/repetition_store.h"

#include "core/atomic_file.h"
#include "core/dates.h"
#include "core/paths.h"
#include "results/little_endian.h"

#include <algorithm>
#include <tuple>

namespace vimo {

namespace {

namespace at {
constexpr std::size_t name = 0;
constexpr std::size_t kind = 104;
constexpr std::size_t task_id = 108;
constexpr std::size_t interval = 112;
constexpr std::size_t due = 120;
constexpr std::size_t last_done = 128;
constexpr std::size_t task_pos = 136;
} // namespace at

constexpr std::size_t kNameArea = 100;
constexpr int kLowScore = 15;
constexpr std::int32_t kIntervalAfterLowScore = 3;

std::string lower_name(std::string_view name) {
    return lower_item_name(name.substr(0, kNameArea));
}

bool is_due_on(const Repetition& entry, const std::string& today) {
    return !entry.name.empty() && day_count_date_text(entry.due) <= today;
}

std::int32_t doubled(std::int32_t interval) {
    if (interval <= 0) return interval;
    return interval >= kLongestInterval / 2 ? kLongestInterval : interval * 2;
}

// The entry a full table gives up for a new one: the longest interval is the
// best-learnt exercise; among equals the one due last, then the first slot.
std::size_t best_learnt(const std::vector<Repetition>& entries) {
    const auto rank = [](const Repetition& e) { return std::tuple(e.interval, e.due); };
    std::size_t best = 0;
    for (std::size_t i = 1; i < entries.size(); ++i)
        if (rank(entries[i]) > rank(entries[best])) best = i;
    return best;
}

// The highest slot holding this name, kind and task position, or -1.
int last_match_index(const std::vector<Repetition>& entries, std::string_view lower, int kind,
                     std::uint8_t task_pos) {
    for (std::size_t i = entries.size(); i-- > 0;) {
        const Repetition& e = entries[i];
        if (!e.name.empty() && e.name == lower && e.kind == kind && e.task_pos == task_pos)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace

std::string encode_repetition(const Repetition& e) {
    std::string bytes(kRepetitionSize, '\0');
    put_short_string(bytes, at::name, kNameArea, e.name);
    put_i32(bytes, at::kind, e.kind);
    put_i32(bytes, at::task_id, e.task_id);
    put_i32(bytes, at::interval, e.interval);
    put_f64(bytes, at::due, e.due);
    put_f64(bytes, at::last_done, e.last_done);
    put_u8(bytes, at::task_pos, e.task_pos);
    return bytes;
}

DecodedRepetition decode_repetition(std::string_view given) {
    std::string bytes(given.substr(0, kRepetitionSize));
    DecodedRepetition decoded;
    decoded.malformed = bytes.size() != kRepetitionSize;
    bytes.resize(kRepetitionSize, '\0');
    Repetition& e = decoded.entry;
    e.name = get_short_string(bytes, at::name, kNameArea, decoded.malformed);
    e.kind = get_i32(bytes, at::kind);
    e.task_id = get_i32(bytes, at::task_id);
    e.interval = get_i32(bytes, at::interval);
    e.due = get_f64(bytes, at::due);
    e.last_done = get_f64(bytes, at::last_done);
    e.task_pos = get_u8(bytes, at::task_pos);
    return decoded;
}

RepetitionSettings repetition_settings(const Settings& settings) {
    return {settings.repetitions_on, settings.repetition_threshold, settings.repetition_interval,
            settings.repetitions_when_interrupted};
}

std::string repetitions_file_path(const Config& config) {
    return config.learner_folder + "powt_" + config.results_file_name;
}

LoadNotice RepetitionStore::powt_load(const std::string& path, const Clock& clock) {
    m_entries.clear();
    const std::optional<std::string> bytes = read_record_file(path);
    if (!bytes) return {};
    RecordFileShape shape;
    shape.trailing_bytes = bytes->size() % kRepetitionSize;
    const std::size_t whole = bytes->size() / kRepetitionSize;
    for (std::size_t i = 0; i < whole; ++i) {
        DecodedRepetition decoded = decode_repetition(
            std::string_view(*bytes).substr(i * kRepetitionSize, kRepetitionSize));
        // An entry without a name was removed; it is never written, so it is not loaded.
        if (decoded.entry.name.empty()) continue;
        if (m_entries.size() >= static_cast<std::size_t>(kRepetitionCapacity)) {
            ++shape.over_capacity;
            continue;
        }
        if (decoded.malformed) ++shape.malformed;
        m_entries.push_back(std::move(decoded.entry));
    }
    shape.records = m_entries.size();
    if (!shape.damaged()) return {};
    return report_damaged_file(path, "Plik powtórek", *bytes, shape, kRepetitionCapacity, clock);
}

void RepetitionStore::powt_save(const std::string& path, const BeforeRename& before_rename) const {
    std::string bytes;
    for (const Repetition& e : m_entries)
        if (!e.name.empty()) bytes += encode_repetition(e);
    write_file_atomically(resolve_path(path), bytes, before_rename);
}

RepetitionChange RepetitionStore::powt_record_result(int score, std::string_view name, int kind,
                                                     bool completed, int task_id, int task_pos,
                                                     const RepetitionSettings& settings,
                                                     const Clock& clock) {
    if (!settings.on) return RepetitionChange::none;
    if (!completed && !settings.when_interrupted) return RepetitionChange::none;
    const std::string lower = lower_name(name);
    const auto position = static_cast<std::uint8_t>(task_pos);
    const double today = today_day_count(clock);
    Repetition* entry = last_match(lower, kind, position);
    if (!entry) {
        Repetition fresh;
        fresh.name = lower;
        fresh.kind = kind;
        fresh.task_id = task_id;
        fresh.interval = std::clamp(settings.first_interval, 1, 100);
        fresh.due = now_day_count(clock) + fresh.interval;
        fresh.last_done = today;
        fresh.task_pos = position;
        return add(std::move(fresh));
    }
    if (score < kLowScore)
        entry->interval = kIntervalAfterLowScore;
    else if (day_count_date_text(entry->last_done) != day_count_date_text(today))
        entry->interval = doubled(entry->interval);
    entry->last_done = today;
    if (score > settings.threshold) {
        entry->name.clear();
        return RepetitionChange::dropped;
    }
    entry->due = today + entry->interval;
    return RepetitionChange::updated;
}

RepetitionChange RepetitionStore::add(Repetition entry) {
    if (m_entries.size() < static_cast<std::size_t>(kRepetitionCapacity)) {
        m_entries.push_back(std::move(entry));
        return RepetitionChange::added;
    }
    const auto free_slot = std::find_if(m_entries.begin(), m_entries.end(),
                                        [](const Repetition& e) { return e.name.empty(); });
    if (free_slot != m_entries.end()) {
        *free_slot = std::move(entry);
        return RepetitionChange::added;
    }
    m_entries[best_learnt(m_entries)] = std::move(entry);
    return RepetitionChange::added_in_place;
}

bool RepetitionStore::powt_remove(std::string_view name, int kind, int task_id) {
    const std::string lower = lower_name(name);
    const auto match = std::find_if(m_entries.rbegin(), m_entries.rend(), [&](const Repetition& e) {
        return !e.name.empty() && e.name == lower && e.kind == kind && e.task_id == task_id;
    });
    if (match == m_entries.rend()) return false;
    match->name.clear();
    return true;
}

bool RepetitionStore::powt_is_due(std::string_view name, int kind, int task_pos,
                                  const Clock& clock) const {
    const std::string lower = lower_name(name);
    const auto position = static_cast<std::uint8_t>(task_pos);
    const std::string today = today_text(clock);
    return std::any_of(m_entries.begin(), m_entries.end(), [&](const Repetition& e) {
        return e.name == lower && e.kind == kind && e.task_pos == position && is_due_on(e, today);
    });
}

bool RepetitionStore::powt_any_due(const ResultsStore& results, const Clock& clock) const {
    const std::string today = today_text(clock);
    for (const Repetition& e : m_entries) {
        if (!is_due_on(e, today)) continue;
        const bool in_results =
            std::any_of(results.records().begin(), results.records().end(), [&](const cw_Info& r) {
                return r.kind == e.kind && lower_item_name(r.name) == e.name;
            });
        if (in_results) return true;
    }
    return false;
}

std::string RepetitionStore::powt_due_text(std::string_view name, int kind, int task_pos) const {
    const Repetition* entry =
        last_match(lower_name(name), kind, static_cast<std::uint8_t>(task_pos));
    return entry ? day_count_date_text(entry->due) : std::string();
}

Repetition* RepetitionStore::last_match(std::string_view lower, int kind, std::uint8_t task_pos) {
    const int index = last_match_index(m_entries, lower, kind, task_pos);
    return index < 0 ? nullptr : &m_entries[static_cast<std::size_t>(index)];
}

const Repetition* RepetitionStore::last_match(std::string_view lower, int kind,
                                              std::uint8_t task_pos) const {
    const int index = last_match_index(m_entries, lower, kind, task_pos);
    return index < 0 ? nullptr : &m_entries[static_cast<std::size_t>(index)];
}

} // namespace vimo
