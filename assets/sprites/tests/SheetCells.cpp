// SPDX-License-Identifier: GPL-3.0-or-later
#include "SheetCells.h"

#include "SpriteSheetLayout.h"

namespace zunpeko::sprites::testing {

const QImage& Sheet() {
    static const QImage sheet(QString::fromLatin1(kResourcePath));
    return sheet;
}

QImage Cell(int frame) {
    const QPoint origin = CellOrigin(frame);
    return Sheet()
        .copy(origin.x(), origin.y(), kCellSize, kCellSize)
        .convertToFormat(QImage::Format_RGB32);
}

bool IsBackground(QRgb colour) {
    return (colour | 0xFF000000u) == kBackground;
}

bool IsBlue(QRgb colour) {
    return qBlue(colour) > qRed(colour) + 60 && qBlue(colour) > qGreen(colour) + 40;
}

bool IsDark(QRgb colour) {
    return qGray(colour) < 72 && !IsBlue(colour);
}

bool IsWhite(QRgb colour) {
    return qRed(colour) >= 240 && qGreen(colour) >= 240 && qBlue(colour) >= 240;
}

QRect AreaOf(const QImage& cell, const std::function<bool(QRgb)>& counts) {
    QRect area;
    for (int y = 0; y < cell.height(); ++y) {
        for (int x = 0; x < cell.width(); ++x) {
            if (counts(cell.pixel(x, y))) {
                area |= QRect(x, y, 1, 1);
            }
        }
    }
    return area;
}

QRect DrawnArea(const QImage& cell) {
    return AreaOf(cell, [](QRgb colour) { return !IsBackground(colour); });
}

int CountPixels(const QImage& cell, const QRect& area, const std::function<bool(QRgb)>& counts) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += counts(cell.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

}  // namespace zunpeko::sprites::testing
