// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessibleLink.h"

#include "AccessibleCaption.h"
#include "URLLink.h"

namespace zunpeko {
namespace {

class AccessibleLink : public AccessibleCaption {
  public:
    explicit AccessibleLink(TURLLink* link)
        : AccessibleCaption(link, QAccessible::Link, [link] { return link->Caption(); }) {}

    QStringList actionNames() const override {
        return QStringList{pressAction()} + AccessibleCaption::actionNames();
    }

    void doAction(const QString& actionName) override {
        if (actionName == pressAction()) {
            static_cast<TURLLink*>(widget())->Press();
            return;
        }
        AccessibleCaption::doAction(actionName);
    }
};

QAccessibleInterface* MakeInterface(const QString& className, QObject* object) {
    if (className == QLatin1StringView(TURLLink::staticMetaObject.className())) {
        return new AccessibleLink(static_cast<TURLLink*>(object));
    }
    return nullptr;
}

}  // namespace

void InstallAccessibleLinks() {
    InstallFactoryOnce<&MakeInterface>();
}

}  // namespace zunpeko
