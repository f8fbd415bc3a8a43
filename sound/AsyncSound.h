// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <memory>

#include "ChunkTrack.h"

namespace zunpeko {

// The system's simple asynchronous sound: Play names a wave file, starts it
// and returns at once; each call first ends whatever the previous one
// started. An empty name only ends it. The name is looked up at every call
// (a bare name in the current directory), and a file that is missing or does
// not decode plays nothing and is not reported.
//
// The decoded sound is kept between calls, so a hit in quick succession
// costs a file-status check, not a decode; a file replaced on disk (other
// path, size or modification time) is decoded afresh. A file that did not
// decode is likewise not read again until it changes.
class AsyncSound {
  public:
    void Play(const QString& fileName);

  private:
    struct FileStamp {
        QString path;
        qint64 size = -1;
        QDateTime modified;
        bool operator==(const FileStamp&) const = default;
    };

    ChunkTrack* TrackFor(const QString& fileName);

    FileStamp stamp_;
    std::unique_ptr<ChunkTrack> track_;
};

}  // namespace zunpeko
