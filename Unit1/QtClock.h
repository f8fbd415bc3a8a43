// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEventLoop>
#include <QLoggingCategory>
#include <QString>
#include <QTimer>

#include "FormClock.h"

namespace zunpeko {

// The timers' events, for measuring from outside how closely the game keeps
// to its periods (bench/run.sh). Off unless switched on, for example with
// QT_LOGGING_RULES="zunpeko.ticks.debug=true". One message per event:
//   on   <timer> <monotonic ns> <interval ms>   the timer was started
//   fire <timer> <monotonic ns> <interval ms>   it fired after waiting that interval
// <timer> numbers the timers of a clock in the order they were made, followed
// by "p" for a precise timer or "c" for a coarse one.
Q_DECLARE_LOGGING_CATEGORY(lcTicks)

// A FormTimer over a QTimer.
class QtFormTimer final : public FormTimer {
  public:
    QtFormTimer(int intervalMs, bool precise, QString name = {});

    int Interval() const override { return timer_.interval(); }
    void SetInterval(int ms) override;
    bool Enabled() const override { return timer_.isActive(); }
    void SetEnabled(bool enabled) override;

    Qt::TimerType Type() const { return timer_.timerType(); }
    // How long until the next call of the handler.
    int RemainingTime() const { return timer_.remainingTime(); }

  private:
    void Log(const char* event) const;

    QTimer timer_;
    QString name_;
};

// The real clock: Qt's timers, a nested event loop for the waits and the
// system's UTC time of day.
class QtClock final : public FormClock {
  public:
    std::unique_ptr<FormTimer> MakeTimer(int intervalMs, bool precise) override;
    void Wait(int ms) override;
    void WaitWithoutInput(int ms) override;
    std::uint32_t MillisecondsSinceUtcMidnight() override;

  private:
    int timersMade_ = 0;
};

}  // namespace zunpeko
