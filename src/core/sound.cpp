#include "core/sound.h"

#include "core/paths.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QUrl>
#include <algorithm>
#include <limits>

namespace vimo {

namespace {

const std::string cannot_play = "Nie można odtworzyć pliku ";

// The absolute local path a course path names, as the player's source gives it back.
std::string local_file(const std::string& file) {
    return QFileInfo(QString::fromStdString(resolve_path(file))).absoluteFilePath().toStdString();
}

bool is_file(const std::string& local_path) {
    return QFileInfo(QString::fromStdString(local_path)).isFile();
}

} // namespace

SoundService::SoundService(SoundOutputs& outputs, MessageSink show_message, QObject* parent)
    : QObject(parent), m_outputs(outputs), m_show_message(std::move(show_message)) {}

void SoundService::play_sound(const std::string& file, bool wait) {
    play(file, wait, false);
}

void SoundService::play_sound_quiet(const std::string& file, bool wait) {
    play(file, wait, true);
}

void SoundService::stop_sound() {
    if (!m_player || m_player->source().isEmpty()) return;
    end_playback(PlaybackEnd::interrupted);
    m_player->stop();
    m_player->setSource(QUrl());
}

void SoundService::wait_ms(int milliseconds) {
    if (milliseconds <= 0) return;
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

std::string SoundService::open_file() const {
    return m_player ? m_player->source().toLocalFile().toStdString() : std::string();
}

bool SoundService::is_playing() const {
    return m_player && m_player->playbackState() == QMediaPlayer::PlayingState;
}

void SoundService::play(const std::string& file, bool wait, bool quiet) {
    if (file.empty()) return;
    const std::string local_path = local_file(file);
    if (!is_file(local_path)) {
        if (!quiet) report("Brak pliku: " + file + ".");
        return;
    }
    if (!m_outputs.available()) {
        // The screen goes on as after a recording nobody could hear.
        if (!quiet && m_screen_timer) m_screen_timer->start();
        return;
    }
    end_playback(PlaybackEnd::interrupted);
    // A file that failed is opened afresh: it may have been mended.
    if (!m_player || open_file() != local_path || m_player_failed) open(local_path);
    m_playing_file = file;
    start_playing();
    if (wait) wait_for_end();
    if (!quiet && m_screen_timer) m_screen_timer->start();
}

// The old player may be inside one of its own signals (a failure reported from its
// error signal): it is deleted once control is back in the event loop.
void SoundService::create_player() {
    if (m_player != nullptr) {
        m_player->disconnect(this);
        m_player->stop();
        // Its stream goes now, not when the deletion comes round.
        m_player->setSource(QUrl());
        m_player->deleteLater();
        m_output->deleteLater();
    }
    const SoundOutputs::Player made = SoundOutputs::make_player(this);
    m_player = made.player;
    m_output = made.output;
    m_player_failed = false;
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, &SoundService::on_status);
    connect(m_player, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error, const QString& reason) { on_error(reason); });
}

void SoundService::open(const std::string& local_path) {
    create_player();
    m_player->setSource(QUrl::fromLocalFile(QString::fromStdString(local_path)));
    ++m_openings;
}

void SoundService::start_playing() {
    if (m_player->mediaStatus() == QMediaPlayer::EndOfMedia) m_player->setPosition(0);
    m_active = true;
    m_player->play();
    // An error the player met while opening the file is not signalled again.
    if (m_player_failed) fail(m_player->errorString().toStdString());
}

// Runs until the playback ends, however it ends. The watchdog covers a sound device
// that stops taking samples: the end would then never be signalled.
void SoundService::wait_for_end() {
    if (!m_active) return;
    QEventLoop loop;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    const auto arm = [this, &watchdog] {
        const qint64 remaining = std::max<qint64>(0, m_player->duration() - m_player->position());
        const qint64 limit = std::numeric_limits<int>::max() / 2;
        watchdog.start(static_cast<int>(std::min(remaining, limit)) + m_stall_margin_ms);
    };
    connect(this, &SoundService::playback_ended, &loop, &QEventLoop::quit);
    connect(m_player, &QMediaPlayer::durationChanged, &watchdog, arm);
    connect(&watchdog, &QTimer::timeout, this,
            [this] { fail("urządzenie dźwiękowe nie kończy odtwarzania."); });
    arm();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void SoundService::end_playback(PlaybackEnd how) {
    if (!m_active) return;
    m_active = false;
    emit playback_ended(how);
}

void SoundService::on_status(QMediaPlayer::MediaStatus status) {
    if (status == QMediaPlayer::EndOfMedia) end_playback(PlaybackEnd::finished);
    if (status == QMediaPlayer::InvalidMedia) on_error(m_player->errorString());
}

void SoundService::on_error(const QString& reason) {
    m_player_failed = true;
    if (m_active) fail(reason.toStdString());
}

void SoundService::fail(const std::string& reason) {
    if (!m_active) return;
    m_player_failed = true;
    m_player->stop();
    report(cannot_play + m_playing_file + ": " + reason);
    end_playback(PlaybackEnd::failed);
}

void SoundService::report(const std::string& message) const {
    if (m_show_message) m_show_message(message);
}

} // namespace vimo
