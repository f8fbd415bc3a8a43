// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

#include "FormClock.h"

namespace zunpeko::testing {

class FakeClock;

// A timer on the fake clock: it fires when the clock is advanced past its
// due time, as often as its interval fits.
class FakeTimer final : public FormTimer {
  public:
    FakeTimer(FakeClock& clock, int intervalMs);
    ~FakeTimer() override;
    FakeTimer(const FakeTimer&) = delete;
    FakeTimer& operator=(const FakeTimer&) = delete;

    int Interval() const override { return interval_; }
    void SetInterval(int ms) override;
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override;

  private:
    friend class FakeClock;

    FakeClock& clock_;
    int interval_;
    bool enabled_ = false;
    std::int64_t due_ = 0;
};

// Time that passes only when a test says so. A whole game runs in a moment:
// the timers fire in order of their due times as the test advances the
// clock, and every wait of the window lets its time pass at once, after
// running whatever the test queued to arrive during it.
class FakeClock final : public FormClock {
  public:
    std::unique_ptr<FormTimer> MakeTimer(int intervalMs, bool precise) override;
    void Wait(int ms) override;
    // As Wait: the fake clock does not tell the two waits apart.
    void WaitWithoutInput(int ms) override { Wait(ms); }
    std::uint32_t MillisecondsSinceUtcMidnight() override { return timeOfDay; }

    // Lets `ms` pass, firing the enabled timers as they fall due.
    void Advance(std::int64_t ms);
    std::int64_t Now() const { return now_; }

    // Runs `action` inside a coming wait: the first queued action in the
    // next wait, the second in the one after, and so on.
    void DuringWait(std::function<void()> action) { duringWaits_.push_back(std::move(action)); }

    // The waits asked for so far, in order.
    const std::vector<int>& Waits() const { return waits_; }

    std::uint32_t timeOfDay = 12'345'678;

  private:
    friend class FakeTimer;

    FakeTimer* NextDue(std::int64_t until) const;

    std::int64_t now_ = 0;
    std::vector<FakeTimer*> timers_;
    std::deque<std::function<void()>> duringWaits_;
    std::vector<int> waits_;
};

}  // namespace zunpeko::testing
