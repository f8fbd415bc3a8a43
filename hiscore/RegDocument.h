#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "RegValue.h"

namespace zunpeko {

// A registry export file in the registry editor's text form (REGEDIT4), held
// as its own bytes. Lines the program does not understand, other keys and
// other values stay byte for byte as they were; setting a value rewrites that
// value's lines and nothing else. New lines use the line break the file
// already uses (that of its first line), CRLF in a new file.
//
// Every operation is one pass over the text, so the work is bounded by its
// size, and that is bounded by kMaxBytes.
class RegDocument {
  public:
    // A hi-score file is a few hundred bytes; anything this large is not one
    // of ours and is not read at all.
    static constexpr std::size_t kMaxBytes = std::size_t{4} * 1024 * 1024;

    // A new, empty export: the header line and a blank line.
    RegDocument();

    // The text as a document, or nothing when it is not an export file (its
    // first line is not "REGEDIT4") or is larger than kMaxBytes.
    static std::optional<RegDocument> Parse(std::string_view text);

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
    // section (adding the section if the key has none).
    void SetValue(std::string_view path, std::string_view name, const RegValue& value);

  private:
    explicit RegDocument(std::string text);

    bool HasSection(std::string_view path) const;
    void AppendSection(std::string_view path);
    std::string JoinLines(const std::string& firstBreak, std::string_view name,
                          const RegValue& value) const;

    std::string text_;
    std::string lineBreak_;
};

}  // namespace zunpeko
