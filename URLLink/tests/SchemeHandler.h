// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDesktopServices>
#include <QObject>
#include <QUrl>
#include <vector>

namespace zunpeko::testing {

// Stands in for the browser and the mail program: while it lives,
// QDesktopServices hands every http and mailto address here instead of to
// the desktop.
class SchemeHandler : public QObject {
    Q_OBJECT

  public:
    SchemeHandler() {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "Open");
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), this, "Open");
    }
    ~SchemeHandler() override {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    }
    SchemeHandler(const SchemeHandler&) = delete;
    SchemeHandler& operator=(const SchemeHandler&) = delete;
    SchemeHandler(SchemeHandler&&) = delete;
    SchemeHandler& operator=(SchemeHandler&&) = delete;

    Q_INVOKABLE void Open(const QUrl& url) { opened.push_back(url); }

    std::vector<QUrl> opened;
};

}  // namespace zunpeko::testing
