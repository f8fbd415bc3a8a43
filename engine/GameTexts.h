// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "SjisText.h"

namespace zunpeko {

// "残り時間 N 秒" with N = timeLeftMs / 1000, in code page 932.
SjisText TimeLabelText(std::int32_t timeLeftMs);

// The score panel's text: the score in decimal.
SjisText ScoreText(std::int32_t score);

}  // namespace zunpeko
