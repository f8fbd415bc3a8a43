// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PixelCanvas.h"

// The hole every cell but the blank one is built on, always at the same place,
// so the board reads as twelve holes whatever each one shows.
namespace zunpeko::art::hole {

// The opening of the pit: an oval near the bottom of the cell.
inline constexpr double kCentreX = 31.5;
inline constexpr double kCentreY = 51.0;
inline constexpr double kOpeningRadiusX = 23.0;
inline constexpr double kOpeningRadiusY = 7.0;

void DrawHole(PixelCanvas& cell);

// The near half of the rim, drawn again over a mole so that it stands in the
// hole rather than in front of it.
void DrawNearRim(PixelCanvas& cell);

// Whether a pixel of something rising out of the hole is seen: anything above
// the middle of the opening, and below it only inside the opening.
bool ShowsRiser(int x, int y);

}  // namespace zunpeko::art::hole
