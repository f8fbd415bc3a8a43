// SPDX-License-Identifier: GPL-3.0-or-later
#include "HintPopup.h"

#include <QPainter>
#include <QWindow>

#include "CustomLabel.h"

namespace zunpeko {
namespace {

// The text sits 2 pixels in from the top-left corner; the window is 6 pixels
// wider and 3 pixels taller than the text, so the margin is uneven on purpose.
constexpr QPoint kTextOrigin{2, 2};
constexpr int kExtraWidth = 6;
constexpr int kExtraHeight = 3;

}  // namespace

HintPopup::HintPopup()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    // The flags stay as set here for the popup's whole life: changing them later
    // would make Qt replace the native window. That window is made now, once,
    // so showing never has to create one.
    create();
}

void HintPopup::Present(const QString& text, const QFont& font, const QColor& textColor,
                        const QColor& background, const QPoint& topLeft, const QWidget* owner) {
    // Without a parent of its own the popup would be placed against whichever
    // window Qt last saw focused, or nowhere at all. X11 places it in screen
    // pixels either way.
    if (owner != nullptr && owner->window()->windowHandle() != nullptr) {
        windowHandle()->setTransientParent(owner->window()->windowHandle());
    }
    text_ = text;
    textColor_ = textColor;
    background_ = background;
    setFont(font);
    resize(LineExtent(font, text_) + QSize(kExtraWidth, kExtraHeight));
    move(topLeft);
    show();
    update();  // a popup shown again with the same size still needs the new text
}

void HintPopup::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    painter.setFont(font());
    painter.setPen(textColor_);
    painter.drawText(QRect(kTextOrigin, size()),
                     Qt::TextSingleLine | Qt::TextExpandTabs | Qt::AlignLeft | Qt::AlignTop, text_);
}

}  // namespace zunpeko
