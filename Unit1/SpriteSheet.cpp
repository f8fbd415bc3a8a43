#include "SpriteSheet.h"

#include <QBitmap>
#include <QPixmap>

#include "Colors.h"

#ifdef ZUNPEKO_HAVE_ASSETS
#include "SpriteSheetResource.h"
#endif

namespace zunpeko {
namespace {

constexpr int kCellSize = 64;
constexpr int kColumns = 4;
constexpr int kRisenMoleFrame = 2;

}  // namespace

QImage LoadSpriteSheet() {
#ifdef ZUNPEKO_HAVE_ASSETS
    return sprites::LoadSpriteSheet();
#else
    return {};
#endif
}

QIcon IconFromSheet(const QImage& sheet) {
    const QRect cell(kCellSize * (kRisenMoleFrame % kColumns),
                     kCellSize * (kRisenMoleFrame / kColumns), kCellSize, kCellSize);
    QPixmap icon = QPixmap::fromImage(sheet.copy(cell));
    icon.setMask(icon.createMaskFromColor(colors::kPaleYellow));
    return QIcon(icon);
}

}  // namespace zunpeko
