// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <string>
#include <string_view>

namespace zunpeko::testing {

// A file's bytes, or "(missing)" when it cannot be read.
inline std::string ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "(missing)";
}

// Makes the file, and its folder if need be, hold exactly `bytes`.
inline bool WriteBytes(const QString& path, std::string_view bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    const auto size = static_cast<qint64>(bytes.size());
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes.data(), size) == size;
}

// A fresh temporary folder, removed afterwards with everything in it, even
// what a test made read-only.
class ScratchFolder {
  public:
    ScratchFolder() = default;
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder() {
        constexpr auto kOwnerAll = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
        QFile::setPermissions(dir_.path(), kOwnerAll);
        QDirIterator it(dir_.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile::setPermissions(it.next(), kOwnerAll);
        }
    }

    QString Path(const QString& name = {}) const {
        return name.isEmpty() ? dir_.path() : dir_.filePath(name);
    }
    // The hi-score store's folder in it, and its file with `suffix` appended
    // (".bak", ".lock", ...), laid out as in the user's data folder.
    QString StoreFolder() const { return Path(QStringLiteral("zunpeko")); }
    QString Store(const QString& suffix = {}) const {
        return StoreFolder() + QStringLiteral("/user.reg") + suffix;
    }

  private:
    QTemporaryDir dir_;
};

}  // namespace zunpeko::testing
