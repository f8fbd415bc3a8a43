// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLockFile>
#include <QString>
#include <functional>

namespace zunpeko {

// The lock file beside the store that keeps two copies of the game from
// writing at once. QLockFile sees through a lock whose holder has died, but
// not through one that a kill left empty (the holder died between making the
// file and writing its name in it): such a file is taken as abandoned when
// nobody holds the file lock every live holder keeps on it.
//
// Anything else at the lock's name (a folder, a pipe, a link, a file this
// program cannot read and write, or one far larger than a lock) is no lock
// of ours: QLockFile would read it, and a pipe or a device would keep it
// reading for ever. Taking the lock then fails at once.
class StoreLock {
  public:
    // `wait` lets the given milliseconds pass while another copy holds the
    // lock: the window keeps painting meanwhile.
    using Wait = std::function<void(int ms)>;
    StoreLock(const QString& storePath, Wait wait);

    // Waits up to a few seconds for the lock; false if it could not be had.
    // The lock goes with the object.
    bool Take();

  private:
    bool CouldBeALock() const;
    bool IsAbandoned() const;

    QString path_;
    QLockFile lock_;
    Wait wait_;
};

}  // namespace zunpeko
