// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QTimer>
#include <atomic>
#include <functional>
#include <string>

union SDL_Event;

namespace zunpeko {

// Tells when the open sound device is lost, so that it can be closed at once
// rather than played into for the rest of a game: SDL says it was removed (a
// PulseAudio server that went away), or it stopped asking for sound (a
// PipeWire stream whose server died is never called again, and SDL never
// hears of it). An open PipeWire stream mixes every few milliseconds, even
// silence; a look every half second sees whether it still does. The looks
// run only while such a stream is open: a closed one costs no wake-up.
class DeviceWatch {
  public:
    using LostListener = std::function<void(const char* how)>;

    explicit DeviceWatch(LostListener onLost);

    // A device has just opened on `driver` (SDL's name); the listener hears
    // of its loss, once, on the user-interface thread, until Stop().
    void Start(const std::string& driver);
    void Stop();
    // On the audio thread, after each mix.
    void Mixed() { mixes_.fetch_add(1, std::memory_order_relaxed); }

  private:
    static int OnSdlEvent(void* watch, SDL_Event* event);
    void Look();
    void Report(unsigned watchNumber, const char* how);

    LostListener onLost_;
    QPointer<QTimer> looks_;
    // Counts the Starts and Stops: a report from an SDL event concerns the
    // device watched when the event came, and no later one.
    std::atomic<unsigned> watchNumber_ = 0;
    bool watching_ = false;
    std::atomic<unsigned> mixes_ = 0;
    unsigned mixesAtLastLook_ = 0;
    // Looks without a mix still allowed before the stream counts as lost.
    int looksLeft_ = 0;
};

}  // namespace zunpeko
