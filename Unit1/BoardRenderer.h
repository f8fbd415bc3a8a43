// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>

#include "MoleField.h"

namespace zunpeko {

// Composes the board: twelve cells of the sprite sheet, copied unscaled and
// opaque into one 400 x 220 off-screen image, the hole in row r and column c
// at (100c, 70r), everything around them in the window's pale yellow.
//
// Both images are made once, in one 32-bit format, so a cell's copy is a
// memcpy per row and composing the board allocates nothing.
class BoardRenderer {
  public:
    static constexpr int kWidth = 400;
    static constexpr int kHeight = 220;

    // `sheet` in any format; a missing or smaller sheet reads as background
    // where it has no pixels.
    explicit BoardRenderer(const QImage& sheet);

    // Clears the off-screen image and copies each hole's frame into it.
    void Compose(const MoleField& field);

    const QImage& Offscreen() const { return offscreen_; }

    // Where the board lies in the window's client area.
    static QRect BoardRect();

  private:
    void CopyCell(int frame, int left, int top);

    QImage sheet_;
    QImage offscreen_;
};

}  // namespace zunpeko
