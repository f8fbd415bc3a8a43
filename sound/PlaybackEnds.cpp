// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlaybackEnds.h"

#include <algorithm>
#include <utility>

namespace zunpeko {

int PlaybackEnds::ClaimChannel(EndListener listener) {
    const std::scoped_lock hold(lock_);
    auto free = std::find_if(channels_.begin(), channels_.end(),
                             [](const EndListener& taken) { return !taken; });
    if (free == channels_.end()) {
        free = channels_.insert(channels_.end(), EndListener{});
    }
    *free = std::move(listener);
    return static_cast<int>(free - channels_.begin());
}

void PlaybackEnds::ReleaseChannel(int channel) {
    const std::scoped_lock hold(lock_);
    if (channel >= 0 && channel < static_cast<int>(channels_.size())) {
        channels_[channel] = nullptr;
    }
}

std::size_t PlaybackEnds::ChannelCount() const {
    const std::scoped_lock hold(lock_);
    return channels_.size();
}

void PlaybackEnds::ChannelEnded(int channel) const {
    const std::scoped_lock hold(lock_);
    if (channel >= 0 && channel < static_cast<int>(channels_.size()) && channels_[channel]) {
        channels_[channel]();
    }
}

void PlaybackEnds::TakeMusic(const void* owner, EndListener listener) {
    const std::scoped_lock hold(lock_);
    musicOwner_ = owner;
    musicListener_ = std::move(listener);
}

void PlaybackEnds::DropMusic(const void* owner) {
    const std::scoped_lock hold(lock_);
    if (musicOwner_ == owner) {
        musicOwner_ = nullptr;
        musicListener_ = nullptr;
    }
}

bool PlaybackEnds::OwnsMusic(const void* owner) const {
    const std::scoped_lock hold(lock_);
    return owner != nullptr && musicOwner_ == owner;
}

void PlaybackEnds::MusicEnded() const {
    const std::scoped_lock hold(lock_);
    if (musicListener_) {
        musicListener_();
    }
}

}  // namespace zunpeko
