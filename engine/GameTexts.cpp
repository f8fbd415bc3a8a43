// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameTexts.h"

#include <string>

namespace zunpeko {

SjisText TimeLabelText(std::int32_t timeLeftMs) {
    // "残り時間 " and " 秒" in code page 932.
    static constexpr char kPrefix[] = "\x8e\x63\x82\xe8\x8e\x9e\x8a\xd4 ";
    static constexpr char kSuffix[] = " \x95\x62";
    SjisText text = kPrefix;
    text += std::to_string(timeLeftMs / 1000);
    text += kSuffix;
    return text;
}

SjisText ScoreText(std::int32_t score) {
    return std::to_string(score);
}

}  // namespace zunpeko
