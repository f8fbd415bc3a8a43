#pragma once

#include <QString>
#include <cstdio>
#include <memory>

#include "FormPlatform.h"

namespace zunpeko {

// Makes the window's timers observable from outside without changing them,
// for measuring how closely the game keeps to its nominal tick periods.
//
// Each line appended to the trace file is one event of one timer:
//   on   <timer> <monotonic ns> <interval ms>   the timer was started
//   fire <timer> <monotonic ns> <interval ms>   it fired after waiting that interval
// <timer> numbers the timers in the order the window makes them, followed by
// "p" for a precise timer (the game tick) or "c" for a coarse one. The times are
// CLOCK_MONOTONIC.
class TickTraceFile {
  public:
    // Appends to `path`; an unopenable path leaves the trace silent.
    explicit TickTraceFile(const QString& path);
    ~TickTraceFile();
    TickTraceFile(const TickTraceFile&) = delete;
    TickTraceFile& operator=(const TickTraceFile&) = delete;
    TickTraceFile(TickTraceFile&&) = delete;
    TickTraceFile& operator=(TickTraceFile&&) = delete;

    bool IsOpen() const { return file_ != nullptr; }
    void Write(const char* event, const QString& timer, int intervalMs);

  private:
    std::FILE* file_ = nullptr;
};

// A clock whose timers are those of another clock, each one traced.
class TracingClock final : public FormClock {
  public:
    TracingClock(FormClock& inner, TickTraceFile& trace) : inner_(inner), trace_(trace) {}

    std::unique_ptr<FormTimer> MakeTimer(int intervalMs, bool precise) override;
    void Wait(int ms) override { inner_.Wait(ms); }
    std::uint32_t MillisecondsSinceUtcMidnight() override {
        return inner_.MillisecondsSinceUtcMidnight();
    }

  private:
    FormClock& inner_;
    TickTraceFile& trace_;
    int timersMade_ = 0;
};

// Another platform with its clock traced; sound and hi-scores unchanged.
class TracingPlatform final : public FormPlatform {
  public:
    TracingPlatform(FormPlatform& inner, const QString& tracePath)
        : inner_(inner), trace_(tracePath), clock_(inner.Clock(), trace_) {}

    FormClock& Clock() override { return clock_; }
    std::unique_ptr<FormSound> MakeSound(TForm1& window) override {
        return inner_.MakeSound(window);
    }
    std::unique_ptr<FormHiScores> MakeHiScores(TForm1& window) override {
        return inner_.MakeHiScores(window);
    }

  private:
    FormPlatform& inner_;
    TickTraceFile trace_;
    TracingClock clock_;
};

// The traced platform when ZUNPEKO_TRACE_TICKS names a file, else nothing.
std::unique_ptr<FormPlatform> TracingPlatformFromEnvironment(FormPlatform& inner);

}  // namespace zunpeko
