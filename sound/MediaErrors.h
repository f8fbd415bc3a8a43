// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "PlatformError.h"

namespace zunpeko {

// "MCI ﾃﾞﾊﾞｲｽがありません": a command reached a player that has no file open.
PlatformError NoDeviceError();

// The media system's text for its last failure (SDL's error string, in code
// page 932), or "原因不明のｴﾗｰ" when it gave none; the reason SDL's libraries
// could not be loaded when they could not. Clear the error
// (ClearMediaError) before the call that may fail, so that an old text is
// not reported again.
PlatformError MediaSystemError();
void ClearMediaError();

// A file whose extension names no kind of media the players know.
PlatformError UnknownMediaError(const QString& fileName);

}  // namespace zunpeko
