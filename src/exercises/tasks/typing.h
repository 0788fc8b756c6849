#pragma once
// The engine of the typing task: a text of the lesson read from its own file
// ("Wpisywania\" + N + "u.fcs") in which some tokens are gaps. The learner opens a
// gap, types into the editor over it, moves on with Tab or Enter and checks; each gap
// holding its answer or its alternative scores a point. Here are the file and its
// token markup, the layout of the painted text (pure arithmetic over a measuring
// function), the editor's state, scrolling, checking, the hints of the marks and the
// printout document. No widgets.

#include "core/course_tables.h"
#include "core/interface_texts.h"
#include "core/uni.h"
#include "exercises/tasks/exercise_frame.h"

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vimo {

enum class TypingTokenKind {
    word,        // drawn as written
    punctuation, // ".", ",", ";", "!", "?": drawn like a word, never moved to a new line
    gap,         // "&" + answer
    line_break,  // "<BR>"
    bold_on,     // "<B>"
    bold_off,    // "</B>"
    tab,         // "[TAB=" + n + "]": the next token starts at x = n
    raise,       // ">>": the next token at x = 0, 4 pixels higher
    nothing,     // "$%^": neither drawn nor taking room
};

struct TypingToken {
    TypingTokenKind kind = TypingTokenKind::word;
    // A word as written; a gap: what it holds now (typed, or its answer once checked).
    UniString text{};
    UniString shown{}; // a gap in plain mode: what it shows while it holds nothing
    int tab = 0;       // the x of a tab stop
    int gap = -1;      // a gap's number, 0-based in text order
};

struct TypingGap {
    UniString answer;         // "+" already turned into spaces
    UniString alternative{};  // blank when the gap has none
    int token = 0;            // index of its token
    bool correct = false;     // after checking
    UniString wrong_answer{}; // what was typed into a wrong gap (blank: nothing)
};

inline constexpr int kMaxTypingTokens = 2400;
inline constexpr int kMaxTypingGaps = 20;

struct TypingText {
    int gap_width = 0;
    UniString glossary; // line 2 after its label; blank: no glossary button
    bool box_mode = false;
    bool has_tab = false; // a tab stop hides the print button
    std::vector<TypingToken> tokens;
    std::vector<TypingGap> gaps;
    // The file line (1-based) of the first token left out because the tokens or the
    // gaps were full, or 0 when everything fitted.
    int overflow_line = 0;
};

// The typing file's lines as read (each with its trailing U+0000): line 1 the gap width
// after 8 characters of label, line 2 the glossary text after 12, line 3 "1" after 10
// for box mode, line 4 ignored, tokens from line 5 on. Throws CourseFileError naming
// file and line for a gap width or a tab stop that is no number.
TypingText parse_typing_file(const std::vector<UniString>& lines, const std::string& file);

// The typing file of base name N under the course root (resolved), or nullopt when it
// does not exist. Throws CourseFileError for a file that cannot be used.
std::string typing_file_path(const std::string& course_root, const std::string& name);
std::optional<TypingText> load_typing_file(const std::string& path);
// The translation file's name under "Wpisywania\" and its path.
std::string translation_file_name(const std::string& name);
std::string translation_file_path(const std::string& course_root, const std::string& name);

// The base name N of a content line "WP#" + N (a leading "#" of N dropped), 8-bit.
std::string typing_file_name(std::string_view content_line);

// Typed text compared with an answer: trimmed, and with letter_case off the letters
// A-Z folded to a-z (no other letter is folded), one character at a time.
bool typing_matches(std::string_view typed, std::string_view expected, bool letter_case);

// --- Layout of the painted text ---

namespace typing_metrics {
inline constexpr int left = 3;        // where a line starts
inline constexpr int line_step = 23;  // also one scroll step
inline constexpr int word_gap = 3;    // after every drawn token
inline constexpr int wrap_slack = 15; // a token wraps when x + advance + 15 >= width - 3
inline constexpr int raise = 4;       // ">>" lifts the next token this much
inline constexpr int mark_ok_advance = 24;
inline constexpr int mark_bad_advance = 20;
inline constexpr int mark_width = 16; // a mark's hint area is 16 by 18
inline constexpr int mark_height = 18;
inline constexpr int edge = 10; // a gap this near the bottom cannot be opened
} // namespace typing_metrics

// The painted width of text in the regular or bold font.
using TypingMeasure = std::function<int(const UniString& text, bool bold)>;

enum class TypingMark { none, ok, bad };

// One drawn token: where its mark and its text go and how it looks.
struct TypingDrawn {
    int token = 0;
    int x = 0; // the token's place; its mark starts here after checking
    int y = 0;
    int text_x = 0;   // after the mark
    int advance = 0;  // the token's own room: width + 3, a blank gap's width + 2
    UniString text{}; // to draw: a blank gap's placeholder or shown text
    bool bold = false;
    bool blue = false;      // gaps
    bool white_box = false; // the text begins with "_": an empty box under it
    bool underline = false; // a blank gap of plain mode with nothing to show
    TypingMark mark = TypingMark::none;
};

// Where a token was laid out, for pointing at it; all bounds inclusive.
struct TypingPlace {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool placed = false;
    bool contains(int px, int py) const {
        return placed && px >= x && px <= x + width && py >= y && py <= y + height;
    }
};

struct TypingLayout {
    std::vector<TypingDrawn> drawn;
    std::vector<TypingPlace> places; // per token
    int end_y = 0;                   // the pen's y after the last token, scrolled
};

// Lays text out in a box width pixels wide scrolled by scroll lines. checked adds the
// marks before the gaps and takes correct gaps out of pointing reach (at (-50, -50)).
TypingLayout layout_typing(const TypingText& text, int width, int scroll, bool checked,
                           const TypingMeasure& measure);
// The placeholder of an empty gap in box mode: underscores until the regular width
// reaches at least gap_width - 20 (bounded, so that a measure of 0 ends too).
UniString typing_placeholder(int gap_width, const TypingMeasure& measure);
// The largest scroll position for a text ending at end_y (unscrolled) in a box height
// high: 0 when it fits.
int typing_max_scroll(int end_y, int height);

// --- The printout ---

struct TypingPrintout {
    QString style_sheet; // the style sheet's URL
    QString lesson_title;
    QString lesson_name;
    QString footer;
};
// The style sheet htm_r\style.css under the course root, resolved, as a file URL.
QString typing_style_sheet(const std::string& course_root);
// The lesson's title (its group's name) and name (the text's display name) for a task
// whose header field 2 is the text number; empty where the course has none.
std::pair<QString, QString> typing_lesson_titles(const CourseTables& tables,
                                                 const DisplayNames& names,
                                                 std::string_view task_header);
// The HTML document of the text, UTF-8 declared: course text escaped, "<BR>", "<B>",
// "</B>" as markup, tab stops, ">>" and "$%^" dropped, a blank gap as underscores.
QString typing_printout_document(const TypingText& text, const TypingPrintout& page);

// --- The task ---

class Typing {
public:
    void load(TypingText text);
    const TypingText& text() const { return m_text; }

    // Lays the text out for a box of that size; keeps the scroll within the new maximum.
    void relayout(int width, int height, const TypingMeasure& measure);
    const TypingLayout& layout() const { return m_layout; }
    int scroll() const { return m_scroll; }
    int max_scroll() const { return m_max_scroll; }

    // The gap (0-based) or the word token under a point of the box, or -1. Before
    // checking only: afterwards nothing is opened.
    int gap_at(int x, int y) const;
    int word_at(int x, int y) const;

    // The gap being edited, or -1.
    int editing() const { return m_editing; }
    // Opens gap k, first storing editor_text into the gap being edited. Returns the
    // text to put into the editor, or nullopt when k lies outside the visible part of
    // the box (the editor is then closed) or cannot be opened.
    std::optional<UniString> open_gap(int k, const UniString& editor_text);
    // Stores editor_text into the gap being edited and closes the editor.
    void close_editor(const UniString& editor_text);
    // The gap after the one being edited in text order, wrapping round; -1 if none.
    int next_gap() const;
    // The editor's text changed by the learner.
    void typed() { m_attempt.acted = true; }

    // One scroll step up (-1) or down (+1) within 0 .. maximum, the editor closed
    // first. False when the position stays.
    bool scroll_by(int step, const UniString& editor_text);

    // Stores and closes the editor, judges every gap and gives the wrong ones their
    // answers; the scroll goes back to the top.
    void check(const UniString& editor_text, bool letter_case);

    // After checking: the hint over the mark of a wrong gap, typed_label (interface
    // text 176) + " " + what was typed, or nothing_label (177) when nothing was typed.
    std::optional<UniString> hint_at(int x, int y, const UniString& typed_label,
                                     const UniString& nothing_label) const;

    const TaskAttempt& attempt() const { return m_attempt; }

private:
    void store(const UniString& editor_text);
    void lay_out();

    TypingText m_text;
    TypingMeasure m_measure;
    TypingLayout m_layout;
    int m_width = 0;
    int m_height = 0;
    int m_scroll = 0;
    int m_max_scroll = 0;
    int m_editing = -1;
    TaskAttempt m_attempt;
};

} // namespace vimo
