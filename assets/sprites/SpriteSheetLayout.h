// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRgb>

// Where things are on the sprite sheet the board is drawn from. The renderer,
// the tool that draws the sheet and the tests all read the layout from here.
namespace zunpeko::sprites {

inline constexpr int kCellSize = 64;
inline constexpr int kColumns = 4;
inline constexpr int kRows = 3;
inline constexpr int kFrameCount = kColumns * kRows;
inline constexpr int kSheetWidth = kCellSize * kColumns;
inline constexpr int kSheetHeight = kCellSize * kRows;

// The board copies only the top-left 63 x 63 of a cell; the last column and
// row stay background so a stray pixel there can never show.
inline constexpr int kShownSize = kCellSize - 1;

// The window's own pale yellow, so the cells blend into the board around them.
inline constexpr QRgb kBackground = 0xFFFFFF80;

// A colour kept out of the sheet, free to serve as a key or boundary colour
// that no pixel of the artwork can be mistaken for; the sprite tool refuses a
// palette that holds it.
inline constexpr QRgb kFillStopColour = 0xFFFF00FF;

// The frame nothing ever shows: a cell of plain background.
inline constexpr int kBlankFrame = 7;

inline constexpr const char* kResourcePath = ":/zunpeko/sprites.png";

constexpr QPoint CellOrigin(int frame) {
    return {kCellSize * (frame % kColumns), kCellSize * (frame / kColumns)};
}

}  // namespace zunpeko::sprites
