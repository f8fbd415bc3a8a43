// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "PixelCanvas.h"

namespace zunpeko::art {
namespace {

constexpr QRgb kInk = 0xFF102030;
constexpr QRgb kOther = 0xFFA0B0C0;

int Painted(const PixelCanvas& canvas) {
    int painted = 0;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            painted += canvas.IsPainted(x, y) ? 1 : 0;
        }
    }
    return painted;
}

TEST(PixelCanvas, FillsAnEllipseCentredOnAHalfPixelSymmetrically) {
    PixelCanvas canvas(63, 40);
    canvas.FillEllipse(31.5, 20, 10.3, 6.7, kInk);
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            ASSERT_EQ(canvas.IsPainted(x, y), canvas.IsPainted(62 - x, y)) << x << ", " << y;
            ASSERT_EQ(canvas.IsPainted(x, y), canvas.IsPainted(x, 39 - y)) << x << ", " << y;
        }
    }
    EXPECT_TRUE(canvas.IsPainted(21, 19));
    EXPECT_FALSE(canvas.IsPainted(20, 19));
}

TEST(PixelCanvas, OutlinesAShapeAlongItsEdgesButNotAcrossCorners) {
    PixelCanvas canvas(6, 5);
    canvas.Set(2, 2, kInk);
    canvas.Set(3, 2, kInk);
    canvas.Outline(kOther);
    EXPECT_EQ(Painted(canvas), 2 + 6);
    for (const QPoint p : {QPoint(1, 2), QPoint(4, 2), QPoint(2, 1), QPoint(3, 3)}) {
        EXPECT_EQ(canvas.At(p.x(), p.y()), kOther) << p.x() << ", " << p.y();
    }
    EXPECT_FALSE(canvas.IsPainted(1, 1));
    EXPECT_EQ(canvas.At(2, 2), kInk);
}

}  // namespace
}  // namespace zunpeko::art
