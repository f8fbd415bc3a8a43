// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <mutex>
#include <vector>

namespace zunpeko {

// Called when a sound stops on its own or is halted. It runs on SDL's audio
// thread (a sound that reached its end) or on the thread that halted it, with
// the mixer locked: it must be quick and must not call back into the mixer.
using EndListener = std::function<void()>;

// SDL_mixer has one process-wide "channel finished" callback and one "music
// finished" callback. This table routes them to the track that owns the
// channel or the music. It is shared between the audio thread and the
// user-interface thread, hence the lock; no mixer call is made under it, so
// the mixer's own lock and this one never wait on each other in a circle.
class PlaybackEnds {
  public:
    // The lowest channel nobody listens to, now listened to by `listener`.
    int ClaimChannel(EndListener listener);
    void ReleaseChannel(int channel);
    void ChannelEnded(int channel) const;
    // How many channels were ever claimed: the mixer must have that many.
    std::size_t ChannelCount() const;

    // SDL_mixer plays one music at a time: the track that last took it owns
    // the music callback until another takes it or it lets go.
    void TakeMusic(const void* owner, EndListener listener);
    void DropMusic(const void* owner);
    bool OwnsMusic(const void* owner) const;
    void MusicEnded() const;

  private:
    mutable std::mutex lock_;
    std::vector<EndListener> channels_;
    const void* musicOwner_ = nullptr;
    EndListener musicListener_;
};

}  // namespace zunpeko
