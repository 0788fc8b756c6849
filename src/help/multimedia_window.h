#pragma once
// TMultimediaForm: the small floating window, always on top, in which a lesson's film
// or recording plays while the learner works on its tasks. It has its own player,
// separate from the shared sound service, made at each opening; the video panel is
// made when the first film opens. Its children carry the names the screens'
// designs use (btn_play, mark_1, shape1, Panel1, ...).

#include "controls/MyImageList.h"
#include "core/config.h"
#include "core/sound_outputs.h"
#include "help/multimedia.h"

#include <QImage>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

class QAudioOutput;
class QMediaPlayer;
class QVideoWidget;

namespace vimo {

class DragStrip;
class TTransparentButton;

// A filled rectangle with a frame (the bar and its thumb); reports presses.
class MediaShape : public QWidget {
    Q_OBJECT
public:
    MediaShape(QWidget* parent, QColor fill, QColor frame);

signals:
    void pressed(int x); // relative to the shape

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QColor m_fill;
    QColor m_frame;
};

// A label that reports a click of the left button.
class MediaCloseLabel : public QLabel {
    Q_OBJECT
public:
    explicit MediaCloseLabel(QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The pictures of the window, under the course root (the same for every language).
inline constexpr const char* kMediaPictureFolder = "gfx_r\\multimedia\\";
inline constexpr const char* kVideoBottomPicture = "video_dol.bmp";        // 336 x 36
inline constexpr const char* kAudioBottomPicture = "audio_dol.bmp";        // 200 x 33
inline constexpr const char* kAudioBigBottomPicture = "audio_dol_big.bmp"; // 290 x 33
inline constexpr const char* kTopStripPicture = "gora.bmp";                // 336 x 20

class TMultimediaForm : public QWidget {
    Q_OBJECT
public:
    // What the window reaches outside itself. Any of them may be empty.
    struct Links {
        std::function<void(const std::string& file)> open_reading; // the reading window
        std::function<void(const std::string& text)> show_message; // a plain message box
        std::function<QPoint()> main_window_origin;                // top-left of the main window
    };

    // config gives the course root of the pictures; buttons is the shared button list
    // (play, pause, stop and the marks); outputs the way to the sound device. All
    // three outlive the window.
    TMultimediaForm(const Config& config, const TMyImageList& buttons, SoundOutputs& outputs,
                    QWidget* parent = nullptr);
    ~TMultimediaForm() override;

    void setLinks(Links links) { m_links = std::move(links); }

    // The jump marks of the text the chooser opened; the next media_open shows them.
    void set_marks(const JumpMarks& marks) { m_marks = marks; }
    const JumpMarks& marks() const { return m_marks; }

    // Opens a film (kMediaFilm), recording (kMediaSound) or page (kMediaPage) file (a
    // course path). A missing film or recording opens nothing and says nothing; a
    // missing page says "Brak pliku: " + file. A film starts at once, a recording waits
    // for the play button; a page goes to the reading window.
    void media_open(int kind, const std::string& file);

    // Stops, closes the file, clears the open flag and hides: the close label, and every
    // exercise screen when it closes.
    void media_close();

    // The help window: while it is shown the window steps aside, keeping its file and
    // its place in it (paused); afterwards show_after_help brings it back if it was
    // open. hide_for_help says whether it was.
    bool hide_for_help();
    void show_after_help();

    bool is_open() const { return m_open; }
    bool is_playing() const { return m_playing; } // the playing flag
    bool marks_present() const { return m_marks_present; }
    int layout_kind() const { return m_kind; } // 0 before the first opening
    bool timer_active() const { return m_timer.isActive(); }

    // The window's own player and video panel, for the screens' tests; none until the
    // first opening and the first film.
    QMediaPlayer* player() const { return m_player; }
    QVideoWidget* panel() const { return m_panel; }

protected:
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    void create_player();
    void create_panel();
    void open_file(const std::string& local_path, bool film);
    void close_file();
    void apply_layout(const MediaLayout& layout);
    void load_pictures();
    void show_on_top();
    void report(const std::string& text) const;

    void play_clicked();
    void pause_clicked();
    void stop_clicked();
    void mark_clicked(int index);
    void bar_pressed(int x);
    void tick();
    void set_running(bool running); // the playing flag and the progress timer together
    void move_thumb(int left);
    void rewind_if_ended();
    void on_error(const QString& reason);

    const Config& m_config;
    SoundOutputs& m_outputs;
    Links m_links;
    JumpMarks m_marks;
    bool m_playing = false;
    bool m_marks_present = false;
    bool m_open = false;
    bool m_stepping_aside = false; // hidden for the help window, file kept
    bool m_failure_reported = false;
    int m_kind = 0;
    MediaLayout m_layout;
    std::string m_file;                      // as the caller named it, for messages
    std::array<QImage, 3> m_bottom_pictures; // by BottomBar

    QMediaPlayer* m_player = nullptr; // replaced at every opening, so that late errors
    QAudioOutput* m_output = nullptr; // of a failed file cannot reach the next one
    QVideoWidget* m_panel = nullptr;
    QLabel* m_top_strip = nullptr;
    QLabel* m_bottom = nullptr;
    DragStrip* m_title = nullptr;
    MediaCloseLabel* m_close = nullptr;
    TTransparentButton* m_play = nullptr;
    TTransparentButton* m_pause = nullptr;
    TTransparentButton* m_stop = nullptr;
    std::array<TTransparentButton*, kMarkCount> m_mark_buttons{};
    MediaShape* m_bar = nullptr;
    MediaShape* m_thumb = nullptr;
    QTimer m_timer;
};

} // namespace vimo
