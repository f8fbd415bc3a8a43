// SPDX-License-Identifier: GPL-3.0-or-later
#include "SheetArt.h"

#include "HoleArt.h"
#include "IndexedImage.h"
#include "Inks.h"
#include "MoleArt.h"
#include "SparkleArt.h"
#include "SpriteSheetLayout.h"

namespace zunpeko::art {

namespace {

constexpr int kRisenTop = 7;
constexpr int kHalfRisenTop = 24;

constexpr Mole kOrdinaryHalfRisen{Coat::Ordinary, Arms::Hidden, Face::Smiling, kHalfRisenTop};
constexpr Mole kOrdinaryRisen{Coat::Ordinary, Arms::OnRim, Face::Smiling, kRisenTop};
constexpr Mole kYellowRisen{Coat::Yellow, Arms::Raised, Face::Cheering, kRisenTop};
constexpr Mole kWhiteRisen{Coat::White, Arms::Folded, Face::Laughing, kRisenTop};

bool TakesGlow(QRgb colour) {
    return colour == ink::kBackground || colour == ink::kPit || colour == ink::kPitWall;
}

// The ordinary mole at the top of its rise: a blue line around its silhouette
// with a paler halo outside it, over the sky and the pit but not over the rim
// it leans on.
void DrawGlow(PixelCanvas& cell, const PixelCanvas& silhouette) {
    PixelCanvas glow = silhouette;
    glow.Outline(ink::kPeakOutline);
    glow.Outline(ink::kSparkBlue);
    for (int y = 0; y < sprites::kShownSize; ++y) {
        for (int x = 0; x < sprites::kShownSize; ++x) {
            if (!silhouette.IsPainted(x, y) && glow.IsPainted(x, y) && TakesGlow(cell.At(x, y))) {
                cell.Set(x, y, glow.At(x, y));
            }
        }
    }
}

PixelCanvas HoleCell() {
    PixelCanvas cell(sprites::kCellSize, sprites::kCellSize);
    cell.Fill(ink::kBackground);
    hole::DrawHole(cell);
    return cell;
}

PixelCanvas MoleCell(const Mole& mole, bool glowing = false) {
    PixelCanvas cell = HoleCell();
    const PixelCanvas silhouette = DrawMole(cell, mole);
    if (glowing) {
        DrawGlow(cell, silhouette);
    }
    return cell;
}

PixelCanvas BurstCell(BurstStage stage) {
    PixelCanvas cell = HoleCell();
    DrawBurst(cell, stage);
    return cell;
}

PixelCanvas StreaksCell() {
    PixelCanvas cell = HoleCell();
    DrawRisingStreaks(cell);
    return cell;
}

PixelCanvas BlankCell() {
    PixelCanvas cell(sprites::kCellSize, sprites::kCellSize);
    cell.Fill(ink::kBackground);
    return cell;
}

}  // namespace

PixelCanvas DrawCell(int frame) {
    switch (frame) {
        case 0:
            return HoleCell();
        case 1:
            return MoleCell(kOrdinaryHalfRisen);
        case 2:
            return MoleCell(kOrdinaryRisen);
        case 3:
            return MoleCell(kOrdinaryRisen, true);
        case 4:
            return StreaksCell();
        case 5:
            return MoleCell(kYellowRisen);
        case 6:
            return MoleCell(kWhiteRisen);
        case 8:
            return BurstCell(BurstStage::Whole);
        case 9:
            return BurstCell(BurstStage::Breaking);
        case 10:
            return BurstCell(BurstStage::Fading);
        case 11:
            return BurstCell(BurstStage::LastSpecks);
        default:
            return BlankCell();
    }
}

QImage DrawSheet() {
    PixelCanvas sheet(sprites::kSheetWidth, sprites::kSheetHeight);
    for (int frame = 0; frame < sprites::kFrameCount; ++frame) {
        PixelCanvas cell = DrawCell(frame);
        // The copied area ends one short of the cell; its last row and column
        // stay background whatever the drawing did.
        cell.EraseWhere(
            [](int x, int y) { return x >= sprites::kShownSize || y >= sprites::kShownSize; });
        PixelCanvas framed(sprites::kCellSize, sprites::kCellSize);
        framed.Fill(ink::kBackground);
        framed.DrawOver(cell);
        sheet.DrawOver(framed, sprites::CellOrigin(frame));
    }
    return ToIndexed(sheet.Image(), ink::kAll);
}

}  // namespace zunpeko::art
