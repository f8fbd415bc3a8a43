// SPDX-License-Identifier: GPL-3.0-or-later
#include "IndexedImage.h"

#include <QHash>
#include <QList>

#include <stdexcept>
#include <string>

#include "SpriteSheetLayout.h"

namespace zunpeko::art {

namespace {

std::string Describe(QRgb colour) {
    return "RGB(" + std::to_string(qRed(colour)) + ", " + std::to_string(qGreen(colour)) + ", " +
           std::to_string(qBlue(colour)) + ")";
}

void CheckPalette(std::span<const QRgb> palette) {
    if (palette.empty() || palette.size() > 256) {
        throw std::invalid_argument("a palette holds 1 to 256 colours, not " +
                                    std::to_string(palette.size()));
    }
    for (const QRgb colour : palette) {
        if (qRgb(qRed(colour), qGreen(colour), qBlue(colour)) == sprites::kFillStopColour) {
            throw std::invalid_argument("the palette holds the fill stop colour " +
                                        Describe(colour));
        }
    }
}

}  // namespace

QImage ToIndexed(const QImage& image, std::span<const QRgb> palette) {
    CheckPalette(palette);
    QHash<QRgb, int> indexOf;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        indexOf.insert(qRgb(qRed(palette[i]), qGreen(palette[i]), qBlue(palette[i])),
                       static_cast<int>(i));
    }
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    QImage indexed(source.size(), QImage::Format_Indexed8);
    indexed.setColorTable(QList<QRgb>(palette.begin(), palette.end()));
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb colour = source.pixel(x, y);
            const auto found = indexOf.constFind(colour);
            if (found == indexOf.cend()) {
                throw std::invalid_argument(Describe(colour) + " at (" + std::to_string(x) + ", " +
                                            std::to_string(y) + ") is not in the palette");
            }
            indexed.setPixel(x, y, static_cast<uint>(found.value()));
        }
    }
    return indexed;
}

}  // namespace zunpeko::art
