#pragma once
// A course whose start-up tables are as large as the program supports, written for the
// benchmarks. Tables that only feed the exercises are full. Tables whose entries become
// results records are cut to about half their capacity, because a full course would
// make twice the records the results store holds; with the counts below a build fills
// the store exactly.

#include <string>

namespace vimo {

namespace capacity_course {
// Full tables.
inline constexpr int lesson_groups = 30;
inline constexpr int phrases = 70;
inline constexpr int comprehension_texts = 125;
inline constexpr int sentence_lines = 2600;
inline constexpr int comprehension_rows = 599;
inline constexpr int recording_rows = 600;
inline constexpr int drag_rows = 2000;
inline constexpr int dialogues = 80;
inline constexpr int lines_per_dialogue = 40;
inline constexpr int glossary_lines = 250;
inline constexpr int interface_texts = 184;

// Tables that make records, and the records each makes.
inline constexpr int tasks = 250;             // one record each, two tasks per text
inline constexpr int letters = 48;            // one record each
inline constexpr int catalogue = 292;         // one record each, the four types alike
inline constexpr int sentence_sections = 220; // three records each (English course)
inline constexpr int dialogue_modes = 195;    // one record per offered mode
inline constexpr int word_lists = 98;         // five records each
inline constexpr int open_tasks = 65;         // one record each
inline constexpr int words_per_list = 40;

inline constexpr int records = tasks + letters + catalogue + 3 * sentence_sections +
                               dialogue_modes + 5 * word_lists + open_tasks;
} // namespace capacity_course

// Writes the course into root (created when missing): vr60.ini, prof_r.txt, the
// language folder Lang_r/0/ and every table file of the English course, UTF-16 files
// as UTF-16LE with byte-order mark and CR LF, 8-bit files as Windows-1250 with CR LF.
// Throws std::runtime_error when a file cannot be written.
void write_capacity_course(const std::string& root);

} // namespace vimo
