// SPDX-License-Identifier: GPL-3.0-or-later
#include "MediaPlayer.h"

#include "ChunkTrack.h"
#include "MediaErrors.h"
#include "MusicTrack.h"
#include "PlatformError.h"

namespace zunpeko {
namespace {

// The kind of track the extension calls for, in any letter case, the way the
// system's media layer picks a device: ".wav" decoded whole and played on a
// channel, ".mp3" streamed as music.
std::unique_ptr<MediaTrack> LoadTrack(const QString& fileName, EndListener onEnded) {
    if (fileName.endsWith(u".wav", Qt::CaseInsensitive)) {
        return ChunkTrack::Load(fileName, std::move(onEnded));
    }
    if (fileName.endsWith(u".mp3", Qt::CaseInsensitive)) {
        return MusicTrack::Load(fileName, std::move(onEnded));
    }
    throw UnknownMediaError(fileName);
}

}  // namespace

MediaPlayer::MediaPlayer(QObject* parent) : QObject(parent) {
    connect(this, &MediaPlayer::ResultPosted, this, &MediaPlayer::Notified, Qt::QueuedConnection);
    connect(this, &MediaPlayer::SoundRanOut, this, &MediaPlayer::SoundEnded, Qt::QueuedConnection);
}

MediaPlayer::~MediaPlayer() {
    currentRun_ = 0;
    track_.reset();
}

void MediaPlayer::Open(const QString& fileName) {
    const bool notify = TakeNotify(false);
    CloseTrack(notify);
    track_ = LoadTrack(fileName, [this] { SoundEndedAnyThread(); });
    fileName_ = fileName;
    if (notify) {
        Post(Result::Successful);
    }
}

void MediaPlayer::Close() {
    RequireOpen();
    const bool notify = TakeNotify(false);
    CloseTrack(notify);
    if (notify) {
        Post(Result::Successful);
    }
}

void MediaPlayer::Play() {
    RequireOpen();
    const bool notify = TakeNotify(true);
    SettlePendingPlay(notify);
    if (position_ == Position::Start) {
        try {
            StartSound();
        } catch (const PlatformError&) {
            if (notify) {
                Post(Result::Failure);
            }
            throw;
        }
    } else if (position_ == Position::Stopped && !ResumeSound()) {
        position_ = Position::End;
    }
    if (position_ == Position::End) {
        if (notify) {
            Post(Result::Successful);
        }
        return;
    }
    playPending_ = notify;
}

void MediaPlayer::Stop() {
    RequireOpen();
    const bool notify = TakeNotify(false);
    SettlePendingPlay(notify);
    if (position_ == Position::Playing) {
        ForgetRun();
        track_->Pause();
        position_ = Position::Stopped;
    }
    if (notify) {
        Post(Result::Successful);
    }
}

void MediaPlayer::Rewind() {
    RequireOpen();
    SettlePendingPlay(false);
    ForgetRun();
    track_->Halt();
    position_ = Position::Start;
}

void MediaPlayer::SetNotify(bool on) {
    notifyNext_ = on;
}

void MediaPlayer::RequireOpen() const {
    if (!track_) {
        throw NoDeviceError();
    }
}

bool MediaPlayer::TakeNotify(bool byDefault) {
    const bool notify = notifyNext_.value_or(byDefault);
    notifyNext_.reset();
    return notify;
}

void MediaPlayer::SettlePendingPlay(bool nextCommandNotifies) {
    if (playPending_) {
        playPending_ = false;
        Post(nextCommandNotifies ? Result::Superseded : Result::Aborted);
    }
}

void MediaPlayer::CloseTrack(bool nextCommandNotifies) {
    SettlePendingPlay(nextCommandNotifies);
    ForgetRun();
    track_.reset();
    fileName_.clear();
    position_ = Position::Start;
}

void MediaPlayer::StartSound() {
    // The run is marked before the sound starts, so that even a sound shorter
    // than the mixer's buffer ends within its own run.
    currentRun_ = ++lastRun_;
    try {
        track_->PlayFromStart();
    } catch (const PlatformError&) {
        ForgetRun();
        throw;
    }
    position_ = Position::Playing;
}

bool MediaPlayer::ResumeSound() {
    currentRun_ = ++lastRun_;
    if (!track_->Resume()) {
        ForgetRun();
        return false;
    }
    position_ = Position::Playing;
    return true;
}

void MediaPlayer::ForgetRun() {
    currentRun_ = 0;
}

void MediaPlayer::Post(Result result) {
    emit ResultPosted(result, QPrivateSignal());
}

void MediaPlayer::SoundEndedAnyThread() {
    const quint64 run = currentRun_;
    if (run != 0) {
        emit SoundRanOut(run, QPrivateSignal());
    }
}

void MediaPlayer::SoundEnded(quint64 run) {
    // A stop, rewind or close since the sound ran out has already settled
    // its notification; this late end is no longer news.
    if (run != currentRun_) {
        return;
    }
    ForgetRun();
    position_ = Position::End;
    if (playPending_) {
        playPending_ = false;
        emit Notified(Result::Successful);
    }
}

}  // namespace zunpeko
