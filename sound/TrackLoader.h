// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

#include "MediaTrack.h"
#include "PlaybackEnds.h"

namespace zunpeko {

// Opens a sound file on the kind of track its extension calls for, the way
// the system's media layer picks a device by extension: ".wav" is decoded
// whole and played on a channel, ".mp3" is streamed as music. Letter case
// does not matter. Throws PlatformError for any other extension and for a
// file that does not open.
std::unique_ptr<MediaTrack> LoadTrack(const QString& fileName, EndListener onEnded);

}  // namespace zunpeko
