// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessibleCaption.h"

#include <QWidget>
#include <utility>

#include "Cp932.h"

namespace zunpeko {

AccessibleCaption::AccessibleCaption(QWidget* control, QAccessible::Role role,
                                     std::function<SjisText()> caption)
    : QAccessibleWidget(control, role), caption_(std::move(caption)) {}

QString AccessibleCaption::Caption() const {
    return ToDisplay(caption_());
}

QString AccessibleCaption::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
        return Caption();
    }
    return QAccessibleWidget::text(t);
}

void* AccessibleCaption::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(t);
}

void AccessibleCaption::selection(int /*selectionIndex*/, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
}

QString AccessibleCaption::text(int startOffset, int endOffset) const {
    return Caption().mid(startOffset, endOffset - startOffset);
}

int AccessibleCaption::characterCount() const {
    return static_cast<int>(Caption().size());
}

QString AccessibleCaption::attributes(int /*offset*/, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void AnnounceCaptionChange(QWidget* control, const SjisText& before, const SjisText& after) {
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleEvent renamed(control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    QAccessibleTextUpdateEvent retyped(control, 0, ToDisplay(before), ToDisplay(after));
    QAccessible::updateAccessibility(&retyped);
}

}  // namespace zunpeko
