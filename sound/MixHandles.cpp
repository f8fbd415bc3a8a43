#include "MixHandles.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QFile>

namespace zunpeko {

void ChunkFree::operator()(Mix_Chunk* chunk) const {
    Mix_FreeChunk(chunk);
}

void MusicFree::operator()(Mix_Music* music) const {
    Mix_FreeMusic(music);
}

ChunkPtr LoadWave(const QString& fileName) {
    SDL_ClearError();
    // Opening the file ourselves keeps SDL's "Couldn't open" text for a missing
    // file; Mix_LoadWAV would replace it with one about a null stream.
    SDL_RWops* file = SDL_RWFromFile(QFile::encodeName(fileName).constData(), "rb");
    if (file == nullptr) {
        return nullptr;
    }
    return ChunkPtr(Mix_LoadWAV_RW(file, 1));
}

MusicPtr LoadMusic(const QString& fileName) {
    SDL_ClearError();
    return MusicPtr(Mix_LoadMUS(QFile::encodeName(fileName).constData()));
}

}  // namespace zunpeko
