#include "RegDocument.h"

#include <algorithm>

#include "RegScanner.h"
#include "RegSyntax.h"

namespace zunpeko {
namespace {

constexpr std::string_view kHeader = "REGEDIT4";
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

RegDocument::RegDocument(std::string text)
    : text_(std::move(text)), lineBreak_(LineBreakOf(text_)) {}

std::optional<RegDocument> RegDocument::Parse(std::string_view text) {
    if (text.size() > kMaxBytes || regsyntax::TrimRight(FirstLine(text)) != kHeader) {
        return std::nullopt;
    }
    return RegDocument(std::string(text));
}

bool RegDocument::HasKey(std::string_view path) const {
    RegScanner scanner(text_);
    RegItem item;
    while (scanner.Next(item)) {
        if (item.kind == RegItem::Kind::kSection && IsKeyOrBelow(item.key, path)) {
            return true;
        }
    }
    return false;
}

bool RegDocument::HasSection(std::string_view path) const {
    RegScanner scanner(text_);
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
    RegScanner scanner(text_);
    RegItem item;
    while (scanner.Next(item)) {
        if (item.kind == RegItem::Kind::kValue && regsyntax::EqualsIgnoringCase(item.key, path) &&
            regsyntax::EqualsIgnoringCase(item.name, name)) {
            found = std::move(item.value);
        }
    }
    return found;
}

void RegDocument::SetValue(std::string_view path, std::string_view name, const RegValue& value) {
    std::optional<RegItem> existing;
    std::optional<std::size_t>
        insertAt;               // after the last non-blank entry of the key's last section
    bool afterOpenEnd = false;  // that entry is a value waiting for a continuation line
    bool inKey = false;
    RegScanner scanner(text_);
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
    for (const std::string& line : regsyntax::FormatValueLines(name, value)) {
        if (!first) {
            joined += lineBreak_;
        }
        joined += line;
        first = false;
    }
    return joined;
}

}  // namespace zunpeko
