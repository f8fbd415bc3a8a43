// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "URLLink.h"

namespace zunpeko {

// Hands a target to the desktop's handler for its scheme (the web browser for
// http, the mail program for mailto) and returns at once. Whether anything
// opened is not reported: a link that leads nowhere is simply a dead link.
class DesktopLinkOpener : public LinkOpener {
  public:
    void Open(const SjisText& target) override;
};

}  // namespace zunpeko
