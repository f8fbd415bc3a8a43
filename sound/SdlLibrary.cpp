// SPDX-License-Identifier: GPL-3.0-or-later
#include "SdlLibrary.h"

#include <QLibrary>
#include <QStringList>
#include <mutex>
#include <system_error>
#include <thread>

namespace zunpeko {
namespace {

class SdlLoader {
  public:
    ~SdlLoader() {
        // A program that ends before its first sound waits for the loading
        // thread rather than unmapping libraries under it.
        if (thread_.joinable()) {
            thread_.join();
        }
    }

    void Start() {
        if (started_) {
            return;
        }
        started_ = true;
        try {
            thread_ = std::thread([this] { std::call_once(once_, [this] { Load(); }); });
        } catch (const std::system_error&) {
            // No thread to be had: the first use loads them instead.
        }
    }

    bool Loaded() {
        std::call_once(once_, [this] { Load(); });
        if (thread_.joinable()) {
            thread_.join();
        }
        return error_.isEmpty();
    }

    const QString& Error() {
        Loaded();
        return error_;
    }

    const SdlFunctions& Functions() const { return functions_; }

  private:
    void Load();

    // Only the user-interface thread starts, asks and joins; the loading
    // thread touches nothing but what call_once hands over.
    bool started_ = false;
    std::thread thread_;
    std::once_flag once_;
    // The libraries stay loaded for good: a QLibrary does not unload on
    // destruction.
    QLibrary sdl_{QStringLiteral("libSDL2-2.0.so.0")};
    QLibrary mixer_{QStringLiteral("libSDL2_mixer-2.0.so.0")};
    SdlFunctions functions_;
    QString error_;
};

SdlLoader& Loader() {
    static SdlLoader loader;
    return loader;
}

// Fills `function` from `library`, noting the name of one that is missing.
template <typename Function>
void Resolve(QLibrary& library, const char* name, Function& function, QStringList& missing) {
    function = reinterpret_cast<Function>(library.resolve(name));
    if (function == nullptr) {
        missing << QString::fromLatin1(name);
    }
}

void SdlLoader::Load() {
    if (!sdl_.load() || !mixer_.load()) {
        error_ = sdl_.isLoaded() ? mixer_.errorString() : sdl_.errorString();
        return;
    }
    QStringList missing;
    SdlFunctions& f = functions_;
    Resolve(sdl_, "SDL_GetError", f.SDL_GetError, missing);
    Resolve(sdl_, "SDL_ClearError", f.SDL_ClearError, missing);
    Resolve(sdl_, "SDL_SetHint", f.SDL_SetHint, missing);
    Resolve(sdl_, "SDL_SetHintWithPriority", f.SDL_SetHintWithPriority, missing);
    Resolve(sdl_, "SDL_ResetHint", f.SDL_ResetHint, missing);
    Resolve(sdl_, "SDL_InitSubSystem", f.SDL_InitSubSystem, missing);
    Resolve(sdl_, "SDL_QuitSubSystem", f.SDL_QuitSubSystem, missing);
    Resolve(sdl_, "SDL_Quit", f.SDL_Quit, missing);
    Resolve(sdl_, "SDL_GetNumAudioDrivers", f.SDL_GetNumAudioDrivers, missing);
    Resolve(sdl_, "SDL_GetAudioDriver", f.SDL_GetAudioDriver, missing);
    Resolve(sdl_, "SDL_GetCurrentAudioDriver", f.SDL_GetCurrentAudioDriver, missing);
    Resolve(sdl_, "SDL_RWFromConstMem", f.SDL_RWFromConstMem, missing);
    Resolve(sdl_, "SDL_RWFromFP", f.SDL_RWFromFP, missing);
    Resolve(sdl_, "SDL_LoadWAV_RW", f.SDL_LoadWAV_RW, missing);
    Resolve(sdl_, "SDL_FreeWAV", f.SDL_FreeWAV, missing);
    Resolve(sdl_, "SDL_SetEventFilter", f.SDL_SetEventFilter, missing);
    Resolve(mixer_, "Mix_Init", f.Mix_Init, missing);
    Resolve(mixer_, "Mix_Quit", f.Mix_Quit, missing);
    Resolve(mixer_, "Mix_OpenAudioDevice", f.Mix_OpenAudioDevice, missing);
    Resolve(mixer_, "Mix_CloseAudio", f.Mix_CloseAudio, missing);
    Resolve(mixer_, "Mix_AllocateChannels", f.Mix_AllocateChannels, missing);
    Resolve(mixer_, "Mix_ChannelFinished", f.Mix_ChannelFinished, missing);
    Resolve(mixer_, "Mix_HookMusicFinished", f.Mix_HookMusicFinished, missing);
    Resolve(mixer_, "Mix_SetPostMix", f.Mix_SetPostMix, missing);
    Resolve(mixer_, "Mix_LoadWAV_RW", f.Mix_LoadWAV_RW, missing);
    Resolve(mixer_, "Mix_LoadMUSType_RW", f.Mix_LoadMUSType_RW, missing);
    Resolve(mixer_, "Mix_FreeChunk", f.Mix_FreeChunk, missing);
    Resolve(mixer_, "Mix_FreeMusic", f.Mix_FreeMusic, missing);
    Resolve(mixer_, "Mix_MusicDuration", f.Mix_MusicDuration, missing);
    Resolve(mixer_, "Mix_PlayChannelTimed", f.Mix_PlayChannelTimed, missing);
    Resolve(mixer_, "Mix_PlayMusic", f.Mix_PlayMusic, missing);
    Resolve(mixer_, "Mix_Playing", f.Mix_Playing, missing);
    Resolve(mixer_, "Mix_PlayingMusic", f.Mix_PlayingMusic, missing);
    Resolve(mixer_, "Mix_Pause", f.Mix_Pause, missing);
    Resolve(mixer_, "Mix_Resume", f.Mix_Resume, missing);
    Resolve(mixer_, "Mix_PauseMusic", f.Mix_PauseMusic, missing);
    Resolve(mixer_, "Mix_ResumeMusic", f.Mix_ResumeMusic, missing);
    Resolve(mixer_, "Mix_HaltChannel", f.Mix_HaltChannel, missing);
    Resolve(mixer_, "Mix_HaltMusic", f.Mix_HaltMusic, missing);
    if (!missing.isEmpty()) {
        error_ =
            QStringLiteral("SDL2 or SDL2_mixer lacks %1").arg(missing.join(QLatin1String(", ")));
    }
}

}  // namespace

void StartLoadingSdl() {
    Loader().Start();
}

bool SdlLoaded() {
    return Loader().Loaded();
}

const QString& SdlLoadError() {
    return Loader().Error();
}

const SdlFunctions& Sdl() {
    return Loader().Functions();
}

}  // namespace zunpeko
