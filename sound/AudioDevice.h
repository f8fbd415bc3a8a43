// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "DeviceWatch.h"

namespace zunpeko {

// Called when a sound stops on its own or is halted. It runs on SDL's audio
// thread (a sound that reached its end) or on the thread that halted it, with
// the mixer locked: it must be quick and must not call back into the mixer.
using EndListener = std::function<void()>;

// The process's one audio output: SDL's audio subsystem with SDL_mixer on it,
// MP3 decoding included.
//
// A sound device is slow to open and, once open, wakes the process hundreds
// of times a second even to play silence. So the device is open only while
// something plays: the first sound opens it, and a second of silence with
// nothing playing or held closes it again. Decoding a file needs the mixer but
// no device: while none is open, files are decoded on SDL's silent driver in
// the very format the device is later opened with, so what was decoded plays
// unchanged; the silent driver too closes after a second with nothing to do.
//
// On a machine without a usable sound device it falls back to SDL's "dummy"
// driver, which plays silently at the real pace, and says so once on standard
// error. Where the kernel has no sound card, only sound servers are tried:
// ALSA and its kin would only fill standard error with their complaints.
//
// A device lost while open (its sound server died, or went away) is closed at
// once with a line on standard error, and the next sound opens one again,
// choosing the driver anew: whatever server is there by then plays it. Until
// one is, the dummy driver stands in, so that sounds still end at their pace,
// and each sound at least a second after the last try looks for a server again.
class AudioDevice {
  public:
    static AudioDevice& Instance();

    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

    // Opens the device unless it is open; call before starting a sound. False
    // only when even the dummy driver will not open.
    bool Wake();
    bool IsOpen() const { return state_ == State::Playing; }
    // Whether the mixer's channels exist: SDL_mixer must not be asked about a
    // channel while it is closed.
    bool HasChannels() const { return state_ != State::Closed; }
    // The SDL audio driver of the device last opened ("pulseaudio", "alsa",
    // "dummy", ...); empty before the first sound.
    const std::string& DriverName() const { return driver_; }

    // The mixer ready to decode a file, with or without a device. False when
    // it cannot be had (SDL's error says why).
    bool ReadyToDecode();

    // SDL_mixer has one "channel finished" callback and one "music finished"
    // callback for the whole process; the device hands each end to whoever
    // listens to that channel, or to the music. A claimed channel is the
    // lowest nobody listens to.
    int ClaimChannel(EndListener listener);
    void ReleaseChannel(int channel);
    // SDL_mixer plays one music at a time, and the game has one music
    // player: the end of the music goes to `listener`, set as it starts to
    // play (empty: to nobody).
    void ListenToMusic(EndListener listener);

  private:
    enum class State { Closed, Decoding, Playing };

    AudioDevice();
    ~AudioDevice();

    bool OpenDevice();
    void Lose(const char* how);
    void ForgetDriver();
    bool StandInMayGiveWay() const;
    bool OpenOnDriverChoice();
    bool OpenSilent();
    void CloseSilent();
    bool OpenMixer();
    void CloseMixer();
    void CloseIfIdle();
    void WatchForIdle();
    static void AfterMix(void* device, unsigned char* stream, int length);
    static void OnChannelFinished(int channel);
    static void OnMusicFinished();

    // The listeners are shared with the audio thread; no mixer call is made
    // under this lock, so it and the mixer's own never wait on each other.
    std::mutex endsLock_;
    std::vector<EndListener> channelEnds_;
    EndListener musicEnd_;
    // Whether SDL's libraries could be loaded at all; without them nothing
    // opens, and the media system's error says why.
    bool loaded_;
    State state_ = State::Closed;
    // The subsystem runs on a real driver (or the fallback) once a sound has
    // been played; before, only the silent driver is started, for decoding.
    bool subsystemForPlaying_ = false;
    std::string driver_;
    // Whether a device was ever lost: then the dummy driver only stands in
    // until a real one can be had again.
    bool lost_ = false;
    bool standIn_ = false;
    QElapsedTimer sinceDriverChoice_;
    DeviceWatch watch_;
    std::atomic<int> idleMixes_ = 0;
    std::atomic<bool> closeAsked_ = false;
};

}  // namespace zunpeko
