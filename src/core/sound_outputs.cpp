#include "core/sound_outputs.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QTimer>

namespace vimo {

bool SoundOutputs::available() {
    if (!QMediaDevices::defaultAudioOutput().isNull()) return true;
    if (!m_notice_shown) {
        m_notice_shown = true;
        if (m_show_message)
            QTimer::singleShot(0, &m_notice_context, [this] { m_show_message(kNoSoundNotice); });
    }
    return false;
}

SoundOutputs::Player SoundOutputs::make_player(QObject* parent) {
    Player made;
    made.output = new QAudioOutput(parent);
    made.player = new QMediaPlayer(parent);
    made.player->setAudioOutput(made.output);
    return made;
}

} // namespace vimo
