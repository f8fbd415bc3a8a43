// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zunpeko {

// One open sound file as a media player drives it. The player keeps the
// position (at the start, stopped part way, at the end) and decides which of
// these to call; a track only carries them out on the mixer. Its end
// listener, given when it is loaded, hears every stop of its sound, whether
// the sound ran out or was halted.
class MediaTrack {
  public:
    virtual ~MediaTrack() = default;

    // Starts the sound at its beginning; throws PlatformError when the mixer
    // refuses.
    virtual void PlayFromStart() = 0;
    // Holds the sound where it is. On return no more of it is mixed.
    virtual void Pause() = 0;
    // Lets a held sound go on. False when there is nothing left to go on
    // with: the sound ran out (or was cut off) while it was held.
    virtual bool Resume() = 0;
    // Ends the sound and forgets its position.
    virtual void Halt() = 0;
};

}  // namespace zunpeko
