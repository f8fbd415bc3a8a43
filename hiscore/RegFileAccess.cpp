#include "RegFileAccess.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zunpeko::regfile {
namespace {

// Numbered copies beyond this many mean something keeps breaking the file;
// then no further write is risked.
constexpr int kMaxKeptCopies = 1000;

qint64 ReadLimit() {
    return static_cast<qint64>(RegDocument::kMaxBytes) + 1;
}

}  // namespace

FileContents ReadFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        return {FileState::kMissing, std::nullopt};
    }
    if (!info.isFile()) {
        return {FileState::kUnreadable, std::nullopt};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {FileState::kUnreadable, std::nullopt};
    }
    // Reading one byte past the limit tells a file that is too large without
    // reading all of it.
    const QByteArray bytes = file.read(ReadLimit());
    if (file.error() != QFileDevice::NoError) {
        return {FileState::kUnreadable, std::nullopt};
    }
    auto document = RegDocument::Parse(std::string_view(bytes.constData(), bytes.size()));
    if (!document) {
        return {FileState::kUnparseable, std::nullopt};
    }
    return {FileState::kParsed, std::move(document)};
}

bool IsWritable(const QString& path) {
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir() || !folder.isWritable()) {
        return false;
    }
    return !info.exists() || (info.isFile() && info.isWritable());
}

bool KeepAside(const QString& path) {
    for (int number = 0; number <= kMaxKeptCopies; ++number) {
        const QString copy =
            path + QStringLiteral(".bak") + (number == 0 ? QString() : QString::number(number));
        if (!QFileInfo::exists(copy) && !QFileInfo(copy).isSymLink()) {
            return QFile::copy(path, copy);
        }
    }
    return false;
}

bool WriteFile(const QString& path, const RegDocument& document) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const std::string& text = document.Text();
    const auto size = static_cast<qint64>(text.size());
    if (file.write(text.data(), size) != size) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace zunpeko::regfile
