// SPDX-License-Identifier: GPL-3.0-or-later
#include "RegDocument.h"

#include <algorithm>

#include "RegScanner.h"
#include "RegSyntax.h"
#include "RegUnicodeText.h"

namespace zunpeko {
namespace {

constexpr std::string_view kHeader = "REGEDIT4";
constexpr std::string_view kUnicodeHeader = "Windows Registry Editor Version 5.00";
constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kLf = "\n";

bool IsKeyOrBelow(std::string_view candidate, std::string_view path) {
    if (regsyntax::EqualsIgnoringCase(candidate, path)) {
        return true;
    }
    return candidate.size() > path.size() && candidate[path.size()] == '\\' &&
           regsyntax::EqualsIgnoringCase(candidate.substr(0, path.size()), path);
}

std::string_view LineBreakOf(std::string_view text) {
    const std::size_t newline = text.find('\n');
    if (newline == std::string_view::npos) {
        return kCrLf;
    }
    return (newline > 0 && text[newline - 1] == '\r') ? kCrLf : kLf;
}

std::string_view FirstLine(std::string_view text) {
    return text.substr(0, std::min(text.find('\n'), text.size()));
}

// The text ends with a line of white space only (or with a line break after one).
bool EndsWithBlankLine(std::string_view text) {
    if (!text.empty() && text.back() == '\n') {
        text.remove_suffix(1);
    }
    const std::size_t lastBreak = text.rfind('\n');
    const std::string_view last =
        lastBreak == std::string_view::npos ? text : text.substr(lastBreak + 1);
    return regsyntax::TrimRight(regsyntax::TrimLeft(last)).empty();
}

}  // namespace

RegDocument::RegDocument()
    : text_(std::string(kHeader) + std::string(kCrLf) + std::string(kCrLf)), lineBreak_(kCrLf) {}

RegDocument::RegDocument(std::string text, bool unicode)
    : text_(std::move(text)),
      lineBreak_(LineBreakOf(text_)),
      unicode_(unicode),
      unicodeRegistry_(regsyntax::TrimRight(FirstLine(text_)) == kUnicodeHeader) {}

std::optional<RegDocument> RegDocument::Parse(std::string_view text, bool unicode) {
    const std::string_view header = regsyntax::TrimRight(FirstLine(text));
    if (text.size() > kMaxTextBytes || (header != kHeader && header != kUnicodeHeader)) {
        return std::nullopt;
    }
    return RegDocument(std::string(text), unicode);
}

regsyntax::StringBytes RegDocument::StringEncoding() const {
    return unicode_ ? regsyntax::StringBytes::kUtf8 : regsyntax::StringBytes::kCp932;
}

// A string value as the file spells it, in code page 932: quoted strings are
// in the file's own encoding, hex strings in the registry's (UTF-16 in a
// version 5.00 file, code page 932 in a REGEDIT4 one).
RegValue RegDocument::ToCp932(RegValue value, bool quoted) const {
    if (value.type != kRegSz || !unicode_) {
        return value;
    }
    if (quoted) {
        const std::string_view text(value.data.data(), value.data.size() - 1);
        return StringValue(Cp932FromUtf8(text));
    }
    if (unicodeRegistry_) {
        value.data = Cp932FromUtf16(value.data);
    }
    return value;
}

// The lines for a value given in code page 932, spelled as the file spells it.
std::vector<std::string> RegDocument::FormatLines(std::string_view name,
                                                  const RegValue& value) const {
    if (value.type != kRegSz || !unicode_) {
        return regsyntax::FormatValueLines(name, value, StringEncoding());
    }
    // Only the text converts; the terminating zero stays one character.
    const std::string_view data(value.data);
    const bool terminated = !data.empty() && data.back() == '\0';
    const std::string_view text = terminated ? data.substr(0, data.size() - 1) : data;
    const RegValue quotable{kRegSz, Utf8FromCp932(text) + std::string(terminated, '\0')};
    auto lines = regsyntax::FormatValueLines(name, quotable, StringEncoding());
    if (lines.size() == 1 && lines.front().back() == '"') {
        return lines;
    }
    const RegValue hex =
        unicodeRegistry_
            ? RegValue{kRegSz, Utf16FromCp932(text) + std::string(terminated ? 2 : 0, '\0')}
            : value;
    return regsyntax::FormatValueLines(name, hex, StringEncoding());
}

bool RegDocument::HasKey(std::string_view path) const {
    RegScanner scanner(text_, StringEncoding());
    RegItem item;
    while (scanner.Next(item)) {
        if (item.kind == RegItem::Kind::kSection && IsKeyOrBelow(item.key, path)) {
            return true;
        }
    }
    return false;
}

bool RegDocument::HasSection(std::string_view path) const {
    RegScanner scanner(text_, StringEncoding());
    RegItem item;
    while (scanner.Next(item)) {
        if (item.kind == RegItem::Kind::kSection && regsyntax::EqualsIgnoringCase(item.key, path)) {
            return true;
        }
    }
    return false;
}

void RegDocument::AddKey(std::string_view path) {
    if (!HasSection(path)) {
        AppendSection(path);
    }
}

void RegDocument::AppendSection(std::string_view path) {
    if (!text_.empty() && text_.back() != '\n') {
        text_ += lineBreak_;
    }
    if (!EndsWithBlankLine(text_)) {
        // Sections stand apart, as the registry editor writes them; the empty
        // line also ends a value left waiting for a continuation line.
        text_ += lineBreak_;
    }
    text_ += regsyntax::FormatSectionHeader(path);
    text_ += lineBreak_;
}

std::optional<RegValue> RegDocument::FindValue(std::string_view path, std::string_view name) const {
    std::optional<RegValue> found;
    RegScanner scanner(text_, StringEncoding());
    RegItem item;
    while (scanner.Next(item)) {
        if (item.kind == RegItem::Kind::kValue && regsyntax::EqualsIgnoringCase(item.key, path) &&
            regsyntax::EqualsIgnoringCase(item.name, name)) {
            found = ToCp932(std::move(item.value), item.quoted);
        }
    }
    return found;
}

void RegDocument::SetValue(std::string_view path, std::string_view name, const RegValue& value) {
    // A value that already reads as the one given keeps its lines as they
    // are: spelled as another program wrote it, or with Unicode characters
    // code page 932 has no place for, it would not come back the same.
    if (FindValue(path, name) == value) {
        return;
    }
    std::optional<RegItem> existing;
    std::optional<std::size_t>
        insertAt;               // after the last non-blank entry of the key's last section
    bool afterOpenEnd = false;  // that entry is a value waiting for a continuation line
    bool inKey = false;
    RegScanner scanner(text_, StringEncoding());
    RegItem item;
    while (scanner.Next(item)) {
        if (item.kind == RegItem::Kind::kSection || item.kind == RegItem::Kind::kDeletedSection) {
            inKey = item.kind == RegItem::Kind::kSection &&
                    regsyntax::EqualsIgnoringCase(item.key, path);
            if (inKey) {
                insertAt = item.end;
                afterOpenEnd = false;
            }
            continue;
        }
        if (inKey && !item.blank) {
            insertAt = item.end;
            afterOpenEnd = item.openEnded;
        }
        if (inKey && item.kind == RegItem::Kind::kValue &&
            regsyntax::EqualsIgnoringCase(item.name, name)) {
            existing = std::move(item);
        }
    }

    if (existing) {
        // Keep the value's own spelling of its name, and its line break or lack of one.
        const bool hadBreak = text_[existing->end - 1] == '\n';
        std::string lines = JoinLines("", existing->name, value);
        if (hadBreak) {
            lines += lineBreak_;
        }
        text_.replace(existing->begin, existing->end - existing->begin, lines);
        return;
    }
    if (!insertAt) {
        AppendSection(path);
        insertAt = text_.size();
    }
    std::string before;
    if (*insertAt > 0 && text_[*insertAt - 1] != '\n') {
        before += lineBreak_;
    }
    if (afterOpenEnd) {
        before += lineBreak_;  // an empty line ends the value before, which would take ours in
    }
    std::string lines = JoinLines(before, name, value) + lineBreak_;
    text_.insert(*insertAt, lines);
}

std::string RegDocument::JoinLines(const std::string& firstBreak, std::string_view name,
                                   const RegValue& value) const {
    std::string joined = firstBreak;
    bool first = true;
    for (const std::string& line : FormatLines(name, value)) {
        if (!first) {
            joined += lineBreak_;
        }
        joined += line;
        first = false;
    }
    return joined;
}

}  // namespace zunpeko
