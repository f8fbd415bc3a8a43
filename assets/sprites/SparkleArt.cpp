// SPDX-License-Identifier: GPL-3.0-or-later
#include "SparkleArt.h"

#include <QPolygonF>

#include <cmath>
#include <numbers>

#include "Inks.h"
#include "SpriteSheetLayout.h"

namespace zunpeko::art {

namespace {

// The burst is centred over the far lip of the hole, where the mole's face was.
constexpr double kBurstX = 31.5;
constexpr double kBurstY = 29.0;

PixelCanvas NewLayer() {
    return {sprites::kCellSize, sprites::kCellSize};
}

QPointF Polar(double radius, double degrees) {
    const double radians = degrees * std::numbers::pi / 180.0;
    return {kBurstX + radius * std::sin(radians), kBurstY - radius * std::cos(radians)};
}

QPolygonF Star(int points, double outer, double inner, double turn) {
    QPolygonF star;
    for (int i = 0; i < 2 * points; ++i) {
        const double degrees = turn + 180.0 * i / points;
        star << Polar(i % 2 == 0 ? outer : inner, degrees);
    }
    return star;
}

// A four-pointed twinkle: a bright centre with arms of `arm` pixels.
void DrawTwinkle(PixelCanvas& layer, int x, int y, int arm, QRgb centre, QRgb arms) {
    for (int d = 1; d <= arm; ++d) {
        layer.Set(x - d, y, arms);
        layer.Set(x + d, y, arms);
        layer.Set(x, y - d, arms);
        layer.Set(x, y + d, arms);
    }
    layer.Set(x, y, centre);
}

struct Streak {
    int x;
    int top;     // where the light has risen to
    int bottom;  // where it leaves the hole
};

// Each streak is brightest at its head and thins into blue towards the hole,
// with a gap that makes it read as moving upwards.
void DrawStreak(PixelCanvas& layer, const Streak& streak) {
    const int length = streak.bottom - streak.top;
    for (int y = streak.top; y <= streak.bottom; ++y) {
        const int along = y - streak.top;
        if (along * 3 > length && along * 3 < length + 4) {
            continue;
        }
        const QRgb colour = along * 4 < length       ? ink::kSpark
                            : along * 3 < length * 2 ? ink::kSparkCyan
                                                     : ink::kSparkBlue;
        layer.Set(streak.x, y, colour);
    }
}

void DrawWholeBurst(PixelCanvas& cell) {
    PixelCanvas burst = NewLayer();
    burst.FillPolygon(Star(8, 27, 12, 0), ink::kSpark);
    burst.Outline(ink::kBurstEdge);
    PixelCanvas core = NewLayer();
    core.FillPolygon(Star(8, 12, 6, 22.5), ink::kFaint);
    burst.DrawOver(core);
    cell.DrawOver(burst);
}

// A splinter of the star: a small diamond flying out along one of its rays.
QPolygonF Shard(double radius, double degrees, double length, double width) {
    const QPointF middle = Polar(radius, degrees);
    const QPointF along = Polar(radius + length, degrees) - middle;
    const QPointF across = QPointF(-along.y(), along.x()) * (width / length);
    return QPolygonF({middle + along, middle + across, middle - along, middle - across});
}

// The rays fly apart as white splinters, with crumbs between them.
void DrawBreakingBurst(PixelCanvas& cell) {
    PixelCanvas bits = NewLayer();
    for (int ray = 0; ray < 8; ++ray) {
        bits.FillPolygon(Shard(22, 45.0 * ray, 4.5, 2.2), ink::kSpark);
        const QPointF crumb = Polar(13 + 2 * (ray % 2), 45.0 * ray + 22.5);
        bits.FillRect(static_cast<int>(crumb.x()), static_cast<int>(crumb.y()), 2, 2, ink::kSpark);
    }
    bits.Outline(ink::kBurstEdge);
    cell.DrawOver(bits);
}

// Farther out and paler: small twinkles that barely stand out from the sky.
void DrawFadingBurst(PixelCanvas& cell) {
    PixelCanvas bits = NewLayer();
    for (int ray = 0; ray < 8; ++ray) {
        const QPointF twinkle = Polar(27 - 2 * (ray % 2), 45.0 * ray + 8);
        DrawTwinkle(bits, static_cast<int>(twinkle.x()), static_cast<int>(twinkle.y()), 1,
                    ink::kSpark, ink::kFaintEdge);
        const QPointF crumb = Polar(17, 45.0 * ray + 30);
        bits.Set(static_cast<int>(crumb.x()), static_cast<int>(crumb.y()), ink::kFaintEdge);
    }
    cell.DrawOver(bits);
}

void DrawLastSpecks(PixelCanvas& cell) {
    PixelCanvas bits = NewLayer();
    for (const QPoint& speck :
         {QPoint(27, 10), QPoint(46, 19), QPoint(14, 24), QPoint(38, 31), QPoint(21, 35)}) {
        bits.Set(speck.x(), speck.y(), ink::kSpark);
    }
    bits.Outline(ink::kFaintEdge);
    cell.DrawOver(bits);
}

}  // namespace

void DrawRisingStreaks(PixelCanvas& cell) {
    PixelCanvas light = NewLayer();
    for (const Streak& streak :
         {Streak{14, 26, 49}, Streak{19, 13, 52}, Streak{25, 30, 54}, Streak{31, 4, 55},
          Streak{37, 20, 54}, Streak{43, 9, 52}, Streak{48, 28, 49}}) {
        DrawStreak(light, streak);
    }
    DrawTwinkle(light, 31, 4, 2, ink::kSpark, ink::kSparkCyan);
    DrawTwinkle(light, 19, 13, 1, ink::kSpark, ink::kSparkGold);
    DrawTwinkle(light, 43, 9, 1, ink::kSpark, ink::kSparkGold);
    cell.DrawOver(light);
}

void DrawBurst(PixelCanvas& cell, BurstStage stage) {
    switch (stage) {
        case BurstStage::Whole:
            DrawWholeBurst(cell);
            return;
        case BurstStage::Breaking:
            DrawBreakingBurst(cell);
            return;
        case BurstStage::Fading:
            DrawFadingBurst(cell);
            return;
        case BurstStage::LastSpecks:
            DrawLastSpecks(cell);
            return;
    }
}

}  // namespace zunpeko::art
