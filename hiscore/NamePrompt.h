// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SjisText.h"

namespace zunpeko {

// A modal box that asks the player for a line of text.
class NamePrompt {
  public:
    virtual ~NamePrompt() = default;

    // The text as the player confirmed it, or defaultText when the box was
    // cancelled, closed, or the program is ending.
    virtual SjisText Ask(const SjisText& title, const SjisText& promptLine,
                         const SjisText& defaultText) = 0;
};

}  // namespace zunpeko
