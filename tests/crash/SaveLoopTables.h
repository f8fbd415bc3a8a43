// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The two hi-score tables the save loop writes in turn. Every one of the six
// values differs between them, so a file read after a kill tells which write
// each value last came from.
namespace zunpeko::crash {

struct SavedEntry {
    std::string_view name;  // code page 932
    std::int32_t score;
};
using SavedTable = std::array<SavedEntry, 3>;

inline constexpr SavedTable kTableA = {{{"pikuro", 300}, {"vedizud", 200}, {"zurizu", 100}}};
// "権兵衛", a name with quotes and backslashes, and one with a line break
// (written in hex form); the scores at the ends of their range.
inline constexpr SavedTable kTableB = {{{"\x8c\xa0\x95\xba\x89\x71", 2147483647},
                                        {"say \"hi\" \\ back", -7},
                                        {"two\nlines", -2147483647 - 1}}};

// The value names in the order a save writes them: the scores, then the names.
inline constexpr std::array<std::string_view, 3> kScoreValues = {"HSC1", "HSC2", "HSC3"};
inline constexpr std::array<std::string_view, 3> kNameValues = {"SName1", "SName2", "SName3"};

}  // namespace zunpeko::crash
