// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
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

// How the file's bytes hold its text. A file is written back the way it was
// read: the registry editor's Unicode export in UTF-16 with a byte-order
// mark, an export an editor saved as UTF-8 with one, or code page 932.
enum class FileFormat { kCp932, kUtf8WithBom, kUtf16LeWithBom };

struct FileContents {
    FileState state = FileState::kMissing;
    std::optional<RegDocument> document;  // when kParsed
    FileFormat format = FileFormat::kCp932;
};

FileContents ReadFile(const QString& path);

// The folder lets files be created and replaced in it, and the file (if there
// is one) may be written.
bool IsWritable(const QString& path);

// Copies the file beside itself as "<name>.bak", or "<name>.bak1", "<name>.bak2",
// ... when that is taken, and gives the copy's path. A copy already holding
// the same bytes is not made again: its path is given. An empty file needs no
// copy: the path is empty. Nothing if no copy could be made.
std::optional<QString> KeepAside(const QString& path);

// Replaces the file as a whole, in the given format: a crash or a kill at any
// moment leaves either the old file or the new one, and any failure (a full
// disk among them) leaves the old one. A document too large for ReadFile to
// take back is not written. A link is followed: the file it names is replaced.
bool WriteFile(const QString& path, const RegDocument& document, FileFormat format);

// Removes temporaries that a write killed halfway left beside the file. Only
// names that WriteFile makes are touched, so call it only while no other
// program can be writing (under the store's lock).
void RemoveLeftoverTemporaries(const QString& path);

}  // namespace zunpeko::regfile
