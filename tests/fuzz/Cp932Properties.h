// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zunpeko::fuzz {

// What must hold for any bytes taken as code page 932 text and, two bytes to a
// character, as text typed into a widget:
// - ToDisplay shows what the code page's decoder makes of the text's whole
//   characters: only a lead byte (0x81-0x9F, 0xE0-0xFC) left hanging at the
//   end is left out;
// - what ToDisplay shows converts back with FromDisplay and shows the same
//   again (a character ToDisplay could not read shows as "？" the second time);
// - a hi-score name cut at 20 bytes is stored as its first 20 bytes and shows
//   exactly its complete characters: no stray half of a split character;
// - FromDisplay turns every character into itself or "？", one for one; the
//   few that input methods type in another mapping (〜 U+301C) into the code
//   page's own form of them (～), which then stays itself.
// Nothing when all of that holds, else what broke.
std::optional<std::string> CheckCp932Conversions(std::string_view bytes);

}  // namespace zunpeko::fuzz
