// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <memory>
#include <optional>

#include "MediaTrack.h"

namespace zunpeko {

// An invisible media player on the main window: one sound file, played,
// stopped and rewound on command, with a notification when a command it was
// asked to report on has finished. The commands throw PlatformError; every
// command except Open fails with "MCI ﾃﾞﾊﾞｲｽがありません" while no file is open.
//
// Notifications are always posted, never emitted inside a command: they
// arrive as queued calls on the thread the player lives on (the user-interface
// thread), even when the sound ended on SDL's audio thread. An error thrown by
// a handler of Notified therefore reaches the event loop, not a command.
//
// A play reports Successful when its sound runs out, Superseded when another
// command that asks for a notification arrives first, Aborted when a command
// that asks for none (stop, rewind, open, close, another play) cuts it off,
// and Failure when the mixer will not start it (the play also throws). A
// stop, open or close that asks for a notification reports Successful once
// it is done.
//
// SDL_mixer streams one ".mp3" at a time, and the game has one player with an
// MP3 file: of several, the one that plays last would cut the others off
// unannounced, and each one's commands would act on the music playing.
class MediaPlayer : public QObject {
    Q_OBJECT

  public:
    enum class Result { Successful, Superseded, Aborted, Failure };
    Q_ENUM(Result)

    explicit MediaPlayer(QObject* parent = nullptr);
    ~MediaPlayer() override;

    // Closes the file open before, then opens this one; the extension picks
    // how it is played (".wav" or ".mp3"). On failure the player is left with
    // no file and the error carries the media system's text.
    void Open(const QString& fileName);
    void Close();
    // Plays from the current position and returns at once. There is no
    // automatic rewinding: a play at the end of the file plays nothing and
    // reports Successful straight away.
    void Play();
    // Stops playing and keeps the position; on return the sound is silent.
    void Stop();
    // Goes back to the start. It asks for no notification, and neither uses
    // nor forgets a SetNotify given for the next command.
    void Rewind();

    // Whether the next Play, Stop, Open or Close asks for a notification;
    // forgotten once that command has run. Without it, Play asks for one and
    // the others do not.
    void SetNotify(bool on);

    bool IsOpen() const { return track_ != nullptr; }
    const QString& FileName() const { return fileName_; }

  signals:
    void Notified(zunpeko::MediaPlayer::Result result);

    // The player's own: each is connected, queued, back to the player, which
    // is how a report or a sound's end reaches the player's thread from
    // wherever it arose.
    void ResultPosted(zunpeko::MediaPlayer::Result result, QPrivateSignal);
    void SoundRanOut(quint64 run, QPrivateSignal);

  private:
    enum class Position { Start, Playing, Stopped, End };

    void RequireOpen() const;
    bool TakeNotify(bool byDefault);
    void SettlePendingPlay(bool nextCommandNotifies);
    void CloseTrack(bool nextCommandNotifies);
    void StartSound();
    bool ResumeSound();
    void ForgetRun();
    void Post(Result result);
    void SoundEndedAnyThread();
    void SoundEnded(quint64 run);

    std::unique_ptr<MediaTrack> track_;
    QString fileName_;
    Position position_ = Position::Start;
    std::optional<bool> notifyNext_;
    bool playPending_ = false;
    // Each start of the sound is one run; an end heard from the mixer counts
    // only if it belongs to the run still under way. Zero while nothing runs,
    // so the halts the player makes itself are never taken for a run's end.
    std::atomic<quint64> currentRun_ = 0;
    quint64 lastRun_ = 0;
};

}  // namespace zunpeko
