#pragma once
// Loading the course's start-up tables from its index files. Each loader replaces one
// table of CourseTables, reports every problem with the file (relative to the course
// root, "/"-separated, as found on disk) and the line into CourseProblems and goes on
// with the next line; no table ever grows past its capacity. An error means the
// course must not start; warnings are for the course tool.

#include "core/config.h"
#include "core/course_tables.h"
#include "core/diagnostics.h"

#include <string>
#include <vector>

namespace vimo {

// The most entries each table holds.
namespace table_capacity {
inline constexpr int lesson_groups = 30;
inline constexpr int phrases = 70;
inline constexpr int comprehension_texts = 125;
inline constexpr int sentence_lines = 2600;
inline constexpr int sentence_sections = 450;
inline constexpr int lines_per_section = 501;
inline constexpr int catalogue = 598;
inline constexpr int comprehension_rows = 599;
inline constexpr int recording_rows = 600;
inline constexpr int drag_rows = 2000;
inline constexpr int dialogues = 80;
inline constexpr int lines_per_dialogue = 40;
inline constexpr int letters = 99;
inline constexpr int glossary_lines = 250;
inline constexpr int tasks = 500;
inline constexpr int tasks_per_text = 8;
inline constexpr int task_parameters = 10;
inline constexpr int open_tasks = 149;
inline constexpr int word_lists = 200;
} // namespace table_capacity

// The message of a glossary longer than its table; the program terminates after it.
inline constexpr const char* glossary_too_long_message = "Za duza ilosc linijek slowniczka!!!";
// The translation stored for a sentence line without one.
inline constexpr const char* missing_translation_text = "Brak tlumaczenia!!!";

// The lesson groups of the language folder, "gr" + L + "u.txt" (required). Reloaded
// whenever the interface language changes.
void load_lesson_groups(const Config& config, CourseTables& tables, CourseProblems& problems);

// Every other start-up table, in the start-up order: phrases, comprehension texts,
// sentences, catalogue, the three row tables, dialogues, letters, glossary, task list,
// open tasks; then the count of word lists is checked.
void load_course_tables(const Config& config, CourseTables& tables, CourseProblems& problems);

// ss_r.t (optional): at most 70 key=value pairs, further lines ignored; a warning names
// the first pair left out.
void load_phrases(const Config& config, CourseTables& tables, CourseProblems& problems);
// "rozumienia_" + L + ".txt" (required): number=level=group=title= lines.
void load_comprehension_texts(const Config& config, CourseTables& tables, CourseProblems& problems);
// "zd" + L + "_rozumu.txt" (optional): the sentence lines, one per file line, and the
// sections they form.
void load_sentences(const Config& config, CourseTables& tables, CourseProblems& problems);
// kurs_cwiczu.kvt (optional): five-line catalogue entries.
void load_catalogue(const Config& config, CourseTables& tables, CourseProblems& problems);
// kursu.roz (optional): comprehension-exercise rows of seven fields.
void load_comprehension_rows(const Config& config, CourseTables& tables, CourseProblems& problems);
// kursu.zdn (optional): sentence-recording rows of three fields.
void load_recording_rows(const Config& config, CourseTables& tables, CourseProblems& problems);
// kurs.zdd (optional): sentence drag-and-drop rows.
void load_drag_rows(const Config& config, CourseTables& tables, CourseProblems& problems);
// "dialogi_" + L + "u.txt" (optional): dialogues, each a "D=" header line, its spoken
// lines and a blank line.
void load_dialogues(const Config& config, CourseTables& tables, CourseProblems& problems);
// Listy_r\index.txt (optional): file=level=group=parameter=rest lines.
void load_letters(const Config& config, CourseTables& tables, CourseProblems& problems);
// slowniczeku.txt (optional): number=text lines; more than 250 lines is an error with
// glossary_too_long_message.
void load_glossary(const Config& config, CourseTables& tables, CourseProblems& problems);
// "St_" + L + "u.txt" (required): four-line task entries.
void load_tasks(const Config& config, CourseTables& tables, CourseProblems& problems);
// otwarte.txt (optional): number=group=level=text=text= lines.
void load_open_tasks(const Config& config, CourseTables& tables, CourseProblems& problems);

// The file names of the word lists cw_r\*.bc4 (folder and pattern matched ignoring
// case), sorted ignoring case, at most 200, spelled as on disk.
std::vector<std::string> list_word_lists(const std::string& course_root);
// An error when the course has more word lists than list_word_lists returns.
void check_word_lists(const std::string& course_root, CourseProblems& problems);

} // namespace vimo
