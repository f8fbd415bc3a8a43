// SPDX-License-Identifier: GPL-3.0-or-later
#include "Button.h"

#include "Cp932.h"
#include "StoreIfChanged.h"

namespace zunpeko {

TButton::TButton(QWidget* parent) : QPushButton(parent), font_(DefaultFont()) {
    setFocusPolicy(Qt::StrongFocus);
    // Outside a dialog a QPushButton leaves Enter alone; auto-default makes the
    // focused button take Enter and be drawn as the default one.
    setAutoDefault(true);
    QPushButton::setFont(font_.face);
}

void TButton::SetCaption(const SjisText& caption) {
    if (StoreIfChanged(caption_, caption)) {
        setText(ToDisplay(caption_));
    }
}

void TButton::SetFont(const ControlFont& font) {
    if (StoreIfChanged(font_, font)) {
        QPushButton::setFont(font_.face);
        QPalette colored = palette();
        colored.setColor(QPalette::ButtonText, font_.color);
        setPalette(colored);
    }
}

}  // namespace zunpeko
