#include "QtClock.h"

#include <QDateTime>
#include <QEventLoop>

namespace zunpeko {

QtFormTimer::QtFormTimer(int intervalMs, bool precise) {
    timer_.setInterval(intervalMs);
    timer_.setTimerType(precise ? Qt::PreciseTimer : Qt::CoarseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Fire(); });
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
    } else {
        timer_.stop();
    }
}

std::unique_ptr<FormTimer> QtClock::MakeTimer(int intervalMs, bool precise) {
    return std::make_unique<QtFormTimer>(intervalMs, precise);
}

void QtClock::Wait(int ms) {
    // A nested loop sleeps between events instead of polling for the time.
    QEventLoop loop;
    QTimer end;
    end.setSingleShot(true);
    end.setTimerType(Qt::PreciseTimer);
    QObject::connect(&end, &QTimer::timeout, &loop, &QEventLoop::quit);
    end.start(ms);
    loop.exec();
}

std::uint32_t QtClock::MillisecondsSinceUtcMidnight() {
    return static_cast<std::uint32_t>(
        QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay());
}

}  // namespace zunpeko
