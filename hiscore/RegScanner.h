// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "RegSyntax.h"
#include "RegValue.h"

namespace zunpeko {

// One entry of a registry export file: a key's section header, a value with
// its continuation lines, or any other line. Offsets are into the scanned text.
struct RegItem {
    enum class Kind { kOther, kSection, kDeletedSection, kValue };

    Kind kind = Kind::kOther;
    std::size_t begin = 0;   // its first byte
    std::size_t end = 0;     // just past its last line break, or the end of the text
    bool blank = false;      // a kOther line of white space only
    bool openEnded = false;  // a kValue whose last line asks for a continuation the text lacks
    bool quoted = false;     // a kValue written as a quoted string
    std::string_view key;    // kSection: its path; kValue: the path of its section
    std::string name;        // kValue
    RegValue value;          // kValue
};

// Walks an export file entry by entry, in one pass over its bytes. A value is
// only recognised inside a key's section and only when all of it is well
// formed; anything else comes out as a kOther line, to be kept as it is.
class RegScanner {
  public:
    RegScanner(std::string_view text, regsyntax::StringBytes encoding)
        : text_(text), encoding_(encoding) {}

    // The next entry, or false at the end of the text.
    bool Next(RegItem& item);

  private:
    struct Line {
        std::size_t begin = 0;
        std::size_t contentEnd = 0;  // before "\n" or "\r\n"
        std::size_t end = 0;         // after it
    };

    Line LineAt(std::size_t pos) const;
    std::string_view Content(const Line& line) const;
    bool ReadValue(const Line& first, RegItem& item) const;

    std::string_view text_;
    regsyntax::StringBytes encoding_;
    std::size_t pos_ = 0;
    std::optional<std::string_view> section_;  // none before the first header or after "[-...]"
};

}  // namespace zunpeko
