// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <utility>

#include "FileRegistry.h"
#include "HiScoreTable.h"
#include "PlatformError.h"
#include "RecordingDisplay.h"
#include "RecordingPrompt.h"

namespace zunpeko {

// An entry in a failure message: its score and its name's bytes in hex.
inline void PrintTo(const HiScoreEntry& entry, std::ostream* out) {
    *out << entry.score << " [" << QByteArray::fromStdString(entry.name).toHex(' ').toStdString()
         << "]";
}

}  // namespace zunpeko

namespace zunpeko::store_testing {

// One run of the game on a store file: the real store and table, a player
// who types `answer` whenever asked (without one, cancels), and the panel.
class GameOnFile final {
  public:
    explicit GameOnFile(const QString& path, std::optional<SjisText> answer = std::nullopt)
        : prompt_(std::move(answer)), registry_(path), table_(registry_, prompt_, display_) {}

    // Loads the table and, given a score, records a game of it; the messages
    // the player saw, each followed by a line break.
    std::string Play(std::optional<std::int32_t> score) {
        std::string messages = MessageOf([this] { table_.LoadHiScores(); });
        if (score) {
            messages += Record(*score);
        }
        return messages;
    }

    // Records one more game on the table loaded before; the message, if any.
    std::string Record(std::int32_t score) {
        return MessageOf([&] { table_.RecordGame(score); });
    }

    const HiScoreTable& Table() const { return table_; }
    const testing::RecordingPrompt& Prompt() const { return prompt_; }
    FileRegistry& Store() { return registry_; }

  private:
    template <typename Step>
    static std::string MessageOf(Step step) {
        try {
            step();
        } catch (const PlatformError& error) {
            return error.Text() + "\n";
        }
        return {};
    }

    testing::RecordingPrompt prompt_;
    testing::RecordingDisplay display_;
    FileRegistry registry_;
    HiScoreTable table_;
};

}  // namespace zunpeko::store_testing
