// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtClock.h"

#include <QDateTime>
#include <chrono>
#include <utility>

namespace zunpeko {

Q_LOGGING_CATEGORY(lcTicks, "zunpeko.ticks", QtWarningMsg)

QtFormTimer::QtFormTimer(int intervalMs, bool precise, QString name) : name_(std::move(name)) {
    timer_.setInterval(intervalMs);
    timer_.setTimerType(precise ? Qt::PreciseTimer : Qt::CoarseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        Log("fire");  // the interval still set is the one just waited
        Fire();
    });
}

void QtFormTimer::Log(const char* event) const {
    if (!lcTicks().isDebugEnabled()) {
        return;
    }
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    qCDebug(lcTicks, "%s %s %lld %d", event, qUtf8Printable(name_),
            static_cast<long long>(std::chrono::nanoseconds(now).count()), timer_.interval());
}

void QtFormTimer::SetInterval(int ms) {
    // QTimer restarts a running timer on every setInterval, even to the same
    // value, and the tick sets its period on every tick.
    if (ms == timer_.interval()) {
        return;
    }
    timer_.setInterval(ms);
}

void QtFormTimer::SetEnabled(bool enabled) {
    // QTimer::start would restart a running timer.
    if (enabled == timer_.isActive()) {
        return;
    }
    if (enabled) {
        timer_.start();
        Log("on");
    } else {
        timer_.stop();
    }
}

std::unique_ptr<FormTimer> QtClock::MakeTimer(int intervalMs, bool precise) {
    ++timersMade_;
    return std::make_unique<QtFormTimer>(intervalMs, precise,
                                         QString::number(timersMade_) + (precise ? u'p' : u'c'));
}

namespace {

void WaitInLoop(int ms, QEventLoop::ProcessEventsFlags flags) {
    // A nested loop sleeps between events instead of polling for the time.
    QEventLoop loop;
    QTimer end;
    end.setSingleShot(true);
    end.setTimerType(Qt::PreciseTimer);
    QObject::connect(&end, &QTimer::timeout, &loop, &QEventLoop::quit);
    end.start(ms);
    loop.exec(flags);
}

}  // namespace

void QtClock::Wait(int ms) {
    WaitInLoop(ms, QEventLoop::AllEvents);
}

void QtClock::WaitWithoutInput(int ms) {
    WaitInLoop(ms, QEventLoop::ExcludeUserInputEvents);
}

std::uint32_t QtClock::MillisecondsSinceUtcMidnight() {
    return static_cast<std::uint32_t>(
        QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay());
}

}  // namespace zunpeko
