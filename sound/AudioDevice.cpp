// SPDX-License-Identifier: GPL-3.0-or-later
#include "AudioDevice.h"

#include "SdlLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMetaObject>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <utility>

namespace zunpeko {
namespace {

// Hits must sound the moment the mole is struck: 512 frames at 44.1 kHz is
// about 12 ms of buffering.
constexpr int kSampleRate = 44100;
constexpr int kChannelsOut = 2;
constexpr int kBufferFrames = 512;
// About one second of mixes with nothing playing before the device closes.
constexpr int kIdleMixesBeforeClosing = kSampleRate / kBufferFrames;
// How often a sound played on the dummy driver, after a lost device, looks
// for a server again: each look halts what the dummy driver plays.
constexpr int kStandInRetryMs = 1000;
// What volume mixers call the game's stream; SDL's own default is
// "SDL Application".
constexpr char kAppName[] = "ずんぺこ";

// SDL_mixer's callbacks take no user data, so they reach the device through
// this pointer; it is set while the device is open.
AudioDevice* openDevice = nullptr;

bool KernelHasSoundCard() {
    return !QDir(QStringLiteral("/dev/snd"))
                .entryList({QStringLiteral("pcmC*")}, QDir::System)
                .isEmpty();
}

// Drivers that open the kernel's sound devices themselves: sndio without its
// server falls back on ALSA, "dsp" is OSS.
bool TalksToTheKernel(const QByteArray& driver) {
    return driver == "alsa" || driver == "sndio" || driver == "dsp";
}

// PipeWire's library complains on standard error when its server is not
// there; a PipeWire server also answers as PulseAudio, which is tried first.
bool PipeWireRunning() {
    return qEnvironmentVariableIsSet("PIPEWIRE_REMOTE") ||
           QFileInfo::exists(qEnvironmentVariable("XDG_RUNTIME_DIR") +
                             QStringLiteral("/pipewire-0"));
}

// SDL's own order of drivers, less those that cannot be what the player hears
// with: the silent ones, and those that would only complain on standard error
// that there is no sound card or no server.
QByteArray DriverChoice() {
    const bool haveCard = KernelHasSoundCard();
    const bool pipeWire = PipeWireRunning();
    QByteArray list;
    for (int i = 0; i < Sdl().SDL_GetNumAudioDrivers(); ++i) {
        const QByteArray name = Sdl().SDL_GetAudioDriver(i);
        if (name == "dummy" || name == "disk" || (!haveCard && TalksToTheKernel(name)) ||
            (name == "pipewire" && !pipeWire)) {
            continue;
        }
        list += (list.isEmpty() ? "" : ",") + name;
    }
    return list;
}

}  // namespace

AudioDevice& AudioDevice::Instance() {
    static AudioDevice device;
    return device;
}

AudioDevice::AudioDevice() : loaded_(SdlLoaded()), watch_([this](const char* how) { Lose(how); }) {
    if (!loaded_) {
        return;
    }
    Sdl().SDL_SetHint(SDL_HINT_APP_NAME, kAppName);
    // A wave file whose data stops short of what its header promises is
    // refused rather than played cut off, as a broken file should be.
    Sdl().SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "strict");
    Sdl().Mix_Init(MIX_INIT_MP3);
}

AudioDevice::~AudioDevice() {
    if (!loaded_) {
        return;
    }
    CloseMixer();
    Sdl().Mix_Quit();
    Sdl().SDL_Quit();
}

bool AudioDevice::Wake() {
    if (!loaded_) {
        return false;
    }
    if (state_ == State::Playing && !StandInMayGiveWay()) {
        closeAsked_ = false;
        idleMixes_ = 0;
        return true;
    }
    if (state_ == State::Decoding) {
        CloseSilent();
    }
    if (standIn_) {
        ForgetDriver();
    }
    if (!OpenDevice()) {
        return false;
    }
    state_ = State::Playing;
    WatchForIdle();
    watch_.Start(driver_);
    return true;
}

bool AudioDevice::StandInMayGiveWay() const {
    return standIn_ && sinceDriverChoice_.hasExpired(kStandInRetryMs);
}

bool AudioDevice::OpenDevice() {
    if (subsystemForPlaying_) {
        return OpenMixer();
    }
    subsystemForPlaying_ = true;
    standIn_ = false;
    sinceDriverChoice_.start();
    if (OpenOnDriverChoice()) {
        return true;
    }
    if (!OpenSilent()) {
        return false;
    }
    if (lost_) {
        standIn_ = true;
    } else if (qEnvironmentVariable("SDL_AUDIODRIVER") != QLatin1String("dummy")) {
        std::fputs("zunpeko: no sound device; the game plays silently\n", stderr);
    }
    return true;
}

void AudioDevice::Lose(const char* how) {
    if (state_ != State::Playing) {
        return;
    }
    std::fprintf(stderr, "zunpeko: the sound device (%s) %s; the next sound opens one again\n",
                 driver_.c_str(), how);
    lost_ = true;
    ForgetDriver();
}

void AudioDevice::ForgetDriver() {
    // SDL keeps its driver's connection to the server as long as the
    // subsystem runs: only a new start connects to a server started since.
    CloseMixer();
    Sdl().SDL_QuitSubSystem(SDL_INIT_AUDIO);
    // The dummy driver was set with the override, which the driver choice
    // could not undo.
    Sdl().SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    subsystemForPlaying_ = false;
}

bool AudioDevice::OpenOnDriverChoice() {
    const QByteArray choice = DriverChoice();
    if (choice.isEmpty() && qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) {
        return false;
    }
    // A driver named in SDL_AUDIODRIVER beats this default choice.
    Sdl().SDL_SetHint(SDL_HINT_AUDIODRIVER, choice.constData());
    if (Sdl().SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    if (OpenMixer()) {
        return true;
    }
    Sdl().SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
}

bool AudioDevice::OpenSilent() {
    // The override beats an SDL_AUDIODRIVER naming a driver that is not there.
    Sdl().SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    const bool open = Sdl().SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && OpenMixer();
    if (!subsystemForPlaying_) {
        Sdl().SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    }
    return open;
}

bool AudioDevice::ReadyToDecode() {
    if (state_ != State::Closed) {
        return true;
    }
    if (!loaded_) {
        return false;
    }
    if (subsystemForPlaying_) {
        return Wake();
    }
    if (!OpenSilent()) {
        return false;
    }
    // Kept open for the files that follow (opening and closing costs tens of
    // milliseconds each time), until a second passes with nothing to do.
    state_ = State::Decoding;
    WatchForIdle();
    return true;
}

void AudioDevice::CloseSilent() {
    CloseMixer();
    Sdl().SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool AudioDevice::OpenMixer() {
    // No changes allowed: SDL converts to whatever the hardware wants, and a
    // sound decoded before stays right for every device opened after.
    if (Sdl().Mix_OpenAudioDevice(kSampleRate, MIX_DEFAULT_FORMAT, kChannelsOut, kBufferFrames,
                                  nullptr, 0) != 0) {
        return false;
    }
    const char* name = Sdl().SDL_GetCurrentAudioDriver();
    driver_ = name != nullptr ? name : "";
    const std::size_t claimed = [this] {
        const std::scoped_lock hold(endsLock_);
        return channelEnds_.size();
    }();
    Sdl().Mix_AllocateChannels(std::max(MIX_CHANNELS, static_cast<int>(claimed)));
    openDevice = this;
    Sdl().Mix_ChannelFinished(&OnChannelFinished);
    Sdl().Mix_HookMusicFinished(&OnMusicFinished);
    return true;
}

void AudioDevice::CloseMixer() {
    if (state_ == State::Closed) {
        return;
    }
    watch_.Stop();
    Sdl().Mix_SetPostMix(nullptr, nullptr);
    Sdl().Mix_HaltChannel(-1);
    Sdl().Mix_HaltMusic();
    Sdl().Mix_ChannelFinished(nullptr);
    Sdl().Mix_HookMusicFinished(nullptr);
    openDevice = nullptr;
    Sdl().Mix_CloseAudio();
    state_ = State::Closed;
}

void AudioDevice::WatchForIdle() {
    idleMixes_ = 0;
    closeAsked_ = false;
    Sdl().Mix_SetPostMix(&AudioDevice::AfterMix, this);
}

void AudioDevice::AfterMix(void* device, unsigned char* /*stream*/, int /*length*/) {
    auto* self = static_cast<AudioDevice*>(device);
    self->watch_.Mixed();
    // Held sounds count as playing: they may go on.
    if (Sdl().Mix_Playing(-1) != 0 || Sdl().Mix_PlayingMusic() != 0) {
        self->idleMixes_ = 0;
        return;
    }
    if (++self->idleMixes_ < kIdleMixesBeforeClosing || self->closeAsked_.exchange(true)) {
        return;
    }
    // The device cannot be closed from its own thread.
    if (QCoreApplication* app = QCoreApplication::instance()) {
        QMetaObject::invokeMethod(
            app, [] { Instance().CloseIfIdle(); }, Qt::QueuedConnection);
    }
}

void AudioDevice::CloseIfIdle() {
    if (state_ != State::Closed && closeAsked_ && Sdl().Mix_Playing(-1) == 0 &&
        Sdl().Mix_PlayingMusic() == 0) {
        if (state_ == State::Decoding) {
            CloseSilent();
        } else {
            CloseMixer();
        }
        return;
    }
    idleMixes_ = 0;
    closeAsked_ = false;
}

int AudioDevice::ClaimChannel(EndListener listener) {
    int channel = 0;
    {
        const std::scoped_lock hold(endsLock_);
        auto free = std::find_if(channelEnds_.begin(), channelEnds_.end(),
                                 [](const EndListener& taken) { return !taken; });
        if (free == channelEnds_.end()) {
            free = channelEnds_.insert(channelEnds_.end(), EndListener{});
        }
        *free = std::move(listener);
        channel = static_cast<int>(free - channelEnds_.begin());
    }
    if (state_ != State::Closed && channel >= Sdl().Mix_AllocateChannels(-1)) {
        Sdl().Mix_AllocateChannels(channel + 1);
    }
    return channel;
}

void AudioDevice::ReleaseChannel(int channel) {
    const std::scoped_lock hold(endsLock_);
    if (channel >= 0 && channel < static_cast<int>(channelEnds_.size())) {
        channelEnds_[channel] = nullptr;
    }
}

void AudioDevice::ListenToMusic(EndListener listener) {
    const std::scoped_lock hold(endsLock_);
    musicEnd_ = std::move(listener);
}

void AudioDevice::OnChannelFinished(int channel) {
    if (openDevice == nullptr) {
        return;
    }
    const std::scoped_lock hold(openDevice->endsLock_);
    const auto& ends = openDevice->channelEnds_;
    if (channel >= 0 && channel < static_cast<int>(ends.size()) && ends[channel]) {
        ends[channel]();
    }
}

void AudioDevice::OnMusicFinished() {
    if (openDevice == nullptr) {
        return;
    }
    const std::scoped_lock hold(openDevice->endsLock_);
    if (openDevice->musicEnd_) {
        openDevice->musicEnd_();
    }
}

}  // namespace zunpeko
