// SPDX-License-Identifier: GPL-3.0-or-later
#include "PixelCanvas.h"

#include <vector>

namespace zunpeko::art {

namespace {

constexpr QRgb kTransparent = 0x00000000;

}  // namespace

bool InEllipse(int x, int y, double cx, double cy, double rx, double ry) {
    const double dx = (x + 0.5 - cx) / rx;
    const double dy = (y + 0.5 - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
}

PixelCanvas::PixelCanvas(int width, int height) : image_(width, height, QImage::Format_ARGB32) {
    image_.fill(kTransparent);
}

bool PixelCanvas::IsPainted(int x, int y) const {
    return Contains(x, y) && qAlpha(image_.pixel(x, y)) != 0;
}

QRgb PixelCanvas::At(int x, int y) const {
    return Contains(x, y) ? image_.pixel(x, y) : kTransparent;
}

void PixelCanvas::Set(int x, int y, QRgb colour) {
    if (Contains(x, y)) {
        image_.setPixel(x, y, colour);
    }
}

void PixelCanvas::Erase(int x, int y) {
    Set(x, y, kTransparent);
}

void PixelCanvas::Fill(QRgb colour) {
    image_.fill(colour);
}

void PixelCanvas::ForEachPixel(const std::function<void(int, int)>& visit) const {
    for (int y = 0; y < Height(); ++y) {
        for (int x = 0; x < Width(); ++x) {
            visit(x, y);
        }
    }
}

void PixelCanvas::FillEllipse(double cx, double cy, double rx, double ry, QRgb colour) {
    ForEachPixel([&](int x, int y) {
        if (InEllipse(x, y, cx, cy, rx, ry)) {
            Set(x, y, colour);
        }
    });
}

void PixelCanvas::FillRect(int x, int y, int width, int height, QRgb colour) {
    for (int row = y; row < y + height; ++row) {
        for (int column = x; column < x + width; ++column) {
            Set(column, row, colour);
        }
    }
}

void PixelCanvas::FillPolygon(const QPolygonF& polygon, QRgb colour) {
    ForEachPixel([&](int x, int y) {
        if (polygon.containsPoint(QPointF(x + 0.5, y + 0.5), Qt::OddEvenFill)) {
            Set(x, y, colour);
        }
    });
}

void PixelCanvas::Outline(QRgb colour) {
    std::vector<QPoint> ring;
    ForEachPixel([&](int x, int y) {
        if (!IsPainted(x, y) && (IsPainted(x - 1, y) || IsPainted(x + 1, y) ||
                                 IsPainted(x, y - 1) || IsPainted(x, y + 1))) {
            ring.emplace_back(x, y);
        }
    });
    for (const QPoint& p : ring) {
        Set(p.x(), p.y(), colour);
    }
}

void PixelCanvas::Recolour(QRgb from, QRgb to, const std::function<bool(int, int)>& where) {
    ForEachPixel([&](int x, int y) {
        if (At(x, y) == from && where(x, y)) {
            Set(x, y, to);
        }
    });
}

void PixelCanvas::EraseWhere(const std::function<bool(int, int)>& where) {
    ForEachPixel([&](int x, int y) {
        if (where(x, y)) {
            Erase(x, y);
        }
    });
}

void PixelCanvas::DrawOver(const PixelCanvas& top, QPoint offset) {
    top.ForEachPixel([&](int x, int y) {
        if (top.IsPainted(x, y)) {
            Set(x + offset.x(), y + offset.y(), top.At(x, y));
        }
    });
}

}  // namespace zunpeko::art
