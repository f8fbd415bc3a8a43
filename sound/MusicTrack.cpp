// SPDX-License-Identifier: GPL-3.0-or-later
#include "MusicTrack.h"

#include <utility>

#include "AudioDevice.h"
#include "MediaErrors.h"
#include "SdlLibrary.h"

namespace zunpeko {

std::unique_ptr<MusicTrack> MusicTrack::Load(const QString& fileName, EndListener onEnded) {
    MusicPtr music = LoadMusic(fileName);
    return std::unique_ptr<MusicTrack>(new MusicTrack(std::move(music), std::move(onEnded)));
}

MusicTrack::MusicTrack(MusicPtr music, EndListener onEnded)
    : music_(std::move(music)), onEnded_(std::move(onEnded)) {}

MusicTrack::~MusicTrack() {
    // Stop listening first: the halt below must not report to a player that
    // is closing this track.
    AudioDevice::Instance().ListenToMusic(nullptr);
    Halt();
}

void MusicTrack::PlayFromStart() {
    ClearMediaError();
    if (!AudioDevice::Instance().Wake()) {
        throw MediaSystemError();
    }
    AudioDevice::Instance().ListenToMusic(onEnded_);
    if (Sdl().Mix_PlayMusic(music_.get(), 0) != 0) {
        throw MediaSystemError();
    }
}

void MusicTrack::Pause() {
    if (AudioDevice::Instance().HasChannels()) {
        Sdl().Mix_PauseMusic();
    }
}

bool MusicTrack::Resume() {
    // Paused music still counts as playing; music that ran out does not.
    if (!AudioDevice::Instance().HasChannels() || Sdl().Mix_PlayingMusic() == 0) {
        return false;
    }
    Sdl().Mix_ResumeMusic();
    return true;
}

void MusicTrack::Halt() {
    if (AudioDevice::Instance().HasChannels()) {
        Sdl().Mix_HaltMusic();
    }
}

}  // namespace zunpeko
