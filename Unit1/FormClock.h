// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>

namespace zunpeko {

// One of the window's timers. It calls its handler every Interval()
// milliseconds while enabled.
class FormTimer {
  public:
    virtual ~FormTimer() = default;

    virtual int Interval() const = 0;
    // A period different from the current one restarts a running timer's
    // interval from this moment; the same period changes nothing.
    virtual void SetInterval(int ms) = 0;

    virtual bool Enabled() const = 0;
    // Enabling a running timer, or disabling a stopped one, changes nothing.
    virtual void SetEnabled(bool enabled) = 0;

    void SetHandler(std::function<void()> handler) { handler_ = std::move(handler); }

  protected:
    void Fire() const {
        if (handler_) {
            handler_();
        }
    }

  private:
    std::function<void()> handler_;
};

// Time as the window sees it: its timers, the cooperative wait of the panel
// slides, and the time of day the random generator is seeded from. The game
// has a Qt implementation; tests drive a fake one by hand.
class FormClock {
  public:
    virtual ~FormClock() = default;

    // A stopped timer; `precise` asks for millisecond accuracy.
    virtual std::unique_ptr<FormTimer> MakeTimer(int intervalMs, bool precise) = 0;

    // Keeps the event loop running (input, painting, timers) until `ms`
    // milliseconds have passed.
    virtual void Wait(int ms) = 0;
    // The same, but the player's keys and clicks wait until afterwards: the
    // window paints and answers its close box while work it is in the middle
    // of waits (a save for another copy's lock).
    virtual void WaitWithoutInput(int ms) = 0;

    // Milliseconds since midnight of the current UTC day.
    virtual std::uint32_t MillisecondsSinceUtcMidnight() = 0;
};

}  // namespace zunpeko
