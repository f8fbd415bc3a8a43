// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "NamePrompt.h"

namespace zunpeko::testing {

// A player at the name box who types `answer`, or, without one, cancels and
// so takes the offered default. Every question is noted.
class RecordingPrompt final : public NamePrompt {
  public:
    // What the box showed: title, prompt line and default text.
    using Question = std::vector<SjisText>;

    explicit RecordingPrompt(std::optional<SjisText> typed = std::nullopt)
        : answer(std::move(typed)) {}

    SjisText Ask(const SjisText& title, const SjisText& promptLine,
                 const SjisText& defaultText) override {
        asked.push_back({title, promptLine, defaultText});
        return answer.value_or(defaultText);
    }

    std::optional<SjisText> answer;
    std::vector<Question> asked;
};

}  // namespace zunpeko::testing
