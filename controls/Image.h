// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

namespace zunpeko {

// The window framework's image control: a graphic control that shows its
// picture from its top-left corner, cut to its bounds. A hidden one is simply
// a place to keep a picture.
class TImage : public QWidget {
    Q_OBJECT

  public:
    explicit TImage(QWidget* parent = nullptr);

    const QImage& Picture() const { return picture_; }
    void SetPicture(const QImage& picture);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QImage picture_;
};

}  // namespace zunpeko
