#pragma once

#include "AsyncSound.h"
#include "FormSound.h"
#include "MediaPlayer.h"

class QWidget;

namespace zunpeko {

// The window's sounds on the media system: the players MP1 (end sound,
// "doa.wav") and MP3 (music, "d3l.mp3") and the asynchronous hit sound.
//
// After a failed re-opening of the music, MP3 has no file and every command
// on it would fail; the game then runs without music: the music steps of a
// start and a stop are skipped instead of failing (which would abandon a
// stop before its hi-score check, and report the same error at every game).
class PlayerSound final : public FormSound {
  public:
    // Errors of the music loop are reported over `window`.
    explicit PlayerSound(QWidget& window);

    void OpenPlayers() override;
    void ReopenMusic(const QString& exeDir) override;
    void CutEndSound() override;
    void StartMusic() override;
    void StopMusic() override;
    void PlayEndSound() override;
    void PlayHit() override;

    // MP3's notification: a play that ran to its end starts again.
    void MP3Notify(MediaPlayer::Result result);

    MediaPlayer MP1;
    MediaPlayer MP3;

  private:
    AsyncSound hitSound_;
};

}  // namespace zunpeko
