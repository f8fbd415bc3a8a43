#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "DesktopPlatform.h"
#include "FakeClock.h"
#include "QtPrinters.h"

namespace zunpeko::testing {

// Sound that only notes what it was asked to do.
class RecordingSound final : public FormSound {
  public:
    explicit RecordingSound(std::vector<std::string>& log) : log_(log) {}

    void OpenPlayers() override { log_.emplace_back("OpenPlayers"); }
    void ReopenMusic(const QString& /*exeDir*/) override { log_.emplace_back("ReopenMusic"); }
    void CutEndSound() override { log_.emplace_back("CutEndSound"); }
    void StartMusic() override { log_.emplace_back("StartMusic"); }
    void StopMusic() override { log_.emplace_back("StopMusic"); }
    void PlayEndSound() override { log_.emplace_back("PlayEndSound"); }
    void PlayHit() override { log_.emplace_back("PlayHit"); }

  private:
    std::vector<std::string>& log_;
};

// The desktop platform with, unless asked for the real ones, the fake clock
// and the recording sound. The hi-score table is the real one, in the per-user store
// under XDG_DATA_HOME, which the test program points to a folder of its own.
class TestPlatform final : public DesktopPlatform {
  public:
    FormClock& Clock() override { return realClock ? DesktopPlatform::Clock() : clock; }
    std::unique_ptr<FormSound> MakeSound(TForm1& window) override {
        if (realSound) {
            return DesktopPlatform::MakeSound(window);
        }
        return std::make_unique<RecordingSound>(sounds);
    }

    // The sounds asked for, in order, and how many times `name` was asked for.
    std::vector<std::string> sounds;
    long Count(const std::string& name) const { return std::ranges::count(sounds, name); }

    FakeClock clock;
    bool realClock = false;
    bool realSound = false;
};

}  // namespace zunpeko::testing
