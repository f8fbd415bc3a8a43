// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameSound.h"

#include <utility>

namespace zunpeko {

GameSound::GameSound(ErrorReport reportError) : reportError_(std::move(reportError)) {
    QObject::connect(&MP3, &MediaPlayer::Notified, &MP3,
                     [this](MediaPlayer::Result result) { MP3Notify(result); });
}

void GameSound::OpenPlayers() {
    MP1.Open(QString::fromLatin1(kEndSoundFile));
    MP3.Open(QString::fromLatin1(kMusicFile));
}

void GameSound::ReopenMusic(const QString& exeDir) {
    MP3.Open(exeDir + QLatin1String(kMusicFile));
}

void GameSound::CutEndSound() {
    MP1.Stop();
}

void GameSound::StartMusic() {
    if (!MP3.IsOpen()) {
        return;
    }
    // The rewind leaves the notify setting to the play that follows it.
    MP3.SetNotify(true);
    MP3.Rewind();
    MP3.Play();
}

void GameSound::StopMusic() {
    if (!MP3.IsOpen()) {
        return;
    }
    MP3.SetNotify(false);
    MP3.Stop();
    // Back to the start at once rather than at the next game: music held
    // would keep the sound device open, and awake, between games.
    MP3.Rewind();
}

void GameSound::PlayEndSound() {
    MP1.Rewind();
    MP1.Play();
}

void GameSound::PlayHit() {
    // The play first ends the hit still sounding: each starts from its beginning.
    hitSound_.Play(QString::fromLatin1(kHitSoundFile));
}

void GameSound::MP3Notify(MediaPlayer::Result result) {
    // A play that ran to its end starts over, and asks for its own
    // notification: the music loops until a stop cuts it off.
    if (result != MediaPlayer::Result::Successful) {
        return;
    }
    try {
        MP3.Rewind();
        MP3.Play();
    } catch (const PlatformError& error) {
        if (reportError_) {
            reportError_(error);
        }
    }
}

}  // namespace zunpeko
