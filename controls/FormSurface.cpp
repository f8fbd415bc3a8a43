// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormSurface.h"

#include <QMouseEvent>
#include <QPainter>
#include <utility>

#include "AccessibleControls.h"

namespace zunpeko {

TFormSurface::TFormSurface(QWidget* parent) : QWidget(parent) {
    InstallAccessibleControls();
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
}

QColor TFormSurface::Color() const {
    return palette().color(QPalette::Window);
}

void TFormSurface::SetColor(const QColor& color) {
    if (color == Color()) {
        return;
    }
    QPalette colored = palette();
    colored.setColor(QPalette::Window, color);
    setPalette(colored);
    update();
}

void TFormSurface::SetPaintHook(std::function<void(QPainter&)> hook) {
    paintHook_ = std::move(hook);
}

void TFormSurface::SetPicture(const QRect& area, const SjisText& name) {
    pictureArea_ = area;
    pictureName_ = name;
}

void TFormSurface::paintEvent(QPaintEvent* /*event*/) {
    if (!paintHook_) {
        return;
    }
    QPainter painter(this);
    paintHook_(painter);
}

void TFormSurface::mousePressEvent(QMouseEvent* event) {
    event->accept();
    const QPoint at = event->position().toPoint();
    emit mouseDown(event->button(), event->modifiers(), at.x(), at.y());
}

}  // namespace zunpeko
