// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>
#include <vector>

#include "HiScoreDisplay.h"

namespace zunpeko::testing {

// A hi-score panel that notes what it was told to show.
class RecordingDisplay final : public HiScoreDisplay {
  public:
    void ShowEntry(int rank, const SjisText& name, const SjisText& score) override {
        shown.push_back(std::to_string(rank) + " " + name + " " + score);
        names[rank] = name;
    }

    std::vector<std::string> shown;  // "rank name score", in order
    std::map<int, SjisText> names;   // the name each rank shows now
};

}  // namespace zunpeko::testing
