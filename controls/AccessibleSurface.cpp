// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessibleSurface.h"

#include <QPointer>
#include <QWindow>

#include "Cp932.h"
#include "FormSurface.h"

namespace zunpeko {
namespace {

// The picture is painted, not a widget: its interface stands on its own,
// named and placed as its surface says.
class AccessiblePicture : public QAccessibleInterface {
  public:
    explicit AccessiblePicture(TFormSurface* surface) : surface_(surface) {}

    bool isValid() const override { return !surface_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return surface_->window()->windowHandle(); }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(surface_);
    }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? ToDisplay(surface_->PictureName()) : QString();
    }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
    QRect rect() const override {
        const QRect area = surface_->PictureArea();
        return {surface_->mapToGlobal(area.topLeft()), area.size()};
    }
    QAccessible::Role role() const override { return QAccessible::Graphic; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = !surface_->isVisible();
        return state;
    }

  private:
    QPointer<TFormSurface> surface_;
};

}  // namespace

AccessibleSurface::AccessibleSurface(TFormSurface* surface) : QAccessibleWidget(surface) {}

AccessibleSurface::~AccessibleSurface() {
    if (picture_ != 0) {
        QAccessible::deleteAccessibleInterface(picture_);
    }
}

bool AccessibleSurface::HasPicture() const {
    return !static_cast<const TFormSurface*>(widget())->PictureName().empty();
}

QAccessibleInterface* AccessibleSurface::Picture() const {
    if (picture_ == 0) {
        // Qt's cache owns it from here; the destructor hands it back.
        picture_ = QAccessible::registerAccessibleInterface(  // NOLINT(*NewDeleteLeaks)
            new AccessiblePicture(static_cast<TFormSurface*>(widget())));
    }
    return QAccessible::accessibleInterface(picture_);
}

int AccessibleSurface::childCount() const {
    return QAccessibleWidget::childCount() + (HasPicture() ? 1 : 0);
}

QAccessibleInterface* AccessibleSurface::child(int index) const {
    if (HasPicture() && index == QAccessibleWidget::childCount()) {
        return Picture();
    }
    return QAccessibleWidget::child(index);
}

int AccessibleSurface::indexOfChild(const QAccessibleInterface* child) const {
    if (picture_ != 0 && child == QAccessible::accessibleInterface(picture_)) {
        return QAccessibleWidget::childCount();
    }
    return QAccessibleWidget::indexOfChild(child);
}

}  // namespace zunpeko
