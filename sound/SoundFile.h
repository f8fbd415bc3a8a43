// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdio>

#include "PlatformError.h"

namespace zunpeko {

// Far above any sound the game has; a file larger than this is not one of its sounds.
inline constexpr qint64 kSoundFileLimit = qint64{64} * 1024 * 1024;
// The same for how long a sound decoded whole plays: a small file can hold
// hours of sound at a low rate, which at the mixer's rate take gigabytes.
inline constexpr double kLongestSoundSeconds = 10 * 60;

// A sound file that cannot be used. Its text is what the player is shown (the
// media system's own words where it has some); the file name and the reason
// are for standard error, for whoever has to find the faulty file.
class SoundFileError : public PlatformError {
  public:
    SoundFileError(SjisText text, QString fileName, QString reason)
        : PlatformError(std::move(text)),
          fileName_(std::move(fileName)),
          reason_(std::move(reason)) {}

    const QString& FileName() const { return fileName_; }
    const QString& Reason() const { return reason_; }

  private:
    QString fileName_;
    QString reason_;
};

// Reads a sound file whole. Only a regular file is read, opened without
// waiting: a FIFO or a device under the file's name would otherwise hang the
// game or fill its memory. A file over kSoundFileLimit is refused too.
// `cannotOpenText` is the media system's text for a file that cannot be read.
// Throws SoundFileError.
QByteArray ReadSoundFile(const QString& fileName, const QString& cannotOpenText);

// The same checks, then the file left open for the mixer to stream from.
std::FILE* OpenSoundFile(const QString& fileName, const QString& cannotOpenText);

// Refuses a sound of `seconds` when it is longer than kLongestSoundSeconds.
// Throws SoundFileError.
void CheckSoundLength(const QString& fileName, double seconds);

}  // namespace zunpeko
