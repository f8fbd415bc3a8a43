#pragma once

#include "FormPlatform.h"
#include "QtClock.h"

namespace zunpeko {

// The platform the game runs on: Qt's timers and clock, the media players and
// hit sound over SDL_mixer, and the hi-score table in the per-user store.
class DesktopPlatform : public FormPlatform {
  public:
    FormClock& Clock() override { return clock_; }
    std::unique_ptr<FormSound> MakeSound(TForm1& window) override;
    std::unique_ptr<FormHiScores> MakeHiScores(TForm1& window) override;

  private:
    QtClock clock_;
};

}  // namespace zunpeko
