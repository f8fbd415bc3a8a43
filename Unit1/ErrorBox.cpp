// SPDX-License-Identifier: GPL-3.0-or-later
#include "ErrorBox.h"

#include <QMessageBox>

namespace zunpeko {
namespace {

SjisText& StoredTitle() {
    static SjisText title;
    return title;
}

}  // namespace

void SetApplicationTitle(const SjisText& title) {
    StoredTitle() = title;
}

const SjisText& ApplicationTitle() {
    return StoredTitle();
}

SjisText WithClosingPeriod(const SjisText& text) {
    if (text.empty()) {
        return text;
    }
    // A two-byte character's second byte is never below 0x40, so looking at
    // the last byte alone already counts a two-byte last character as above ".".
    const auto last = static_cast<unsigned char>(text.back());
    if (last <= '.') {
        return text;
    }
    return text + '.';
}

void ShowErrorBox(QWidget* owner, const SjisText& text) {
    // Qt centres a box on its owner, even on one not shown yet (an error while
    // the window is being made): then the screen is the better middle.
    if (owner != nullptr && !owner->isVisible()) {
        owner = nullptr;
    }
    QMessageBox box(QMessageBox::Critical, ToDisplay(ApplicationTitle()),
                    ToDisplay(WithClosingPeriod(text)), QMessageBox::Ok, owner);
    box.exec();
}

}  // namespace zunpeko
