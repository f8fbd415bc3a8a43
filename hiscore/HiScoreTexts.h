// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "SjisText.h"

// The hi-score table's texts, in code page 932.
namespace zunpeko::hiscore_texts {

SjisText PromptTitle();  // "ハイスコア！！名前を入れてください。"
SjisText PromptLine();   // "ずんぺこ"
SjisText Anonymous();    // "権兵衛", the customary name for someone who gives none

SjisText CreateKeyFailed(std::string_view key);   // "ｷｰ <key> の作成に失敗しました"
SjisText SetValueFailed(std::string_view value);  // "'<value>' の設定に失敗しました"
SjisText GetValueFailed(std::string_view value);  // "'<value>' の取得に失敗しました"

}  // namespace zunpeko::hiscore_texts
