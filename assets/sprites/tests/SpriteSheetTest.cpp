// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QHash>

#include <algorithm>
#include <array>

#include "SheetCells.h"
#include "SpriteSheetLayout.h"
#include "SpriteSheetResource.h"

namespace zunpeko::sprites::testing {
namespace {

constexpr std::array kHoleFrames = {0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11};
constexpr int kShown = 63;

QRect Hole() {
    return DrawnArea(Cell(0));
}

// Everything drawn above the hole, across the whole width of the cell.
QRect AboveHole() {
    return {0, 0, kShown, Hole().top()};
}

bool Differ(const QImage& a, const QImage& b, int x, int y) {
    return a.pixel(x, y) != b.pixel(x, y);
}

QRgb CommonestColour(const QImage& cell, const QRect& area) {
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (!IsBackground(cell.pixel(x, y))) {
                ++counts[cell.pixel(x, y)];
            }
        }
    }
    QRgb commonest = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            commonest = it.key();
        }
    }
    return commonest;
}

TEST(SpriteSheet, IsCarriedInsideTheProgramWithAnEightBitPalette) {
    ASSERT_FALSE(Sheet().isNull()) << "no " << kResourcePath << ": zunpeko_assets not linked?";
    EXPECT_EQ(Sheet().size(), QSize(256, 192));
    EXPECT_EQ(Sheet().format(), QImage::Format_Indexed8);
    EXPECT_GE(Sheet().colorCount(), 2);
    EXPECT_LE(Sheet().colorCount(), 256);
    EXPECT_EQ(LoadSpriteSheet(), Sheet());
}

TEST(SpriteSheet, NeverHoldsTheColourTheBoardFillStopsAt) {
    const auto isFillStop = [](QRgb colour) { return (colour | 0xFF000000u) == 0xFFFF00FFu; };
    for (const QRgb entry : Sheet().colorTable()) {
        EXPECT_FALSE(isFillStop(entry));
    }
    for (int frame = 0; frame < kFrameCount; ++frame) {
        EXPECT_EQ(CountPixels(Cell(frame), {0, 0, 64, 64}, isFillStop), 0) << "cell " << frame;
    }
}

TEST(SpriteSheet, LeavesCellCornersAndTheUnshownEdgeInTheBackgroundColour) {
    for (int frame = 0; frame < kFrameCount; ++frame) {
        const QImage cell = Cell(frame);
        for (const QPoint corner : {QPoint(0, 0), QPoint(62, 0), QPoint(0, 62), QPoint(62, 62)}) {
            EXPECT_TRUE(IsBackground(cell.pixel(corner))) << "cell " << frame;
        }
        const auto notBackground = [](QRgb colour) { return !IsBackground(colour); };
        EXPECT_EQ(CountPixels(cell, {63, 0, 1, 64}, notBackground), 0) << "cell " << frame;
        EXPECT_EQ(CountPixels(cell, {0, 63, 64, 1}, notBackground), 0) << "cell " << frame;
    }
}

TEST(SpriteSheet, DrawsElevenDistinctCellsAndOneOfPlainBackground) {
    EXPECT_TRUE(DrawnArea(Cell(kBlankFrame)).isEmpty());
    for (int a = 0; a < kFrameCount; ++a) {
        for (int b = a + 1; b < kFrameCount; ++b) {
            EXPECT_NE(Cell(a), Cell(b)) << "cells " << a << " and " << b;
        }
    }
}

TEST(SpriteSheet, DrawsADarkOvalWithABlueRimNearTheBottom) {
    const QImage cell = Cell(0);
    const QRect hole = Hole();
    EXPECT_GE(hole.top(), 32);
    EXPECT_GT(hole.width(), 2 * hole.height());
    const QRect dark = AreaOf(cell, IsDark);
    EXPECT_GT(CountPixels(cell, hole, IsDark), 100);
    EXPECT_TRUE(hole.adjusted(1, 1, -1, -1).contains(dark)) << "the pit must sit inside the rim";
    for (int y = hole.top(); y <= hole.bottom(); ++y) {
        const QRect row = AreaOf(cell.copy(0, y, 64, 1), [](QRgb c) { return !IsBackground(c); });
        EXPECT_TRUE(IsBlue(cell.pixel(row.left(), y))) << "row " << y;
        EXPECT_TRUE(IsBlue(cell.pixel(row.right(), y))) << "row " << y;
    }
}

// The rim's ends and its near lip are never covered: whatever a cell shows, the
// player sees the same hole in the same place.
TEST(SpriteSheet, ShowsTheSameHoleInTheSamePlaceInEveryCellButTheBlankOne) {
    const QImage empty = Cell(0);
    const QRect hole = Hole();
    for (const int frame : kHoleFrames) {
        const QImage cell = Cell(frame);
        for (int y = hole.top(); y <= hole.bottom(); ++y) {
            for (int x = hole.left(); x <= hole.right(); ++x) {
                const bool rimEnd = x < hole.left() + 5 || x > hole.right() - 5;
                const bool nearLip = y > hole.bottom() - 3;
                if (rimEnd || nearLip) {
                    ASSERT_FALSE(Differ(cell, empty, x, y))
                        << "cell " << frame << " at " << x << ", " << y;
                }
            }
        }
    }
    EXPECT_EQ(Cell(11).copy(hole), empty.copy(hole)) << "the last specks float above the hole";
}

TEST(SpriteSheet, OutlinesThePeakMoleInBlueAndChangesNothingElse) {
    const QImage risen = Cell(2);
    const QImage peak = Cell(3);
    int outline = 0;
    for (int y = 0; y < kShown; ++y) {
        for (int x = 0; x < kShown; ++x) {
            if (!Differ(risen, peak, x, y)) {
                continue;
            }
            ++outline;
            ASSERT_TRUE(IsBlue(peak.pixel(x, y))) << x << ", " << y;
            // A line hugging the mole: within two pixels of something drawn in both.
            bool hugsMole = false;
            for (int dy = -2; dy <= 2; ++dy) {
                for (int dx = -2; dx <= 2; ++dx) {
                    const QPoint p(std::clamp(x + dx, 0, kShown - 1),
                                   std::clamp(y + dy, 0, kShown - 1));
                    hugsMole = hugsMole || (!IsBackground(risen.pixel(p)) &&
                                            !Differ(risen, peak, p.x(), p.y()));
                }
            }
            EXPECT_TRUE(hugsMole) << x << ", " << y;
        }
    }
    EXPECT_GT(outline, 60) << "a line all round the mole, not a few dots";
    const int crown = DrawnArea(risen).top();
    EXPECT_GT(CountPixels(peak, {0, crown - 1, kShown, 1}, IsBlue), 0) << "the crown is outlined";
}

TEST(SpriteSheet, RaisesTheMoleFromHalfWayOutToFullHeight) {
    const int holeTop = Hole().top();
    const int halfRisen = DrawnArea(Cell(1)).top();
    EXPECT_LT(halfRisen, holeTop - 8);
    for (const int risen : {2, 5, 6}) {
        EXPECT_LT(DrawnArea(Cell(risen)).top(), 16) << "cell " << risen;
        EXPECT_GT(halfRisen, DrawnArea(Cell(risen)).top() + 8) << "cell " << risen;
    }
}

TEST(SpriteSheet, GivesEachKindOfMoleItsOwnCoat) {
    const auto isBrownOlive = [](QRgb c) {
        return qRed(c) > qBlue(c) + 40 && qGreen(c) > qBlue(c) + 20 && qRed(c) < 200 &&
               qGreen(c) < 180;
    };
    const auto isYellow = [](QRgb c) { return qRed(c) > 220 && qGreen(c) > 180 && qBlue(c) < 100; };
    EXPECT_TRUE(isBrownOlive(CommonestColour(Cell(1), AboveHole())));
    EXPECT_TRUE(isBrownOlive(CommonestColour(Cell(2), AboveHole())));
    EXPECT_TRUE(isYellow(CommonestColour(Cell(5), AboveHole())));
    EXPECT_TRUE(IsWhite(CommonestColour(Cell(6), AboveHole())));
}

TEST(SpriteSheet, ThinsTheWhiteBurstOutFrameByFrame) {
    const auto drawn = [](QRgb c) { return !IsBackground(c); };
    const int burst = CountPixels(Cell(8), AboveHole(), drawn);
    const int breaking = CountPixels(Cell(9), AboveHole(), drawn);
    const int fading = CountPixels(Cell(10), AboveHole(), drawn);
    const int last = CountPixels(Cell(11), AboveHole(), drawn);
    EXPECT_GT(CountPixels(Cell(8), AboveHole(), IsWhite), 300);
    EXPECT_GT(burst, breaking);
    EXPECT_GT(breaking, fading);
    EXPECT_GT(fading, last);
    EXPECT_GT(CountPixels(Cell(11), AboveHole(), IsWhite), 0);
}

TEST(SpriteSheet, SendsThinStreaksOfLightUpOutOfTheHole) {
    const QImage cell = Cell(4);
    int streaks = 0;
    for (int x = 0; x < kShown; ++x) {
        int run = 0;
        int longest = 0;
        for (int y = 0; y < Hole().top(); ++y) {
            run = IsBackground(cell.pixel(x, y)) ? 0 : run + 1;
            longest = std::max(longest, run);
        }
        streaks += longest >= 8 ? 1 : 0;
    }
    EXPECT_GE(streaks, 5);
    for (int y = 0; y < Hole().top(); ++y) {
        const QRect row = AreaOf(cell.copy(0, y, 64, 1), [](QRgb c) { return !IsBackground(c); });
        EXPECT_LE(CountPixels(cell, {0, y, kShown, 1}, [](QRgb c) { return !IsBackground(c); }),
                  std::max(5, row.width() / 2))
            << "row " << y << " is a block, not streaks";
    }
}

}  // namespace
}  // namespace zunpeko::sprites::testing
