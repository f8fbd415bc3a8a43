// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileRegistry.h"

#include "StoreLock.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <utility>
#include <vector>

namespace zunpeko {
namespace {

constexpr std::string_view kUserRoot = "HKEY_CURRENT_USER\\";

std::string FullPath(std::string_view subkey) {
    return std::string(kUserRoot) + std::string(subkey);
}

// A home folder worth keeping files in: an absolute path other than the root
// of the file system (where a service account's "home" often points).
bool IsUsableHome(const QByteArray& home) {
    return home.startsWith('/') && QDir::cleanPath(QFile::decodeName(home)) != QStringLiteral("/");
}

QByteArray HomeFolder() {
    QByteArray fromEnvironment = qgetenv("HOME");
    if (IsUsableHome(fromEnvironment)) {
        return fromEnvironment;
    }
    const long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr) {
        QByteArray fromPasswd(found->pw_dir);
        if (IsUsableHome(fromPasswd)) {
            return fromPasswd;
        }
    }
    return {};
}

// Makes the folder and those above it that are missing, private to the user
// as the base directory rules ask.
void MakeFolders(const QByteArray& folder) {
    for (qsizetype slash = folder.indexOf('/', 1); slash >= 0;
         slash = folder.indexOf('/', slash + 1)) {
        ::mkdir(folder.left(slash).constData(), 0700);
    }
    ::mkdir(folder.constData(), 0700);
}

constexpr QLatin1StringView kDescriptorFolders("/proc/self/fd/");

// Qt takes file names for UTF-8, and a name in other bytes (a Latin-1 "é")
// would become another name, with U+FFFD in it. Such a folder is reached
// through a descriptor opened by its bytes and kept for the life of the
// program, the folder made first as the first start would make it. Empty
// when it cannot be had.
QString NameQtCanUse(const QByteArray& folder) {
    QString name = QFile::decodeName(folder);
    if (QFile::encodeName(name) == folder) {
        return name;
    }
    MakeFolders(folder);
    const int fd = ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    return fd < 0 ? QString() : kDescriptorFolders + QString::number(fd);
}

// A path as the player knows it: through its folder's real name, not the
// descriptor's.
QString AsShown(const QString& path) {
    return path.startsWith(kDescriptorFolders) ? QFileInfo(path).canonicalFilePath() : path;
}

}  // namespace

FileRegistry::FileRegistry(QString filePath)
    : path_(std::move(filePath)), lockWait_([](int ms) { QThread::msleep(ms); }) {}

FileRegistry::~FileRegistry() = default;

QString FileRegistry::DefaultFilePath() {
    // Qt takes a relative XDG_DATA_HOME as it stands and makes "/.local/share"
    // of a missing HOME; the base directory rules ask for neither.
    QByteArray data = qgetenv("XDG_DATA_HOME");
    if (!data.startsWith('/')) {
        const QByteArray home = HomeFolder();
        if (home.isEmpty()) {
            return {};
        }
        data = home + "/.local/share";
    }
    const QString folder = NameQtCanUse(data);
    if (folder.isEmpty()) {
        return {};
    }
    return QDir::cleanPath(folder) + QStringLiteral("/zunpeko/user.reg");
}

std::optional<FileRegistry::Notice> FileRegistry::TakeNotice() {
    return std::exchange(notice_, std::nullopt);
}

std::optional<RegKey> FileRegistry::OpenKey(std::string_view subkey, RegAccess access) {
    if (path_.isEmpty()) {
        return std::nullopt;
    }
    auto contents = Read();
    if (contents.state != regfile::FileState::kParsed ||
        !contents.document->HasKey(FullPath(subkey))) {
        return std::nullopt;
    }
    if (access == RegAccess::kFull && !regfile::IsWritable(path_)) {
        return std::nullopt;
    }
    document_ = std::move(*contents.document);
    format_ = contents.format;
    return Remember(subkey, access);
}

std::optional<RegKey> FileRegistry::CreateKey(std::string_view subkey) {
    if (path_.isEmpty() || !Lock()) {
        return std::nullopt;
    }
    auto document = ReadyForWriting();
    const std::string path = FullPath(subkey);
    bool created = document.has_value();
    if (created && !document->HasKey(path)) {
        document->AddKey(path);
        created = Write(*document);
    }
    Unlock();
    if (!created) {
        return std::nullopt;
    }
    document_ = std::move(*document);
    return Remember(subkey, RegAccess::kFull);
}

std::optional<RegValue> FileRegistry::QueryValue(RegKey key, std::string_view name) {
    const OpenedKey* opened = Opened(key);
    return opened != nullptr ? document_.FindValue(opened->path, name) : std::nullopt;
}

bool FileRegistry::SetValue(RegKey key, std::string_view name, const RegValue& value) {
    return SetValues(key, {{std::string(name), value}}) == 1;
}

std::size_t FileRegistry::SetValues(RegKey key, const NamedValues& values) {
    const OpenedKey* opened = Opened(key);
    if (opened == nullptr || opened->access != RegAccess::kFull || !Lock()) {
        return 0;
    }
    auto document = ReadyForWriting();
    if (document) {
        for (const auto& [name, value] : values) {
            document->SetValue(opened->path, name, value);
        }
    }
    const bool written = document && Write(*document);
    Unlock();
    if (!written) {
        return 0;
    }
    document_ = std::move(*document);
    return values.size();
}

void FileRegistry::CloseKey(RegKey key) {
    if (Opened(key) != nullptr) {
        key_.reset();
    }
}

Registry::Update FileRegistry::BeginUpdate(RegKey key) {
    if (Opened(key) == nullptr || !Lock()) {
        return Update::kRefused;
    }
    // The one read of the update: its writes start from it.
    held_ = Read();
    return TakeIfChanged(*held_);
}

void FileRegistry::EndUpdate(RegKey key) {
    if (Opened(key) != nullptr) {
        Unlock();
    }
}

// Without the lock: every write replaces the file whole by a rename, so a
// read sees one copy's save or the next, never half of one. A file that is
// as it was when last read or written is not read again.
Registry::Update FileRegistry::Refresh(RegKey key) {
    if (Opened(key) == nullptr || (stamp_ && StampOf(path_) == stamp_)) {
        return Update::kAsLastSeen;
    }
    return TakeIfChanged(Read());
}

bool FileRegistry::KeepCopyAside(RegKey key) {
    return Opened(key) != nullptr && KeepAsideNow();
}

bool FileRegistry::FileStamp::operator==(const FileStamp& other) const {
    const auto same = [](const timespec& a, const timespec& b) {
        return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
    };
    return device == other.device && inode == other.inode && size == other.size &&
           same(modified, other.modified) && same(changed, other.changed);
}

std::optional<FileRegistry::FileStamp> FileRegistry::StampOf(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        return std::nullopt;
    }
    return FileStamp{status.st_dev, status.st_ino, status.st_size, status.st_mtim, status.st_ctim};
}

const FileRegistry::OpenedKey* FileRegistry::Opened(RegKey key) const {
    return key_ && key_->handle == key ? &*key_ : nullptr;
}

// The stamp first: a change made between the two is then seen at the next
// refresh, not missed.
regfile::FileContents FileRegistry::Read() {
    stamp_ = StampOf(path_);
    return regfile::ReadFile(path_);
}

Registry::Update FileRegistry::TakeIfChanged(const regfile::FileContents& contents) {
    if (contents.state != regfile::FileState::kParsed ||
        contents.document->Text() == document_.Text()) {
        return Update::kAsLastSeen;
    }
    document_ = *contents.document;
    format_ = contents.format;
    return Update::kChangedMeanwhile;
}

bool FileRegistry::KeepAsideNow() {
    const auto copy = regfile::KeepAside(path_);
    if (copy && !copy->isEmpty()) {
        notice_ = Notice{Notice::Kind::kKeptCopy, AsShown(*copy)};
    }
    return copy.has_value();
}

// The lock is taken once however deeply updates and writes nest. The folder
// is made first: the lock lies in it, and it may have been deleted since the
// game started.
bool FileRegistry::Lock() {
    if (lockDepth_ == 0) {
        if (!QDir().mkpath(QFileInfo(path_).absolutePath())) {
            return false;
        }
        lock_ = std::make_unique<StoreLock>(path_, lockWait_);
        if (!lock_->Take()) {
            lock_.reset();
            return false;
        }
    }
    ++lockDepth_;
    return true;
}

void FileRegistry::Unlock() {
    if (lockDepth_ > 0 && --lockDepth_ == 0) {
        held_.reset();
        lock_.reset();
    }
}

// A write that succeeds is what the file holds now, for the rest of the update.
bool FileRegistry::Write(const RegDocument& document) {
    // Under the lock no other copy is writing, so any temporary still there
    // was left by a write that was killed.
    regfile::RemoveLeftoverTemporaries(path_);
    if (!regfile::WriteFile(path_, document, format_)) {
        return false;
    }
    stamp_ = StampOf(path_);
    held_ = regfile::FileContents{regfile::FileState::kParsed, document, format_};
    return true;
}

// The document a write should start from: the file as it is now (as the
// update read it, or read now), or, when there is none or it is not an export
// file, what we last knew (a new export at first) with the stranger copied
// aside. Nothing when the file may not be replaced, among them a link to a
// file that is not ours to overwrite.
std::optional<RegDocument> FileRegistry::ReadyForWriting() {
    auto contents = held_ ? std::move(*std::exchange(held_, std::nullopt)) : Read();
    if (contents.state == regfile::FileState::kUnreadable || !regfile::IsWritable(path_)) {
        return std::nullopt;
    }
    if (contents.state == regfile::FileState::kParsed) {
        format_ = contents.format;
        return std::move(contents.document);
    }
    if (contents.state == regfile::FileState::kUnparseable && QFileInfo(path_).isSymLink()) {
        if (!std::exchange(linkReported_, true)) {
            notice_ =
                Notice{Notice::Kind::kLinkLeftAlone, AsShown(QFileInfo(path_).symLinkTarget())};
        }
        return std::nullopt;
    }
    if (contents.state == regfile::FileState::kUnparseable && !KeepAsideNow()) {
        return std::nullopt;
    }
    return document_;
}

RegKey FileRegistry::Remember(std::string_view subkey, RegAccess access) {
    const auto handle = static_cast<RegKey>(++handlesGiven_);
    key_ = OpenedKey{handle, FullPath(subkey), access};
    return handle;
}

}  // namespace zunpeko
