// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRgb>

#include <array>

#include "SpriteSheetLayout.h"

// Every colour the sprite art is drawn in. The sheet is stored with exactly
// this list as its colour table, so a colour drawn by mistake (or the fill
// stop colour) is caught when the sheet is indexed instead of slipping in.
namespace zunpeko::art::ink {

inline constexpr QRgb kBackground = sprites::kBackground;

// The hole: a blue rim around a dark pit whose far wall catches a little light.
inline constexpr QRgb kRimEdge = qRgb(24, 40, 120);
inline constexpr QRgb kRim = qRgb(48, 96, 208);
inline constexpr QRgb kRimLight = qRgb(120, 176, 248);
inline constexpr QRgb kPitWall = qRgb(84, 56, 40);
inline constexpr QRgb kPit = qRgb(32, 22, 26);

// The ordinary mole, brown-olive.
inline constexpr QRgb kMoleEdge = qRgb(58, 42, 18);
inline constexpr QRgb kMoleShade = qRgb(106, 86, 36);
inline constexpr QRgb kMole = qRgb(142, 118, 56);
inline constexpr QRgb kMoleLight = qRgb(178, 154, 86);
inline constexpr QRgb kMuzzle = qRgb(236, 212, 158);
inline constexpr QRgb kMuzzleShade = qRgb(206, 176, 116);

// The yellow mole.
inline constexpr QRgb kYellowEdge = qRgb(150, 92, 0);
inline constexpr QRgb kYellowShade = qRgb(236, 172, 16);
inline constexpr QRgb kYellow = qRgb(255, 218, 36);
inline constexpr QRgb kYellowLight = qRgb(255, 244, 150);

// The white mole.
inline constexpr QRgb kWhiteEdge = qRgb(104, 104, 132);
inline constexpr QRgb kWhiteShade = qRgb(200, 204, 220);
inline constexpr QRgb kWhite = qRgb(255, 255, 255);

// Faces and paws, shared by all three.
inline constexpr QRgb kEye = qRgb(20, 14, 14);
inline constexpr QRgb kNose = qRgb(208, 76, 96);
inline constexpr QRgb kNoseDark = qRgb(140, 36, 56);
inline constexpr QRgb kCheek = qRgb(244, 92, 92);
inline constexpr QRgb kMouth = qRgb(120, 24, 32);
inline constexpr QRgb kTongue = qRgb(244, 128, 140);
inline constexpr QRgb kPaw = qRgb(250, 192, 170);
inline constexpr QRgb kPawShade = qRgb(214, 140, 124);

// The glow around the ordinary mole at the top of its rise.
inline constexpr QRgb kPeakOutline = qRgb(0, 72, 255);

// Light: the streaks of a coloured mole, the burst of a hit and its speckles.
inline constexpr QRgb kSpark = qRgb(255, 255, 255);
inline constexpr QRgb kSparkCyan = qRgb(168, 236, 255);
inline constexpr QRgb kSparkBlue = qRgb(96, 168, 255);
inline constexpr QRgb kSparkGold = qRgb(255, 196, 40);
inline constexpr QRgb kBurstEdge = qRgb(244, 160, 48);
inline constexpr QRgb kFaint = qRgb(255, 255, 214);
inline constexpr QRgb kFaintEdge = qRgb(236, 208, 140);

inline constexpr std::array kAll = {
    kBackground, kRimEdge,     kRim,       kRimLight,   kPitWall,     kPit,        kMoleEdge,
    kMoleShade,  kMole,        kMoleLight, kMuzzle,     kMuzzleShade, kYellowEdge, kYellowShade,
    kYellow,     kYellowLight, kWhiteEdge, kWhiteShade, kWhite,       kEye,        kNose,
    kNoseDark,   kCheek,       kMouth,     kTongue,     kPaw,         kPawShade,   kPeakOutline,
    kSpark,      kSparkCyan,   kSparkBlue, kSparkGold,  kBurstEdge,   kFaint,      kFaintEdge,
};

}  // namespace zunpeko::art::ink
