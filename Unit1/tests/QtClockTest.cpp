#include <gtest/gtest.h>

#include <QElapsedTimer>
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
    bool handled = false;
    QTimer event;
    event.setSingleShot(true);
    QObject::connect(&event, &QTimer::timeout, [&handled] { handled = true; });
    event.start(5);
    QElapsedTimer elapsed;
    elapsed.start();
    clock.Wait(40);
    EXPECT_TRUE(handled);
    EXPECT_GE(elapsed.elapsed(), 39);
}

}  // namespace
}  // namespace zunpeko
