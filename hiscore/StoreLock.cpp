// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoreLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDateTime>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace zunpeko {
namespace {

// Another copy holds the lock only while it writes a few hundred bytes.
constexpr int kWaitMs = 5000;
constexpr int kPollMs = 20;
// A holder takes its file lock a moment after making the file; younger than
// this, a file without one may still be in that moment.
constexpr qint64 kFreshMs = 200;

}  // namespace

StoreLock::StoreLock(const QString& storePath)
    : path_(storePath + QStringLiteral(".lock")), lock_(path_) {}

bool StoreLock::Take() {
    const QDeadlineTimer deadline(kWaitMs);
    while (true) {
        if (lock_.tryLock(0)) {
            return true;
        }
        if (lock_.error() != QLockFile::LockFailedError || deadline.hasExpired()) {
            return false;  // no permission, a full disk, or a holder that stays
        }
        if (IsAbandoned()) {
            lock_.removeStaleLockFile();
            continue;
        }
        QThread::msleep(kPollMs);
    }
}

bool StoreLock::IsAbandoned() const {
    const QFileInfo info(path_);
    if (!info.exists() || info.lastModified().msecsTo(QDateTime::currentDateTime()) < kFreshMs) {
        return false;
    }
    const int fd = ::open(QFile::encodeName(path_).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool nobodyHoldsIt = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return nobodyHoldsIt;
}

}  // namespace zunpeko
