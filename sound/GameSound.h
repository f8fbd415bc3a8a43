// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

#include "AsyncSound.h"
#include "FormSound.h"
#include "MediaPlayer.h"
#include "PlatformError.h"

namespace zunpeko {

// The three sound files, looked up by these bare names in the current
// directory; the music is opened a second time beside the executable.
inline constexpr char kEndSoundFile[] = "doa.wav";
inline constexpr char kMusicFile[] = "d3l.mp3";
inline constexpr char kHitSoundFile[] = "Smash.wav";

// The window's sounds on the media system: the players MP1 (end sound,
// "doa.wav") and MP3 (music, "d3l.mp3") and the asynchronous hit sound.
//
// After a failed re-opening of the music, MP3 has no file and every command
// on it would fail; the game then runs without music: the music steps of a
// start and a stop are skipped instead of failing (which would abandon a
// stop before its hi-score check, and report the same error at every game).
class GameSound final : public FormSound {
  public:
    // An error of the music loop, which no command of the window's is there
    // to receive.
    using ErrorReport = std::function<void(const PlatformError&)>;

    explicit GameSound(ErrorReport reportError);

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
    ErrorReport reportError_;
    AsyncSound hitSound_;
};

}  // namespace zunpeko
