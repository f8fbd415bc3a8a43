// SPDX-License-Identifier: GPL-3.0-or-later
#include "RegFileAccess.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <cstdio>

namespace zunpeko::regfile {
namespace {

// Numbered copies beyond this many mean something keeps breaking the file;
// then no further write is risked.
constexpr int kMaxKeptCopies = 1000;

constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF");
constexpr QByteArrayView kUtf16LeBom("\xFF\xFE");

// Temporaries carry a marker no other program puts in a name, so cleaning up
// after a killed write can never take a file of the user's.
constexpr auto kTemporaryMarker = QLatin1StringView(".zunpeko-save-");
constexpr int kTemporarySuffixLength = 6;

qint64 ReadLimit() {
    return static_cast<qint64>(RegDocument::kMaxBytes) + 1;
}

// The text of a Unicode file as UTF-8, or nothing when its bytes are not
// exactly the UTF-16 or UTF-8 they claim to be (a lone surrogate, a stray
// byte): such a file would not be written back as it was.
std::optional<std::string> Utf8FromUtf16Le(QByteArrayView bytes) {
    QStringDecoder decoder(QStringConverter::Utf16LE, QStringConverter::Flag::ConvertInitialBom);
    const QString text = decoder.decode(bytes);
    const QByteArray utf8 = text.toUtf8();
    QStringEncoder encoder(QStringConverter::Utf16LE);
    if (decoder.hasError() || QByteArray(encoder.encode(QString::fromUtf8(utf8))) != bytes) {
        return std::nullopt;
    }
    return utf8.toStdString();
}

std::optional<std::string> CheckedUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError() || text.toUtf8() != bytes) {
        return std::nullopt;
    }
    return bytes.toByteArray().toStdString();
}

FileContents Parsed(std::optional<std::string> text, FileFormat format) {
    auto document = text ? RegDocument::Parse(*text, format != FileFormat::kCp932) : std::nullopt;
    if (!document) {
        return {FileState::kUnparseable, std::nullopt, format};
    }
    return {FileState::kParsed, std::move(document), format};
}

FileContents ParseBytes(const QByteArray& bytes) {
    if (bytes.startsWith(kUtf16LeBom)) {
        return Parsed(Utf8FromUtf16Le(QByteArrayView(bytes).sliced(kUtf16LeBom.size())),
                      FileFormat::kUtf16LeWithBom);
    }
    if (bytes.startsWith(kUtf8Bom)) {
        return Parsed(CheckedUtf8(QByteArrayView(bytes).sliced(kUtf8Bom.size())),
                      FileFormat::kUtf8WithBom);
    }
    return Parsed(bytes.toStdString(), FileFormat::kCp932);
}

QByteArray Encode(const std::string& text, FileFormat format) {
    switch (format) {
        case FileFormat::kUtf16LeWithBom: {
            QStringEncoder encoder(QStringConverter::Utf16LE);
            const QString unicode =
                QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
            return kUtf16LeBom.toByteArray() + QByteArray(encoder.encode(unicode));
        }
        case FileFormat::kUtf8WithBom:
            return kUtf8Bom.toByteArray() + QByteArray::fromStdString(text);
        case FileFormat::kCp932:
            break;
    }
    return QByteArray::fromStdString(text);
}

// Where the bytes go: the file, or the file a link names, so a store kept in
// a synchronised folder and linked here stays where it is.
QString WriteTarget(const QString& path) {
    const QFileInfo info(path);
    if (!info.isSymLink()) {
        return path;
    }
    const QString target = info.canonicalFilePath();
    return target.isEmpty() ? info.symLinkTarget() : target;
}

QString NewTemporaryName(const QString& target) {
    static constexpr QLatin1StringView kLetters("abcdefghijklmnopqrstuvwxyz0123456789");
    QString name = target + kTemporaryMarker;
    for (int i = 0; i < kTemporarySuffixLength; ++i) {
        name += kLetters[QRandomGenerator::global()->bounded(static_cast<int>(kLetters.size()))];
    }
    return name;
}

// Writes all the bytes to a new file and makes sure they are on the disk: a
// full disk shows only when the buffered bytes go out, so every step is
// checked, not just the first write.
bool WriteNewFile(QFile& file, const QByteArray& bytes,
                  std::optional<QFileDevice::Permissions> permissions) {
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        return false;
    }
    const bool written = (!permissions || file.setPermissions(*permissions)) &&
                         file.write(bytes) == bytes.size() && file.flush() &&
                         ::fsync(file.handle()) == 0;
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

bool SameBytes(const QString& a, const QString& b) {
    QFile first(a);
    QFile second(b);
    if (first.size() != second.size() || !first.open(QIODevice::ReadOnly) ||
        !second.open(QIODevice::ReadOnly)) {
        return false;
    }
    constexpr qint64 kChunk = qint64{64} * 1024;
    while (!first.atEnd()) {
        if (first.read(kChunk) != second.read(kChunk)) {
            return false;
        }
    }
    return true;
}

bool IsKeptCopy(const QString& copy, const QString& path) {
    const QFileInfo info(copy);
    return info.isFile() && !info.isSymLink() && SameBytes(copy, path);
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
    return ParseBytes(bytes);
}

bool IsWritable(const QString& path) {
    const QFileInfo info(WriteTarget(path));
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir() || !folder.isWritable()) {
        return false;
    }
    return !info.exists() || (info.isFile() && info.isWritable());
}

std::optional<QString> KeepAside(const QString& path) {
    if (QFileInfo(path).size() == 0) {
        return QString();  // nothing to lose
    }
    for (int number = 0; number <= kMaxKeptCopies; ++number) {
        const QString copy =
            path + QStringLiteral(".bak") + (number == 0 ? QString() : QString::number(number));
        if (IsKeptCopy(copy, path)) {
            return copy;
        }
        if (QFileInfo::exists(copy) || QFileInfo(copy).isSymLink()) {
            continue;
        }
        if (QFile::copy(path, copy) && IsKeptCopy(copy, path)) {
            return copy;
        }
        QFile::remove(copy);  // a copy cut short by a full disk is no copy
        return std::nullopt;
    }
    return std::nullopt;
}

bool WriteFile(const QString& path, const RegDocument& document, FileFormat format) {
    const QByteArray bytes = Encode(document.Text(), format);
    if (bytes.size() >= ReadLimit()) {
        return false;  // the next start would not read it back
    }
    const QString target = WriteTarget(path);
    // The new file keeps the old one's permissions; a first one gets the
    // umask's.
    const QFileInfo existing(target);
    const auto permissions =
        existing.exists() ? std::optional(existing.permissions()) : std::nullopt;
    QFile temporary(NewTemporaryName(target));
    if (!WriteNewFile(temporary, bytes, permissions)) {
        temporary.remove();
        return false;
    }
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(),
                    QFile::encodeName(target).constData()) != 0) {
        temporary.remove();
        return false;
    }
    return true;
}

void RemoveLeftoverTemporaries(const QString& path) {
    const QFileInfo target(WriteTarget(path));
    const QRegularExpression leftover(
        QStringLiteral("^%1%2[a-z0-9]{%3}$")
            .arg(QRegularExpression::escape(target.fileName()),
                 QRegularExpression::escape(QString(kTemporaryMarker)))
            .arg(kTemporarySuffixLength));
    QDir folder = target.dir();
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (leftover.match(name).hasMatch()) {
            folder.remove(name);
        }
    }
}

}  // namespace zunpeko::regfile
