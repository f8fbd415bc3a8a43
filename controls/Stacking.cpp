// SPDX-License-Identifier: GPL-3.0-or-later
#include "Stacking.h"

#include <QWidget>
#include <vector>

#include "CustomLabel.h"
#include "Image.h"

namespace zunpeko {

bool IsGraphicControl(const QWidget* control) {
    return qobject_cast<const TCustomLabel*>(control) != nullptr ||
           qobject_cast<const TImage*>(control) != nullptr;
}

void StackWindowedInFront(QWidget* parent) {
    // raise() reorders the parent's child list, so collect first.
    std::vector<QWidget*> windowed;
    for (QObject* child : parent->children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (control != nullptr && !control->isWindow() && !IsGraphicControl(control)) {
            windowed.push_back(control);
        }
    }
    for (QWidget* control : windowed) {
        control->raise();
    }
}

}  // namespace zunpeko
