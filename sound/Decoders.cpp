// SPDX-License-Identifier: GPL-3.0-or-later
#include "Decoders.h"

#include <cstdio>
#include <memory>

#include "AudioDevice.h"
#include "Cp932.h"
#include "MediaErrors.h"
#include "SdlLibrary.h"
#include "SoundFile.h"

namespace zunpeko {
namespace {

// Runs `decode` with the mixer ready; a null result is the media system's
// failure, reported with its text and the file's name.
template <typename Decode>
auto WithTheMixer(const QString& fileName, Decode&& decode) {
    AudioDevice& device = AudioDevice::Instance();
    ClearMediaError();
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

struct CloseFile {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// How long the sound in `bytes` plays, told without decoding it to the
// mixer's rate: by the music decoders, which read only the headers, or, for
// the wave files they do not take (ADPCM), by SDL's wave loader, whose
// samples at the file's own rate are a few times the file at most. Below 0
// when neither can tell.
double SoundSeconds(const QByteArray& bytes) {
    const SdlFunctions& sdl = Sdl();
    const auto stream = [&] {
        return sdl.SDL_RWFromConstMem(bytes.constData(), static_cast<int>(bytes.size()));
    };
    if (const MusicPtr music{sdl.Mix_LoadMUSType_RW(stream(), MUS_NONE, 1)}) {
        if (const double seconds = sdl.Mix_MusicDuration(music.get()); seconds >= 0) {
            return seconds;
        }
    }
    SDL_AudioSpec spec{};
    Uint8* samples = nullptr;
    Uint32 length = 0;
    if (sdl.SDL_LoadWAV_RW(stream(), 1, &spec, &samples, &length) == nullptr) {
        return -1;
    }
    sdl.SDL_FreeWAV(samples);
    const int frameBytes = spec.channels * SDL_AUDIO_BITSIZE(spec.format) / 8;
    return frameBytes > 0 && spec.freq > 0 ? double(length) / frameBytes / spec.freq : -1;
}

}  // namespace

void ChunkFree::operator()(Mix_Chunk* chunk) const {
    Sdl().Mix_FreeChunk(chunk);
}

void MusicFree::operator()(Mix_Music* music) const {
    Sdl().Mix_FreeMusic(music);
}

ChunkPtr LoadWave(const QString& fileName) {
    const QByteArray bytes =
        ReadSoundFile(fileName, QStringLiteral("Couldn't open %1").arg(fileName));
    return WithTheMixer(fileName, [&] {
        CheckSoundLength(fileName, SoundSeconds(bytes));
        ClearMediaError();  // what the length's decoders said is not the load's
        const SdlFunctions& sdl = Sdl();
        return ChunkPtr(sdl.Mix_LoadWAV_RW(
            sdl.SDL_RWFromConstMem(bytes.constData(), static_cast<int>(bytes.size())), 1));
    });
}

MusicPtr LoadMusic(const QString& fileName) {
    // Closed here should the mixer not be had; once handed over, the mixer
    // closes it, also when it cannot read it as music.
    std::unique_ptr<std::FILE, CloseFile> file(
        OpenSoundFile(fileName, QStringLiteral("Couldn't open '%1'").arg(fileName)));
    return WithTheMixer(fileName, [&] {
        const SdlFunctions& sdl = Sdl();
        SDL_RWops* stream = sdl.SDL_RWFromFP(file.get(), SDL_TRUE);
        if (stream == nullptr) {
            return MusicPtr();
        }
        static_cast<void>(file.release());  // the stream closes it now
        return MusicPtr(sdl.Mix_LoadMUSType_RW(stream, MUS_MP3, 1));
    });
}

}  // namespace zunpeko
