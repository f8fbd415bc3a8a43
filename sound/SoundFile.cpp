// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>
#include <utility>

#include "Cp932.h"

namespace zunpeko {
namespace {

constexpr qint64 kMiB = qint64{1024} * 1024;

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }
    int Release() { return std::exchange(fd_, -1); }

  private:
    int fd_;
};

[[noreturn]] void Refuse(const QString& text, const QString& fileName, const QString& reason) {
    throw SoundFileError(FromDisplay(text), fileName, reason);
}

QString TooLargeText(const QString& fileName) {
    return QStringLiteral("Couldn't open '%1': larger than %2 MiB")
        .arg(fileName)
        .arg(kSoundFileLimit / kMiB);
}

QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// The file opened and checked; its size goes to `size`.
int OpenChecked(const QString& fileName, const QString& cannotOpenText, off_t& size) {
    const QByteArray path = QFile::encodeName(fileName);
    Descriptor file(::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.Get() < 0) {
        Refuse(cannotOpenText, fileName, SystemReason(errno));
    }
    struct stat status {};
    if (::fstat(file.Get(), &status) != 0) {
        Refuse(cannotOpenText, fileName, SystemReason(errno));
    }
    if (!S_ISREG(status.st_mode)) {
        Refuse(cannotOpenText, fileName, QStringLiteral("not a regular file"));
    }
    if (status.st_size > kSoundFileLimit) {
        Refuse(TooLargeText(fileName), fileName,
               QStringLiteral("larger than the limit for a sound file"));
    }
    size = status.st_size;
    return file.Release();
}

}  // namespace

std::FILE* OpenSoundFile(const QString& fileName, const QString& cannotOpenText) {
    off_t size = 0;
    Descriptor file(OpenChecked(fileName, cannotOpenText, size));
    FILE* stream = ::fdopen(file.Get(), "rb");
    if (stream == nullptr) {
        Refuse(cannotOpenText, fileName, SystemReason(errno));
    }
    file.Release();
    return stream;
}

void CheckSoundLength(const QString& fileName, double seconds) {
    if (seconds > kLongestSoundSeconds) {
        Refuse(QStringLiteral("Couldn't open '%1': longer than %2 minutes")
                   .arg(fileName)
                   .arg(kLongestSoundSeconds / 60),
               fileName, QStringLiteral("plays for longer than the limit for a sound"));
    }
}

QByteArray ReadSoundFile(const QString& fileName, const QString& cannotOpenText) {
    off_t size = 0;
    const Descriptor file(OpenChecked(fileName, cannotOpenText, size));
    // The size was read before: a file that grows meanwhile is read up to
    // the limit and no further.
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(size));
    char block[65536];
    for (;;) {
        const ssize_t got = ::read(file.Get(), block, sizeof block);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            Refuse(cannotOpenText, fileName, SystemReason(errno));
        }
        if (got == 0) {
            break;
        }
        if (bytes.size() + got > kSoundFileLimit) {
            Refuse(TooLargeText(fileName), fileName,
                   QStringLiteral("grew beyond the limit for a sound file"));
        }
        bytes.append(block, got);
    }
    return bytes;
}

}  // namespace zunpeko
