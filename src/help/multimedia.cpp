#include "help/multimedia.h"

#include <algorithm>
#include <cmath>

namespace vimo {

namespace {

constexpr int kTitleHeight = 18;
constexpr int kCloseWidth = 23; // the close label at the right end of the title row

// The name part of a course path, after its last "\" or "/".
std::string file_name_of(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

// The bar's free travel: how far the thumb's left edge moves from start to end.
int travel_of(const QRect& bar) {
    return std::max(0, bar.width() - kThumbWidth);
}

void place_title(MediaLayout& layout) {
    const int width = layout.window.width();
    layout.title_strip = QRect(0, 0, width - kCloseWidth, kTitleHeight);
    layout.close_label = QRect(width - kCloseWidth, 0, kCloseWidth, kTitleHeight);
}

MediaLayout film_layout() {
    MediaLayout layout;
    layout.window = QSize(336, 344);
    place_title(layout);
    layout.title_visible = true;
    layout.top_strip_visible = true;
    layout.top_strip = QRect(0, 0, 336, 20);
    layout.bottom = BottomBar::video;
    layout.bottom_rect = QRect(0, 344 - 36, 336, 36);
    layout.panel_visible = true;
    layout.panel = QRect(1, 20, 334, layout.bottom_rect.top() - 20);
    layout.play = QPoint(8, 313);
    layout.stop = QPoint(32, 313);
    layout.pause = QPoint(56, 313);
    layout.bar = QRect(100, 322, 200, kBarHeight);
    return layout;
}

MediaLayout sound_layout(bool marks_present) {
    MediaLayout layout;
    layout.window = QSize(marks_present ? 290 : 200, 33);
    place_title(layout);
    layout.bottom = marks_present ? BottomBar::audio_big : BottomBar::audio;
    layout.bottom_rect = QRect(QPoint(0, 0), layout.window);
    layout.play = QPoint(8, 4);
    layout.stop = QPoint(32, 4);
    layout.pause = QPoint(56, 4);
    layout.marks_placed = marks_present;
    layout.marks = {QPoint(190, 4), QPoint(214, 4), QPoint(238, 4), QPoint(262, 4)};
    layout.bar = QRect(86, 13, 100, kBarHeight);
    return layout;
}

} // namespace

int media_kind(TextMedia media) {
    switch (media) {
    case TextMedia::film:
        return kMediaFilm;
    case TextMedia::page:
        return kMediaPage;
    case TextMedia::recording:
        break;
    }
    return kMediaSound;
}

std::string media_file(int kind, const Config& config, const std::string& name) {
    switch (kind) {
    case kMediaFilm:
        return config.course_root + "Teksty_mpg_r\\" + name + ".mpg";
    case kMediaSound:
        return config.media_root + "Teksty_wav\\" + name + ".wav";
    case kMediaPage:
        return config.course_root + "Teksty_htm_r\\" + name + ".htm";
    default:
        return {};
    }
}

JumpMarks jump_marks(const std::optional<std::array<int, 3>>& times_ms) {
    JumpMarks marks;
    if (!times_ms) return marks;
    marks.ms[0] = 0;
    for (std::size_t k = 0; k < times_ms->size(); ++k)
        marks.ms[k + 1] = (*times_ms)[k] < 0 ? kNoMark : (*times_ms)[k];
    return marks;
}

MarkButtons mark_buttons(const JumpMarks& marks) {
    MarkButtons buttons;
    if (marks.ms[1] == kNoMark) return buttons;
    buttons.present = true;
    for (std::size_t k = 0; k < marks.ms.size(); ++k)
        buttons.visible[k] = marks.ms[k] != kNoMark;
    return buttons;
}

int kind_by_file_name(int kind, const std::string& file) {
    const std::string name = file_name_of(file);
    if (contains(name, "avi")) return kMediaFilm;
    if (contains(name, "wav")) return kMediaSound;
    return kind;
}

MediaOpenPlan plan_media_open(int kind, const std::string& file, const JumpMarks& marks,
                              bool file_exists) {
    MediaOpenPlan plan;
    plan.marks = mark_buttons(marks);
    if (kind == kMediaPage) {
        if (file_exists) {
            plan.action = MediaAction::read_page;
        } else {
            plan.action = MediaAction::message;
            plan.message = "Brak pliku: " + file;
        }
        return plan;
    }
    if (kind != kMediaFilm && kind != kMediaSound) {
        plan.action = MediaAction::message;
        plan.message = "brak typu!";
        return plan;
    }
    if (!file_exists) return plan;
    plan.action = MediaAction::show;
    plan.kind = kind_by_file_name(kind, file);
    plan.start = plan.kind == kMediaFilm;
    return plan;
}

std::optional<MediaLayout> media_layout(int kind, bool marks_present) {
    if (kind == kMediaFilm) return film_layout();
    if (kind == kMediaSound) return sound_layout(marks_present);
    return std::nullopt;
}

QPoint media_window_position(QPoint main_window_origin) {
    return main_window_origin + QPoint(50, 10);
}

int thumb_left(const QRect& bar, std::int64_t position_ms, std::int64_t length_ms) {
    if (length_ms <= 0 || position_ms <= 0) return bar.left();
    const double fraction =
        static_cast<double>(std::min(position_ms, length_ms)) / static_cast<double>(length_ms);
    return bar.left() + static_cast<int>(std::nearbyint(fraction * travel_of(bar)));
}

QRect thumb_rect(const QRect& bar, int left) {
    const int top = bar.top() + (bar.height() - kThumbHeight) / 2;
    return QRect(left, top, kThumbWidth, kThumbHeight);
}

std::int64_t seek_for_click(int x, const QRect& bar, std::int64_t length_ms) {
    const int travel = travel_of(bar);
    if (travel == 0 || length_ms <= 0 || x <= 0) return 0;
    return std::min<std::int64_t>(x * (length_ms / travel), length_ms);
}

std::int64_t seek_for_mark(std::int64_t mark_ms, std::int64_t length_ms) {
    const std::int64_t from_start = std::max<std::int64_t>(0, mark_ms);
    return length_ms > 0 ? std::min(from_start, length_ms) : from_start;
}

} // namespace vimo
