#include "TickTrace.h"

#include <QFile>
#include <chrono>
#include <utility>

namespace zunpeko {
namespace {

long long MonotonicNs() {
    using std::chrono::nanoseconds;
    return std::chrono::duration_cast<nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Forwards everything to the real timer; only notes its starts and firings.
class TracingTimer final : public FormTimer {
  public:
    TracingTimer(std::unique_ptr<FormTimer> inner, QString name, TickTraceFile& trace)
        : inner_(std::move(inner)), name_(std::move(name)), trace_(trace) {
        inner_->SetHandler([this] {
            // The interval still set is the one the timer has just waited.
            trace_.Write("fire", name_, inner_->Interval());
            Fire();
        });
    }

    int Interval() const override { return inner_->Interval(); }
    void SetInterval(int ms) override { inner_->SetInterval(ms); }
    bool Enabled() const override { return inner_->Enabled(); }
    void SetEnabled(bool enabled) override {
        const bool starts = enabled && !inner_->Enabled();
        inner_->SetEnabled(enabled);
        if (starts) {
            trace_.Write("on", name_, inner_->Interval());
        }
    }

  private:
    std::unique_ptr<FormTimer> inner_;
    QString name_;
    TickTraceFile& trace_;
};

}  // namespace

TickTraceFile::TickTraceFile(const QString& path)
    : file_(std::fopen(QFile::encodeName(path).constData(), "a")) {}

TickTraceFile::~TickTraceFile() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

void TickTraceFile::Write(const char* event, const QString& timer, int intervalMs) {
    if (file_ == nullptr) {
        return;
    }
    std::fprintf(file_, "%s %s %lld %d\n", event, timer.toUtf8().constData(), MonotonicNs(),
                 intervalMs);
    // Whoever reads the trace may stop the game at any moment.
    std::fflush(file_);
}

std::unique_ptr<FormTimer> TracingClock::MakeTimer(int intervalMs, bool precise) {
    ++timersMade_;
    const QString name = QString::number(timersMade_) + (precise ? u'p' : u'c');
    return std::make_unique<TracingTimer>(inner_.MakeTimer(intervalMs, precise), name, trace_);
}

std::unique_ptr<FormPlatform> TracingPlatformFromEnvironment(FormPlatform& inner) {
    const QString path = qEnvironmentVariable("ZUNPEKO_TRACE_TICKS");
    if (path.isEmpty()) {
        return nullptr;
    }
    return std::make_unique<TracingPlatform>(inner, path);
}

}  // namespace zunpeko
