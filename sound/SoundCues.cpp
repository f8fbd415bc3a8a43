#include "SoundCues.h"

namespace zunpeko {

void OpenPlayersAtCreation(MediaPlayer& endSound, MediaPlayer& music) {
    endSound.Open(kEndSoundFile);
    music.Open(kMusicFile);
}

void ReopenMusicBesideExecutable(MediaPlayer& music, const QString& exeDir) {
    music.Open(exeDir + QLatin1String(kMusicFile));
}

void CutEndSound(MediaPlayer& endSound) {
    endSound.Stop();
}

void StartMusic(MediaPlayer& music) {
    // The rewind leaves the notify setting to the play that follows it.
    music.SetNotify(true);
    music.Rewind();
    music.Play();
}

void LoopOnSuccess(MediaPlayer& music, MediaPlayer::Result result) {
    if (result == MediaPlayer::Result::Successful) {
        music.Rewind();
        music.Play();
    }
}

void StopMusic(MediaPlayer& music) {
    music.SetNotify(false);
    music.Stop();
}

void PlayEndSound(MediaPlayer& endSound) {
    endSound.Rewind();
    endSound.Play();
}

void PlayHitCue(AsyncSound& hitSound) {
    hitSound.Play(QString());
    hitSound.Play(kHitSoundFile);
}

}  // namespace zunpeko
