#pragma once
// The results store of the current learner: one cw_Info record per exercise item and
// kind, numbered from 1, at most kResultsCapacity of them. Records are never removed
// or reordered, so a record number stays valid for the life of the results file.

#include "core/atomic_file.h"
#include "core/clock.h"
#include "core/config.h"
#include "core/course_tables.h"
#include "results/cw_info.h"
#include "results/record_file.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vimo {

inline constexpr int kResultsCapacity = 2000;

// An item name as the stores compare it: ASCII letters lower-cased, nothing else.
std::string lower_item_name(std::string_view name);

// learner folder + results file name ("v1r2_55" ...).
std::string results_file_path(const Config& config);

// Where a word list's records go: the level in characters 7-8 and the group (+ 59) in
// 9-10 of its second line. Throws ConversionError when they are not numbers.
struct WordListPlace {
    int level = 0;
    int group = 0;
};
WordListPlace word_list_place(std::string_view line2);

// Lesson groups in records: the Windows-1250 form of the group's trimmed UTF-16 id and
// name, so that a record's 12-byte area holds 12 characters of the id and the 50-byte
// area 50 characters of the name, and the server receives 8-bit text.
std::string group_id_text(const LessonGroup& group);     // whole, as in section titles
std::string record_group_id(const LessonGroup& group);   // cut to 12 bytes
std::string record_group_name(const LessonGroup& group); // cut to 50 bytes
// Whether a record's group id names this group. A record holds only the first 12
// bytes of an id, so the group's id is cut the same way before the bytes are compared.
bool same_group(std::string_view record_group_id, const LessonGroup& group);
// The same with the group's record_group_id already made (walks over many records).
bool same_group_id(std::string_view record_group_id, std::string_view group_record_id);

// Title of a sentence section's records: "DZIAL=" + group_id_text + "=(" + section
// number without leading zeros + ")". The chooser shows it as the group name, a space
// and "(5)". A missing group gives an empty id.
std::string section_title(const LessonGroup* group, std::string_view section_number);
struct SectionTitle {
    std::string group_id; // as group_id_text gives it
    std::string rest;     // after the "=" that ends the id: "(5)"
};
// The parts of a section title; nullopt for a title that does not start with "DZIAL=".
std::optional<SectionTitle> split_section_title(std::string_view title);

// What a build could not do: the course has more items than the store holds.
struct BuildNotice {
    int records_not_created = 0;
    std::string message; // for the learner (UTF-8); empty when every record was made
    bool incomplete() const { return records_not_created > 0; }
};

// The number (1-based) of the last record whose item name, kind code and item key
// equal these, compared as bytes; 0 when none does. A result always goes to the last
// such record, here and on the school server.
int last_matching_record(const std::vector<cw_Info>& records, std::string_view name,
                         std::uint8_t kind, std::uint8_t key);

// Sends an updated record to the school server (network mode).
using ResultSender = std::function<void(const cw_Info& record)>;

class ResultsStore {
public:
    int count() const { return static_cast<int>(m_records.size()); }
    bool empty() const { return m_records.empty(); }
    const std::vector<cw_Info>& records() const { return m_records; }
    // Record `number` (1-based), or nullptr.
    const cw_Info* record(int number) const;
    void clear() { m_records.clear(); }
    // Adds a record at the end (the network client's open tasks), its texts cut to
    // their areas. False, and nothing added, when the store is full.
    bool append(cw_Info record);

    // Empties the store and reads the file's whole records, at most kResultsCapacity.
    // A damaged file is kept as a copy beside it and reported; a missing file leaves
    // the store empty. Throws CourseFileError when the file exists but cannot be read.
    LoadNotice results_load(const std::string& path, const Clock& clock);
    // Replaces the file with the whole store. Throws FileWriteError; the previous file
    // is then unchanged.
    void results_save(const std::string& path, const BeforeRename& before_rename = {}) const;
    // Empties the store and creates the records of every item of the course, in the
    // fixed order of the build. word_lists: the file names in "cw_r\" in directory
    // order. Stops adding at the capacity and reports it. Throws CourseFileError for a
    // word list or catalogue entry whose level or group is not a number; the store
    // is then unchanged.
    BuildNotice results_build(const CourseTables& tables, const Config& config,
                              const std::vector<std::string>& word_lists, const Clock& clock);
    // Records one result on the last record with this name (lower-cased), kind and
    // key; in network mode sends it. Returns the record's number, 0 when none matched
    // (the result is then lost).
    int results_record(int score, std::string_view name, std::uint8_t kind, std::uint8_t key,
                       bool completed, const Clock& clock);

    // -1 stand-alone, 1 network: results are sent only in network mode.
    void set_network_mode(int mode) { m_network_mode = mode; }
    void set_result_sender(ResultSender sender) { m_sender = std::move(sender); }

private:
    std::vector<cw_Info> m_records;
    int m_network_mode = -1;
    ResultSender m_sender;
};

} // namespace vimo
