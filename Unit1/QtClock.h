#pragma once

#include <QTimer>

#include "FormClock.h"

namespace zunpeko {

// A FormTimer over a QTimer.
class QtFormTimer final : public FormTimer {
  public:
    QtFormTimer(int intervalMs, bool precise);

    int Interval() const override { return timer_.interval(); }
    void SetInterval(int ms) override;
    bool Enabled() const override { return timer_.isActive(); }
    void SetEnabled(bool enabled) override;

    Qt::TimerType Type() const { return timer_.timerType(); }
    // How long until the next call of the handler.
    int RemainingTime() const { return timer_.remainingTime(); }

  private:
    QTimer timer_;
};

// The real clock: Qt's timers, a nested event loop for the waits and the
// system's UTC time of day.
class QtClock final : public FormClock {
  public:
    std::unique_ptr<FormTimer> MakeTimer(int intervalMs, bool precise) override;
    void Wait(int ms) override;
    std::uint32_t MillisecondsSinceUtcMidnight() override;
};

}  // namespace zunpeko
