// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zunpeko::fuzz {

// What must hold for any bytes read as the per-user store file: if they parse,
// the document gives its bytes back unchanged, every value it holds survives
// being written into a new file and being rewritten in place, and setting the
// hi-score values changes those and nothing else. Nothing when all of that
// holds, else what broke.
std::optional<std::string> CheckRegFileRoundTrip(std::string_view bytes);

}  // namespace zunpeko::fuzz
