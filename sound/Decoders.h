// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL_mixer.h>

#include <QByteArray>
#include <QString>
#include <memory>

namespace zunpeko {

struct ChunkFree {
    void operator()(Mix_Chunk* chunk) const;
};
struct MusicFree {
    void operator()(Mix_Music* music) const;
};

// The media system's decoders: SDL_mixer's sounds decoded whole (wave files)
// or streamed from their file (music), freed with their owner.
using ChunkPtr = std::unique_ptr<Mix_Chunk, ChunkFree>;
using MusicPtr = std::unique_ptr<Mix_Music, MusicFree>;

// Decodes a whole sound file into memory. Throws SoundFileError with the
// media system's text (a missing file reads "Couldn't open <name>").
ChunkPtr LoadWave(const QString& fileName);

// Opens a sound file for streaming as MP3 music; the file stays open while
// the music lives. Throws SoundFileError with
// the media system's text (a missing file reads "Couldn't open '<name>'").
MusicPtr LoadMusic(const QString& fileName);

}  // namespace zunpeko
