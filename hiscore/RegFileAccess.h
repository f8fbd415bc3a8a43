#pragma once

#include <QString>
#include <optional>

#include "RegDocument.h"

// Reading and writing the per-user store file, where no step may lose what
// the file held before.
namespace zunpeko::regfile {

enum class FileState {
    kMissing,      // nothing there
    kUnreadable,   // a folder, a device, no permission, a read error
    kUnparseable,  // not an export file, or too large to be one of ours
    kParsed,
};

struct FileContents {
    FileState state = FileState::kMissing;
    std::optional<RegDocument> document;  // when kParsed
};

FileContents ReadFile(const QString& path);

// The folder lets files be created and replaced in it, and the file (if there
// is one) may be written.
bool IsWritable(const QString& path);

// Copies the file beside itself as "<name>.bak", or "<name>.bak1", "<name>.bak2",
// ... when that is taken. False if no copy could be made.
bool KeepAside(const QString& path);

// Replaces the file as a whole: a crash or a kill at any moment leaves either
// the old file or the new one.
bool WriteFile(const QString& path, const RegDocument& document);

}  // namespace zunpeko::regfile
