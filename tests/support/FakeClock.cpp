// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeClock.h"

#include <QCoreApplication>
#include <algorithm>

namespace zunpeko::testing {

FakeTimer::FakeTimer(FakeClock& clock, int intervalMs) : clock_(clock), interval_(intervalMs) {
    clock_.timers_.push_back(this);
}

FakeTimer::~FakeTimer() {
    std::erase(clock_.timers_, this);
}

void FakeTimer::SetInterval(int ms) {
    if (ms == interval_) {
        return;
    }
    interval_ = ms;
    if (enabled_) {
        due_ = clock_.now_ + interval_;
    }
}

void FakeTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_) {
        return;
    }
    enabled_ = enabled;
    if (enabled_) {
        due_ = clock_.now_ + interval_;
    }
}

std::unique_ptr<FormTimer> FakeClock::MakeTimer(int intervalMs, bool /*precise*/) {
    return std::make_unique<FakeTimer>(*this, intervalMs);
}

void FakeClock::Wait(int ms) {
    waits_.push_back(ms);
    QCoreApplication::processEvents();
    if (!duringWaits_.empty()) {
        const std::function<void()> action = std::move(duringWaits_.front());
        duringWaits_.pop_front();
        action();
    }
    Advance(ms);
}

void FakeClock::Advance(std::int64_t ms) {
    const std::int64_t until = now_ + ms;
    // A timer's handler may wait, and so advance the clock itself.
    while (FakeTimer* timer = NextDue(until)) {
        now_ = std::max(now_, timer->due_);
        timer->due_ = now_ + timer->interval_;
        timer->Fire();
    }
    now_ = std::max(now_, until);
}

FakeTimer* FakeClock::NextDue(std::int64_t until) const {
    FakeTimer* next = nullptr;
    for (FakeTimer* timer : timers_) {
        if (timer->enabled_ && timer->due_ <= until &&
            (next == nullptr || timer->due_ < next->due_)) {
            next = timer;
        }
    }
    return next;
}

}  // namespace zunpeko::testing
