// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

#include "MediaTrack.h"
#include "MixHandles.h"
#include "PlaybackEnds.h"

namespace zunpeko {

// A file streamed as SDL_mixer's music. SDL_mixer plays one music at a time:
// a music track that starts playing cuts off any other one's sound without
// telling it (that one then finds nothing to resume). The game has a single
// music player, so this never happens in it.
class MusicTrack final : public MediaTrack {
  public:
    // Throws PlatformError with the media system's text when the file cannot
    // be opened as music.
    static std::unique_ptr<MusicTrack> Load(const QString& fileName, EndListener onEnded);
    ~MusicTrack() override;

    MusicTrack(const MusicTrack&) = delete;
    MusicTrack& operator=(const MusicTrack&) = delete;

    void PlayFromStart() override;
    void Pause() override;
    bool Resume() override;
    void Halt() override;

  private:
    MusicTrack(MusicPtr music, EndListener onEnded);
    bool OwnsMusic() const;

    MusicPtr music_;
    EndListener onEnded_;
};

}  // namespace zunpeko
