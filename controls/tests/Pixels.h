// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QWidget>

namespace zunpeko::testing {

// What a widget and its children look like, pixel for pixel.
inline QImage Grab(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline QColor PixelAt(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

// The pixels inside `area` whose colour is none of `background`.
inline int CountInk(const QImage& image, const QRect& area,
                    std::initializer_list<QColor> background) {
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor here = image.pixelColor(x, y);
            bool isBackground = false;
            for (const QColor& colour : background) {
                isBackground = isBackground || here == colour;
            }
            ink += isBackground ? 0 : 1;
        }
    }
    return ink;
}

}  // namespace zunpeko::testing
