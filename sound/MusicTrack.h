// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

#include "AudioDevice.h"
#include "Decoders.h"
#include "MediaTrack.h"

namespace zunpeko {

// A file streamed as SDL_mixer's music. SDL_mixer plays one music at a time,
// and a track's commands act on whatever music plays: the game has a single
// music player, whose track is the only one.
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

    MusicPtr music_;
    EndListener onEnded_;
};

}  // namespace zunpeko
