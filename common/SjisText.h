#pragma once

#include <string>

namespace zunpeko {

// Text in the program's own encoding, code page 932 (Shift-JIS), byte for byte.
// Every caption, name and message is held this way; it becomes a QString only
// where it is shown (see Cp932.h).
using SjisText = std::string;

}  // namespace zunpeko
