// SPDX-License-Identifier: GPL-3.0-or-later
#include "SheetThroughLibrary.h"

#include "SpriteSheetResource.h"

namespace zunpeko::sprites::testing {

QImage SheetSeenByALibrary() {
    return LoadSpriteSheet();
}

}  // namespace zunpeko::sprites::testing
