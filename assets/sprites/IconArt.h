// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

#include <array>

// The desktop icons, drawn from the sprite art so the program's icon is the
// mole the player meets on the board.
namespace zunpeko::art {

inline constexpr std::array kIconSizes = {16, 22, 24, 32, 48, 64, 128, 256};

// A square icon, `size` pixels wide, on a transparent background.
QImage DrawIcon(int size);

// The same mole as a scalable picture: its pixels as SVG squares.
QString DrawSvgIcon();

}  // namespace zunpeko::art
