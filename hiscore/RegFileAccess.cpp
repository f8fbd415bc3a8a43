#include "RegFileAccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace zunpeko::regfile {
namespace {

// Numbered copies beyond this many mean something keeps breaking the file;
// then no further write is risked.
constexpr int kMaxKeptCopies = 1000;

qint64 ReadLimit() {
    return static_cast<qint64>(RegDocument::kMaxBytes) + 1;
}

// QSaveFile writes beside the file under its name plus a dot and six random
// letters or digits, then renames that over the file. A process killed between
// the two leaves the temporary behind; the next successful write removes such
// leftovers so they cannot pile up in the user's folder. Kept-aside copies
// (".bak", ".bak1", ...) never match.
void RemoveLeftoverTemporaries(const QString& path) {
    const QFileInfo info(path);
    const QRegularExpression leftover(QStringLiteral("^%1\\.(?!bak)[A-Za-z0-9]{6}$")
                                          .arg(QRegularExpression::escape(info.fileName())));
    QDir folder = info.dir();
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden)) {
        if (leftover.match(name).hasMatch()) {
            folder.remove(name);
        }
    }
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
    // A file over the limit counts as unreadable without being read at all;
    // asking for limit + 1 bytes of a small file would reserve the limit.
    if (file.size() >= ReadLimit()) {
        return {FileState::kUnparseable, std::nullopt};
    }
    const QByteArray bytes = file.readAll();
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
    if (!file.commit()) {
        return false;
    }
    RemoveLeftoverTemporaries(path);
    return true;
}

}  // namespace zunpeko::regfile
