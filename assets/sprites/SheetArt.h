// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include "PixelCanvas.h"

namespace zunpeko::art {

// One cell of the sheet (0 to 11), 64 x 64, background included.
PixelCanvas DrawCell(int frame);

// The whole sheet, 256 x 192 with an 8-bit palette made of the art's inks.
QImage DrawSheet();

}  // namespace zunpeko::art
