// The tick trace watches the window's timers for the performance script; it
// must report what the timers really did and change nothing about them.
#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "TickTrace.h"

namespace zunpeko {
namespace {

class ManualTimer final : public FormTimer {
  public:
    explicit ManualTimer(int intervalMs) : interval_(intervalMs) {}
    int Interval() const override { return interval_; }
    void SetInterval(int ms) override { interval_ = ms; }
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override { enabled_ = enabled; }
    void Elapse() const { Fire(); }

  private:
    int interval_;
    bool enabled_ = false;
};

class ManualClock final : public FormClock {
  public:
    std::unique_ptr<FormTimer> MakeTimer(int intervalMs, bool /*precise*/) override {
        auto timer = std::make_unique<ManualTimer>(intervalMs);
        made.push_back(timer.get());
        return timer;
    }
    void Wait(int ms) override { waited += ms; }
    std::uint32_t MillisecondsSinceUtcMidnight() override { return 4242; }

    std::vector<ManualTimer*> made;
    int waited = 0;
};

class TickTraceTest : public ::testing::Test {
  protected:
    QStringList Lines() const {
        QFile file(path_);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }
    // The fields of one line: event, timer, time, interval.
    static QStringList Fields(const QString& line) { return line.split(u' '); }

    QTemporaryDir dir_;
    QString path_ = dir_.filePath(QStringLiteral("ticks.txt"));
    ManualClock inner_;
    TickTraceFile trace_{path_};
    TracingClock clock_{inner_, trace_};
};

TEST_F(TickTraceTest, AFiringRecordsTheIntervalWaitedBeforeTheHandlerChangesIt) {
    auto tick = clock_.MakeTimer(200, true);
    int handled = 0;
    tick->SetHandler([&] {
        ++handled;
        tick->SetInterval(335);
    });
    inner_.made[0]->Elapse();
    inner_.made[0]->Elapse();

    EXPECT_EQ(handled, 2);
    EXPECT_EQ(inner_.made[0]->Interval(), 335);
    const QStringList lines = Lines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(Fields(lines[0]).value(0), "fire");
    EXPECT_EQ(Fields(lines[0]).value(3), "200");
    EXPECT_EQ(Fields(lines[1]).value(3), "335");
    EXPECT_LE(Fields(lines[0]).value(2).toLongLong(), Fields(lines[1]).value(2).toLongLong());
}

TEST_F(TickTraceTest, OnlyAStartFromStoppedIsRecordedAndEveryChangeReachesTheRealTimer) {
    auto timer = clock_.MakeTimer(1000, false);
    timer->SetEnabled(true);
    timer->SetEnabled(true);
    EXPECT_TRUE(inner_.made[0]->Enabled());
    timer->SetEnabled(false);
    EXPECT_FALSE(inner_.made[0]->Enabled());
    EXPECT_FALSE(timer->Enabled());
    timer->SetInterval(130);
    timer->SetEnabled(true);

    const QStringList lines = Lines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(Fields(lines[0]).mid(0, 2), QStringList({"on", "1c"}));
    EXPECT_EQ(Fields(lines[0]).value(3), "1000");
    EXPECT_EQ(Fields(lines[1]).value(3), "130");
    EXPECT_EQ(timer->Interval(), 130);
}

TEST_F(TickTraceTest, TimersAreNamedInTheOrderMadeWithTheirPrecision) {
    auto countdown = clock_.MakeTimer(1000, false);
    auto tick = clock_.MakeTimer(200, true);
    countdown->SetHandler([] {});
    tick->SetHandler([] {});
    inner_.made[1]->Elapse();
    inner_.made[0]->Elapse();

    const QStringList lines = Lines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(Fields(lines[0]).value(1), "2p");
    EXPECT_EQ(Fields(lines[1]).value(1), "1c");
}

TEST_F(TickTraceTest, WaitsAndTheTimeOfDayComeFromTheRealClock) {
    clock_.Wait(100);
    EXPECT_EQ(inner_.waited, 100);
    EXPECT_EQ(clock_.MillisecondsSinceUtcMidnight(), 4242U);
    EXPECT_TRUE(Lines().isEmpty());
}

class ManualPlatform final : public FormPlatform {
  public:
    FormClock& Clock() override { return clock; }
    std::unique_ptr<FormSound> MakeSound(TForm1& /*window*/) override { return nullptr; }
    std::unique_ptr<FormHiScores> MakeHiScores(TForm1& /*window*/) override { return nullptr; }
    ManualClock clock;
};

TEST_F(TickTraceTest, OnlyTheEnvironmentVariableTurnsTheTraceOn) {
    ManualPlatform platform;
    qunsetenv("ZUNPEKO_TRACE_TICKS");
    EXPECT_EQ(TracingPlatformFromEnvironment(platform), nullptr);

    const QString path = dir_.filePath(QStringLiteral("from-environment.txt"));
    qputenv("ZUNPEKO_TRACE_TICKS", QFile::encodeName(path));
    const auto traced = TracingPlatformFromEnvironment(platform);
    qunsetenv("ZUNPEKO_TRACE_TICKS");
    ASSERT_NE(traced, nullptr);
    const auto timer = traced->Clock().MakeTimer(200, true);  // the clock keeps no owner
    timer->SetEnabled(true);
    EXPECT_TRUE(platform.clock.made.at(0)->Enabled());
    EXPECT_GT(QFile(path).size(), 0);
}

TEST(TickTraceFile, AnUnwritablePathLeavesTheTraceSilent) {
    TickTraceFile trace(QStringLiteral("/nonexistent-folder/ticks.txt"));
    EXPECT_FALSE(trace.IsOpen());
    trace.Write("fire", QStringLiteral("2p"), 200);
}

}  // namespace
}  // namespace zunpeko
