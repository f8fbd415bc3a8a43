#pragma once

#include <QString>
#include <cstdint>
#include <map>
#include <string>

#include "RegDocument.h"
#include "Registry.h"

namespace zunpeko {

// The current user's registry kept in one export file (REGEDIT4, code page 932).
//
// A key "opens" when the file exists, is an export file and holds the key;
// full access also needs the file and its folder to be writable. Creating a
// key makes the folder and the file when they are missing. Values are read
// from the file as it was when the key was opened; each write reads the file
// afresh, changes that one value and replaces the file as a whole, so changes
// others made meanwhile are kept.
//
// Nothing the file held is ever lost: a file that is not an export file (or
// is too large to be one of ours) counts as holding no key, and is copied
// aside ("user.reg.bak", "user.reg.bak1", ...) before the first write replaces
// it; a folder, an unreadable file or a read-only file or folder in the way
// makes the operations fail instead.
class FileRegistry final : public Registry {
  public:
    explicit FileRegistry(QString filePath);

    // "<user data folder>/zunpeko/user.reg" (XDG_DATA_HOME, else ~/.local/share);
    // empty when the system names no such folder.
    static QString DefaultFilePath();

    const QString& FilePath() const { return path_; }

    std::optional<RegKey> OpenKey(std::string_view subkey, RegAccess access) override;
    std::optional<RegKey> CreateKey(std::string_view subkey) override;
    std::optional<RegValue> QueryValue(RegKey key, std::string_view name) override;
    bool SetValue(RegKey key, std::string_view name, const RegValue& value) override;
    // All the values in one replacement of the file: all of them or none.
    std::size_t SetValues(RegKey key, const NamedValues& values) override;
    void CloseKey(RegKey key) override;

  private:
    struct OpenedKey {
        std::string path;  // full path, "HKEY_CURRENT_USER\\..."
        RegAccess access;
    };

    std::optional<RegDocument> ReadyForWriting();
    RegKey Remember(std::string_view subkey, RegAccess access);

    QString path_;
    RegDocument document_;  // the file as last read or written
    std::map<std::uint32_t, OpenedKey> keys_;
    std::uint32_t nextHandle_ = 1;
};

}  // namespace zunpeko
