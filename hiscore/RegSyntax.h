// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "RegValue.h"

// The line syntax of a registry export file (REGEDIT4 and its Unicode
// successor), one line at a time.
namespace zunpeko::regsyntax {

// How the bytes of a file's quoted strings make up characters.
enum class StringBytes {
    // Code page 932, character by character as the registry editor writes it:
    // only a one-byte backslash or quote is escaped, never the second byte
    // of a two-byte character (0x5C in "表").
    kCp932,
    // UTF-8, byte by byte: no byte of a longer character is a backslash or quote.
    kUtf8,
};

// Spaces and tabs (and a stray carriage return at the right end).
std::string_view TrimLeft(std::string_view text);
std::string_view TrimRight(std::string_view text);

// Key paths and value names compare as the registry compares them: ASCII
// letters without regard to case.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// "[path]" opens a key's section, "[-path]" deletes the key on import.
struct SectionHeader {
    std::string_view path;
    bool deletes = false;
};
std::optional<SectionHeader> ParseSectionHeader(std::string_view line);
std::string FormatSectionHeader(std::string_view path);

// The front of a value line: the value's name ("@" is the unnamed value) and
// the data text after the '='.
struct ValueLineStart {
    std::string name;
    std::string_view data;
};
std::optional<ValueLineStart> SplitValueLine(std::string_view line, StringBytes encoding);

// True when the data is in hex form, the one form that may go on over lines.
bool IsHexData(std::string_view data);

// Data in the one-line forms: a quoted string (REG_SZ) or dword:xxxxxxxx.
std::optional<RegValue> ParseInlineData(std::string_view data, StringBytes encoding);

// Reads hex data ("hex:..." or "hex(N):...") line by line, so a long run of
// continuation lines that turns out to be broken costs no more than reading it.
class HexDataReader {
  public:
    // The data text of the value line; false if it is not well-formed hex data.
    bool Begin(std::string_view data);
    // The next physical line, while WantsMore(); false if it is not hex bytes.
    bool Continue(std::string_view line);
    // The last line read ended in a backslash.
    bool WantsMore() const { return continued_; }
    const RegValue& Value() const { return value_; }

  private:
    bool ReadBytes(std::string_view fragment);

    RegValue value_;
    bool continued_ = false;
};

// The physical lines that write a value the way the registry editor does:
// dword: for four-byte REG_DWORD data, a quoted string for REG_SZ data that
// is one zero-terminated run of printable characters, hex otherwise.
std::vector<std::string> FormatValueLines(std::string_view name, const RegValue& value,
                                          StringBytes encoding);

}  // namespace zunpeko::regsyntax
