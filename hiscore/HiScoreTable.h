#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "HiScoreDisplay.h"
#include "NamePrompt.h"
#include "Registry.h"
#include "SjisText.h"

namespace zunpeko {

struct HiScoreEntry {
    SjisText name;
    std::int32_t score = 0;

    bool operator==(const HiScoreEntry&) const = default;
};

// The three best scores with their holders' names, kept in the registry key
// "Zunpeko" under the current user's root.
//
// Registry failures are raised as PlatformError with the message the player
// reads; whatever was done before the failure stays done. The key opened at
// load stays open until the table is destroyed, so the registry must outlive it.
class HiScoreTable {
  public:
    static constexpr std::size_t kRanks = 3;
    static constexpr std::size_t kNameLimit = 20;  // bytes

    HiScoreTable(Registry& registry, NamePrompt& prompt, HiScoreDisplay& display);
    ~HiScoreTable();
    HiScoreTable(const HiScoreTable&) = delete;
    HiScoreTable& operator=(const HiScoreTable&) = delete;

    // Opens the key and reads the table, or on the first run creates the key
    // and writes the defaults; then shows the table. On a failure the table
    // keeps what was read so far (the rest empty with score 0) and nothing is
    // shown.
    void LoadHiScores();

    // Enters the score if it beats one of the three (asking for the holder's
    // name), shows the table and writes all six values back.
    void RecordGame(std::int32_t score);

    // Rank 1 first.
    const std::array<HiScoreEntry, kRanks>& Entries() const { return entries_; }

  private:
    struct Defaults {
        std::array<std::string_view, kRanks> names;
        std::array<std::int32_t, kRanks> scores;
    };

    void LoadFromOpenKey();
    void LoadOnFirstRun();
    std::optional<SjisText> ReadName(std::size_t rank) const;
    std::optional<std::int32_t> ReadScore(std::size_t rank) const;
    void WriteName(std::size_t rank) const;
    void WriteScore(std::size_t rank) const;
    void InsertAt(std::size_t rank, std::int32_t score);
    void Show(std::string_view namePrefix) const;
    void Save() const;

    Registry& registry_;
    NamePrompt& prompt_;
    HiScoreDisplay& display_;
    std::optional<RegKey> key_;
    std::array<HiScoreEntry, kRanks> entries_{};
};

}  // namespace zunpeko
