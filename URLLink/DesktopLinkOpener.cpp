// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopLinkOpener.h"

#include <QDesktopServices>
#include <QUrl>

#include "Cp932.h"

namespace zunpeko {

void DesktopLinkOpener::Open(const SjisText& target) {
    // Tolerant parsing takes the text as a person would type it into a browser,
    // so spaces and non-ASCII characters are percent-encoded instead of rejected.
    QDesktopServices::openUrl(QUrl(ToDisplay(target), QUrl::TolerantMode));
}

}  // namespace zunpeko
