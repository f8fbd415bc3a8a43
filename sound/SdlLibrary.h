// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

#include <QString>

namespace zunpeko {

// The functions of SDL2 and SDL2_mixer the sound uses, found in the libraries
// at run time rather than linked. With what they bring along (some forty
// libraries: every codec, three sound servers' clients, X and Wayland) they
// cost about ten milliseconds before main() when the program linked them, a
// fifth of the time to the first painted frame. Now a thread of their own
// loads them while the window is built (StartLoadingSdl), and the first use
// waits for that load, or does it.
struct SdlFunctions {
    decltype(&::SDL_GetError) SDL_GetError = nullptr;
    decltype(&::SDL_ClearError) SDL_ClearError = nullptr;
    decltype(&::SDL_SetHint) SDL_SetHint = nullptr;
    decltype(&::SDL_SetHintWithPriority) SDL_SetHintWithPriority = nullptr;
    decltype(&::SDL_ResetHint) SDL_ResetHint = nullptr;
    decltype(&::SDL_InitSubSystem) SDL_InitSubSystem = nullptr;
    decltype(&::SDL_QuitSubSystem) SDL_QuitSubSystem = nullptr;
    decltype(&::SDL_Quit) SDL_Quit = nullptr;
    decltype(&::SDL_GetNumAudioDrivers) SDL_GetNumAudioDrivers = nullptr;
    decltype(&::SDL_GetAudioDriver) SDL_GetAudioDriver = nullptr;
    decltype(&::SDL_GetCurrentAudioDriver) SDL_GetCurrentAudioDriver = nullptr;
    decltype(&::SDL_RWFromConstMem) SDL_RWFromConstMem = nullptr;
    decltype(&::SDL_RWFromFP) SDL_RWFromFP = nullptr;
    decltype(&::SDL_LoadWAV_RW) SDL_LoadWAV_RW = nullptr;
    decltype(&::SDL_FreeWAV) SDL_FreeWAV = nullptr;
    decltype(&::SDL_SetEventFilter) SDL_SetEventFilter = nullptr;

    decltype(&::Mix_Init) Mix_Init = nullptr;
    decltype(&::Mix_Quit) Mix_Quit = nullptr;
    decltype(&::Mix_OpenAudioDevice) Mix_OpenAudioDevice = nullptr;
    decltype(&::Mix_CloseAudio) Mix_CloseAudio = nullptr;
    decltype(&::Mix_AllocateChannels) Mix_AllocateChannels = nullptr;
    decltype(&::Mix_ChannelFinished) Mix_ChannelFinished = nullptr;
    decltype(&::Mix_HookMusicFinished) Mix_HookMusicFinished = nullptr;
    decltype(&::Mix_SetPostMix) Mix_SetPostMix = nullptr;
    decltype(&::Mix_LoadWAV_RW) Mix_LoadWAV_RW = nullptr;
    decltype(&::Mix_LoadMUSType_RW) Mix_LoadMUSType_RW = nullptr;
    decltype(&::Mix_FreeChunk) Mix_FreeChunk = nullptr;
    decltype(&::Mix_FreeMusic) Mix_FreeMusic = nullptr;
    decltype(&::Mix_MusicDuration) Mix_MusicDuration = nullptr;
    decltype(&::Mix_PlayChannelTimed) Mix_PlayChannelTimed = nullptr;
    decltype(&::Mix_PlayMusic) Mix_PlayMusic = nullptr;
    decltype(&::Mix_Playing) Mix_Playing = nullptr;
    decltype(&::Mix_PlayingMusic) Mix_PlayingMusic = nullptr;
    decltype(&::Mix_Pause) Mix_Pause = nullptr;
    decltype(&::Mix_Resume) Mix_Resume = nullptr;
    decltype(&::Mix_PauseMusic) Mix_PauseMusic = nullptr;
    decltype(&::Mix_ResumeMusic) Mix_ResumeMusic = nullptr;
    decltype(&::Mix_HaltChannel) Mix_HaltChannel = nullptr;
    decltype(&::Mix_HaltMusic) Mix_HaltMusic = nullptr;
};

// Starts loading the libraries on a thread of their own; returns at once.
void StartLoadingSdl();

// True once the libraries are loaded with every function above; waits for a
// load under way, or loads them now. Only then may Sdl() be called.
bool SdlLoaded();
// Why they could not be loaded (the system's words), empty when they were.
const QString& SdlLoadError();

// The functions; SdlLoaded() must have said true.
const SdlFunctions& Sdl();

}  // namespace zunpeko
