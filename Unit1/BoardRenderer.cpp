// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardRenderer.h"

#include <QPainter>
#include <cstring>

#include "Game.h"
#include "SpriteSheetLayout.h"

namespace zunpeko {
namespace {

constexpr QImage::Format kFormat = QImage::Format_RGB32;
constexpr std::size_t kRowBytes = sprites::kShownSize * sizeof(QRgb);

// The sheet in the board's format and at its full size, so every cell
// origin the layout names lies inside it.
QImage PrepareSheet(const QImage& sheet) {
    QImage prepared(sprites::kSheetWidth, sprites::kSheetHeight, kFormat);
    prepared.fill(sprites::kBackground);
    if (!sheet.isNull()) {
        QPainter painter(&prepared);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint(0, 0), sheet.convertToFormat(kFormat));
    }
    return prepared;
}

}  // namespace

BoardRenderer::BoardRenderer(const QImage& sheet)
    : sheet_(PrepareSheet(sheet)), offscreen_(kWidth, kHeight, kFormat) {
    offscreen_.fill(sprites::kBackground);
}

QRect BoardRenderer::BoardRect() {
    return {kBoardLeft, kBoardTop, kWidth, kHeight};
}

void BoardRenderer::Compose(const MoleField& field) {
    offscreen_.fill(sprites::kBackground);
    for (int row = 0; row < MoleField::kRows; ++row) {
        for (int column = 0; column < MoleField::kColumns; ++column) {
            const int frame = field.At(MoleField::HoleNumber(row, column)).frame;
            CopyCell(frame, column * kCellPitchX, row * kCellPitchY);
        }
    }
}

void BoardRenderer::CopyCell(int frame, int left, int top) {
    // A frame outside the sheet cannot come from the field's sequences; if
    // one ever did, it shows as the blank cell rather than reading elsewhere.
    if (frame < 0 || frame >= sprites::kFrameCount) {
        frame = sprites::kBlankFrame;
    }
    const QPoint origin = sprites::CellOrigin(frame);
    // Through constBits/bits the images are never detached: one stays unshared
    // for the whole run, the other is only read.
    const auto* source = sheet_.constBits();
    auto* target = offscreen_.bits();
    const qsizetype sourceStride = sheet_.bytesPerLine();
    const qsizetype targetStride = offscreen_.bytesPerLine();
    for (int y = 0; y < sprites::kShownSize; ++y) {
        std::memcpy(target + (top + y) * targetStride + left * sizeof(QRgb),
                    source + (origin.y() + y) * sourceStride + origin.x() * sizeof(QRgb),
                    kRowBytes);
    }
}

}  // namespace zunpeko
