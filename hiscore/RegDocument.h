// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "RegSyntax.h"
#include "RegValue.h"

namespace zunpeko {

// A registry export file in the registry editor's text form, held as its own
// bytes: REGEDIT4 in code page 932, or a file in Unicode ("Windows Registry
// Editor Version 5.00" in UTF-16, or either header in UTF-8) held as UTF-8,
// whose string values are converted to and from code page 932 as they are
// read and set, so the caller always sees them as the registry's ANSI
// functions would. Lines the program does not understand, other keys and
// other values stay byte for byte as they were; setting a value rewrites that
// value's lines and nothing else. New lines use the line break the file
// already uses (that of its first line), CRLF in a new file.
//
// Every operation is one pass over the text, so the work is bounded by its
// size, and that is bounded by kMaxTextBytes.
class RegDocument {
  public:
    // A hi-score file is a few hundred bytes; anything this large is not one
    // of ours and is not read at all.
    static constexpr std::size_t kMaxBytes = std::size_t{4} * 1024 * 1024;
    // The text of a file of kMaxBytes: a Unicode export's UTF-16 takes up to
    // half as much again as UTF-8.
    static constexpr std::size_t kMaxTextBytes = kMaxBytes / 2 * 3;

    // A new, empty export: the header line and a blank line.
    RegDocument();

    // The text as a document, or nothing when it is not an export file (its
    // first line is not "REGEDIT4" or "Windows Registry Editor Version 5.00")
    // or is larger than kMaxTextBytes. With `unicode`, the text is UTF-8 and its
    // strings convert to and from code page 932 as they are read and set.
    static std::optional<RegDocument> Parse(std::string_view text, bool unicode = false);

    // The file's bytes as they should be written.
    const std::string& Text() const { return text_; }

    // The key has a section of its own or one of a key below it. Paths are
    // full ("HKEY_CURRENT_USER\\Zunpeko") and compare without regard to case.
    bool HasKey(std::string_view path) const;
    // Gives the key a section of its own at the end, unless it has one.
    void AddKey(std::string_view path);

    // The value as the registry would hold it after importing the file: the
    // last well-formed line for that name in the key's sections wins.
    std::optional<RegValue> FindValue(std::string_view path, std::string_view name) const;
    // Replaces the value's lines, or adds them at the end of the key's last
    // section (adding the section if the key has none); a value that already
    // reads as the one given is left as it is.
    void SetValue(std::string_view path, std::string_view name, const RegValue& value);

  private:
    RegDocument(std::string text, bool unicode);

    regsyntax::StringBytes StringEncoding() const;
    RegValue ToCp932(RegValue value, bool quoted) const;
    std::vector<std::string> FormatLines(std::string_view name, const RegValue& value) const;

    bool HasSection(std::string_view path) const;
    void AppendSection(std::string_view path);
    std::string JoinLines(const std::string& firstBreak, std::string_view name,
                          const RegValue& value) const;

    std::string text_;
    std::string lineBreak_;
    bool unicode_ = false;          // else code page 932 throughout
    bool unicodeRegistry_ = false;  // version 5.00: hex strings are UTF-16
};

}  // namespace zunpeko
