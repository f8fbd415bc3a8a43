// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/stat.h>

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "RegDocument.h"
#include "RegFileAccess.h"
#include "Registry.h"

namespace zunpeko {

class StoreLock;

// The current user's registry kept in one export file (REGEDIT4 in code page
// 932, or the registry editor's Unicode export, written back as it came).
//
// A key "opens" when the file exists, is an export file and holds the key;
// full access also needs the file and its folder to be writable. One key is
// open at a time: opening another closes it. Creating a key makes the folder
// and the file when they are missing. Values are read from the file as it was
// when the key was opened, or when an update began or refreshed it; each
// write starts from the file as it is (read once per update, under its lock),
// changes those values and replaces the file as a whole, so changes others
// made meanwhile are kept. Every write holds a lock file beside the store
// ("user.reg.lock"), so two copies of the game never write at once.
//
// Nothing the file held is ever lost: a file that is not an export file (or
// is too large to be one of ours) counts as holding no key, and is copied
// aside ("user.reg.bak", "user.reg.bak1", ...) before the first write replaces
// it; a link to such a file, a folder, an unreadable file or a read-only file
// or folder in the way makes the writes fail instead.
class FileRegistry final : public Registry {
  public:
    explicit FileRegistry(QString filePath);
    ~FileRegistry() override;
    FileRegistry(const FileRegistry&) = delete;
    FileRegistry& operator=(const FileRegistry&) = delete;

    // "<user data folder>/zunpeko/user.reg": $XDG_DATA_HOME when it is an
    // absolute path, else ~/.local/share, with the home folder from $HOME or
    // else the password database. Empty when there is no home to use. A
    // folder whose name is not UTF-8 is reached by its bytes, through a
    // descriptor ("/proc/self/fd/<n>/zunpeko/user.reg").
    static QString DefaultFilePath();

    const QString& FilePath() const { return path_; }

    // How the writes wait for another copy's lock; by default they sleep.
    void SetLockWait(std::function<void(int ms)> wait) { lockWait_ = std::move(wait); }

    // What the player should hear of since the last call, or nothing: the
    // copy a file that could not be read was kept in, or that the store is a
    // link to a file that is not a store, which is left alone (said once).
    struct Notice {
        enum class Kind { kKeptCopy, kLinkLeftAlone };
        Kind kind;
        QString path;  // the copy, or the file the link names
    };
    std::optional<Notice> TakeNotice();

    std::optional<RegKey> OpenKey(std::string_view subkey, RegAccess access) override;
    std::optional<RegKey> CreateKey(std::string_view subkey) override;
    std::optional<RegValue> QueryValue(RegKey key, std::string_view name) override;
    bool SetValue(RegKey key, std::string_view name, const RegValue& value) override;
    // All the values in one replacement of the file: all of them or none.
    std::size_t SetValues(RegKey key, const NamedValues& values) override;
    void CloseKey(RegKey key) override;
    Update BeginUpdate(RegKey key) override;
    void EndUpdate(RegKey key) override;
    Update Refresh(RegKey key) override;
    bool KeepCopyAside(RegKey key) override;

  private:
    struct OpenedKey {
        RegKey handle;
        std::string path;  // full path, "HKEY_CURRENT_USER\\..."
        RegAccess access;
    };
    // The file as the system describes it: another copy's save is a new file,
    // and an edit changes its size or its times.
    struct FileStamp {
        dev_t device;
        ino_t inode;
        off_t size;
        timespec modified;
        timespec changed;
        bool operator==(const FileStamp& other) const;
    };

    static std::optional<FileStamp> StampOf(const QString& path);
    const OpenedKey* Opened(RegKey key) const;
    regfile::FileContents Read();
    Update TakeIfChanged(const regfile::FileContents& contents);
    bool Lock();
    void Unlock();
    bool Write(const RegDocument& document);
    bool KeepAsideNow();
    std::optional<RegDocument> ReadyForWriting();
    RegKey Remember(std::string_view subkey, RegAccess access);

    QString path_;
    RegDocument document_;  // the file as last read or written
    regfile::FileFormat format_ = regfile::FileFormat::kCp932;
    std::optional<FileStamp> stamp_;  // of the file when last read or written
    // The file as read when the update under way began, for its writes.
    std::optional<regfile::FileContents> held_;
    std::optional<OpenedKey> key_;
    std::uint32_t handlesGiven_ = 0;
    std::function<void(int ms)> lockWait_;
    std::unique_ptr<StoreLock> lock_;
    int lockDepth_ = 0;
    std::optional<Notice> notice_;
    bool linkReported_ = false;
};

}  // namespace zunpeko
