// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QList>

#include <array>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "IndexedImage.h"

namespace zunpeko::art {
namespace {

constexpr std::array<QRgb, 3> kPalette = {qRgb(255, 255, 128), qRgb(20, 14, 14), qRgb(48, 96, 208)};

QImage ThreeColours() {
    QImage image(4, 2, QImage::Format_RGB32);
    image.fill(kPalette[0]);
    image.setPixel(1, 0, kPalette[2]);
    image.setPixel(3, 1, kPalette[1]);
    return image;
}

std::string ErrorOf(const QImage& image, std::span<const QRgb> palette) {
    try {
        ToIndexed(image, palette);
    } catch (const std::invalid_argument& error) {
        return error.what();
    }
    return {};
}

TEST(IndexedImage, KeepsEveryColourAndUsesThePaletteInOrderAsItsTable) {
    const QImage indexed = ToIndexed(ThreeColours(), kPalette);
    EXPECT_EQ(indexed.format(), QImage::Format_Indexed8);
    EXPECT_EQ(indexed.colorTable(), QList<QRgb>(kPalette.begin(), kPalette.end()));
    EXPECT_EQ(indexed.convertToFormat(QImage::Format_RGB32), ThreeColours());
    EXPECT_EQ(indexed.pixelIndex(1, 0), 2);
}

TEST(IndexedImage, NamesThePixelWhoseColourIsNotInThePalette) {
    QImage image = ThreeColours();
    image.setPixel(2, 1, qRgb(1, 2, 3));
    const std::string error = ErrorOf(image, kPalette);
    EXPECT_NE(error.find("RGB(1, 2, 3)"), std::string::npos) << error;
    EXPECT_NE(error.find("(2, 1)"), std::string::npos) << error;
}

TEST(IndexedImage, RefusesAPaletteTheBoardCannotUse) {
    std::vector<QRgb> withFillStop(kPalette.begin(), kPalette.end());
    withFillStop.push_back(qRgb(255, 0, 255));
    EXPECT_NE(ErrorOf(ThreeColours(), withFillStop).find("fill stop"), std::string::npos);

    std::vector<QRgb> tooMany(257);
    for (std::size_t i = 0; i < tooMany.size(); ++i) {
        tooMany[i] = qRgb(static_cast<int>(i % 256), static_cast<int>(i / 256), 0);
    }
    EXPECT_FALSE(ErrorOf(ThreeColours(), tooMany).empty());
}

}  // namespace
}  // namespace zunpeko::art
