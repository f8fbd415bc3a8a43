#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "FileRegistry.h"
#include "HiScoreTable.h"
#include "PlatformError.h"

namespace zunpeko::store_testing {

// One run of the game on a store file: the real store and table, a player
// who types answer whenever asked, and a panel nobody looks at.
class GameOnFile final : public NamePrompt, public HiScoreDisplay {
  public:
    GameOnFile(const QString& path, SjisText answer)
        : answer_(std::move(answer)), registry_(path), table_(registry_, *this, *this) {}

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
    FileRegistry& Store() { return registry_; }

    SjisText Ask(const SjisText&, const SjisText&, const SjisText&) override { return answer_; }
    void ShowEntry(int, const SjisText&, const SjisText&) override {}

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

    SjisText answer_;
    FileRegistry registry_;
    HiScoreTable table_;
};

}  // namespace zunpeko::store_testing
