// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace zunpeko::sprites {

// The sprite sheet carried inside the program (resource :/zunpeko/sprites.png).
QImage LoadSpriteSheet();

}  // namespace zunpeko::sprites
