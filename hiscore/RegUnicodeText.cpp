// SPDX-License-Identifier: GPL-3.0-or-later
#include "RegUnicodeText.h"

#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

#include "Cp932.h"

namespace zunpeko {

std::string Cp932FromUtf8(std::string_view utf8) {
    return SjisFromUtf8(utf8);
}

std::string Utf8FromCp932(std::string_view cp932) {
    return Utf8FromSjis(cp932);
}

std::string Cp932FromUtf16(std::string_view utf16le) {
    QStringDecoder decoder(QStringConverter::Utf16LE, QStringConverter::Flag::ConvertInitialBom);
    return FromDisplay(
        decoder.decode(QByteArrayView(utf16le.data(), static_cast<qsizetype>(utf16le.size()))));
}

std::string Utf16FromCp932(std::string_view cp932) {
    QStringEncoder encoder(QStringConverter::Utf16LE);
    return QByteArray(encoder.encode(ToDisplay(cp932))).toStdString();
}

}  // namespace zunpeko
