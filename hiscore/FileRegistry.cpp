#include "FileRegistry.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <utility>

#include "RegFileAccess.h"

namespace zunpeko {
namespace {

constexpr std::string_view kUserRoot = "HKEY_CURRENT_USER\\";

std::string FullPath(std::string_view subkey) {
    return std::string(kUserRoot) + std::string(subkey);
}

}  // namespace

FileRegistry::FileRegistry(QString filePath) : path_(std::move(filePath)) {}

QString FileRegistry::DefaultFilePath() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty()) {
        return {};
    }
    return data + QStringLiteral("/zunpeko/user.reg");
}

std::optional<RegKey> FileRegistry::OpenKey(std::string_view subkey, RegAccess access) {
    if (path_.isEmpty()) {
        return std::nullopt;
    }
    auto contents = regfile::ReadFile(path_);
    if (contents.state != regfile::FileState::kParsed ||
        !contents.document->HasKey(FullPath(subkey))) {
        return std::nullopt;
    }
    if (access == RegAccess::kFull && !regfile::IsWritable(path_)) {
        return std::nullopt;
    }
    document_ = std::move(*contents.document);
    return Remember(subkey, access);
}

std::optional<RegKey> FileRegistry::CreateKey(std::string_view subkey) {
    if (path_.isEmpty() || !QDir().mkpath(QFileInfo(path_).absolutePath())) {
        return std::nullopt;
    }
    auto document = ReadyForWriting();
    if (!document) {
        return std::nullopt;
    }
    const std::string path = FullPath(subkey);
    if (!document->HasKey(path)) {
        document->AddKey(path);
        if (!regfile::WriteFile(path_, *document)) {
            return std::nullopt;
        }
    }
    document_ = std::move(*document);
    return Remember(subkey, RegAccess::kFull);
}

std::optional<RegValue> FileRegistry::QueryValue(RegKey key, std::string_view name) {
    const auto opened = keys_.find(static_cast<std::uint32_t>(key));
    if (opened == keys_.end()) {
        return std::nullopt;
    }
    return document_.FindValue(opened->second.path, name);
}

bool FileRegistry::SetValue(RegKey key, std::string_view name, const RegValue& value) {
    return SetValues(key, {{std::string(name), value}}) == 1;
}

std::size_t FileRegistry::SetValues(RegKey key, const NamedValues& values) {
    const auto opened = keys_.find(static_cast<std::uint32_t>(key));
    if (opened == keys_.end() || opened->second.access != RegAccess::kFull) {
        return 0;
    }
    auto document = ReadyForWriting();
    if (!document) {
        return 0;
    }
    for (const auto& [name, value] : values) {
        document->SetValue(opened->second.path, name, value);
    }
    if (!regfile::WriteFile(path_, *document)) {
        return 0;
    }
    document_ = std::move(*document);
    return values.size();
}

void FileRegistry::CloseKey(RegKey key) {
    keys_.erase(static_cast<std::uint32_t>(key));
}

// The document a write should start from: the file as it is now, or, when
// there is none or it is not an export file, what we last knew (a new export
// at first) with the stranger copied aside. Nothing when the file may not be
// replaced.
std::optional<RegDocument> FileRegistry::ReadyForWriting() {
    auto contents = regfile::ReadFile(path_);
    if (contents.state == regfile::FileState::kUnreadable || !regfile::IsWritable(path_)) {
        return std::nullopt;
    }
    if (contents.state == regfile::FileState::kParsed) {
        return std::move(contents.document);
    }
    if (contents.state == regfile::FileState::kUnparseable && !regfile::KeepAside(path_)) {
        return std::nullopt;
    }
    return document_;
}

RegKey FileRegistry::Remember(std::string_view subkey, RegAccess access) {
    const std::uint32_t handle = nextHandle_++;
    keys_.emplace(handle, OpenedKey{FullPath(subkey), access});
    return static_cast<RegKey>(handle);
}

}  // namespace zunpeko
