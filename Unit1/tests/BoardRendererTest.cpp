// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QPainter>

#include "BoardRenderer.h"
#include "SpriteSheetLayout.h"
#include "SpriteSheetResource.h"

namespace zunpeko {
namespace {

constexpr QRgb kRed = 0xFFFF0000;

QImage Cell(const QImage& sheet, int frame) {
    return sheet.copy(QRect(sprites::CellOrigin(frame), QSize(63, 63)))
        .convertToFormat(QImage::Format_RGB32);
}

QImage BoardCell(const QImage& offscreen, int row, int column) {
    return offscreen.copy(100 * column, 70 * row, 63, 63);
}

// A field showing frame `first` in hole 1, the next frame in hole 2, and so on.
MoleField FieldOfFrames(int first) {
    MoleField field;
    for (int hole = 1; hole <= MoleField::kHoleCount; ++hole) {
        field.At(hole).frame = (first + hole - 1) % sprites::kFrameCount;
    }
    return field;
}

bool AllOf(const QImage& image, QRect area, QRgb color) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) != color) {
                return false;
            }
        }
    }
    return true;
}

TEST(BoardRenderer, FillsTheGapsAndTheStripsBesideTheCellsWithThePaleYellow) {
    BoardRenderer renderer(sprites::LoadSpriteSheet());
    renderer.Compose(FieldOfFrames(0));
    const QImage& board = renderer.Offscreen();
    for (int column = 0; column < 3; ++column) {
        EXPECT_TRUE(AllOf(board, {100 * column + 63, 0, 37, 220}, sprites::kBackground)) << column;
    }
    EXPECT_TRUE(AllOf(board, {363, 0, 37, 220}, sprites::kBackground));
    for (int row = 0; row < 2; ++row) {
        EXPECT_TRUE(AllOf(board, {0, 70 * row + 63, 400, 7}, sprites::kBackground)) << row;
    }
    EXPECT_TRUE(AllOf(board, {0, 203, 400, 17}, sprites::kBackground));
}

TEST(BoardRenderer, LeavesOutEachCellsLastRowAndColumn) {
    // Every cell's last row and column red: none of it may reach the board.
    QImage sheet(256, 192, QImage::Format_ARGB32);
    sheet.fill(sprites::kBackground);
    QPainter painter(&sheet);
    for (int frame = 0; frame < sprites::kFrameCount; ++frame) {
        const QPoint origin = sprites::CellOrigin(frame);
        painter.fillRect(origin.x() + 63, origin.y(), 1, 64, QColor(kRed));
        painter.fillRect(origin.x(), origin.y() + 63, 64, 1, QColor(kRed));
    }
    painter.end();
    BoardRenderer renderer(sheet);
    renderer.Compose(FieldOfFrames(0));
    EXPECT_TRUE(AllOf(renderer.Offscreen(), renderer.Offscreen().rect(), sprites::kBackground));
}

TEST(BoardRenderer, ComposesEveryTickIntoTheSameImage) {
    BoardRenderer renderer(sprites::LoadSpriteSheet());
    const uchar* pixels = renderer.Offscreen().constBits();
    for (int first = 0; first < sprites::kFrameCount; ++first) {
        renderer.Compose(FieldOfFrames(first));
        ASSERT_EQ(renderer.Offscreen().constBits(), pixels) << "re-allocated on tick " << first;
    }
    // A field drawn after a busy one shows none of the busy one.
    renderer.Compose(MoleField{});
    EXPECT_EQ(BoardCell(renderer.Offscreen(), 2, 3), Cell(sprites::LoadSpriteSheet(), 0));
}

TEST(BoardRenderer, DrawsBackgroundForFramesAndPixelsTheSheetLacks) {
    QImage small(64, 64, QImage::Format_RGB32);
    small.fill(kRed);
    BoardRenderer renderer(small);
    MoleField field;
    field.At(2).frame = 11;  // far outside the small sheet
    field.At(3).frame = 12;  // no frame at all
    field.At(4).frame = -1;
    renderer.Compose(field);
    EXPECT_EQ(renderer.Offscreen().pixel(0, 0), kRed) << "frame 0 lies inside the sheet";
    EXPECT_TRUE(AllOf(renderer.Offscreen(), {100, 0, 300, 63}, sprites::kBackground));
}

}  // namespace
}  // namespace zunpeko
