// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>

namespace zunpeko {

// The sprite sheet carried inside the program, or a null image when the
// program was built without its artwork.
QImage LoadSpriteSheet();

// The window icon: the fully risen mole's cell of the sheet, its background
// made see-through.
QIcon IconFromSheet(const QImage& sheet);

}  // namespace zunpeko
