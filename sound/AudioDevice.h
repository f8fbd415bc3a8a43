#pragma once

#include <string>

#include "PlaybackEnds.h"

namespace zunpeko {

// The process's one audio output: SDL's audio subsystem with SDL_mixer open
// on it, MP3 decoding included. It opens on first use and closes when the
// program exits. On a machine without a usable sound device it falls back to
// SDL's "dummy" driver, which plays silently at the real pace, so files are
// still opened, checked and timed exactly as with sound.
class AudioDevice {
  public:
    static AudioDevice& Instance();

    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

    // False only when even the dummy driver would not open; every load then
    // fails with SDL_mixer's own text.
    bool IsOpen() const { return open_; }
    // The SDL audio driver in use ("pulseaudio", "alsa", "dummy", ...).
    const std::string& DriverName() const { return driver_; }

    // A mixer channel of the caller's own, and the routing of its end.
    int ClaimChannel(EndListener listener);
    void ReleaseChannel(int channel);

    PlaybackEnds& Ends() { return ends_; }

  private:
    AudioDevice();
    ~AudioDevice();

    bool OpenMixer();
    void CloseMixer();

    PlaybackEnds ends_;
    bool open_ = false;
    std::string driver_;
};

}  // namespace zunpeko
