// SPDX-License-Identifier: GPL-3.0-or-later
#include "MixHandles.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include "AudioDevice.h"
#include "Cp932.h"
#include "MediaErrors.h"
#include "SoundFile.h"

#include <memory>

namespace zunpeko {
namespace {

// Runs `decode` with the mixer ready; a null result is the media system's
// failure, reported with its text and the file's name.
template <typename Decode>
auto Decoded(const QString& fileName, Decode&& decode) {
    AudioDevice& device = AudioDevice::Instance();
    SDL_ClearError();
    if (!device.ReadyToDecode()) {
        const PlatformError error = MediaSystemError();
        throw SoundFileError(error.Text(), fileName, ToDisplay(error.Text()));
    }
    auto result = decode();
    if (!result) {
        const PlatformError error = MediaSystemError();
        throw SoundFileError(error.Text(), fileName, ToDisplay(error.Text()));
    }
    return result;
}

}  // namespace

void ChunkFree::operator()(Mix_Chunk* chunk) const {
    Mix_FreeChunk(chunk);
}

void MusicFree::operator()(Mix_Music* music) const {
    Mix_FreeMusic(music);
}

ChunkPtr LoadWave(const QString& fileName) {
    const QByteArray bytes =
        ReadSoundFile(fileName, QStringLiteral("Couldn't open %1").arg(fileName));
    return Decoded(fileName, [&] {
        return ChunkPtr(Mix_LoadWAV_RW(
            SDL_RWFromConstMem(bytes.constData(), static_cast<int>(bytes.size())), 1));
    });
}

MusicPtr LoadMusic(const QString& fileName) {
    // Closed here should the mixer not be had; once handed over, the mixer
    // closes it, also when it cannot read it as music.
    std::unique_ptr<SDL_RWops, decltype(&SDL_RWclose)> stream(
        StreamSoundFile(fileName, QStringLiteral("Couldn't open '%1'").arg(fileName)),
        &SDL_RWclose);
    return Decoded(fileName,
                   [&] { return MusicPtr(Mix_LoadMUSType_RW(stream.release(), MUS_MP3, 1)); });
}

}  // namespace zunpeko
