#include "AudioDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <utility>

namespace zunpeko {
namespace {

// Hits must sound the moment the mole is struck: 512 frames at 44.1 kHz is
// about 12 ms of buffering.
constexpr int kSampleRate = 44100;
constexpr int kChannelsOut = 2;
constexpr int kBufferFrames = 512;

// SDL_mixer's callbacks take no user data, so they reach the device through
// this pointer; it is set while the device is open.
AudioDevice* openDevice = nullptr;

void OnChannelFinished(int channel) {
    if (openDevice != nullptr) {
        openDevice->Ends().ChannelEnded(channel);
    }
}

void OnMusicFinished() {
    if (openDevice != nullptr) {
        openDevice->Ends().MusicEnded();
    }
}

}  // namespace

AudioDevice& AudioDevice::Instance() {
    static AudioDevice device;
    return device;
}

AudioDevice::AudioDevice() {
    // A wave file whose data stops short of what its header promises is
    // refused rather than played cut off, as a broken file should be.
    SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "strict");
    open_ = OpenMixer();
    if (!open_) {
        // The override beats an SDL_AUDIODRIVER naming a driver that is not there.
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        open_ = OpenMixer();
    }
    if (open_) {
        const char* name = SDL_GetCurrentAudioDriver();
        driver_ = name != nullptr ? name : "";
        openDevice = this;
        Mix_ChannelFinished(&OnChannelFinished);
        Mix_HookMusicFinished(&OnMusicFinished);
    }
}

AudioDevice::~AudioDevice() {
    if (open_) {
        Mix_ChannelFinished(nullptr);
        Mix_HookMusicFinished(nullptr);
        openDevice = nullptr;
        CloseMixer();
    }
    SDL_Quit();
}

bool AudioDevice::OpenMixer() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    Mix_Init(MIX_INIT_MP3);
    if (Mix_OpenAudio(kSampleRate, MIX_DEFAULT_FORMAT, kChannelsOut, kBufferFrames) != 0) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

void AudioDevice::CloseMixer() {
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

int AudioDevice::ClaimChannel(EndListener listener) {
    const int channel = ends_.ClaimChannel(std::move(listener));
    if (open_ && channel >= Mix_AllocateChannels(-1)) {
        Mix_AllocateChannels(channel + 1);
    }
    return channel;
}

void AudioDevice::ReleaseChannel(int channel) {
    ends_.ReleaseChannel(channel);
}

}  // namespace zunpeko
