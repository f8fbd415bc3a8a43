// SPDX-License-Identifier: GPL-3.0-or-later
#include "Panel.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <utility>

#include "AccessibleCaption.h"
#include "AccessibleControls.h"
#include "Colors.h"
#include "Cp932.h"
#include "StoreIfChanged.h"

namespace zunpeko {

TPanel::TPanel(QWidget* parent) : QWidget(parent), font_(DefaultFont()) {
    InstallAccessibleControls();
    setFocusPolicy(Qt::NoFocus);
    QWidget::setFont(font_.face);
    SetColor(colors::clBtnFace);
}

void TPanel::SetCaption(const SjisText& caption) {
    if (caption == caption_) {
        return;
    }
    const SjisText before = std::exchange(caption_, caption);
    update();
    AnnounceCaptionChange(this, before, caption_);
}

void TPanel::SetFont(const ControlFont& font) {
    if (StoreIfChanged(font_, font)) {
        QWidget::setFont(font_.face);
        update();
    }
}

void TPanel::SetColor(const QColor& color) {
    if (StoreIfChanged(color_, color)) {
        QPalette colored = palette();
        colored.setColor(QPalette::Window, color_);
        setPalette(colored);
        update();
    }
}

void TPanel::SetBevelOuter(TBevelCut cut) {
    if (StoreIfChanged(bevelOuter_, cut)) {
        update();
    }
}

void TPanel::SetBevelWidth(int width) {
    if (StoreIfChanged(bevelWidth_, width)) {
        update();
    }
}

void TPanel::SetAlignment(Qt::Alignment horizontal) {
    if (StoreIfChanged(alignment_, horizontal)) {
        update();
    }
}

QRect TPanel::CaptionBand() const {
    const QRect inner = rect().adjusted(bevelWidth_, bevelWidth_, -bevelWidth_, -bevelWidth_);
    const int lineHeight = QFontMetrics(font_.face).height();
    // Integer division truncates towards zero, as the layout's positions expect
    // even when a big font makes the sum negative.
    const int exclusiveBottom = inner.top() + inner.height();
    const int top = (inner.top() + exclusiveBottom - lineHeight) / 2;
    return {inner.left(), top, inner.width(), lineHeight};
}

void TPanel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    DrawBevel(painter, rect(), bevelOuter_, bevelWidth_);
    const QRect inner = rect().adjusted(bevelWidth_, bevelWidth_, -bevelWidth_, -bevelWidth_);
    painter.fillRect(inner, color_);
    if (caption_.empty()) {
        return;
    }
    const QRect band = CaptionBand();
    painter.setClipRect(band);
    painter.setFont(font_.face);
    painter.setPen(font_.color);
    painter.drawText(
        band, Qt::TextSingleLine | Qt::TextExpandTabs | Qt::AlignTop | static_cast<int>(alignment_),
        ToDisplay(caption_));
}

void TPanel::mousePressEvent(QMouseEvent* event) {
    event->accept();  // a panel is a control: presses on it never reach the window
}

}  // namespace zunpeko
