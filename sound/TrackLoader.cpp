// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrackLoader.h"

#include <utility>

#include "ChunkTrack.h"
#include "MediaErrors.h"
#include "MusicTrack.h"

namespace zunpeko {

std::unique_ptr<MediaTrack> LoadTrack(const QString& fileName, EndListener onEnded) {
    if (fileName.endsWith(u".wav", Qt::CaseInsensitive)) {
        return ChunkTrack::Load(fileName, std::move(onEnded));
    }
    if (fileName.endsWith(u".mp3", Qt::CaseInsensitive)) {
        return MusicTrack::Load(fileName, std::move(onEnded));
    }
    throw UnknownMediaError(fileName);
}

}  // namespace zunpeko
