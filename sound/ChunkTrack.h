// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

#include "AudioDevice.h"
#include "Decoders.h"
#include "MediaTrack.h"

namespace zunpeko {

// A wave file decoded whole into memory and played on a mixer channel of its
// own, so that it never cuts off, or is cut off by, any other sound.
class ChunkTrack final : public MediaTrack {
  public:
    // Throws PlatformError with the media system's text when the file cannot
    // be decoded.
    static std::unique_ptr<ChunkTrack> Load(const QString& fileName, EndListener onEnded);
    ~ChunkTrack() override;

    ChunkTrack(const ChunkTrack&) = delete;
    ChunkTrack& operator=(const ChunkTrack&) = delete;

    void PlayFromStart() override;
    void Pause() override;
    bool Resume() override;
    void Halt() override;

  private:
    ChunkTrack(ChunkPtr chunk, EndListener onEnded);

    ChunkPtr chunk_;
    int channel_;
};

}  // namespace zunpeko
