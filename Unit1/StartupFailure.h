// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <memory>

#include "PlatformError.h"

namespace zunpeko {

// A sound file that cannot be opened while the window is being made
// ends the program before the window shows: a box titled "ｱﾌﾟﾘｹｰｼｮﾝ ｴﾗｰ"
// with the media system's text, then exit status 1.
constexpr int kStartupFailureExitStatus = 1;

std::unique_ptr<QMessageBox> MakeStartupErrorBox(const PlatformError& error);

// Says on standard error what failed, for whoever started the game from a
// terminal or a script (a sound file's name and the reason, which the box has
// no room for), shows the box, waits for OK and returns
// kStartupFailureExitStatus for main to return.
int ReportStartupFailure(const PlatformError& error);

}  // namespace zunpeko
