// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessibleControls.h"

#include "AccessibleCaption.h"
#include "AccessibleSurface.h"
#include "CustomLabel.h"
#include "FormSurface.h"
#include "Panel.h"

namespace zunpeko {
namespace {

QAccessibleInterface* MakeInterface(const QString& className, QObject* object) {
    if (className == QLatin1StringView(TCustomLabel::staticMetaObject.className())) {
        auto* label = static_cast<TCustomLabel*>(object);
        return new AccessibleCaption(label, QAccessible::StaticText,
                                     [label] { return label->Caption(); });
    }
    if (className == QLatin1StringView(TPanel::staticMetaObject.className())) {
        auto* panel = static_cast<TPanel*>(object);
        // A panel that shows a caption reads as that caption; one without
        // is only the group of the controls on it.
        const QAccessible::Role role =
            panel->Caption().empty() ? QAccessible::Pane : QAccessible::StaticText;
        return new AccessibleCaption(panel, role, [panel] { return panel->Caption(); });
    }
    if (className == QLatin1StringView(TFormSurface::staticMetaObject.className())) {
        return new AccessibleSurface(static_cast<TFormSurface*>(object));
    }
    return nullptr;
}

}  // namespace

void InstallAccessibleControls() {
    InstallFactoryOnce<&MakeInterface>();
}

}  // namespace zunpeko
