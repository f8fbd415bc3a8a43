// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <array>
#include <optional>
#include <utility>

namespace zunpeko {
namespace {

// Microsoft's code page 932 (NEC and IBM extensions included), through ICU.
constexpr const char* kCodec = "windows-31j";

// Length of the text without a lead byte left hanging at its end.
std::size_t CompleteLength(std::string_view sjis) {
    std::size_t i = 0;
    while (i < sjis.size()) {
        const auto b = static_cast<unsigned char>(sjis[i]);
        if (IsSjisLeadByte(b)) {
            if (i + 1 == sjis.size()) {
                return i;
            }
            i += 2;
        } else {
            ++i;
        }
    }
    return sjis.size();
}

}  // namespace

QString ToDisplay(std::string_view sjis) {
    QStringDecoder decoder(kCodec, QStringDecoder::Flag::Stateless);
    const auto bytes = QByteArrayView(sjis.data(), static_cast<qsizetype>(CompleteLength(sjis)));
    return decoder.decode(bytes);
}

namespace {

// Input methods and other systems type these for characters that code page
// 932 holds under another code point (JIS X 0208's own mapping of the same
// bytes), and ICU's table knows only the code page's. Each becomes the code
// page's form of it, so 〜 is stored as the ～ a player meant, not as "？".
constexpr std::array<std::pair<char16_t, char16_t>, 7> kOtherForms = {{
    {u'\u301C', u'\uFF5E'},  // WAVE DASH as FULLWIDTH TILDE, 8160
    {u'\u2016', u'\u2225'},  // DOUBLE VERTICAL LINE as PARALLEL TO, 8161
    {u'\u2212', u'\uFF0D'},  // MINUS SIGN as FULLWIDTH HYPHEN-MINUS, 817C
    {u'\u00A2', u'\uFFE0'},  // CENT SIGN, 8191
    {u'\u00A3', u'\uFFE1'},  // POUND SIGN, 8192
    {u'\u00AC', u'\uFFE2'},  // NOT SIGN, 81CA
    {u'\u2014', u'\u2015'},  // EM DASH as HORIZONTAL BAR, 815C
}};

QString InCodePageForms(QString text) {
    for (QChar& c : text) {
        for (const auto& [other, own] : kOtherForms) {
            if (c == other) {
                c = own;
            }
        }
    }
    return text;
}

// Encodes text, or reports that some character of it has no code page 932 form.
std::optional<QByteArray> EncodeExactly(QStringView text) {
    QStringEncoder encoder(kCodec, QStringEncoder::Flag::Stateless);
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError()) {
        return std::nullopt;
    }
    QStringDecoder decoder(kCodec, QStringDecoder::Flag::Stateless);
    if (QString(decoder.decode(bytes)) != text) {  // ICU put its own substitute in
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

SjisText FromDisplay(const QString& typed) {
    const QString text = InCodePageForms(typed);
    if (auto whole = EncodeExactly(text)) {
        return whole->toStdString();
    }
    // Some character cannot be held: go character by character and put our
    // own replacement in for each such one.
    SjisText out;
    for (qsizetype i = 0; i < text.size();) {
        const bool pair =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const qsizetype n = pair ? 2 : 1;  // a lone surrogate is one character of its own
        const auto piece = EncodeExactly(QStringView(text).mid(i, n));
        out += piece ? piece->toStdString() : std::string("\x81\x48");  // "？"
        i += n;
    }
    return out;
}

SjisText SjisFromUtf8(std::string_view utf8) {
    return FromDisplay(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

std::string Utf8FromSjis(std::string_view sjis) {
    return ToDisplay(sjis).toStdString();
}

}  // namespace zunpeko
