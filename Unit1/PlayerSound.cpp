#include "PlayerSound.h"

#include <QWidget>

#include "ErrorBox.h"
#include "SoundCues.h"

namespace zunpeko {

PlayerSound::PlayerSound(QWidget& window) {
    QObject::connect(&MP3, &MediaPlayer::Notified, &window,
                     [this, &window](MediaPlayer::Result result) {
                         RunHandler(&window, [&] { MP3Notify(result); });
                     });
}

void PlayerSound::OpenPlayers() {
    OpenPlayersAtCreation(MP1, MP3);
}

void PlayerSound::ReopenMusic(const QString& exeDir) {
    ReopenMusicBesideExecutable(MP3, exeDir);
}

void PlayerSound::CutEndSound() {
    zunpeko::CutEndSound(MP1);
}

void PlayerSound::StartMusic() {
    if (MP3.IsOpen()) {
        zunpeko::StartMusic(MP3);
    }
}

void PlayerSound::StopMusic() {
    if (MP3.IsOpen()) {
        zunpeko::StopMusic(MP3);
    }
}

void PlayerSound::PlayEndSound() {
    zunpeko::PlayEndSound(MP1);
}

void PlayerSound::PlayHit() {
    PlayHitCue(hitSound_);
}

void PlayerSound::MP3Notify(MediaPlayer::Result result) {
    LoopOnSuccess(MP3, result);
}

}  // namespace zunpeko
