// SPDX-License-Identifier: GPL-3.0-or-later
#include "RegSyntax.h"

#include "SjisText.h"

namespace zunpeko::regsyntax {
namespace {

constexpr std::size_t kMaxHexDigitsOfNumber = 8;
// The registry editor keeps hex lines within 80 columns, continuing with "\".
constexpr std::size_t kHexLineWidth = 80;
constexpr std::string_view kHexContinuationIndent = "  ";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           EqualsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    const char lower = LowerAscii(c);
    if (lower >= 'a' && lower <= 'f') {
        return lower - 'a' + 10;
    }
    return -1;
}

// A number of 1 to maxDigits hex digits making up the whole text.
std::optional<std::uint32_t> ParseHexNumber(std::string_view text, std::size_t maxDigits) {
    if (text.empty() || text.size() > maxDigits) {
        return std::nullopt;
    }
    std::uint32_t number = 0;
    for (const char c : text) {
        const int digit = HexDigitValue(c);
        if (digit < 0) {
            return std::nullopt;
        }
        number = (number << 4U) | static_cast<std::uint32_t>(digit);
    }
    return number;
}

// The number in lower-case hex digits, zero-padded to at least minWidth.
std::string HexDigits(std::uint32_t number, std::size_t minWidth) {
    static constexpr std::string_view kDigits = "0123456789abcdef";
    std::string out;
    do {
        out.insert(out.begin(), kDigits[number & 0xFU]);
        number >>= 4U;
    } while (number != 0);
    if (out.size() < minWidth) {
        out.insert(0, minWidth - out.size(), '0');
    }
    return out;
}

// How one attempt at reading a quoted string takes its bytes.
enum class QuotedReading {
    kByCharacter,  // a lead byte takes its trail byte with it, whatever that is
    kByByte,       // every "\\" escapes the byte after it
};

// The readings to try, best first. Code page 932 text is read character by
// character, the way the registry editor writes it; files this program wrote
// before it did the same escaped every byte alike, and are read that way when
// the first reading fails.
std::vector<QuotedReading> ReadingsFor(StringBytes bytes) {
    if (bytes == StringBytes::kCp932) {
        return {QuotedReading::kByCharacter, QuotedReading::kByByte};
    }
    return {QuotedReading::kByByte};
}

bool OpensPair(std::string_view text, std::size_t i) {
    return IsSjisLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() &&
           IsSjisTrailByte(static_cast<unsigned char>(text[i + 1]));
}

// A quoted string starting at text[pos] == '"'; pos ends just past its closing quote.
std::optional<std::string> ReadQuoted(std::string_view text, std::size_t& pos,
                                      QuotedReading reading) {
    std::string out;
    for (std::size_t i = pos + 1; i < text.size(); ++i) {
        const char c = text[i];
        if (reading == QuotedReading::kByCharacter && OpensPair(text, i)) {
            out.push_back(c);
            out.push_back(text[++i]);
            continue;
        }
        if (c == '"') {
            pos = i + 1;
            return out;
        }
        if (c == '\\') {
            if (i + 1 == text.size() || (text[i + 1] != '\\' && text[i + 1] != '"')) {
                return std::nullopt;
            }
            ++i;
        }
        out.push_back(text[i]);
    }
    return std::nullopt;
}

// Only a one-byte backslash or quote is escaped: in code page 932 the second
// byte of a character may be 0x5C and stays as it is.
std::string Quote(std::string_view bytes, StringBytes encoding) {
    std::string out = "\"";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (encoding == StringBytes::kCp932 && OpensPair(bytes, i)) {
            out += bytes.substr(i, 2);
            ++i;
            continue;
        }
        if (bytes[i] == '\\' || bytes[i] == '"') {
            out.push_back('\\');
        }
        out.push_back(bytes[i]);
    }
    out.push_back('"');
    return out;
}

std::string ValueNamePart(std::string_view name, StringBytes encoding) {
    return name.empty() ? std::string("@=") : Quote(name, encoding) + "=";
}

// REG_SZ data the quoted form holds exactly: one terminating zero and nothing
// before it that a line or the registry editor would mangle. In code page 932
// that includes a lead byte without its trail byte (a name cut short can end
// in one), which the editor would join with whatever follows it.
bool FitsQuotedForm(std::string_view data, StringBytes encoding) {
    if (data.empty() || data.back() != '\0') {
        return false;
    }
    data.remove_suffix(1);
    for (std::size_t i = 0; i < data.size(); ++i) {
        const auto b = static_cast<unsigned char>(data[i]);
        if (b < 0x20 || b == 0x7F) {
            return false;
        }
        if (encoding == StringBytes::kCp932 && IsSjisLeadByte(b)) {
            if (!OpensPair(data, i)) {
                return false;
            }
            ++i;
        }
    }
    return true;
}

std::vector<std::string> HexLines(std::string_view head, const RegValue& value) {
    std::string line(head);
    line +=
        value.type == kRegBinary ? std::string("hex:") : "hex(" + HexDigits(value.type, 1) + "):";
    std::vector<std::string> lines;
    bool lineHasBytes = false;
    for (std::size_t i = 0; i < value.data.size(); ++i) {
        std::string piece = HexDigits(static_cast<unsigned char>(value.data[i]), 2);
        if (i + 1 < value.data.size()) {
            piece.push_back(',');
        }
        if (lineHasBytes && line.size() + piece.size() + 1 > kHexLineWidth) {
            lines.push_back(line + "\\");
            line = kHexContinuationIndent;
        }
        line += piece;
        lineHasBytes = true;
    }
    lines.push_back(line);
    return lines;
}

std::optional<ValueLineStart> DataAfterName(std::string_view line, std::size_t pos,
                                            std::string name) {
    const std::string_view rest = TrimLeft(line.substr(pos));
    if (rest.empty() || rest.front() != '=') {
        return std::nullopt;
    }
    return ValueLineStart{std::move(name), TrimLeft(rest.substr(1))};
}

}  // namespace

std::string_view TrimLeft(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

std::string_view TrimRight(std::string_view text) {
    while (!text.empty() && (IsBlank(text.back()) || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

std::optional<SectionHeader> ParseSectionHeader(std::string_view line) {
    line = TrimRight(line);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') {
        return std::nullopt;
    }
    std::string_view path = line.substr(1, line.size() - 2);
    const bool deletes = !path.empty() && path.front() == '-';
    if (deletes) {
        path.remove_prefix(1);
    }
    return SectionHeader{path, deletes};
}

std::string FormatSectionHeader(std::string_view path) {
    return "[" + std::string(path) + "]";
}

std::optional<ValueLineStart> SplitValueLine(std::string_view line, StringBytes encoding) {
    if (!line.empty() && line.front() == '@') {
        return DataAfterName(line, 1, {});
    }
    if (line.empty() || line.front() != '"') {
        return std::nullopt;
    }
    for (const QuotedReading reading : ReadingsFor(encoding)) {
        std::size_t pos = 0;
        auto name = ReadQuoted(line, pos, reading);
        if (!name) {
            continue;
        }
        if (auto start = DataAfterName(line, pos, std::move(*name))) {
            return start;
        }
    }
    return std::nullopt;
}

bool IsHexData(std::string_view data) {
    return StartsWithIgnoringCase(data, "hex");
}

std::optional<RegValue> ParseInlineData(std::string_view data, StringBytes encoding) {
    data = TrimRight(data);
    if (!data.empty() && data.front() == '"') {
        for (const QuotedReading reading : ReadingsFor(encoding)) {
            std::size_t pos = 0;
            auto text = ReadQuoted(data, pos, reading);
            if (text && pos == data.size()) {
                return StringValue(*text);
            }
        }
        return std::nullopt;
    }
    if (StartsWithIgnoringCase(data, "dword:")) {
        if (auto number = ParseHexNumber(data.substr(6), kMaxHexDigitsOfNumber)) {
            return DwordValue(*number);
        }
    }
    return std::nullopt;
}

bool HexDataReader::Begin(std::string_view data) {
    value_ = RegValue{kRegBinary, {}};
    continued_ = false;
    if (!IsHexData(data)) {
        return false;
    }
    data.remove_prefix(3);
    if (!data.empty() && data.front() == '(') {
        const std::size_t close = data.find(')');
        if (close == std::string_view::npos) {
            return false;
        }
        const auto type = ParseHexNumber(data.substr(1, close - 1), kMaxHexDigitsOfNumber);
        if (!type) {
            return false;
        }
        value_.type = *type;
        data.remove_prefix(close + 1);
    }
    if (data.empty() || data.front() != ':') {
        return false;
    }
    return ReadBytes(data.substr(1));
}

bool HexDataReader::Continue(std::string_view line) {
    return ReadBytes(TrimLeft(line));
}

bool HexDataReader::ReadBytes(std::string_view fragment) {
    fragment = TrimRight(fragment);
    continued_ = !fragment.empty() && fragment.back() == '\\';
    if (continued_) {
        fragment.remove_suffix(1);
    }
    while (true) {
        const std::size_t comma = fragment.find(',');
        const std::string_view token = TrimRight(TrimLeft(
            fragment.substr(0, comma == std::string_view::npos ? fragment.size() : comma)));
        const bool last = comma == std::string_view::npos;
        if (token.empty()) {
            return last;  // "01,02," and "" are fine; "01,,02" is not
        }
        const auto byte = ParseHexNumber(token, 2);
        if (!byte) {
            return false;
        }
        value_.data.push_back(static_cast<char>(*byte));
        if (last) {
            return true;
        }
        fragment.remove_prefix(comma + 1);
    }
}

std::vector<std::string> FormatValueLines(std::string_view name, const RegValue& value,
                                          StringBytes encoding) {
    const std::string head = ValueNamePart(name, encoding);
    if (value.type == kRegDword && value.data.size() == 4) {
        return {head + "dword:" + HexDigits(NumberFromLittleEndian(value.data), 8)};
    }
    if (value.type == kRegSz && FitsQuotedForm(value.data, encoding)) {
        return {head +
                Quote(std::string_view(value.data).substr(0, value.data.size() - 1), encoding)};
    }
    return HexLines(head, value);
}

}  // namespace zunpeko::regsyntax
