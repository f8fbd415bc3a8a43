// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace zunpeko {

// Text in the program's own encoding, code page 932 (Shift-JIS), byte for byte.
// Every caption, name and message is held this way; it becomes a QString only
// where it is shown (see Cp932.h).
using SjisText = std::string;

// True when byte b opens a two-byte code page 932 character.
constexpr bool IsSjisLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// True when byte b can close a two-byte code page 932 character.
constexpr bool IsSjisTrailByte(unsigned char b) {
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

}  // namespace zunpeko
