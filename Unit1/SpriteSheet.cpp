// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpriteSheet.h"

#include <QBitmap>
#include <QPixmap>

#include "Colors.h"

#include "SpriteSheetLayout.h"
#include "SpriteSheetResource.h"

namespace zunpeko {
namespace {

constexpr int kRisenMoleFrame = 2;

}  // namespace

QImage LoadSpriteSheet() {
    return sprites::LoadSpriteSheet();
}

QIcon IconFromSheet(const QImage& sheet) {
    const QRect cell(sprites::CellOrigin(kRisenMoleFrame),
                     QSize(sprites::kCellSize, sprites::kCellSize));
    QPixmap icon = QPixmap::fromImage(sheet.copy(cell));
    icon.setMask(icon.createMaskFromColor(colors::kPaleYellow));
    return QIcon(icon);
}

}  // namespace zunpeko
