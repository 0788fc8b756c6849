#pragma once
// The engine of the lesson and exercise chooser: the three-level tree of lesson groups,
// items and item rows built from the results store, its marks and the layout arithmetic
// the chooser screen paints from. No widgets: the screen turns events into these calls.

#include "core/clock.h"
#include "core/course_state.h"
#include "core/uni.h"
#include "navigation/open_item.h"
#include "repetitions/repetition_store.h"
#include "results/results_store.h"

#include <QSet>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vimo {

inline constexpr int kMaxChildren = 100;

// Row levels.
inline constexpr int kGroupRow = 1;
inline constexpr int kItemRow = 2; // an item with rows
inline constexpr int kLeafRow = 3; // a row, or a single item

// Node kinds of items with rows; level-3 nodes carry their record's kind code instead.
namespace node_kind {
inline constexpr int group = 0;
inline constexpr int undecided = -1; // a comprehension text before its media is known
inline constexpr int video_text = 1;
inline constexpr int recorded_text = 2;
inline constexpr int page_text = 3;
inline constexpr int vocabulary = 5;
inline constexpr int sentences = 6;
} // namespace node_kind

struct ChooserNode {
    ChooserNode* parent = nullptr; // not owning; nullptr for the root
    std::vector<std::unique_ptr<ChooserNode>> children;
    bool expanded = false;
    UniString caption;
    int row_level = 0;
    int kind = node_kind::group;
    int record = 0; // level 3: its record; item with rows: its first record
    int group = 0;  // groups: the lesson group's index (1-based)
    int level = 0;
    bool done = false;
    int score = 0;
    std::string last_date;       // "yyyy-mm-dd"
    std::string repetition_date; // "yyyy-mm-dd" or empty
    int ordinal = 0;
    bool selectable = false;

    bool has_children() const { return !children.empty(); }
    // A level-3 node directly under its group (not a row of an item).
    bool is_single_item() const {
        return row_level == kLeafRow && parent && parent->row_level == kGroupRow;
    }
    // Adopts child; nullptr (and child discarded) when the node already has kMaxChildren.
    ChooserNode* add_child(std::unique_ptr<ChooserNode> child);
};

// The caption as painted: groups and items realigned by uni_trim, rows as they are.
UniString caption_to_paint(const ChooserNode& node);

// How a record's title is stored: Windows-1250 bytes, or UTF-16 bytes (dialogues).
enum class TitleEncoding { cp1250, utf16 };
TitleEncoding title_encoding(std::uint8_t kind);

// The title a chooser caption shows, as UTF-16 bytes ready to paint. "DZIAL=" + id + "="
// + rest shows the name of the group with that id, a space and rest (the stored title
// when no group has the id); any other title is looked up in the display names (a
// title holding "=" by the text before it, as keys end there) and stays unchanged when
// it is no key there.
UniString display_title(std::string_view stored_title, TitleEncoding encoding,
                        const CourseState& course);

// The caption of a row of kind code: its interface text, or "CW numer " + the code's
// decimal value for kinds without one.
UniString kind_row_caption(std::uint8_t kind, const InterfaceTexts& texts);

// The rounded mean of scores, halves to the even neighbour; 0 for none.
int mean_score(const std::vector<int>& scores);

// --- Layout of the list area (825 by 537 pixels) ---

inline constexpr int kRowHeight = 20;
inline constexpr int kListHeight = 537;
inline constexpr int kExpanderOffset = 30; // the plus/minus icon stands this far left of x
inline constexpr int kIconSize = 16;
inline constexpr int kCaptionRight = 325;
inline constexpr int kKindIconX = 330;
inline constexpr int kLevelIconX = 360;
inline constexpr int kDoneIconX = 385;
inline constexpr int kLastDateX = 430;
inline constexpr int kRepetitionDateX = 550;
inline constexpr int kScoreX = 665;
inline constexpr int kBarX = 720;

// Caption x of a row level: 30 groups, 48 items, 66 rows and single items.
int caption_x(int row_level);
// y of the row at index when first_visible is the first painted row.
int row_y(int index, int first_visible);
// Rows painted from first_visible on: those that start inside the list area.
int painted_row_count(int row_count, int first_visible);

struct VisibleRow {
    const ChooserNode* node = nullptr;
    int caption_x = 0;
};
// The rows of the tree in painting order: children only below expanded nodes.
std::vector<VisibleRow> visible_rows(const ChooserNode& root);

// What is painted beside a caption.
struct RowMarks {
    std::optional<int> kind_icon;  // item: node kind (6 shows 5's picture); row: kind code
    std::optional<int> level_icon; // 1..4, items and rows
    bool done = false;             // the done or not-done picture, every node
    std::optional<std::string> last_date;
    std::optional<std::string> repetition_date;
    std::optional<int> score; // with the bar
};
RowMarks row_marks(const ChooserNode& node, int mode);

struct Bar {
    int width = 0;
    int piece = 0; // 0: below 26, 1: 26..50, 2: 51..75, 3: 76..100
};
// The score bar: width = score × 0.98 rounded (halves to even).
Bar score_bar(int score);

struct Arrows {
    bool up = false;
    bool down = false;
};
Arrows scroll_arrows(int row_count, int first_visible);

enum class Region { none, expander, caption };
struct Hit {
    int row = -1; // index into visible_rows
    Region region = Region::none;
};
// What the point (list-area coordinates) is over, among the painted rows.
Hit hit_test(const std::vector<VisibleRow>& rows, int first_visible, int x, int y);
// The row under y among the painted rows, or -1 (for the highlight bar).
int row_at(int row_count, int first_visible, int y);

// What the exercise context takes from an opened row.
struct OpenContext {
    UniString group_name; // trimmed; empty when no group has the record's id
    std::string name;
    std::uint8_t key = 0;
    std::uint8_t kind = 0;
    std::string title; // as stored
    int ordinal = 1;
    int second_ordinal = 1; // ordinal + 1 when the ordinal is above 2
    ItemRow item_row() const { return {name, static_cast<char>(kind), title, ordinal}; }
};

// A left click's effect.
struct Click {
    bool toggled = false;
    std::optional<OpenContext> open;
};

class Chooser {
public:
    Chooser(const CourseState& course, const ResultsStore& results, RepetitionStore& repetitions,
            const Clock& clock)
        : m_course(course), m_results(results), m_repetitions(repetitions), m_clock(clock) {}

    // Builds the tree anew: mode 1 the whole course, mode 2 what is due for repetition.
    void chooser_build(int mode);
    // Recomputes scores, done flags and dates from the current records.
    void chooser_refresh();

    int mode() const { return m_mode; }
    const ChooserNode& root() const { return *m_root; }
    std::vector<VisibleRow> rows() const { return visible_rows(*m_root); }
    int first_visible() const { return m_first_visible; }
    Arrows arrows() const;

    void scroll_up();
    void scroll_down();
    void expand_all() { set_all_expanded(true); }
    void collapse_all() { set_all_expanded(false); }
    // Toggles the expanded flag of the visible row; false when it has no children.
    bool toggle(int row);
    // Left button at (x, y): an expander, or the caption of a node with children,
    // toggles; the caption of a node without children opens it.
    Click left_click(int x, int y);
    // The visible row whose one-repetition delete button a right click at (x, y) offers:
    // in mode 2, on the caption of a selectable node; otherwise nullopt.
    std::optional<int> right_click(int x, int y) const;

    // The context of opening a selectable visible row, or nullopt.
    std::optional<OpenContext> open_context(int row) const;
    // Mode 2: removes the row's repetition from the store and the row from the tree
    // (with its item when no rows are left). The caller saves the store. False when
    // not in mode 2 or the row is not selectable.
    bool remove_repetition(int row);

private:
    std::unique_ptr<ChooserNode> group_node(int index) const;
    void add_items(ChooserNode& group) const;
    void add_single_item(ChooserNode& group, int number) const;
    void add_item_with_rows(ChooserNode& group, const std::vector<int>& numbers) const;
    std::unique_ptr<ChooserNode> leaf(int number, int ordinal) const;
    // For a comprehension text's item name (tek_k) the ordinals of its recorded tasks.
    std::vector<int> text_task_ordinals(std::string_view name) const;
    // The ordinal of the n-th row of item name: a text's row carries its task's ordinal,
    // the rows of other items their position.
    static int row_ordinal(std::string_view name, const std::vector<int>& text_ordinals, int n);
    int media_kind(int first_record) const;
    void refresh_group(ChooserNode& group) const;
    void refresh_leaf(ChooserNode& node, bool with_repetition_date) const;
    // The record numbers of each lesson group, in store order.
    void index_group_records();
    void set_all_expanded(bool expanded);
    ChooserNode* visible_node(int row) const;
    void clamp_first_visible();

    const CourseState& m_course;
    const ResultsStore& m_results;
    RepetitionStore& m_repetitions;
    const Clock& m_clock;
    std::unique_ptr<ChooserNode> m_root = std::make_unique<ChooserNode>();
    int m_mode = 1;
    int m_first_visible = 0;
    std::vector<std::vector<int>> m_group_records; // per lesson group, from index_group_records
    QSet<QString> m_films;                         // file names of Teksty_mpg_r, lower-cased
    QSet<QString> m_pages;                         // file names of teksty_htm_r, lower-cased
};

} // namespace vimo
