// SPDX-License-Identifier: GPL-3.0-or-later
#include "RegUnicodeText.h"

#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

#include "Cp932.h"

namespace zunpeko {
namespace {

std::string Utf16Bytes(const QString& text) {
    QStringEncoder encoder(QStringConverter::Utf16LE);
    return QByteArray(encoder.encode(text)).toStdString();
}

QString FromUtf16Bytes(std::string_view bytes) {
    QStringDecoder decoder(QStringConverter::Utf16LE, QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

class Cp932Unicode final : public RegUnicode {
  public:
    std::string Cp932FromUtf8(std::string_view utf8) const override {
        return FromDisplay(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    }
    std::string Utf8FromCp932(std::string_view cp932) const override {
        return ToDisplay(cp932).toStdString();
    }
    std::string Cp932FromUtf16(std::string_view utf16le) const override {
        return FromDisplay(FromUtf16Bytes(utf16le));
    }
    std::string Utf16FromCp932(std::string_view cp932) const override {
        return Utf16Bytes(ToDisplay(cp932));
    }
};

}  // namespace

const RegUnicode& Cp932RegUnicode() {
    static const Cp932Unicode unicode;
    return unicode;
}

}  // namespace zunpeko
