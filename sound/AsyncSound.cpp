// SPDX-License-Identifier: GPL-3.0-or-later
#include "AsyncSound.h"

#include <QFileInfo>
#include <utility>

#include "AudioDevice.h"
#include "PlatformError.h"
#include "SdlLibrary.h"

namespace zunpeko {

// Nobody waits for a hit to end, but the channel still needs a listener to
// count as taken.
AsyncSound::AsyncSound() : channel_(AudioDevice::Instance().ClaimChannel([] {})) {}

AsyncSound::~AsyncSound() {
    Halt();
    AudioDevice::Instance().ReleaseChannel(channel_);
}

void AsyncSound::Halt() const {
    if (AudioDevice::Instance().HasChannels()) {
        Sdl().Mix_HaltChannel(channel_);
    }
}

void AsyncSound::Play(const QString& fileName) {
    Halt();
    if (fileName.isEmpty()) {
        return;
    }
    if (Mix_Chunk* chunk = Decoded(fileName); chunk != nullptr && AudioDevice::Instance().Wake()) {
        Sdl().Mix_PlayChannelTimed(channel_, chunk, 0, -1);
    }
}

Mix_Chunk* AsyncSound::Decoded(const QString& fileName) {
    const QFileInfo file(fileName);
    if (!file.isFile()) {
        return nullptr;
    }
    FileStamp stamp{file.absoluteFilePath(), file.size(), file.lastModified()};
    if (!(stamp == stamp_)) {
        // A failure is kept for the file as well: a large file of junk read
        // again at every hit would make the game stutter.
        stamp_ = std::move(stamp);
        try {
            chunk_ = LoadWave(fileName);
        } catch (const PlatformError&) {
            chunk_.reset();
        }
    }
    return chunk_.get();
}

}  // namespace zunpeko
