#pragma once

#include <memory>

#include "FormClock.h"
#include "FormHiScores.h"
#include "FormSound.h"

namespace zunpeko {

class TForm1;

// Everything the main window takes from the system: time, sound and the
// per-user store of the hi-score table. The game runs on DesktopPlatform;
// tests put fakes in where they need to drive or watch the window.
class FormPlatform {
  public:
    virtual ~FormPlatform() = default;

    // Lives longer than the window.
    virtual FormClock& Clock() = 0;
    // Made once the window's controls exist; the window owns them.
    virtual std::unique_ptr<FormSound> MakeSound(TForm1& window) = 0;
    virtual std::unique_ptr<FormHiScores> MakeHiScores(TForm1& window) = 0;
};

}  // namespace zunpeko
