// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChunkTrack.h"

#include <utility>

#include "AudioDevice.h"
#include "MediaErrors.h"
#include "SdlLibrary.h"

namespace zunpeko {

std::unique_ptr<ChunkTrack> ChunkTrack::Load(const QString& fileName, EndListener onEnded) {
    ChunkPtr chunk = LoadWave(fileName);
    return std::unique_ptr<ChunkTrack>(new ChunkTrack(std::move(chunk), std::move(onEnded)));
}

ChunkTrack::ChunkTrack(ChunkPtr chunk, EndListener onEnded)
    : chunk_(std::move(chunk)),
      channel_(AudioDevice::Instance().ClaimChannel(std::move(onEnded))) {}

ChunkTrack::~ChunkTrack() {
    // Stop listening first: the halt below must not report to a player that
    // is closing this track.
    AudioDevice::Instance().ReleaseChannel(channel_);
    Halt();
}

void ChunkTrack::PlayFromStart() {
    ClearMediaError();
    if (!AudioDevice::Instance().Wake() ||
        Sdl().Mix_PlayChannelTimed(channel_, chunk_.get(), 0, -1) < 0) {
        throw MediaSystemError();
    }
}

void ChunkTrack::Pause() {
    if (AudioDevice::Instance().HasChannels()) {
        Sdl().Mix_Pause(channel_);
    }
}

bool ChunkTrack::Resume() {
    // A paused channel still counts as playing; one whose sound ran out does not.
    if (!AudioDevice::Instance().HasChannels() || Sdl().Mix_Playing(channel_) == 0) {
        return false;
    }
    Sdl().Mix_Resume(channel_);
    return true;
}

void ChunkTrack::Halt() {
    if (AudioDevice::Instance().HasChannels()) {
        Sdl().Mix_HaltChannel(channel_);
    }
}

}  // namespace zunpeko
