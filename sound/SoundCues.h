#pragma once

#include <QString>

#include "AsyncSound.h"
#include "MediaPlayer.h"

namespace zunpeko {

// The three sound files, looked up by these bare names in the current
// directory; the music is opened a second time beside the executable.
inline constexpr char kEndSoundFile[] = "doa.wav";
inline constexpr char kMusicFile[] = "d3l.mp3";
inline constexpr char kHitSoundFile[] = "Smash.wav";

// The players' own opening when the window is made, before any of its
// creation steps: the end sound, then the music. Throws PlatformError; at
// that moment a failure ends the program (see StartupFailure.h).
void OpenPlayersAtCreation(MediaPlayer& endSound, MediaPlayer& music);

// The music again, from the directory of the executable (`exeDir` ends in a
// separator). Throws PlatformError and leaves the music player with no file.
void ReopenMusicBesideExecutable(MediaPlayer& music, const QString& exeDir);

// Start of a game: ends an end sound still playing.
void CutEndSound(MediaPlayer& endSound);

// Start of a game: the music from its beginning, reporting when it runs out.
void StartMusic(MediaPlayer& music);

// The music's notification handler: a play that ran to its end starts over
// from the beginning, and asks for its own notification, so the music loops
// until a stop cuts it off. Any other result is left alone.
void LoopOnSuccess(MediaPlayer& music, MediaPlayer::Result result);

// Stop of a game: the music off, its interrupted play reporting Aborted.
void StopMusic(MediaPlayer& music);

// Stop of a game: the end sound from its beginning.
void PlayEndSound(MediaPlayer& endSound);

// A hit: ends the hit sound still playing and starts it again. Never throws.
void PlayHitCue(AsyncSound& hitSound);

}  // namespace zunpeko
