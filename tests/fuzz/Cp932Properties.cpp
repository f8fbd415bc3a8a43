// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cp932Properties.h"

#include <QString>
#include <QStringDecoder>
#include <algorithm>
#include <cstddef>
#include <vector>

#include "Cp932.h"
#include "HiScoreTable.h"
#include "RecordingDisplay.h"
#include "RecordingPrompt.h"
#include "RegDocument.h"

namespace zunpeko::fuzz {
namespace {

constexpr std::string_view kTableKey = "HKEY_CURRENT_USER\\Zunpeko";
constexpr char16_t kReplacement = u'\uFFFD';
constexpr char16_t kFullWidthQuestionMark = u'\uFF1F';

// The registry as one export document in memory, so a name goes through the
// same text form the store file uses. Deliberately not the tests' shared
// in-memory registry, which keeps each value as it was given and so would
// never show a name that the text form changes.
class DocumentRegistry final : public Registry {
  public:
    std::optional<RegKey> OpenKey(std::string_view /*subkey*/, RegAccess /*access*/) override {
        return RegKey{1};
    }
    std::optional<RegKey> CreateKey(std::string_view subkey) override {
        return OpenKey(subkey, RegAccess::kFull);
    }
    std::optional<RegValue> QueryValue(RegKey /*key*/, std::string_view name) override {
        return document.FindValue(kTableKey, name);
    }
    bool SetValue(RegKey /*key*/, std::string_view name, const RegValue& value) override {
        document.SetValue(kTableKey, name, value);
        return true;
    }
    void CloseKey(RegKey /*key*/) override {}

    RegDocument document;
};

// The bytes that open a two-byte character, written out here rather than
// taken from the code under test, so a wrong range there cannot agree with
// itself.
bool OpensTwoByteCharacter(unsigned char b) {
    struct Range {
        unsigned char first;
        unsigned char last;
    };
    constexpr Range kLeadBytes[] = {{0x81, 0x9F}, {0xE0, 0xFC}};
    return std::ranges::any_of(kLeadBytes,
                               [b](Range range) { return b >= range.first && b <= range.last; });
}

// The length of text without a lead byte left hanging at its end, found by
// walking its characters from the start.
std::size_t WholeCharacters(std::string_view text) {
    std::size_t end = 0;
    while (end < text.size()) {
        const bool lead = OpensTwoByteCharacter(static_cast<unsigned char>(text[end]));
        if (lead && end + 1 == text.size()) {
            break;
        }
        end += lead ? 2 : 1;
    }
    return end;
}

// What the code page's own decoder makes of the text's whole characters.
QString WholeCharactersDecoded(std::string_view text) {
    QStringDecoder decoder("windows-31j", QStringDecoder::Flag::Stateless);
    return decoder.decode(
        QByteArrayView(text.data(), static_cast<qsizetype>(WholeCharacters(text))));
}

std::optional<std::string> ShowsExactlyItsWholeCharacters(std::string_view bytes) {
    const QString shown = ToDisplay(bytes);
    const QString whole = WholeCharactersDecoded(bytes);
    if (shown != whole) {
        return "shown as \"" + shown.toStdString() + "\", its whole characters are \"" +
               whole.toStdString() + "\"";
    }
    return std::nullopt;
}

std::optional<std::string> ShowsTheSameAfterConvertingBack(std::string_view bytes) {
    const QString shown = ToDisplay(bytes);
    QString expected = shown;
    expected.replace(QChar(kReplacement), QChar(kFullWidthQuestionMark));
    const QString again = ToDisplay(FromDisplay(shown));
    if (again != expected) {
        return "shown as \"" + shown.toStdString() + "\", converted back it shows \"" +
               again.toStdString() + "\"";
    }
    return std::nullopt;
}

std::optional<std::string> CutsNamesWithoutStrayHalves(std::string_view bytes) {
    DocumentRegistry registry;
    testing::RecordingPrompt prompt{SjisText(bytes)};
    testing::RecordingDisplay display;
    HiScoreTable table(registry, prompt, display);
    table.LoadHiScores();
    table.RecordGame(1000);  // beats every default: the new name is rank 1's

    const SjisText& cut = table.Entries()[0].name;
    if (cut != bytes.substr(0, HiScoreTable::kNameLimit)) {
        return "the name was cut to " + std::to_string(cut.size()) + " bytes that differ";
    }
    if (registry.document.FindValue(kTableKey, "SName1") != StringValue(cut)) {
        return "the cut name was not stored byte for byte";
    }
    const QString shown = ToDisplay(cut);
    const QString whole = WholeCharactersDecoded(cut);
    if (shown != whole) {
        return "the cut name shows \"" + shown.toStdString() + "\", its whole characters \"" +
               whole.toStdString() + "\"";
    }
    if (!ToDisplay(bytes).startsWith(shown)) {
        return "the cut name shows \"" + shown.toStdString() + "\", not the start of the name";
    }
    return std::nullopt;
}

// The input two bytes to a UTF-16 code unit, lone surrogates and all.
QString AsTypedText(std::string_view bytes) {
    QString text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto low = static_cast<unsigned char>(bytes[i]);
        const auto high = static_cast<unsigned char>(bytes[i + 1]);
        text.append(QChar(static_cast<char16_t>(high << 8U | low)));
    }
    return text;
}

// The characters of text, a surrogate pair as one, anything else (a lone
// surrogate too) as one each.
std::vector<QString> Characters(const QString& text) {
    std::vector<QString> out;
    for (qsizetype i = 0; i < text.size();) {
        const bool pair =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const qsizetype n = pair ? 2 : 1;
        out.push_back(text.mid(i, n));
        i += n;
    }
    return out;
}

// Input methods type these in JIS X 0208's mapping (〜 U+301C, say); each is
// stored as the code page's own character for the same bytes (～ U+FF5E),
// which must then stay itself.
bool IsTheCodePagesOwnForm(const QString& typed, const QString& shown) {
    static const QString kTypedInAnotherMapping =
        QString::fromUtf16(u"\u301C\u2016\u2212\u00A2\u00A3\u00AC\u2014");
    return typed.size() == 1 && kTypedInAnotherMapping.contains(typed.at(0)) &&
           ToDisplay(FromDisplay(shown)) == shown;
}

std::optional<std::string> EncodesOneForOne(std::string_view bytes) {
    const QString typed = AsTypedText(bytes);
    const std::vector<QString> in = Characters(typed);
    const std::vector<QString> out = Characters(ToDisplay(FromDisplay(typed)));
    if (in.size() != out.size()) {
        return std::to_string(in.size()) + " typed characters came back as " +
               std::to_string(out.size());
    }
    for (std::size_t i = 0; i < in.size(); ++i) {
        if (out[i] != in[i] && out[i] != QString(QChar(kFullWidthQuestionMark)) &&
            !IsTheCodePagesOwnForm(in[i], out[i])) {
            return "typed character " + std::to_string(i) + " came back as \"" +
                   out[i].toStdString() + "\"";
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> CheckCp932Conversions(std::string_view bytes) {
    if (auto problem = ShowsExactlyItsWholeCharacters(bytes)) {
        return problem;
    }
    if (auto problem = ShowsTheSameAfterConvertingBack(bytes)) {
        return problem;
    }
    if (auto problem = CutsNamesWithoutStrayHalves(bytes)) {
        return problem;
    }
    return EncodesOneForOne(bytes);
}

}  // namespace zunpeko::fuzz
