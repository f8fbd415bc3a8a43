// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <utility>

#include "SjisText.h"

namespace zunpeko {

// An error raised by a platform layer (media players, the hi-score store,
// windowing). It ends the handler it arises in; the event loop reports its
// text in the program's error box and the program goes on.
class PlatformError : public std::runtime_error {
  public:
    explicit PlatformError(SjisText text) : std::runtime_error(text), text_(std::move(text)) {}

    // The message in code page 932, as the player will read it.
    const SjisText& Text() const noexcept { return text_; }

  private:
    SjisText text_;
};

}  // namespace zunpeko
