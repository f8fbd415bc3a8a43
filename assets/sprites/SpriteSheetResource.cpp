// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpriteSheetResource.h"

#include <QString>

#include "SpriteSheetLayout.h"

namespace zunpeko::sprites {

QImage LoadSpriteSheet() {
    return QImage(QString::fromLatin1(kResourcePath));
}

}  // namespace zunpeko::sprites
