#include "core/sound_outputs.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>

namespace vimo {

bool SoundOutputs::available() {
    if (!QMediaDevices::defaultAudioOutput().isNull()) return true;
    if (!m_notice_shown) {
        m_notice_shown = true;
        if (m_show_message) m_show_message(kNoSoundNotice);
    }
    return false;
}

SoundOutputs::Player SoundOutputs::make_player(QObject* parent) {
    Player made;
    made.output = new QAudioOutput(QMediaDevices::defaultAudioOutput(), parent);
    made.player = new QMediaPlayer(parent);
    made.player->setAudioOutput(made.output);
    return made;
}

void SoundOutputs::follow_default(QAudioOutput& output) {
    const QAudioDevice current = QMediaDevices::defaultAudioOutput();
    if (!current.isNull() && current != output.device()) output.setDevice(current);
}

} // namespace vimo
