// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PixelCanvas.h"

namespace zunpeko::art {

// The three kinds of mole differ first by coat, so a player tells them apart
// at a glance, and then by pose and face.
enum class Coat { Ordinary, Yellow, White };
enum class Arms { Hidden, OnRim, Raised, Folded };
enum class Face { Smiling, Cheering, Laughing };

struct Mole {
    Coat coat = Coat::Ordinary;
    Arms arms = Arms::Hidden;
    Face face = Face::Smiling;
    int top = 0;  // the row of the crown of its head: the lower, the less it has risen
};

// Draws the mole rising out of the hole already drawn in `cell`, and returns
// the mole's own pixels (its silhouette), so a glow can be put around it.
PixelCanvas DrawMole(PixelCanvas& cell, const Mole& mole);

}  // namespace zunpeko::art
