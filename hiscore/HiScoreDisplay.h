// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SjisText.h"

namespace zunpeko {

// Where the table is shown: a name label and a score label for each rank.
class HiScoreDisplay {
  public:
    virtual ~HiScoreDisplay() = default;

    // The captions of rank 1, 2 or 3.
    virtual void ShowEntry(int rank, const SjisText& name, const SjisText& score) = 0;
};

}  // namespace zunpeko
