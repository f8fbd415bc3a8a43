// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>
#include <functional>

#include "SjisText.h"

namespace zunpeko {

// Installs a factory of accessible interfaces the first time it is asked for,
// however many controls ask.
template <QAccessible::InterfaceFactory factory>
void InstallFactoryOnce() {
    static const bool installed = (QAccessible::installFactory(factory), true);
    static_cast<void>(installed);
}

// What assistive technology reads of a control that paints its caption
// itself: the caption as its name and as a read-only text, in the given role.
class AccessibleCaption : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    AccessibleCaption(QWidget* control, QAccessible::Role role, std::function<SjisText()> caption);

    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    // The text, one line that cannot be selected or edited.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int /*startOffset*/, int /*endOffset*/) override {}
    void removeSelection(int /*selectionIndex*/) override {}
    void setSelection(int /*selectionIndex*/, int /*startOffset*/, int /*endOffset*/) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int /*position*/) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int /*offset*/) const override { return {}; }
    int offsetAtPoint(const QPoint& /*point*/) const override { return -1; }
    void scrollToSubstring(int /*startIndex*/, int /*endIndex*/) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

  private:
    QString Caption() const;

    std::function<SjisText()> caption_;
};

// Tells assistive technology that a control's caption changed from `before`;
// costs nothing while none is listening.
void AnnounceCaptionChange(QWidget* control, const SjisText& before, const SjisText& after);

}  // namespace zunpeko
