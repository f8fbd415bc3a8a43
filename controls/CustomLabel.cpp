// SPDX-License-Identifier: GPL-3.0-or-later
#include "CustomLabel.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <utility>

#include "AccessibleCaption.h"
#include "AccessibleControls.h"
#include "Cp932.h"
#include "StoreIfChanged.h"

namespace zunpeko {
namespace {

constexpr int kLineFlags = Qt::TextSingleLine | Qt::TextExpandTabs | Qt::AlignTop;

}  // namespace

TCustomLabel::TCustomLabel(QWidget* parent) : QWidget(parent), font_(DefaultFont()) {
    InstallAccessibleControls();
    setMouseTracking(true);  // movements arrive without a button held
    setFocusPolicy(Qt::NoFocus);
    QWidget::setFont(font_.face);
}

void TCustomLabel::SetCaption(const SjisText& caption) {
    if (caption == caption_) {
        return;
    }
    const SjisText before = std::exchange(caption_, caption);
    AdjustToCaption();
    update();
    AnnounceCaptionChange(this, before, caption_);
}

void TCustomLabel::SetFont(const ControlFont& font) {
    if (StoreIfChanged(font_, font)) {
        QWidget::setFont(font_.face);
        AdjustToCaption();
        update();
    }
}

void TCustomLabel::SetFontColor(const QColor& color) {
    if (color == font_.color) {
        return;
    }
    font_.color = color;
    update();
}

QColor TCustomLabel::Color() const {
    if (color_) {
        return *color_;
    }
    return parentWidget() != nullptr ? parentWidget()->palette().color(QPalette::Window)
                                     : palette().color(QPalette::Window);
}

void TCustomLabel::SetColor(const QColor& color) {
    if (StoreIfChanged(color_, color)) {
        update();
    }
}

void TCustomLabel::SetTransparent(bool transparent) {
    if (StoreIfChanged(transparent_, transparent)) {
        update();
    }
}

void TCustomLabel::SetAlignment(Qt::Alignment horizontal) {
    if (StoreIfChanged(alignment_, horizontal)) {
        update();
    }
}

void TCustomLabel::SetAutoSize(bool autoSize) {
    if (StoreIfChanged(autoSize_, autoSize)) {
        AdjustToCaption();
    }
}

QSize LineExtent(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    const QRect bounds = metrics.boundingRect(QRect(), kLineFlags, text);
    return {bounds.width(), metrics.height()};
}

QSize TCustomLabel::TextExtent() const {
    return LineExtent(font_.face, ToDisplay(caption_));
}

void TCustomLabel::AdjustToCaption() {
    if (!autoSize_) {
        return;
    }
    // Measuring loads the font and lays out the caption: a label out of
    // sight (on a hidden panel, or before its window is first shown) takes
    // its size when it comes into view.
    if (!isVisible()) {
        sizeStale_ = true;
        return;
    }
    sizeStale_ = false;
    resize(TextExtent());
}

void TCustomLabel::showEvent(QShowEvent* event) {
    if (sizeStale_) {
        AdjustToCaption();
    }
    QWidget::showEvent(event);
}

void TCustomLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (!transparent_) {
        painter.fillRect(rect(), Color());
    }
    painter.setFont(font_.face);
    painter.setPen(font_.color);
    painter.drawText(rect(), kLineFlags | static_cast<int>(alignment_), ToDisplay(caption_));
}

void TCustomLabel::enterEvent(QEnterEvent* /*event*/) {
    MouseEnter();
}

void TCustomLabel::leaveEvent(QEvent* /*event*/) {
    MouseLeave();
}

void TCustomLabel::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    MouseMove(event->modifiers(), at.x(), at.y());
    event->accept();
}

void TCustomLabel::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    MouseDown(event->button(), event->modifiers(), at.x(), at.y());
    event->accept();  // a label is a control: the press never reaches the window
}

void TCustomLabel::MouseMove(Qt::KeyboardModifiers /*shift*/, int /*x*/, int /*y*/) {}

void TCustomLabel::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
    emit mouseDown(button, shift, x, y);
}

}  // namespace zunpeko
