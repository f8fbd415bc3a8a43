// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRgb>

#include <span>

namespace zunpeko::art {

// The image stored with an 8-bit palette whose colour table is `palette`, in
// that order. Throws std::invalid_argument naming the first pixel whose colour
// is not in the palette, and for a palette that holds the fill stop colour or
// more than 256 entries.
QImage ToIndexed(const QImage& image, std::span<const QRgb> palette);

}  // namespace zunpeko::art
