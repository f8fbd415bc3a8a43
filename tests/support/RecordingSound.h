// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "FormSound.h"

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

}  // namespace zunpeko::testing
