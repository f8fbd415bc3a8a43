#include "AsyncSound.h"

#include <QFileInfo>
#include <utility>

#include "AudioDevice.h"

namespace zunpeko {

// Nobody waits for a hit to end, but the channel still needs a listener to
// count as taken.
AsyncSound::AsyncSound() : channel_(AudioDevice::Instance().ClaimChannel([] {})) {}

AsyncSound::~AsyncSound() {
    Mix_HaltChannel(channel_);
    AudioDevice::Instance().ReleaseChannel(channel_);
}

void AsyncSound::Play(const QString& fileName) {
    Mix_HaltChannel(channel_);
    if (fileName.isEmpty()) {
        return;
    }
    if (Mix_Chunk* chunk = Decoded(fileName)) {
        Mix_PlayChannel(channel_, chunk, 0);
    }
}

Mix_Chunk* AsyncSound::Decoded(const QString& fileName) {
    const QFileInfo file(fileName);
    if (!file.isFile()) {
        return nullptr;
    }
    FileStamp stamp{file.absoluteFilePath(), file.size(), file.lastModified()};
    if (!(stamp == stamp_)) {
        chunk_ = LoadWave(fileName);
        stamp_ = chunk_ ? std::move(stamp) : FileStamp{};
    }
    return chunk_.get();
}

}  // namespace zunpeko
