// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRect>
#include <cstdint>

class QPainter;

namespace zunpeko {

// Which way a 3-D bevel seems to stand out of the screen.
enum class TBevelCut : std::uint8_t { bvLowered, bvRaised };

// Draws `width` nested one-pixel rings from the edge of `bounds` inwards. A
// raised ring is lit on its top row and left column (clBtnHighlight) and shaded
// on its right column and bottom row (clBtnShadow); a lowered one the other way
// round. The top-right and bottom-left corner pixels of every ring belong to the
// right-and-bottom colour, as the desktop draws its 3-D frames.
void DrawBevel(QPainter& painter, const QRect& bounds, TBevelCut cut, int width);

}  // namespace zunpeko
