// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>

#include "SjisText.h"

class QPainter;

namespace zunpeko {

// The main window's own surface: its client area, filled with the window's
// colour. Every control of the window lies on it, and the board is drawn on it.
// A press reaches it only where no visible control lies, and is passed on as
// mouseDown in client coordinates.
class TFormSurface : public QWidget {
    Q_OBJECT

  public:
    explicit TFormSurface(QWidget* parent = nullptr);

    QColor Color() const;
    void SetColor(const QColor& color);

    // Called at every paint after the background is filled and before the
    // controls on the surface paint over it; empty paints nothing more.
    void SetPaintHook(std::function<void(QPainter&)> hook);

    // The area the paint hook draws a picture in, and the name assistive
    // technology reads for it; without a name the picture is not announced.
    void SetPicture(const QRect& area, const SjisText& name);
    const QRect& PictureArea() const { return pictureArea_; }
    const SjisText& PictureName() const { return pictureName_; }

  signals:
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    std::function<void(QPainter&)> paintHook_;
    QRect pictureArea_;
    SjisText pictureName_;
};

}  // namespace zunpeko
