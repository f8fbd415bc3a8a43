// SPDX-License-Identifier: GPL-3.0-or-later
#include "HoleArt.h"

#include "Inks.h"
#include "SpriteSheetLayout.h"

namespace zunpeko::art::hole {

namespace {

constexpr double kRimWidth = 2.5;

bool InsideEllipse(int x, int y, double rx, double ry, double shiftY = 0.0) {
    return InEllipse(x, y, kCentreX, kCentreY + shiftY, rx, ry);
}

bool InOpening(int x, int y) {
    return InsideEllipse(x, y, kOpeningRadiusX, kOpeningRadiusY);
}

bool OnNearSide(int y) {
    return y + 0.5 > kCentreY;
}

PixelCanvas MakeHole() {
    PixelCanvas hole(sprites::kCellSize, sprites::kCellSize);
    hole.FillEllipse(kCentreX, kCentreY, kOpeningRadiusX + kRimWidth, kOpeningRadiusY + kRimWidth,
                     ink::kRim);
    hole.Outline(ink::kRimEdge);
    // Light falls on the near lip; the far wall of the pit is lit just below
    // the far lip and the rest drops into the dark.
    hole.Recolour(ink::kRim, ink::kRimLight, [](int x, int y) {
        return OnNearSide(y) && !InsideEllipse(x, y, kOpeningRadiusX + 1.0, kOpeningRadiusY + 1.5);
    });
    hole.FillEllipse(kCentreX, kCentreY, kOpeningRadiusX, kOpeningRadiusY, ink::kPitWall);
    hole.Recolour(ink::kPitWall, ink::kPit, [](int x, int y) {
        return InsideEllipse(x, y, kOpeningRadiusX - 2.0, kOpeningRadiusY - 1.0, 2.0);
    });
    return hole;
}

const PixelCanvas& Hole() {
    static const PixelCanvas hole = MakeHole();
    return hole;
}

}  // namespace

void DrawHole(PixelCanvas& cell) {
    cell.DrawOver(Hole());
}

void DrawNearRim(PixelCanvas& cell) {
    PixelCanvas nearRim = Hole();
    nearRim.EraseWhere([](int x, int y) { return !OnNearSide(y) || InOpening(x, y); });
    cell.DrawOver(nearRim);
}

bool ShowsRiser(int x, int y) {
    return !OnNearSide(y) || InOpening(x, y);
}

}  // namespace zunpeko::art::hole
