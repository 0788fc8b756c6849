#pragma once
// The course's start-up tables, filled once from the index files under the course
// root and never read lazily. Every table is numbered from 1 in file order: entry n
// of a table is element n-1 of its vector. Text is kept as the files hold it: UTF-16
// byte strings (UniString) from UTF-16 files, Windows-1250 bytes (std::string) from
// 8-bit files.

#include "core/uni.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vimo {

// A line of "gr" + L + "u.txt". Both values are cut from the raw UTF-16 bytes, so
// they begin with the zero high byte of the "=" before them; uni_trim realigns them.
struct LessonGroup {
    UniString id;
    UniString name;
};

// A line of "rozumienia_" + L + ".txt".
struct ComprehensionText {
    int number = 0;
    int level = 0;
    int group = 0; // group index, 1-based
    std::string title;
    int line = 0; // where it stands in its file
};

// A line of "zd" + L + "_rozumu.txt".
struct SentenceLine {
    int level = 0;
    std::string section; // two characters, compared as text ("05" and "5" differ)
    int group = 0;
    UniString sentence;                    // field 2 without "<" and ">"
    std::array<UniString, 3> alternatives; // fields 3, 4, 5
    UniString field6;
    UniString translation; // field 8, or "Brak tlumaczenia!!!" when empty
    int alternatives_count = 1;
};

// Lines of equal level, section text and group index, in order of the first line.
struct SentenceSection {
    int level = 0;
    std::string section;
    int group = 0;
    std::vector<int> lines; // sentence line numbers, 1-based, file order
};

// A five-line entry of kurs_cwiczu.kvt.
struct CatalogueEntry {
    UniString key;    // 8 characters as units, then the group index as two 8-bit digits
    std::string key8; // the 10-character 8-bit form: id(4) type(2) level(2) group(2)
    std::array<UniString, 3> texts; // lines 2 to 4, trimmed
};

// A line of kursu.roz: seven fields (field 4 untrimmed when it starts with U+0106).
struct ComprehensionRow {
    std::array<UniString, 7> fields;
};

// A line of kursu.zdn.
struct RecordingRow {
    std::array<UniString, 3> fields;
};

// A line of kurs.zdd (8-bit).
struct DragRow {
    std::string id;      // characters 1 to 5
    std::string field_a; // spaces between the first "<" and ">" turned into "+"
    std::string field_b; // without "<" and ">"
};

// A line of Listy_r\index.txt.
struct Letter {
    std::string file; // without ".htm"
    int level = 0;
    int group = 0;
    int parameter = 0;
    int line = 0;
};

// A line of slowniczeku.txt.
struct GlossaryEntry {
    std::string number; // 8-bit form of field 1
    UniString text;     // field 2 as read, with its trailing U+0000
};

// What a comprehension text comes with: a film, a web page or a sound recording.
enum class TextMedia { film, page, recording };

// A four-line entry of "St_" + L + "u.txt".
struct TaskEntry {
    UniString header;         // line 1, trimmed
    UniString kind_line;      // line 2, trimmed
    UniString parameter_line; // line 3, trimmed
    int text_number = 0;      // header field 2
    std::string media_name;   // 8-bit header field between the first and second "#"
    std::string kind;         // "MC", "TF", "DD", "HH", "WP", "DF", "DV", "ZDD"
    std::array<int, 10> parameters{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1}; // -1: none
    std::optional<std::array<int, 3>> times_ms; // header fields 8 to 10, when given; -1: blank
    int line = 0;                               // of the header line
    int glossary_number() const { return parameters[0]; }
};

// A line of otwarte.txt.
struct OpenTask {
    int number = 0;
    int group = 0;
    int level = 0;
    std::string text1;
    std::string text2;
};

// A pair of ss_r.t.
struct Phrase {
    std::string key;
    std::string value;
};

// One spoken line of a dialogue.
struct DialogueLine {
    UniString speaker; // as written: one letter A to E
    int person = 0;    // 1..5 for the speakers A to E
    UniString sound;   // recording name under "Dialogi\"
    UniString text;
    UniString translation;
    int line = 0;
};

// An entry of "dialogi_" + L + "u.txt".
struct Dialogue {
    UniString name;
    int level = 0;
    int group = 0;
    std::string modes; // five characters, "T" where the mode is offered
    int layout = 0;
    UniString background; // one prefix character, then the background name
    int glossary = -1;
    std::vector<DialogueLine> lines;
    bool offers_mode(int mode) const {
        return mode >= 1 && mode <= static_cast<int>(modes.size()) && modes[mode - 1] == 'T';
    }
};

struct CourseTables {
    std::vector<LessonGroup> groups;                  // 30
    std::vector<Phrase> phrases;                      // 70
    std::vector<ComprehensionText> texts;             // 125
    std::vector<SentenceLine> sentence_lines;         // 2600
    std::vector<SentenceSection> sections;            // 450
    std::vector<CatalogueEntry> catalogue;            // 598
    std::vector<ComprehensionRow> comprehension_rows; // 599
    std::vector<RecordingRow> recording_rows;         // 600
    std::vector<DragRow> drag_rows;                   // 2000
    std::vector<Dialogue> dialogues;                  // 80 of at most 40 lines
    std::vector<Letter> letters;                      // 99
    std::vector<GlossaryEntry> glossary;              // 250
    std::vector<TaskEntry> tasks;                     // 500
    std::vector<OpenTask> open_tasks;                 // 149

    // The group of a group index (1-based), or nullptr.
    const LessonGroup* group(int index) const;
};

// The text of the first glossary entry whose number, read as the glossary loader
// reads it, equals number; an empty text when none does.
UniString glossary_note(const std::vector<GlossaryEntry>& glossary, int number);

} // namespace vimo
