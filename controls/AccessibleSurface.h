// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

namespace zunpeko {

class TFormSurface;

// The window's surface as assistive technology sees it: its controls, and
// after them the picture its paint hook draws, as a graphic of its own.
class AccessibleSurface : public QAccessibleWidget {
  public:
    explicit AccessibleSurface(TFormSurface* surface);
    ~AccessibleSurface() override;
    AccessibleSurface(const AccessibleSurface&) = delete;
    AccessibleSurface& operator=(const AccessibleSurface&) = delete;
    AccessibleSurface(AccessibleSurface&&) = delete;
    AccessibleSurface& operator=(AccessibleSurface&&) = delete;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

  private:
    bool HasPicture() const;
    QAccessibleInterface* Picture() const;

    // The picture's interface, made when first asked for; 0 until then.
    mutable QAccessible::Id picture_ = 0;
};

}  // namespace zunpeko
