// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTimer>
#include <chrono>
#include <thread>

#include "QtClock.h"

namespace zunpeko {
namespace {

constexpr int kLong = 100'000;

// The timer has run for a while: its remaining time shows whether a call
// restarted it (back near the full interval) or left it running.
class QtTimerRestarts : public ::testing::Test {
  protected:
    void SetUp() override {
        timer.SetEnabled(true);
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        ASSERT_LT(timer.RemainingTime(), kLong - 100);
    }

    bool Restarted() const { return timer.RemainingTime() > kLong - 50; }

    QtFormTimer timer{kLong, true};
};

TEST_F(QtTimerRestarts, NotWhenGivenTheSamePeriod) {
    timer.SetInterval(kLong);
    EXPECT_FALSE(Restarted());
}

TEST_F(QtTimerRestarts, NotWhenEnabledAgain) {
    timer.SetEnabled(true);
    EXPECT_FALSE(Restarted());
}

TEST_F(QtTimerRestarts, FromNowWhenGivenAnotherPeriod) {
    timer.SetInterval(kLong + 1);
    EXPECT_TRUE(Restarted());
    EXPECT_TRUE(timer.Enabled());
}

TEST(QtTimer, CallsItsHandlerWhileEnabledOnly) {
    QtFormTimer timer(1, true);
    int calls = 0;
    timer.SetHandler([&calls] { ++calls; });
    QtClock().Wait(20);
    EXPECT_EQ(calls, 0);
    timer.SetEnabled(true);
    QtClock().Wait(20);
    EXPECT_GT(calls, 0);
    timer.SetEnabled(false);
    const int stoppedAt = calls;
    QtClock().Wait(20);
    EXPECT_EQ(calls, stoppedAt);
}

TEST(QtClockWait, HandlesEventsWhileItWaitsAndLastsItsTime) {
    QtClock clock;
    for (const auto wait : {&QtClock::Wait, &QtClock::WaitWithoutInput}) {
        bool handled = false;
        QTimer event;
        event.setSingleShot(true);
        QObject::connect(&event, &QTimer::timeout, [&handled] { handled = true; });
        event.start(5);
        QElapsedTimer elapsed;
        elapsed.start();
        (clock.*wait)(40);
        EXPECT_TRUE(handled);
        EXPECT_GE(elapsed.elapsed(), 39);
    }
}

}  // namespace
}  // namespace zunpeko

namespace zunpeko {
namespace {

// What the timers log while the "zunpeko.ticks" messages are switched on.
class TickLog : public ::testing::Test {
  protected:
    void SetUp() override {
        QLoggingCategory::setFilterRules(QStringLiteral("zunpeko.ticks.debug=true"));
        previous_ = qInstallMessageHandler(&TickLog::Keep);
        lines().clear();
    }
    void TearDown() override {
        qInstallMessageHandler(previous_);
        QLoggingCategory::setFilterRules({});
    }

    // The fields of each message: event, timer, time, interval.
    static std::vector<QStringList>& lines() {
        static std::vector<QStringList> kept;
        return kept;
    }

  private:
    static void Keep(QtMsgType /*type*/, const QMessageLogContext& context, const QString& text) {
        if (QLatin1StringView(context.category) == QLatin1StringView("zunpeko.ticks")) {
            lines().push_back(text.split(u' '));
        }
    }

    QtMessageHandler previous_ = nullptr;
};

TEST_F(TickLog, NamesEachTimerAndLogsTheIntervalWaitedBeforeTheHandlerChangesIt) {
    QtClock clock;
    const auto coarse = clock.MakeTimer(kLong, false);
    const auto tick = clock.MakeTimer(5, true);
    int fired = 0;
    tick->SetHandler([&] {
        tick->SetInterval(7);
        if (++fired == 2) {
            tick->SetEnabled(false);
        }
    });
    tick->SetEnabled(true);
    tick->SetEnabled(true);  // already running: no second start
    QElapsedTimer waited;
    waited.start();
    while (fired < 2 && waited.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }

    ASSERT_EQ(lines().size(), 3U);
    EXPECT_EQ(lines()[0].mid(0, 2), (QStringList{"on", "2p"}));
    EXPECT_EQ(lines()[0].value(3), "5");
    EXPECT_EQ(lines()[1].mid(0, 2), (QStringList{"fire", "2p"}));
    EXPECT_EQ(lines()[1].value(3), "5");
    EXPECT_EQ(lines()[2].value(3), "7");
    const long long started = lines()[0].value(2).toLongLong();
    EXPECT_GE(lines()[1].value(2).toLongLong() - started, 4'000'000);  // ns
    EXPECT_GE(lines()[2].value(2).toLongLong(), lines()[1].value(2).toLongLong());
}

TEST_F(TickLog, SaysNothingUnlessSwitchedOn) {
    QLoggingCategory::setFilterRules({});
    QtFormTimer timer(kLong, true, QStringLiteral("1p"));
    timer.SetEnabled(true);
    EXPECT_TRUE(lines().empty());
}

}  // namespace
}  // namespace zunpeko
