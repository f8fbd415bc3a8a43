// SPDX-License-Identifier: GPL-3.0-or-later
#include "IconArt.h"

#include <QHash>
#include <QRect>

#include <array>
#include <stdexcept>
#include <string_view>

#include "Inks.h"
#include "SheetArt.h"

namespace zunpeko::art {

namespace {

// The small sizes are drawn by hand, pixel by pixel: the mole's face over the
// rim of its hole, as large as the square allows, so it stays legible at 16.
// Each letter is one pixel; '.' is see-through.
constexpr std::array<std::string_view, 16> kFace16 = {
    ".....oooooo.....",  //
    "...oollbbbbboo..",  //
    "..ollllbbbbbbo..",  //
    ".ollbbbbbbbbbso.",  //
    ".obbbbbbbbbbbso.",  //
    "obbbwebbbbwebbso",  //
    "obbbeebbbbeebbso",  //
    "obccbmmnnmmbccso",  //
    "obccmmmnnmmmccso",  //
    "obbbmmkmmkmmbbso",  //
    "obbbbMmkkmMbbsso",  //
    "EBBobbMMMMbbsoBE",  //
    "EBpobbbbbbbbsopE",  //
    "EBBBaaBBBBaaBBBE",  //
    ".EBLLLLLLLLLLBE.",  //
    "..EEEEEEEEEEEE..",  //
};

// One see-through pixel all round, so the 22-pixel icon is this one trimmed.
constexpr std::array<std::string_view, 24> kFace24 = {
    "........................",  //
    "........oooooooo........",  //
    "......oollllbbbboo......",  //
    ".....ollllbbbbbbbbo.....",  //
    "....olllbbbbbbbbbbso....",  //
    "...ollbbbbbbbbbbbbbso...",  //
    "...obbbbbbbbbbbbbbbso...",  //
    "..obbbbbbbbbbbbbbbbbso..",  //
    "..obbbbwebbbbbbwebbbso..",  //
    "..obbbbeebbbbbbeebbbso..",  //
    "..obbbbeebbbbbbeebbbso..",  //
    "..obbbbbmmwnnnmmbbbbso..",  //
    "..obcccmmmmnnmmmmcccso..",  //
    "..obcccmmmmkkmmmmcccso..",  //
    "..obbbbmmkmmmmkmmbbbso..",  //
    "..obbbbbmmkkkkmmbbbbso..",  //
    "..obbbbbbMMMMMMbbbbbso..",  //
    ".EBobbbbbbbbbbbbbbbsoBE.",  //
    ".Epobbbbbbbbbbbbbbbsopp.",  //
    ".EBBBaaaaBBBBBBaaaaBBBE.",  //
    ".EBLLaAaALLLLLLAaAaLLBE.",  //
    "..EBLLLLLLLLLLLLLLLLBE..",  //
    "....EEEEEEEEEEEEEEEE....",  //
    "........................",  //
};

QRgb InkOf(char letter) {
    static const QHash<char, QRgb> inks = {
        {'o', ink::kMoleEdge}, {'s', ink::kMoleShade},   {'b', ink::kMole},  {'l', ink::kMoleLight},
        {'m', ink::kMuzzle},   {'M', ink::kMuzzleShade}, {'n', ink::kNose},  {'k', ink::kNoseDark},
        {'e', ink::kEye},      {'w', ink::kSpark},       {'c', ink::kCheek}, {'E', ink::kRimEdge},
        {'B', ink::kRim},      {'L', ink::kRimLight},    {'p', ink::kPit},   {'a', ink::kPaw},
        {'A', ink::kPawShade},
    };
    const auto found = inks.constFind(letter);
    if (found == inks.cend()) {
        throw std::logic_error(std::string("no ink for the letter '") + letter + "'");
    }
    return found.value();
}

template <std::size_t kSize>
QImage FromLetters(const std::array<std::string_view, kSize>& rows) {
    const int size = static_cast<int>(kSize);
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < size; ++y) {
        if (rows[y].size() != kSize) {
            throw std::logic_error("icon row " + std::to_string(y) + " is not square");
        }
        for (int x = 0; x < size; ++x) {
            if (rows[y][x] != '.') {
                image.setPixel(x, y, InkOf(rows[y][x]));
            }
        }
    }
    return image;
}

// The fully risen mole of the board, its sky made see-through.
QImage RisenMole() {
    QImage mole = DrawCell(2).Image().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < mole.height(); ++y) {
        for (int x = 0; x < mole.width(); ++x) {
            if (mole.pixel(x, y) == ink::kBackground) {
                mole.setPixel(x, y, 0);
            }
        }
    }
    return mole;
}

QImage Enlarged(const QImage& art, int size) {
    return art.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

}  // namespace

QImage DrawIcon(int size) {
    if (size <= 0) {
        throw std::invalid_argument("an icon is at least one pixel wide");
    }
    if (size >= 64) {
        return Enlarged(RisenMole(), size);
    }
    if (size % 24 == 0) {
        return Enlarged(FromLetters(kFace24), size);
    }
    if (size == 22) {
        return FromLetters(kFace24).copy(QRect(1, 1, 22, 22));
    }
    return Enlarged(FromLetters(kFace16), size);
}

QString DrawSvgIcon() {
    const QImage mole = RisenMole();
    QString svg = QStringLiteral(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 64 64\" "
        "shape-rendering=\"crispEdges\">\n");
    for (int y = 0; y < mole.height(); ++y) {
        int x = 0;
        while (x < mole.width()) {
            const QRgb colour = mole.pixel(x, y);
            int run = 1;
            while (x + run < mole.width() && mole.pixel(x + run, y) == colour) {
                ++run;
            }
            if (qAlpha(colour) != 0) {
                svg += QStringLiteral(
                           "<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"1\" "
                           "fill=\"#%4\"/>\n")
                           .arg(x)
                           .arg(y)
                           .arg(run)
                           .arg(colour & 0xFFFFFFu, 6, 16, QLatin1Char('0'));
            }
            x += run;
        }
    }
    svg += QStringLiteral("</svg>\n");
    return svg;
}

}  // namespace zunpeko::art
