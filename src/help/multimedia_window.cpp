#include "help/multimedia_window.h"

#include "controls/TransparentButton.h"
#include "controls/button_pictures.h"
#include "controls/drag_strip.h"
#include "core/paths.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMediaPlayer>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QUrl>
#include <QVideoWidget>

namespace vimo {

namespace {

constexpr int kTickMs = 100;
const std::string cannot_play = "Nie można odtworzyć pliku ";

constexpr std::array<int, kMarkCount> kMarkPictures{
    button_picture::media_mark_1, button_picture::media_mark_2, button_picture::media_mark_3,
    button_picture::media_mark_4};

std::string local_file(const std::string& file) {
    return QFileInfo(QString::fromStdString(resolve_path(file))).absoluteFilePath().toStdString();
}

bool is_file(const std::string& local_path) {
    return QFileInfo(QString::fromStdString(local_path)).isFile();
}

TTransparentButton* make_button(QWidget* parent, const TMyImageList& list, int picture,
                                const char* name) {
    auto* button = new TTransparentButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setImageList(&list);
    button->setBitmapNormal(picture);
    return button;
}

} // namespace

MediaShape::MediaShape(QWidget* parent, QColor fill, QColor frame)
    : QWidget(parent), m_fill(fill), m_frame(frame) {}

void MediaShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(m_frame);
    painter.setBrush(m_fill);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void MediaShape::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    emit pressed(event->position().toPoint().x());
}

MediaCloseLabel::MediaCloseLabel(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
}

void MediaCloseLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

TMultimediaForm::TMultimediaForm(const Config& config, const TMyImageList& buttons,
                                 SoundOutputs& outputs, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_config(config), m_outputs(outputs) {
    setObjectName(QStringLiteral("TMultimediaForm"));
    // The exercise underneath keeps the keyboard when the window appears.
    setAttribute(Qt::WA_ShowWithoutActivating);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);

    m_bottom = new QLabel(this);
    m_bottom->setObjectName(QStringLiteral("img_dol"));
    m_top_strip = new QLabel(this);
    m_top_strip->setObjectName(QStringLiteral("img_gora"));
    m_title = new DragStrip(this, QRect());
    m_title->setObjectName(QStringLiteral("Label1"));
    m_close = new MediaCloseLabel(this);
    m_close->setObjectName(QStringLiteral("btn_zamknij"));
    m_close->setText(QStringLiteral("X"));
    m_close->setAlignment(Qt::AlignCenter);
    QFont close_font(QStringLiteral("Verdana"));
    close_font.setPixelSize(12);
    close_font.setBold(true);
    m_close->setFont(close_font);
    m_close->setStyleSheet(QStringLiteral("color: white;"));

    m_play = make_button(this, buttons, button_picture::media_play, "btn_play");
    m_pause = make_button(this, buttons, button_picture::media_pause, "btn_pause");
    m_stop = make_button(this, buttons, button_picture::media_stop, "btn_stop");
    for (int k = 0; k < kMarkCount; ++k) {
        const std::string name = "mark_" + std::to_string(k + 1);
        m_mark_buttons[static_cast<std::size_t>(k)] =
            make_button(this, buttons, kMarkPictures[static_cast<std::size_t>(k)], name.c_str());
        connect(m_mark_buttons[static_cast<std::size_t>(k)], &TTransparentButton::clicked, this,
                [this, k] { mark_clicked(k); });
    }
    m_bar = new MediaShape(this, QColor(48, 48, 48), QColor(150, 150, 150));
    m_bar->setObjectName(QStringLiteral("shape1"));
    m_bar->setCursor(Qt::PointingHandCursor);
    m_thumb = new MediaShape(this, QColor(235, 235, 235), QColor(20, 20, 20));
    m_thumb->setObjectName(QStringLiteral("sHAPE2"));
    // A press on the thumb is a press on the bar under it.
    m_thumb->setAttribute(Qt::WA_TransparentForMouseEvents);

    connect(m_play, &TTransparentButton::clicked, this, &TMultimediaForm::play_clicked);
    connect(m_pause, &TTransparentButton::clicked, this, &TMultimediaForm::pause_clicked);
    connect(m_stop, &TTransparentButton::clicked, this, &TMultimediaForm::stop_clicked);
    connect(m_bar, &MediaShape::pressed, this, &TMultimediaForm::bar_pressed);
    connect(m_close, &MediaCloseLabel::clicked, this, &TMultimediaForm::media_close);
    m_timer.setInterval(kTickMs);
    connect(&m_timer, &QTimer::timeout, this, &TMultimediaForm::tick);

    if (const auto film = media_layout(kMediaFilm, false)) apply_layout(*film);
}

TMultimediaForm::~TMultimediaForm() {
    // The panel is a child and goes first; the player must not paint into it meanwhile.
    if (m_player) m_player->setVideoOutput(nullptr);
}

void TMultimediaForm::media_open(int kind, const std::string& file) {
    const std::string local_path = local_file(file);
    const MediaOpenPlan plan = plan_media_open(kind, file, m_marks, is_file(local_path));
    m_marks_present = plan.marks.present;
    for (std::size_t k = 0; k < m_mark_buttons.size(); ++k)
        m_mark_buttons[k]->setVisible(plan.marks.visible[k]);
    set_running(false);

    switch (plan.action) {
    case MediaAction::nothing:
        return;
    case MediaAction::read_page:
        if (m_links.open_reading) m_links.open_reading(file);
        return;
    case MediaAction::message:
        report(plan.message);
        return;
    case MediaAction::show:
        break;
    }
    m_file = file;
    m_kind = plan.kind;
    open_file(local_path, m_kind == kMediaFilm);
    if (const auto layout = media_layout(m_kind, m_marks_present)) apply_layout(*layout);
    m_open = true;
    show_on_top();
    if (plan.start) play_clicked();
}

void TMultimediaForm::media_close() {
    close_file();
    m_open = false;
    hide();
}

bool TMultimediaForm::hide_for_help() {
    if (!isVisible()) return false;
    if (m_player && m_player->playbackState() == QMediaPlayer::PlayingState) m_player->pause();
    set_running(false);
    m_stepping_aside = true;
    hide();
    m_stepping_aside = false;
    return m_open;
}

void TMultimediaForm::show_after_help() {
    if (!m_open || isVisible() || !m_player) return;
    move_thumb(thumb_left(m_layout.bar, m_player->position(), m_player->duration()));
    show_on_top();
}

void TMultimediaForm::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (m_stepping_aside) return;
    // Hidden by its exercise or by the window system: nothing may play on unseen, and
    // the help window must not bring back a window whose file is closed.
    close_file();
    m_open = false;
}

void TMultimediaForm::keyPressEvent(QKeyEvent* event) {
    event->accept();
}

bool TMultimediaForm::event(QEvent* event) {
    // Accepting the override turns a would-be shortcut into a key press, which the
    // window then swallows.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void TMultimediaForm::create_player() {
    if (m_player != nullptr) {
        m_player->disconnect(this);
        m_player->stop();
        m_player->setVideoOutput(nullptr);
        m_player->deleteLater();
        m_output->deleteLater();
    }
    const SoundOutputs::Player made = SoundOutputs::make_player(this);
    m_player = made.player;
    m_output = made.output;
    m_failure_reported = false;
    connect(m_player, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error, const QString& reason) { on_error(reason); });
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this,
            [this](QMediaPlayer::MediaStatus status) {
                if (status == QMediaPlayer::InvalidMedia) on_error(m_player->errorString());
            });
}

// Made with the first film: the video widget brings the graphics integration of the
// media back-end, which a course of recordings never needs.
void TMultimediaForm::create_panel() {
    m_panel = new QVideoWidget(this);
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_panel->setGeometry(m_layout.panel);
    m_panel->setVisible(m_layout.panel_visible);
    m_panel->stackUnder(m_title);
}

// Without a sound device the window still opens and plays: a film's pictures go on,
// silently, after the one notice.
void TMultimediaForm::open_file(const std::string& local_path, bool film) {
    m_outputs.available();
    create_player();
    if (film) {
        if (!m_panel) create_panel();
        m_player->setVideoOutput(m_panel);
    }
    m_player->setSource(QUrl::fromLocalFile(QString::fromStdString(local_path)));
}

void TMultimediaForm::close_file() {
    set_running(false);
    move_thumb(m_layout.bar.left());
    if (!m_player) return;
    m_player->stop();
    m_player->setSource(QUrl());
    m_player->setVideoOutput(nullptr);
}

void TMultimediaForm::apply_layout(const MediaLayout& layout) {
    m_layout = layout;
    load_pictures();
    setFixedSize(layout.window);
    m_title->setGeometry(layout.title_strip);
    m_title->setVisible(layout.title_visible);
    m_close->setGeometry(layout.close_label);
    m_close->setVisible(layout.title_visible);
    m_top_strip->setGeometry(layout.top_strip);
    m_top_strip->setVisible(layout.top_strip_visible);
    if (m_panel) {
        m_panel->setGeometry(layout.panel);
        m_panel->setVisible(layout.panel_visible);
    }
    m_bottom->setGeometry(layout.bottom_rect);
    m_bottom->setPixmap(QPixmap::fromImage(m_bottom_pictures[static_cast<int>(layout.bottom)]));
    m_bottom->show();
    m_play->move(layout.play);
    m_stop->move(layout.stop);
    m_pause->move(layout.pause);
    for (std::size_t k = 0; k < m_mark_buttons.size(); ++k) {
        m_mark_buttons[k]->move(layout.marks[k]);
        if (!layout.marks_placed) m_mark_buttons[k]->hide();
    }
    m_bar->setGeometry(layout.bar);
    move_thumb(layout.bar.left());
    // The strip over the top picture, the thumb over the bar.
    m_top_strip->lower();
    m_bottom->lower();
    m_title->raise();
    m_close->raise();
    m_thumb->raise();
}

void TMultimediaForm::load_pictures() {
    const std::string folder = m_config.course_root + kMediaPictureFolder;
    const auto load = [&folder](const char* name) {
        return QImage(QString::fromStdString(resolve_path(folder + name)));
    };
    m_bottom_pictures[static_cast<int>(BottomBar::video)] = load(kVideoBottomPicture);
    m_bottom_pictures[static_cast<int>(BottomBar::audio)] = load(kAudioBottomPicture);
    m_bottom_pictures[static_cast<int>(BottomBar::audio_big)] = load(kAudioBigBottomPicture);
    m_top_strip->setPixmap(QPixmap::fromImage(load(kTopStripPicture)));
}

void TMultimediaForm::show_on_top() {
    const QPoint origin = m_links.main_window_origin ? m_links.main_window_origin() : QPoint();
    move(media_window_position(origin));
    show();
    raise();
}

void TMultimediaForm::report(const std::string& text) const {
    if (m_links.show_message) m_links.show_message(text);
}

void TMultimediaForm::play_clicked() {
    if (!m_player) return;
    rewind_if_ended();
    m_player->play();
    set_running(true);
}

void TMultimediaForm::pause_clicked() {
    if (!m_player) return;
    switch (m_player->playbackState()) {
    case QMediaPlayer::PlayingState:
        m_player->pause();
        set_running(false);
        break;
    case QMediaPlayer::PausedState:
        m_player->play();
        set_running(true);
        break;
    case QMediaPlayer::StoppedState:
        break; // nothing is paused, nothing to go on with
    }
}

void TMultimediaForm::stop_clicked() {
    if (!m_player) return;
    m_player->stop();
    m_player->setPosition(0);
    set_running(false);
    move_thumb(m_layout.bar.left());
}

void TMultimediaForm::mark_clicked(int index) {
    const std::int64_t mark = m_marks.ms[static_cast<std::size_t>(index)];
    if (mark == kNoMark || !m_player) return;
    const std::int64_t length = m_player->duration();
    const std::int64_t target = seek_for_mark(mark, length);
    m_player->pause();
    m_player->setPosition(target);
    m_player->play();
    // The seek lands a moment later; the thumb goes where it will land.
    move_thumb(thumb_left(m_layout.bar, target, length));
    set_running(true);
}

void TMultimediaForm::bar_pressed(int x) {
    if (!m_player) return;
    m_player->setPosition(seek_for_click(x, m_layout.bar, m_player->duration()));
    m_player->play();
    set_running(true);
}

void TMultimediaForm::tick() {
    if (!m_player) return;
    move_thumb(thumb_left(m_layout.bar, m_player->position(), m_player->duration()));
}

void TMultimediaForm::set_running(bool running) {
    m_playing = running;
    if (running) {
        m_timer.start();
    } else {
        m_timer.stop();
    }
}

void TMultimediaForm::move_thumb(int left) {
    m_thumb->setGeometry(thumb_rect(m_layout.bar, left));
}

// A recording played to its end starts again from the beginning.
void TMultimediaForm::rewind_if_ended() {
    if (m_player->mediaStatus() == QMediaPlayer::EndOfMedia) m_player->setPosition(0);
}

void TMultimediaForm::on_error(const QString& reason) {
    if (m_failure_reported) return;
    m_failure_reported = true;
    m_player->stop();
    set_running(false);
    report(cannot_play + m_file + ": " + reason.toStdString());
}

} // namespace vimo
