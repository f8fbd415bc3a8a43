// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoreLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <utility>

namespace zunpeko {
namespace {

// Another copy holds the lock only while it writes a few hundred bytes.
constexpr int kWaitMs = 5000;
constexpr int kPollMs = 20;
// A holder takes its file lock a moment after making the file; younger than
// this, a file without one may still be in that moment.
constexpr qint64 kFreshMs = 200;
// A lock holds a process id, a program name and a host name.
constexpr off_t kLargestLock = 4096;

}  // namespace

StoreLock::StoreLock(const QString& storePath, Wait wait)
    : path_(storePath + QStringLiteral(".lock")), lock_(path_), wait_(std::move(wait)) {}

bool StoreLock::Take() {
    // The polls are counted rather than timed, so the time a waiting window
    // spends painting does not eat into the wait.
    for (int waited = 0;; waited += kPollMs) {
        if (!CouldBeALock()) {
            return false;
        }
        if (lock_.tryLock(0)) {
            return true;
        }
        if (lock_.error() != QLockFile::LockFailedError || waited >= kWaitMs) {
            return false;  // no permission, a full disk, or a holder that stays
        }
        if (IsAbandoned()) {
            if (!lock_.removeStaleLockFile()) {
                return false;  // abandoned, but not ours to clear
            }
            continue;
        }
        wait_(kPollMs);
    }
}

bool StoreLock::CouldBeALock() const {
    const QByteArray path = QFile::encodeName(path_);
    struct stat status {};
    if (::lstat(path.constData(), &status) != 0) {
        return errno == ENOENT;
    }
    return S_ISREG(status.st_mode) && status.st_size <= kLargestLock &&
           ::access(path.constData(), R_OK | W_OK) == 0;
}

bool StoreLock::IsAbandoned() const {
    const QFileInfo info(path_);
    if (!info.exists() || info.lastModified().msecsTo(QDateTime::currentDateTime()) < kFreshMs) {
        return false;
    }
    // Never blocking, never through a link: what is here may have changed
    // since it was looked at.
    const int fd = ::open(QFile::encodeName(path_).constData(),
                          O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool nobodyHoldsIt = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return nobodyHoldsIt;
}

}  // namespace zunpeko
