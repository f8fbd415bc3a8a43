// SPDX-License-Identifier: GPL-3.0-or-later
#include "AsyncSound.h"

#include <QFileInfo>
#include <utility>

#include "PlatformError.h"

namespace zunpeko {

void AsyncSound::Play(const QString& fileName) {
    if (track_) {
        track_->Halt();
    }
    if (fileName.isEmpty()) {
        return;
    }
    if (ChunkTrack* track = TrackFor(fileName)) {
        try {
            track->PlayFromStart();
        } catch (const PlatformError&) {
            // Not reported, as the system's own sound does not.
        }
    }
}

ChunkTrack* AsyncSound::TrackFor(const QString& fileName) {
    const QFileInfo file(fileName);
    if (!file.isFile()) {
        return nullptr;
    }
    FileStamp stamp{file.absoluteFilePath(), file.size(), file.lastModified()};
    if (!(stamp == stamp_)) {
        // A failure is kept for the file as well: a large file of junk read
        // again at every hit would make the game stutter.
        stamp_ = std::move(stamp);
        track_.reset();
        try {
            // Nobody waits for a hit to end.
            track_ = ChunkTrack::Load(fileName, [] {});
        } catch (const PlatformError&) {
        }
    }
    return track_.get();
}

}  // namespace zunpeko
