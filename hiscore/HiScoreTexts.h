// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "SjisText.h"

// The hi-score table's texts in code page 932.
namespace zunpeko::hiscore_texts {

// "ハイスコア！！名前を入れてください。"
inline constexpr std::string_view kPromptTitle =
    "\x83\x6e\x83\x43\x83\x58\x83\x52\x83\x41\x81\x49\x81\x49\x96\xbc\x91\x4f\x82\xf0\x93\xfc"
    "\x82\xea\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81\x42";
// "ずんぺこ"
inline constexpr std::string_view kPromptLine = "\x82\xb8\x82\xf1\x82\xd8\x82\xb1";
// "権兵衛", the customary name for someone who gives none.
inline constexpr std::string_view kAnonymous = "\x8c\xa0\x95\xba\x89\x71";

// "ｷｰ <key> の作成に失敗しました"
inline SjisText CreateKeyFailed(std::string_view key) {
    return SjisText("\xb7\xb0 ") + SjisText(key) +
           " \x82\xcc\x8d\xec\x90\xac\x82\xc9\x8e\xb8\x94\x73\x82\xb5\x82\xdc\x82\xb5\x82\xbd";
}

// "'<value>' の設定に失敗しました"
inline SjisText SetValueFailed(std::string_view value) {
    return "'" + SjisText(value) +
           "' \x82\xcc\x90\xdd\x92\xe8\x82\xc9\x8e\xb8\x94\x73\x82\xb5\x82\xdc\x82\xb5\x82\xbd";
}

// "'<value>' の取得に失敗しました"
inline SjisText GetValueFailed(std::string_view value) {
    return "'" + SjisText(value) +
           "' \x82\xcc\x8e\xe6\x93\xbe\x82\xc9\x8e\xb8\x94\x73\x82\xb5\x82\xdc\x82\xb5\x82\xbd";
}

}  // namespace zunpeko::hiscore_texts
