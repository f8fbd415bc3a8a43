// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPoint>
#include <QPolygonF>
#include <QRgb>

#include <functional>

namespace zunpeko::art {

// Whether the centre of pixel (x, y) lies inside the ellipse.
bool InEllipse(int x, int y, double cx, double cy, double rx, double ry);

// A layer of hard-edged pixels. Every drawing decides per pixel centre, with no
// antialiasing, so the sprite art keeps a small, exact palette and crisp edges
// at 1x. Unpainted pixels are transparent; drawing one layer over another
// copies only the painted pixels.
class PixelCanvas {
  public:
    PixelCanvas(int width, int height);

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < Width() && y < Height(); }
    bool IsPainted(int x, int y) const;
    QRgb At(int x, int y) const;

    void Set(int x, int y, QRgb colour);
    void Erase(int x, int y);
    void Fill(QRgb colour);

    // Centres and radii are in pixel units; a pixel is painted when its centre
    // lies inside, so a centre of 31.5 gives a shape symmetric about column 31.
    void FillEllipse(double cx, double cy, double rx, double ry, QRgb colour);
    void FillRect(int x, int y, int width, int height, QRgb colour);
    void FillPolygon(const QPolygonF& polygon, QRgb colour);

    // Paints every unpainted pixel that shares an edge with a painted one: a
    // line one pixel wide that leaves out the corners, so curves stay round.
    void Outline(QRgb colour);

    // Recolours painted pixels of one colour; shading a shape after it is drawn
    // keeps the light and dark parts inside its outline.
    void Recolour(QRgb from, QRgb to, const std::function<bool(int, int)>& where);

    void EraseWhere(const std::function<bool(int, int)>& where);
    void DrawOver(const PixelCanvas& top, QPoint offset = {0, 0});

    const QImage& Image() const { return image_; }

  private:
    void ForEachPixel(const std::function<void(int, int)>& visit) const;

    QImage image_;
};

}  // namespace zunpeko::art
