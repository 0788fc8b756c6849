#pragma once
// The text of the information window: a help text (marked "HH_") or a glossary note,
// cut into words, read as tokens (line breaks, bold and italic, inline pictures) and
// laid out in 20-pixel lines over a width-measuring interface, so that layout and
// scrolling run without a screen.
#include "core/uni.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vimo::information {

inline constexpr int kMaxWords = 3100;
inline constexpr int kAreaWidth = 381; // the text area Pb1
inline constexpr int kAreaHeight = 201;
inline constexpr int kLineStep = 20; // one line, and one scroll step
inline constexpr int kStart = 1;     // the pen starts at (1, 1)
inline constexpr int kGap = 3;       // after every word and picture
inline constexpr int kPointSize = 10;

enum class Background { help, note };

struct PreparedText {
    Background background = Background::note;
    std::vector<UniString> words; // at most kMaxWords
};

// Cleans and cuts the information text. A help text starts with the marker "HH_",
// which is removed: three 8-bit bytes, or the same three characters as UTF-16 units
// (as UniString callers write it). The end is cleaned of the line's U+0000 and
// stray zero bytes, a dangling odd byte is dropped, runs of U+0020 become one, and
// the text is split at U+0020 into at most kMaxWords words (a leading space is
// skipped rather than hiding the whole text).
PreparedText prepare_text(std::string_view information_text);

// The inline pictures, in the order of their tokens.
enum class Picture {
    level_1,
    level_2,
    level_3,
    level_4,
    type_1,
    type_2,
    type_3,
    type_4,
    type_5,
    yes,
    no,
    stat_ok,
    stat_no,
    stat_proc,
    stat_abc,
    stat_strz,
};
inline constexpr int kPictureCount = 16;

// The picture's name: poz_1 ... poz_4, zda_dyk, zda_roz, zda_tek, img_rpg, img_dia,
// rob_yes, rob_no, stat_1 ... stat_5.
std::string picture_name(Picture picture);

enum class TokenKind { word, new_line, bold_on, bold_off, italic_on, italic_off, picture };

struct Token {
    TokenKind kind = TokenKind::word;
    Picture picture = Picture::level_1; // for TokenKind::picture
};

// What a word is, compared on its 8-bit form in any letter case ("<br>", "@", "<b>",
// "</b>", "<i>", "</i>", "[1]".."[4]", "[TYP_1]".."[TYP_5]", "[YES]", "[NO]",
// "[STAT_OK]", "[STAT_NO]", "[STAT_PROC]", "[STAT_ABC]", "[STAT_STRZ]").
Token classify(std::string_view word);

struct Style {
    bool bold = false;
    bool italic = false;
    friend bool operator==(const Style&, const Style&) = default;
};

// Widths in the window's font (Verdana 10 pt with the style added) and of the inline
// pictures (0 for a picture the course lacks).
class Measure {
public:
    virtual ~Measure() = default;
    virtual int width(const UniString& word, Style style) const = 0;
    virtual int picture_width(Picture picture) const = 0;
};

// One thing to draw at (x, y), y counted at scroll position 0.
struct Item {
    int x = 0;
    int y = 0;
    std::optional<Picture> picture; // a picture, else the word
    UniString word;
    Style style;
};

struct Layout {
    std::vector<Item> items;
    int end_y = kStart; // the pen's line when the text ends
};

Layout layout(const std::vector<UniString>& words, const Measure& measure);

// The largest scroll position for a text whose pen ends on line end_y: 0 while it
// stays above the area's height, else (end_y - 201) div 20 + 1.
int largest_scroll_position(int end_y);

// The scroll position and which arrows show. A fresh text shows no up arrow, and the
// down arrow when there is anything to scroll to.
class Scroll {
public:
    void reset(int largest);
    void up();
    void down();
    int position() const { return m_position; }
    int largest() const { return m_largest; }
    bool up_shown() const { return m_up_shown; }
    bool down_shown() const { return m_down_shown; }
    // How far the text moves up: 20 pixels per position.
    int offset() const { return kLineStep * m_position; }

private:
    int m_position = 0;
    int m_largest = 0;
    bool m_up_shown = false;
    bool m_down_shown = false;
};

} // namespace vimo::information
