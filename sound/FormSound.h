// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace zunpeko {

// The window's sounds: the music player, the end-sound player and the hit
// sound. The commands throw PlatformError where the media system fails.
class FormSound {
  public:
    virtual ~FormSound() = default;

    // The players open their files by bare name while the window is made,
    // before its creation steps; a failure there ends the program.
    virtual void OpenPlayers() = 0;
    // The music again, beside the executable (`exeDir` ends in "/").
    virtual void ReopenMusic(const QString& exeDir) = 0;

    // Start of a game: the end sound cut off, later the looping music.
    virtual void CutEndSound() = 0;
    virtual void StartMusic() = 0;
    // Stop of a game: the music off, then the end sound.
    virtual void StopMusic() = 0;
    virtual void PlayEndSound() = 0;

    // A hit: the hit sound from its beginning.
    virtual void PlayHit() = 0;
};

}  // namespace zunpeko
