// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>

#include <functional>

// Reading the sprite sheet back as a player would see it: cell by cell.
namespace zunpeko::sprites::testing {

// The sheet as the program gets it, from its resource.
const QImage& Sheet();

// Cell `frame` of the sheet as plain 32-bit colour, 64 x 64.
QImage Cell(int frame);

bool IsBackground(QRgb colour);
bool IsBlue(QRgb colour);
bool IsDark(QRgb colour);
bool IsWhite(QRgb colour);

// The smallest rectangle holding every pixel of `cell` that `counts`; empty if none.
QRect AreaOf(const QImage& cell, const std::function<bool(QRgb)>& counts);
QRect DrawnArea(const QImage& cell);

int CountPixels(const QImage& cell, const QRect& area, const std::function<bool(QRgb)>& counts);

}  // namespace zunpeko::sprites::testing
