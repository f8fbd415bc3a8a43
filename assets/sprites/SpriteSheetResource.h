#pragma once

#include <QImage>

namespace zunpeko::sprites {

// The sprite sheet carried inside the program (resource :/zunpeko/sprites.png),
// or a null image if the program was linked without the zunpeko_assets library.
QImage LoadSpriteSheet();

}  // namespace zunpeko::sprites
