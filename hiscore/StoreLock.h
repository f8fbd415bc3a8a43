// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLockFile>
#include <QString>

namespace zunpeko {

// The lock file beside the store that keeps two copies of the game from
// writing at once. QLockFile sees through a lock whose holder has died, but
// not through one that a kill left empty (the holder died between making the
// file and writing its name in it): such a file is taken as abandoned when
// nobody holds the file lock every live holder keeps on it.
class StoreLock {
  public:
    explicit StoreLock(const QString& storePath);

    // Waits up to a few seconds for the lock; false if it could not be had.
    // The lock goes with the object.
    bool Take();

  private:
    bool IsAbandoned() const;

    QString path_;
    QLockFile lock_;
};

}  // namespace zunpeko
