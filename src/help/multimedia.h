#pragma once
// The engine of the floating film and sound window: which file a lesson's media names,
// the jump marks of a text, what opening a media file does, where everything goes in
// the window, and the arithmetic of the position bar. No widgets.

#include "core/config.h"
#include "core/course_tables.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace vimo {

// The kinds media_open takes.
inline constexpr int kMediaFilm = 1;
inline constexpr int kMediaSound = 2;
inline constexpr int kMediaPage = 3;

// The file of a lesson's media named name: a film "Teksty_mpg_r\" + name + ".mpg" and
// a page "Teksty_htm_r\" + name + ".htm" under the course root, a recording
// "Teksty_wav\" + name + ".wav" under the media root. Empty for another kind.
std::string media_file(int kind, const Config& config, const std::string& name);
// The kind media_open takes for a text's media.
int media_kind(TextMedia media);

// --- Jump marks ---

inline constexpr int kMarkCount = 4;
inline constexpr std::int64_t kNoMark = -1;

// The four jump times of a text in milliseconds, kNoMark where absent.
struct JumpMarks {
    std::array<std::int64_t, kMarkCount> ms{kNoMark, kNoMark, kNoMark, kNoMark};
    bool operator==(const JumpMarks&) const = default;
};

// The marks of a text from its task entry's three times (already in milliseconds,
// -1 where blank): mark 1 is the start when the entry has times, marks 2 to 4 are
// the times. No times, no marks.
JumpMarks jump_marks(const std::optional<std::array<int, 3>>& times_ms);

// Which mark buttons show: none at all when mark 2 is absent (a start mark alone is no
// jump), otherwise each mark that is present.
struct MarkButtons {
    std::array<bool, kMarkCount> visible{};
    bool present = false; // the marks-present flag
    bool operator==(const MarkButtons&) const = default;
};
MarkButtons mark_buttons(const JumpMarks& marks);

// --- Opening a media file ---

enum class MediaAction {
    nothing,   // a missing film or recording: nothing opens, nothing is said
    read_page, // an existing page: the reading window shows it
    message,   // a missing page or an unknown kind: tell the learner
    show,      // open the file in the window's player and show the window
};

struct MediaOpenPlan {
    MediaAction action = MediaAction::nothing;
    MarkButtons marks;   // applied whatever happens next
    int kind = 0;        // for show: the layout, after the file name has had its say
    bool start = false;  // for show: a film plays at once, a sound waits for play
    std::string message; // for message
};

// What media_open(kind, file) does; file_exists tells whether file names a file.
// A film whose file name contains "wav" is shown as a sound, a sound whose file name
// contains "avi" as a film (case-sensitive; only the name, not the folders above it,
// which say nothing about the file).
MediaOpenPlan plan_media_open(int kind, const std::string& file, const JumpMarks& marks,
                              bool file_exists);

// The kind a file is shown as: see plan_media_open.
int kind_by_file_name(int kind, const std::string& file);

// --- Layouts ---

enum class BottomBar { video, audio, audio_big };

inline constexpr int kMediaButtonSize = 22; // play, pause, stop and mark pictures
inline constexpr int kBarHeight = 6;
inline constexpr int kThumbWidth = 8;
inline constexpr int kThumbHeight = 14;

// Where everything of the window goes for one kind.
struct MediaLayout {
    QSize window;
    bool title_visible = false; // the drag strip and the close label
    QRect title_strip;
    QRect close_label;
    bool top_strip_visible = false; // the picture behind the title strip
    QRect top_strip;
    bool panel_visible = false; // the video panel
    QRect panel;
    QPoint play;
    QPoint stop;
    QPoint pause;
    bool marks_placed = false; // the sound layout with marks; elsewhere they are hidden
    std::array<QPoint, kMarkCount> marks{};
    QRect bar; // the position bar; the thumb rides on it
    BottomBar bottom = BottomBar::video;
    QRect bottom_rect;
    bool operator==(const MediaLayout&) const = default;
};

// The layout of a film (kMediaFilm) or a sound (kMediaSound, 290 wide with marks, 200
// without); nullopt for any other kind.
std::optional<MediaLayout> media_layout(int kind, bool marks_present);

// The window's place: 50 pixels right of and 10 below the main window's top-left corner.
QPoint media_window_position(QPoint main_window_origin);

// --- The position bar ---

// The thumb's left edge for a playback position: the bar's left edge plus the played
// fraction of the bar's free travel (its width less the thumb's), rounded half to
// even. An unknown length (0) or a position before the start leaves it at the left
// end; a position past the end puts it at the right end.
int thumb_left(const QRect& bar, std::int64_t position_ms, std::int64_t length_ms);

// The thumb's rectangle for its left edge, centred on the bar's height.
QRect thumb_rect(const QRect& bar, int left);

// Where a click at x (relative to the bar) seeks: x × (length div travel) milliseconds,
// kept within the recording.
std::int64_t seek_for_click(int x, const QRect& bar, std::int64_t length_ms);

// Where a mark seeks: its time, kept within the recording once its length is known.
std::int64_t seek_for_mark(std::int64_t mark_ms, std::int64_t length_ms);

} // namespace vimo
