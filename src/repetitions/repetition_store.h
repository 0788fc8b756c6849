#pragma once
// The learner's repetitions: one entry per exercise task to review, with its interval
// and due date, at most kRepetitionCapacity slots. Entries never move; a removed
// entry keeps its slot with an empty name until the table is next loaded.

#include "core/atomic_file.h"
#include "core/clock.h"
#include "core/config.h"
#include "core/settings.h"
#include "results/record_file.h"
#include "results/results_store.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vimo {

inline constexpr int kRepetitionCapacity = 1000;
inline constexpr std::size_t kRepetitionSize = 144;
// A well-learnt exercise's interval stops doubling here (about a hundred years), so
// that it never overflows and its due date stays a calendar date.
inline constexpr std::int32_t kLongestInterval = 36500;

struct Repetition {
    std::string name; // lower case, at most 100 bytes; empty: removed
    std::int32_t kind = 0;
    std::int32_t task_id = 0;
    std::int32_t interval = 0; // days
    double due = 0.0;          // day count, with the time of day
    double last_done = 0.0;    // day count of the day of the last report, at midnight
    std::uint8_t task_pos = 0;

    bool operator==(const Repetition&) const = default;
};

// The 144 bytes of an entry; padding and the bytes past the name are zeros.
std::string encode_repetition(const Repetition& entry);
struct DecodedRepetition {
    Repetition entry;
    bool malformed = false; // the name's length byte claimed more than 100 bytes
};
// Reads an entry from its 144 bytes; fewer bytes read as if padded with zeros.
DecodedRepetition decode_repetition(std::string_view bytes);

// The learner's options that steer the scheduler; the caller fills them.
struct RepetitionSettings {
    bool on = true;                // record repetitions at all
    int threshold = 61;            // a repetition scoring above it is dropped
    int first_interval = 3;        // days, 1 to 100
    bool when_interrupted = false; // also record exercises closed without checking
};

// The scheduler's part of the learner's settings.
RepetitionSettings repetition_settings(const Settings& settings);

enum class RepetitionChange {
    none,           // recording is off, or the exercise was not finished
    added,          // a new entry
    added_in_place, // a new entry in a full table, in place of the best-learnt entry
    updated,        // interval and due date changed
    dropped,        // scored above the threshold: removed
};

// learner folder + "powt_" + results file name.
std::string repetitions_file_path(const Config& config);

class RepetitionStore {
public:
    // Slots in use, removed entries included.
    int count() const { return static_cast<int>(m_entries.size()); }
    const std::vector<Repetition>& entries() const { return m_entries; }

    // Empties the table and reads the file's entries, at most kRepetitionCapacity.
    // A damaged file is kept as a copy beside it and reported; a missing file leaves
    // the table empty. Throws CourseFileError when the file exists but cannot be read.
    LoadNotice powt_load(const std::string& path, const Clock& clock);
    // Replaces the file with every entry whose name is not empty. Throws
    // FileWriteError; the previous file is then unchanged.
    void powt_save(const std::string& path, const BeforeRename& before_rename = {}) const;
    // Enters, reschedules or drops the entry of one task after a result.
    RepetitionChange powt_record_result(int score, std::string_view name, int kind, bool completed,
                                        int task_id, int task_pos,
                                        const RepetitionSettings& settings, const Clock& clock);
    // Removes the last entry with this name (lower-cased), kind and task id; false when
    // none matches.
    bool powt_remove(std::string_view name, int kind, int task_id);
    void powt_clear() { m_entries.clear(); }
    // Some entry with this name (lower-cased), kind and task position falls due today
    // or earlier.
    bool powt_is_due(std::string_view name, int kind, int task_pos, const Clock& clock) const;
    // Some entry is due and the results store holds a record of its name and kind.
    bool powt_any_due(const ResultsStore& results, const Clock& clock) const;
    // "yyyy-mm-dd" of the last matching entry's due date; empty when there is none.
    std::string powt_due_text(std::string_view name, int kind, int task_pos) const;

private:
    Repetition* last_match(std::string_view lower_name, int kind, std::uint8_t task_pos);
    const Repetition* last_match(std::string_view lower_name, int kind,
                                 std::uint8_t task_pos) const;
    RepetitionChange add(Repetition entry);

    std::vector<Repetition> m_entries;
};

} // namespace vimo
