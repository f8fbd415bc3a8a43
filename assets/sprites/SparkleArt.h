// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PixelCanvas.h"

// Light over the hole: the streaks that herald a coloured mole, and the burst
// of a hit breaking up and fading away over the following ticks.
namespace zunpeko::art {

void DrawRisingStreaks(PixelCanvas& cell);

// How far the burst of a hit has gone: a whole star, the star breaking into
// speckles, fainter speckles, and the last few specks.
enum class BurstStage { Whole, Breaking, Fading, LastSpecks };

void DrawBurst(PixelCanvas& cell, BurstStage stage);

}  // namespace zunpeko::art
