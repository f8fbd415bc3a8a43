// SPDX-License-Identifier: GPL-3.0-or-later
// The texts are written here as they read; the table's rules see only their
// code page 932 bytes.
#include "HiScoreTexts.h"

#include "Cp932.h"

namespace zunpeko::hiscore_texts {

SjisText PromptTitle() {
    return SjisFromUtf8("ハイスコア！！名前を入れてください。");
}

SjisText PromptLine() {
    return SjisFromUtf8("ずんぺこ");
}

SjisText Anonymous() {
    return SjisFromUtf8("権兵衛");
}

SjisText CreateKeyFailed(std::string_view key) {
    return SjisFromUtf8("ｷｰ ") + SjisText(key) + SjisFromUtf8(" の作成に失敗しました");
}

SjisText SetValueFailed(std::string_view value) {
    return "'" + SjisText(value) + SjisFromUtf8("' の設定に失敗しました");
}

SjisText GetValueFailed(std::string_view value) {
    return "'" + SjisText(value) + SjisFromUtf8("' の取得に失敗しました");
}

}  // namespace zunpeko::hiscore_texts
