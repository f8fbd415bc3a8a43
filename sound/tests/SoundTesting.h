// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QObject>
#include <QString>
#include <cstddef>
#include <functional>
#include <ostream>
#include <vector>

#include "MediaPlayer.h"
#include "TestFiles.h"

namespace zunpeko {

inline void PrintTo(MediaPlayer::Result result, std::ostream* out) {
    static const char* const kNames[] = {"Successful", "Superseded", "Aborted", "Failure"};
    *out << kNames[static_cast<int>(result)];
}

namespace testing_sound {

// A valid mono 16-bit wave file holding a soft tone of the given length.
QByteArray ToneWave(int milliseconds, int rate = 22050);
// A valid MP3 file of silent frames lasting at least the given length.
QByteArray SilentMp3(int milliseconds);
void WriteFile(const QString& path, const QByteArray& bytes);
// A playable file of the given length, MP3 or wave as its name says.
void WriteClip(const QString& path, int milliseconds);

// Polls the event loop until `condition` holds; false after a generous limit.
bool WaitUntil(const std::function<bool()>& condition);

// No channel and no music is playing or held. Once the mixer says so, every
// end it heard has already been posted, so one pass of the event loop
// delivers whatever notification is due.
bool MixerIsSilent();
void DeliverPostedEvents();

// Everything a player reported, and whether each report arrived on the
// user-interface thread.
class NotifyLog {
  public:
    explicit NotifyLog(MediaPlayer& player);
    bool WaitForCount(std::size_t count);

    std::vector<MediaPlayer::Result> results;
    std::vector<bool> onUiThread;

  private:
    QObject receiver_;
};

// A fresh temporary folder, made the current directory while it lives.
class ScratchFolder : public testing::ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

  private:
    QString previous_;
};

}  // namespace testing_sound
}  // namespace zunpeko
