// SPDX-License-Identifier: GPL-3.0-or-later
#include "Image.h"

#include <QMouseEvent>
#include <QPainter>

namespace zunpeko {

TImage::TImage(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void TImage::SetPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void TImage::paintEvent(QPaintEvent* /*event*/) {
    if (picture_.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), picture_);
}

void TImage::mousePressEvent(QMouseEvent* event) {
    event->accept();  // a visible image is a control like a label
}

}  // namespace zunpeko
