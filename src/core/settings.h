#pragma once
// The current learner's settings and their file "ustaw_" + results file name + ".txt"
// in the learner folder: 14 lines of 8-bit text ending CR LF, one value a line, and
// the check of the options screen's two repetition fields.

#include "core/config.h"

#include <string>
#include <string_view>
#include <vector>

namespace vimo {

struct Settings {
    int language = 0;                          // line 1: interface folder "Lang_r\N\"
    bool letter_case = true;                   // line 2: answers must match in letter case
    bool punctuation = true;                   // line 3: sentences compare punctuation
    bool sentences_drag_drop = true;           // line 4: sentence building by drag and drop
    bool block_access = false;                 // line 5: typing task opens last
    bool sentence_notice = true;               // line 6: one-time notice of the sentences
    bool dictionary_for_vocabulary = true;     // line 7: kept and saved only
    bool first_task_notice = true;             // line 8: one-time notice of the first task
    bool animations = true;                    // line 9: kept and saved only
    bool repetitions_on = true;                // line 10
    int repetition_threshold = 61;             // line 11: score below which an item repeats
    int repetition_interval = 3;               // line 12: first interval in days
    bool repetitions_when_interrupted = false; // line 13
    bool letter_count = true;                  // line 14: the drill shows the letter count

    // The options screen has one tick box for punctuation and letter count.
    void set_punctuation_and_letter_count(bool on);

    bool operator==(const Settings&) const = default;
};

inline constexpr int settings_line_count = 14;

// The defaults, with the interface language a new learner chose.
Settings default_settings(int language);

// The settings file of the current learner: learner folder + "ustaw_" + results file
// name + ".txt".
std::string settings_file_path(const Config& config);

// The settings the file's lines give. Lines are trimmed; "T" is on, anything else
// off; lines 10 and 13 are on when they hold the number 1; blank number lines read
// as 0; lines the file lacks keep their defaults. A language outside 0..4 names no
// interface folder and gives default_language. Throws CourseFileError naming file
// and line when a number line holds no whole number (a blank line 1 included).
Settings parse_settings(const std::vector<std::string>& lines, const std::string& file,
                        int default_language);

// The file's 14 lines, each ended with CR LF.
std::string settings_file_text(const Settings& settings);

// Reads the settings file at path (resolved). When there is none, the defaults with
// default_language are written to it at once and returned. Throws CourseFileError
// for a malformed file and FileWriteError when the new file cannot be written.
Settings settings_load(const std::string& path, int default_language);

// Replaces the settings file at path (resolved) atomically. Throws FileWriteError.
void settings_save(const std::string& path, const Settings& settings);

// Interface texts the options screen shows for a refused repetition field.
inline constexpr int threshold_not_digits_text = 124;
inline constexpr int interval_not_digits_text = 125;
inline constexpr int threshold_out_of_range_text = 126;
inline constexpr int interval_out_of_range_text = 127;

// Checks the threshold and interval fields as typed, in this order: each, trimmed,
// consists of digits only (an empty field does not), then each is 1..100. Returns
// the interface text of the first failure, or 0 when both are valid.
int validate_repetition_fields(std::string_view threshold, std::string_view interval);

} // namespace vimo
